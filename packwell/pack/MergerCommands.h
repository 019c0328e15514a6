#pragma once
// The commands of the merger's menu. Each runs to its end through the
// session's platform, exactly as the menu item does; the command-line twin
// calls the same functions with a scripted platform.

#include "MergerSession.h"

namespace packwell::pack {

void mergeGroup(MergerSession& s);            // Edit > Merge a Group of files...
void addFileToMerged(MergerSession& s);       // Edit > Add File to Merged File
void createPackSource(MergerSession& s);      // Edit > Create GAME Pack Source File
void openPackSource(MergerSession& s);        // File > Open GAME Pack Source File
void savePackSource(MergerSession& s);        // File > Save GAME Pack Source File
void buildPack(MergerSession& s);             // Edit > Create GAME Pack
void compressGroupHuffman(MergerSession& s);  // Edit > Compress a group of Files... [ Huffman ]
void compressGroupRle(MergerSession& s);      // Edit > Compress a group of Files... [ RLE ]
void eraseReport(MergerSession& s);           // Edit > Erase Text Data on Form
// File > Exit, first half: saves the report area to "Merge.txt" in the
// working folder. Returns false (after reporting the failure) when it could
// not be written; the window then stays open.
bool saveReportOnExit(MergerSession& s);

}  // namespace packwell::pack
