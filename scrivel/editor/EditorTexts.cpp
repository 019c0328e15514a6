#include "EditorTexts.h"

#include <cstdio>

#include "platform/Platform.h"

namespace scrivel::editor {

std::string blockEntryText(uint32_t blockAddress)
{
    char text[32];
    std::snprintf(text, sizeof text, "Block %X", static_cast<unsigned>(blockAddress));
    return text;
}

std::string stringEntryText(int stringNumber)
{
    char text[32];
    std::snprintf(text, sizeof text, "String# %-5d", stringNumber);
    return text;
}

std::string itemsHint(int count) { return std::to_string(count) + " item(s)"; }

std::string stringPositionText(const EditorState& state)
{
    int block = state.currentBlock >= 0 && state.currentBlock < rom::MaxBlocks ? state.currentBlock : 0;
    uint32_t tableAddress = state.blockAddress[static_cast<size_t>(block)];
    uint32_t pointerAddress = (tableAddress & 0xFF0000u) | state.currentPointer;
    uint32_t entryAddress = tableAddress + 2u * static_cast<uint32_t>(state.currentString);
    char text[64];
    std::snprintf(text, sizeof text, "Offset: %06X | PTR: %04X -> %06X", static_cast<unsigned>(pointerAddress),
                  static_cast<unsigned>(state.currentPointer), static_cast<unsigned>(entryAddress));
    return text;
}

std::string viewOptionsText(const ViewChecks& checks)
{
    static const char* const codeWords[2] = {"Visible", "Hidden"};
    static const char* const vwfWords[2] = {"Inactive", "Active"};
    return std::string("Control Codes: ") + codeWords[checks.hideCodes ? 1 : 0] + " | VWF: " +
           vwfWords[checks.variableWidth ? 1 : 0];
}

std::string dataFileCaption(const std::string& dataFilePath)
{
    return "Script Editor: Varkel Osti - [ " + platform::fileNameOf(dataFilePath) + " ]";
}

}  // namespace scrivel::editor
