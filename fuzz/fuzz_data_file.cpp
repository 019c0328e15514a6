// The text block data file parser over arbitrary bytes: every line piece
// stays within 255 characters, no more than MaxBlocks blocks are kept, and
// the parse is the same when run twice.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rom/DataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    for (const std::string& line : scrivel::dataFileLines(bytes))
        if (line.size() > 255) std::abort();

    scrivel::FontFormat first;
    scrivel::DataFileContents contents = scrivel::parseDataFile(bytes, first);
    if (contents.blocks.size() > static_cast<size_t>(scrivel::MaxBlocks)) std::abort();
    if (contents.truncated && contents.blocks.size() != static_cast<size_t>(scrivel::MaxBlocks)) std::abort();

    scrivel::FontFormat second;
    scrivel::DataFileContents again = scrivel::parseDataFile(bytes, second);
    if (again.blocks.size() != contents.blocks.size() || first.LineWidth != second.LineWidth ||
        first.CellHeight != second.CellHeight || first.CellWidth != second.CellWidth)
        std::abort();
    return 0;
}
