#pragma once
// With a table loaded, the hex window also tells the token under its cursor
// as the table reads it: the token's bytes and its text.

#include <optional>
#include <string>

#include "EditorState.h"
#include "HexModel.h"

namespace scrivel::editor {

// "F0 12 = [$F012]": the bytes of the token that holds the byte under the
// cursor (the tokens read from the string's first byte on, so a cursor
// inside a multi-byte token names the whole token), " = " and its text, in
// which a line end shows as \n. A token that writes nothing shows "(end)"
// when it ends the string, "(nothing)" otherwise. A cursor past the string
// names the token of its last byte, as the caption names that byte's
// address. Nothing when no table is loaded or the window holds no bytes.
std::optional<std::string> tokenUnderCursor(const EditorState& state, const HexModel& hex);

// The hex window's caption: HexModel::caption, then " | " and the token
// under the cursor when there is one; without a table exactly the caption.
std::string hexCaption(const EditorState& state, const HexModel& hex);

}  // namespace scrivel::editor
