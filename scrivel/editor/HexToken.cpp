#include "HexToken.h"

#include <algorithm>
#include <span>

#include "rom/StringExtent.h"
#include "rom/StringText.h"

namespace scrivel::editor {

std::optional<std::string> tokenUnderCursor(const EditorState& state, const HexModel& hex)
{
    if (!state.table || hex.count == 0) return std::nullopt;
    const uint8_t* bytes = hex.bytes.data();
    const size_t size = std::min<size_t>(hex.count, hex.bytes.size());
    const size_t end = rom::stringExtent(bytes, size, 0).length;
    const size_t cursor = std::min(static_cast<size_t>(std::max(hex.cursorIndex(), 0)), size - 1);

    rom::Token token;
    size_t pos = 0;
    while (pos < end) {
        token = rom::readToken(*state.table, bytes, size, pos, end);
        if (token.length == 0 || cursor < pos + token.length || token.endsString) break;
        pos += token.length;
    }
    // Bytes past the extent (there are none unless the copy was cut short)
    // are read one at a time as they stand.
    if (pos >= end || cursor >= pos + token.length) {
        pos = cursor;
        token = rom::readToken(*state.table, bytes, size, pos, size);
    }

    std::string text = rom::hexDigits(std::span(bytes + pos, 1));
    for (size_t i = 1; i < token.length; ++i) text += " " + rom::hexDigits(std::span(bytes + pos + i, 1));
    text += " = ";
    if (token.text.empty()) {
        text += token.endsString ? "(end)" : "(nothing)";
    } else {
        for (char c : token.text) {
            if (c == '\n')
                text += "\\n";
            else
                text += c;
        }
    }
    return text;
}

std::string hexCaption(const EditorState& state, const HexModel& hex)
{
    std::string caption = hex.caption(state);
    if (const std::optional<std::string> token = tokenUnderCursor(state, hex)) caption += " | " + *token;
    return caption;
}

}  // namespace scrivel::editor
