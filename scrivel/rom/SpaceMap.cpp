#include "SpaceMap.h"

#include <algorithm>

namespace scrivel::rom {

namespace {

std::vector<ByteRange> sortedMerged(std::vector<ByteRange> ranges)
{
    std::sort(ranges.begin(), ranges.end(),
              [](const ByteRange& a, const ByteRange& b) { return a.begin < b.begin || (a.begin == b.begin && a.end < b.end); });
    std::vector<ByteRange> out;
    for (const ByteRange& r : ranges) {
        if (!out.empty() && r.begin <= out.back().end)
            out.back().end = std::max(out.back().end, r.end);
        else
            out.push_back(r);
    }
    return out;
}

}  // namespace

void SpaceMap::addFree(uint32_t fileStart, uint32_t fileEndExclusive)
{
    if (fileStart < fileEndExclusive) free_.push_back({fileStart, fileEndExclusive});
}

void SpaceMap::addTaken(uint32_t fileStart, uint32_t fileEndExclusive)
{
    if (fileStart < fileEndExclusive) taken_.push_back({fileStart, fileEndExclusive});
}

std::vector<ByteRange> SpaceMap::freeRanges() const
{
    const std::vector<ByteRange> free = sortedMerged(free_);
    const std::vector<ByteRange> taken = sortedMerged(taken_);
    std::vector<ByteRange> out;
    size_t t = 0;
    for (ByteRange r : free) {
        while (t < taken.size() && taken[t].end <= r.begin) ++t;
        // Walk the taken ranges overlapping r; they are sorted and disjoint.
        size_t k = t;
        while (r.begin < r.end && k < taken.size() && taken[k].begin < r.end) {
            if (taken[k].begin > r.begin) out.push_back({r.begin, taken[k].begin});
            r.begin = std::max(r.begin, taken[k].end);
            ++k;
        }
        if (r.begin < r.end) out.push_back(r);
    }
    return out;
}

}  // namespace scrivel::rom
