#pragma once
// Drawing the session's current string: the editor picks the bytes (the
// ROM's string or the compiled preview), runs the renderer, and then updates
// the screen, the hex window and the current pointer itself.

#include "EditorState.h"
#include "EditorView.h"
#include "HexModel.h"

namespace scrivel::editor {

// Where a render's results go besides the state.
struct RenderTargets {
    ScreenView& screen;
    HexModel& hex;
    HexView& hexView;
};

// Renders the current string in a cell of cellHeight x cellWidth (the
// format's own cell draws game glyphs, any other cell label glyphs). Does
// nothing without a ROM. Without a format (line width 0) it stores the
// default format and draws nothing. Otherwise, in this order: the screen is
// cleared, the hex window gets the string's bytes, the picture is drawn into
// the state and presented, and the current pointer is read again.
void renderCurrentString(EditorState& s, RenderTargets& targets, int cellHeight, int cellWidth);

}  // namespace scrivel::editor
