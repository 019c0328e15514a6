// A table file of arbitrary bytes, then a ROM image of arbitrary bytes read
// through it. The input is split by its first byte pair (little-endian: the
// length of the table part); the rest is the image. A refused table carries
// one error and nothing else; a decoded string never reads past the game's
// extent, and every token takes at least one byte.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "rom/StringExtent.h"
#include "rom/StringText.h"
#include "rom/TableFile.h"

namespace {

using namespace scrivel::rom;

constexpr size_t MaxStarts = 16;

void check(bool ok)
{
    if (!ok) std::abort();
}

void decodeFrom(const Table& table, const std::vector<uint8_t>& image, size_t start)
{
    const StringExtent extent = stringExtent(image.data(), image.size(), start);
    check(start < image.size() ? extent.length >= 1 && extent.length <= image.size() - start : extent.length == 0);
    check(!extent.endedOnFF || image[start + extent.length - 1] == 0xFF);

    // The token walk decodeString is built on stays inside the extent.
    const size_t end = start + extent.length;
    size_t lineEnds = 0;
    bool wrote = false;
    for (size_t pos = start; pos < end;) {
        const Token token = readToken(table, image.data(), image.size(), pos, end);
        check(token.length >= 1 && token.length <= end - pos);
        for (char c : token.text) lineEnds += c == '\n';
        wrote = wrote || !token.text.empty();
        if (token.endsString) break;
        pos += token.length;
    }
    const std::vector<std::string> lines = decodeString(table, image.data(), image.size(), start);
    check(lines.size() == (wrote ? lineEnds + 1 : 0));
    // The image copy is exactly as long as the image, so a read past it is
    // caught by AddressSanitizer.
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    const size_t tableLength = std::min<size_t>(data[0] | (data[1] << 8), size - 2);
    const std::string_view tableText(reinterpret_cast<const char*>(data + 2), tableLength);
    const std::vector<uint8_t> image(data + 2 + tableLength, data + size);

    const TableLoad load = parseTable(tableText, "t.tbl");
    if (!load.table) {
        check(load.error.starts_with("Error: t.tbl:"));
        return 0;
    }
    check(load.error.empty());
    for (const std::string& warning : load.warnings) check(warning.starts_with("Warning: t.tbl:"));
    for (const TableEntry& entry : load.table->entries()) {
        check(!entry.bytes.empty() && entry.parameterCount <= 8);
        check(load.table->find(entry.bytes) == &entry);
    }

    // Where strings start in a real image: at 0 and after each FF (the
    // first few, as each string without an FF runs to the image end), plus
    // one start at the end and one past it.
    size_t starts = 0;
    for (size_t start = 0; start < image.size() && starts < MaxStarts; ++start)
        if (start == 0 || image[start - 1] == 0xFF) {
            decodeFrom(*load.table, image, start);
            ++starts;
        }
    decodeFrom(*load.table, image, image.size());
    decodeFrom(*load.table, image, image.size() + 1);
    return 0;
}
