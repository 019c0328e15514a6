#pragma once
// "Merged.cpp": the bytes of "Merged.dat" as a C initialiser, sixteen bytes
// to a row, each row ending with its number. Lines end with CR LF.

#include <cstddef>
#include <cstdint>

#include "FileIO.h"

namespace packwell::pack {

class DataListingWriter {
public:
    explicit DataListingWriter(OutputFile& out) : out_(out) {}
    // The head lines for a listing of size bytes.
    void begin(uint64_t size);
    // The next bytes of the listing.
    void add(const unsigned char* bytes, size_t n);
    // The closing lines.
    void end();

private:
    OutputFile& out_;
    uint64_t index_ = 0;
};

}  // namespace packwell::pack
