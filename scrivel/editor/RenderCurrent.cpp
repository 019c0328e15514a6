#include "RenderCurrent.h"

#include <algorithm>

#include "CurrentString.h"
#include "rom/ByteCode.h"
#include "rom/Pointers.h"

namespace scrivel::editor {

void renderCurrentString(EditorState& s, RenderTargets& targets, int cellHeight, int cellWidth)
{
    if (!s.romLoaded) return;
    if (s.format.lineWidth == 0) {
        s.format = rom::defaultFontFormat();
        return;
    }
    targets.screen.clearBitmap();

    render::RenderInput input;
    input.bytes = s.checks.showTranslation
                      ? std::span<const uint8_t>(s.previewBytes.data(), std::min(s.previewCount, s.previewBytes.size()))
                      : rom::bytesFrom(s.romImage, lookupCurrentString(s));
    input.format = s.format;
    input.fonts = s.fonts;
    input.options.cellHeight = cellHeight;
    input.options.cellWidth = cellWidth;
    input.options.hideCodes = s.checks.hideCodes;
    input.options.variableWidth = s.checks.variableWidth;
    input.options.preview = s.checks.showTranslation;
    // The picture keeps the size it was given when the session started.
    input.options.screenWidth = s.rendered.picture.width;
    input.options.screenHeight = s.rendered.picture.height;

    // A string that starts outside the image shows as its end alone.
    targets.hex.showBytes(input.bytes);
    targets.hexView.bytesChanged();

    render::renderText(input, s.rendered);
    const render::Picture& picture = s.rendered.picture;
    if (picture.ready()) targets.screen.present(picture.pixels.data(), picture.width, picture.height);
    readCurrentPointer(s);
}

}  // namespace scrivel::editor
