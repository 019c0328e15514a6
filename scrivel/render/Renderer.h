#pragma once
// The script renderer: draws the current string (from the ROM, or the
// compiled preview bytes) into ScreenBuffer and presents it.

#include "editor/EditorState.h"
#include "editor/EditorView.h"
#include "editor/HexModel.h"

namespace scrivel {

// Where a top-level render hands its results.
struct RenderTargets {
    ScreenView& screen;
    HexModel& hex;
    HexView& hexView;
};

// nested = false: a top-level render of the current string; nested = true
// draws the label text at StreamPos (used by the renderer itself).
void RenderText(EditorState& s, RenderTargets& targets, bool nested, int cellHeight, int cellWidth);

}  // namespace scrivel
