#pragma once
// The emulated screen: ScreenBuffer holds width x height visible pixels
// followed by as many spare ones, into which drawing past the bottom row
// lands unseen.

#include "editor/EditorState.h"
#include "editor/EditorView.h"

namespace scrivel {

// Sizes ScreenBuffer for a screen of width x height (twice that many
// pixels) and clears it. Returns false, leaving no buffer, when the memory
// cannot be had or a size is not positive.
bool setupScreen(EditorState& s, int width, int height);

// True once setupScreen has given ScreenBuffer its pixels.
bool screenReady(const EditorState& s);

// Hands the visible width x height pixels to the screen view.
void ShowScreen(const EditorState& s, ScreenView& screen);

}  // namespace scrivel
