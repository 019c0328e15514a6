#pragma once
// The small fixed file the patch targets apply their inputs to. make_seeds.py
// builds the same bytes for the seed patches.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fuzzing {

inline std::vector<uint8_t> patchSource()
{
    std::vector<uint8_t> source(256);
    for (size_t i = 0; i < source.size(); ++i) source[i] = static_cast<uint8_t>(i * 7 + 3);
    return source;
}

// Far above the seeds' results, small enough that growing a file to it stays
// quick; the check it exercises is the same at any limit.
constexpr size_t PatchTargetLimit = size_t{256} << 10;

}  // namespace fuzzing
