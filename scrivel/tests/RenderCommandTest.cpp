// The editor's render of the current string: which bytes it hands the
// renderer, and what it does around it (the screen, the hex window, the
// pointer, a missing ROM or format).

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "editor/RenderCurrent.h"
#include "render/GlyphPictures.h"
#include "rom/Pointers.h"

using namespace scrivel::rom;
using namespace scrivel::render;
using namespace scrivel::editor;

namespace {

constexpr uint32_t TableAddress = 0x1A8000;
constexpr uint16_t StringPointer = 0x9000;
constexpr uint8_t GlyphA = 0x0A;

class RecordingScreen : public ScreenView {
public:
    void clearBitmap() override { ++clears; }
    void present(const uint16_t* pixels, int width, int height) override
    {
        ++presents;
        shown.assign(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height));
    }
    int clears = 0;
    int presents = 0;
    std::vector<uint16_t> shown;
};

class CountingHexView : public HexView {
public:
    void bytesChanged() override
    {
        ++changes;
        if (onChange) onChange();
    }
    int changes = 0;
    std::function<void()> onChange;
};

// A 1 MiB image whose block 0 has its pointer table at 1A8000 and string 0
// at 1A9000, the default format, and a 320 x 369 screen.
class RenderCommand : public ::testing::Test {
protected:
    RenderCommand()
    {
        s.romImage.assign(0x100000, 0);
        s.romLoaded = true;
        s.format.lineWidth = 144;
        s.format.cellHeight = 16;
        s.format.cellWidth = 16;
        s.format.wideAdvance = 16;
        s.blockAddress[0] = TableAddress;
        s.blockTextBank[0] = 0x1A0000;
        s.blockStringCount[0] = 1;
        s.currentBlockAddress = TableAddress;
        const auto table = static_cast<size_t>(snesToFileOffset(TableAddress));
        s.romImage[table] = StringPointer & 0xFF;
        s.romImage[table + 1] = StringPointer >> 8;
        s.rendered.picture.reset(ScreenWidth, ScreenHeight);
    }

    void setString(const std::vector<uint8_t>& bytes)
    {
        const auto at = static_cast<size_t>(snesToFileOffset(0x1A0000 | StringPointer));
        std::copy(bytes.begin(), bytes.end(), s.romImage.begin() + static_cast<std::ptrdiff_t>(at));
    }
    void render(int cellHeight = 16, int cellWidth = 16) { renderCurrentString(s, targets, cellHeight, cellWidth); }
    const Layout& layout() const { return s.rendered.layout; }
    int nonZeroPixels() const
    {
        const auto& px = s.rendered.picture.pixels;
        return static_cast<int>(std::count_if(px.begin(), px.begin() + static_cast<std::ptrdiff_t>(s.rendered.picture.visibleCount()),
                                              [](uint16_t p) { return p != 0; }));
    }

    std::unique_ptr<EditorState> state = std::make_unique<EditorState>();
    EditorState& s = *state;
    HexModel hex;
    RecordingScreen screen;
    CountingHexView hexView;
    RenderTargets targets{screen, hex, hexView};
};

TEST_F(RenderCommand, ClearsTheScreenShowsTheBytesAndPresentsThePicture)
{
    setString({0xFF});
    render();
    EXPECT_EQ(screen.clears, 1);
    EXPECT_EQ(screen.presents, 1);
    EXPECT_EQ(hexView.changes, 1);
    EXPECT_EQ(hex.count, 1);
    EXPECT_EQ(s.currentPointer, StringPointer);
    EXPECT_EQ(layout().frameRows, 4);
    ASSERT_EQ(screen.shown.size(), static_cast<size_t>(ScreenWidth * ScreenHeight));
    EXPECT_TRUE(std::equal(screen.shown.begin(), screen.shown.end(), s.rendered.picture.pixels.begin()));
}

TEST_F(RenderCommand, WithoutARomNothingHappens)
{
    setString({GlyphA, 0xFF});
    render();
    const uint16_t count = hex.count;
    const auto shown = screen.shown;
    screen = RecordingScreen{};
    hexView.changes = 0;

    s.romLoaded = false;
    setString({GlyphA, GlyphA, GlyphA, 0xFF});
    render();
    EXPECT_EQ(screen.clears + screen.presents + hexView.changes, 0);
    EXPECT_EQ(hex.count, count);  // the hex window keeps its bytes
    EXPECT_TRUE(std::equal(shown.begin(), shown.end(), s.rendered.picture.pixels.begin()));
}

TEST_F(RenderCommand, WithoutAFormatTheDefaultsAreStoredAndNothingDrawn)
{
    s.format = FontFormat{};
    setString({GlyphA, 0xFF});
    render(0, 0);
    EXPECT_EQ(screen.clears + screen.presents, 0);
    EXPECT_EQ(nonZeroPixels(), 0);
    const FontFormat& f = s.format;
    EXPECT_EQ(f.lineWidth, 144);
    EXPECT_EQ(f.cellHeight, 16);
    EXPECT_EQ(f.cellWidth, 16);
    EXPECT_EQ(f.wideAdvance, 16);
    EXPECT_EQ(f.unusedNumbers, (std::array<uint8_t, 5>{1, 0, 1, 2, 3}));
}

TEST_F(RenderCommand, ThePreviewDrawsTheCompiledBytesAndReadsThePointerAgain)
{
    s.checks.showTranslation = true;
    s.previewBytes.fill(0);
    const uint8_t preview[] = {0x41, 0xF4, 0x00, 0x41, 0x80, 0x41, 0xFF};
    std::copy(std::begin(preview), std::end(preview), s.previewBytes.begin());
    s.currentPointer = 0x1234;
    render();
    EXPECT_EQ(hex.count, 7);
    EXPECT_EQ(hex.bytes[0], 0x41);
    EXPECT_EQ(layout().glyphs.size(), 5u);
    EXPECT_EQ(s.currentPointer, StringPointer);  // read again at the end
}

TEST_F(RenderCommand, TheHexWindowIsToldBeforeThePreviewRenderReadsThePointerAgain)
{
    s.checks.showTranslation = true;
    s.previewBytes.fill(0);
    s.previewBytes[0] = 0xFF;
    s.currentPointer = 0x1234;
    uint16_t pointerSeen = 0;
    int presentsSeen = -1;
    hexView.onChange = [&] {
        pointerSeen = s.currentPointer;
        presentsSeen = screen.presents;
    };
    render();
    EXPECT_EQ(pointerSeen, 0x1234);  // the caption shows the previous render's pointer
    EXPECT_EQ(presentsSeen, 0);
    EXPECT_EQ(s.currentPointer, StringPointer);
}

TEST_F(RenderCommand, AStringRunningToTheImageEndStopsThere)
{
    const auto start = static_cast<size_t>(snesToFileOffset(0x1A0000 | StringPointer));
    s.romImage.resize(start + 3);
    s.romImage[start] = GlyphA;
    s.romImage[start + 1] = GlyphA;
    s.romImage[start + 2] = 0xF0;  // a two-byte lead whose second byte reads 0xFF
    render();
    EXPECT_EQ(layout().penX, 16 + 8 + 8 + 16);
    EXPECT_EQ(screen.presents, 1);
    EXPECT_EQ(hex.count, 4);  // the bytes and the 0xFF read past the end
}

TEST_F(RenderCommand, AStringStartingOutsideTheImageIsEmpty)
{
    s.romImage.resize(0x100);  // the pointer table itself lies outside: 0xFFFF
    render();
    EXPECT_EQ(s.currentPointer, 0xFFFF);
    EXPECT_EQ(hex.count, 1);
    EXPECT_EQ(hex.bytes[0], 0xFF);
    EXPECT_EQ(layout().penX, 16);
    EXPECT_TRUE(layout().glyphs.empty());
}

TEST_F(RenderCommand, PreviewBytesWithoutTheirEndStopAtTheBufferEnd)
{
    s.checks.showTranslation = true;
    s.previewBytes.fill(0x41);
    render();
    EXPECT_EQ(screen.presents, 1);
    EXPECT_EQ(layout().frameRows, 46);
    EXPECT_EQ(layout().bytesRead, s.previewBytes.size() + 1);
}

TEST_F(RenderCommand, WithoutAScreenTheRenderStillReadsItsString)
{
    s.rendered.picture = Picture{};
    setString({GlyphA, 0xFF});
    render();
    EXPECT_EQ(screen.presents, 0);
    EXPECT_EQ(hex.count, 2);
    EXPECT_EQ(s.currentPointer, StringPointer);
    EXPECT_EQ(layout().glyphs.size(), 1u);
}

}  // namespace
