#pragma once
// The fixed texts the editor builds from its state: list entries, hints,
// the two status bar panels and the caption.

#include <cstdint>
#include <string>

#include "EditorState.h"

namespace scrivel::editor {

// "Block %X".
std::string blockEntryText(uint32_t blockAddress);
// "String# %-5d".
std::string stringEntryText(int stringNumber);
// "%d item(s)".
std::string itemsHint(int count);
// Panel 0: "Offset: %06X | PTR: %04X -> %06X" for the current block, string
// and pointer.
std::string stringPositionText(const EditorState& state);
// Panel 1: "Control Codes: Visible | VWF: Inactive" and its three siblings.
std::string viewOptionsText(const ViewChecks& checks);
// "Script Editor: Varkel Osti - [ " + file name + " ]".
std::string dataFileCaption(const std::string& dataFilePath);

}  // namespace scrivel::editor
