#pragma once
// The inputs of the coder benchmarks, written once per process into a
// temporary folder so that the coders read page-cached files.

#include <cstddef>
#include <string>

namespace bench_data {

enum class Kind {
    Text,       // about 60 byte values with falling frequencies, like a script
    Random,     // every byte value equally likely
    RunHeavy,   // runs of 1 to 64 equal bytes from a small alphabet
};

// The path of a file of the given kind and size (created on first use).
std::string inputFile(Kind kind, std::size_t size);
// The path of the file the given coder ("huf" or "rle") makes of it.
std::string packedFile(Kind kind, std::size_t size, const std::string& coder);

}  // namespace bench_data
