#include "StringPlacement.h"

#include <algorithm>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>

namespace scrivel::rom {

namespace {

// File offsets of the windows the bank rule leaves for new strings.
constexpr uint32_t Bank1ABegin = loRomFileOffset(0x1A8000);
constexpr uint32_t Bank1AStartLimit = loRomFileOffset(0x1AA800);  // pointers A800+ of a 1A block mean bank 1D
constexpr uint32_t Bank1AEnd = loRomFileOffset(0x1AFFFF) + 1;
constexpr uint32_t Bank1DBegin = loRomFileOffset(0x1D8000);
constexpr uint32_t Bank1DShared = loRomFileOffset(0x1DA800);  // from here on both kinds of block reach
constexpr uint32_t Bank1DEnd = loRomFileOffset(0x1DFFFF) + 1;

enum class Reach { Both, Bank1A, Bank1DOnly };

// Requests with identical bytes that can share one copy.
struct Group {
    size_t first;  // request whose bytes stand for all
    size_t size;
    Reach reach;
    std::vector<size_t> members;
};

// Free ranges of one window, handed out best fit: the smallest range that
// holds the string, at its start; ties go to the lowest address. A string may
// start only below startLimit (its end may pass it).
class Pool {
public:
    explicit Pool(uint32_t startLimit) : startLimit_(startLimit) {}

    void add(ByteRange r)
    {
        if (r.begin < r.end && r.begin < startLimit_) byFit_.insert({r.size(), r.begin});
    }

    bool take(size_t size, uint32_t& at)
    {
        auto it = byFit_.lower_bound({static_cast<uint32_t>(std::min<size_t>(size, UINT32_MAX)), 0});
        if (it == byFit_.end()) return false;
        const auto [length, begin] = *it;
        byFit_.erase(it);
        at = begin;
        add({static_cast<uint32_t>(begin + size), begin + length});
        return true;
    }

    std::vector<ByteRange> ranges() const
    {
        std::vector<ByteRange> out;
        for (const auto& [length, begin] : byFit_) out.push_back({begin, begin + length});
        std::sort(out.begin(), out.end(), [](const ByteRange& a, const ByteRange& b) { return a.begin < b.begin; });
        return out;
    }

private:
    uint32_t startLimit_;
    std::set<std::pair<uint32_t, uint32_t>> byFit_;  // (length, begin)
};

std::vector<ByteRange> clipped(const std::vector<ByteRange>& ranges, uint32_t begin, uint32_t end)
{
    std::vector<ByteRange> out;
    for (const ByteRange& r : ranges) {
        ByteRange c{std::max(r.begin, begin), std::min(r.end, end)};
        if (c.begin < c.end) out.push_back(c);
    }
    return out;
}

size_t totalSize(const std::vector<ByteRange>& ranges)
{
    size_t n = 0;
    for (const ByteRange& r : ranges) n += r.size();
    return n;
}

void sortLargestFirst(std::vector<Group>& groups)
{
    std::sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
        return a.size != b.size ? a.size > b.size : a.first < b.first;
    });
}

// Writes a group's outcome into the result and keeps the bank totals.
class Placer {
public:
    explicit Placer(PlacementResult& result) : result_(result) {}

    void assign(const Group& g, uint32_t at, bool inBank1A)
    {
        const uint32_t bankStart = inBank1A ? Bank1ABegin : Bank1DBegin;
        const auto pointer = static_cast<uint16_t>(0x8000 + (at - bankStart));
        for (size_t m : g.members) result_.placements[m] = {true, pointer, at};
        BankSpace& bank = inBank1A ? result_.bank1A : result_.bank1D;
        bank.needed += g.size;
        bank.freeAfter -= g.size;
    }

    void leave(const Group& g, bool wantsBank1A)
    {
        for (size_t m : g.members) result_.unplaced.push_back(m);
        (wantsBank1A ? result_.bank1A : result_.bank1D).needed += g.size;
    }

private:
    PlacementResult& result_;
};

std::vector<Group> groupIdentical(const std::vector<StringRequest>& requests, std::vector<size_t>& empty)
{
    std::vector<Group> groups;
    std::unordered_map<std::string, size_t> byBytes;
    for (size_t i = 0; i < requests.size(); ++i) {
        const auto& bytes = requests[i].bytes;
        if (bytes.empty()) {
            empty.push_back(i);
            continue;
        }
        const Reach reach = requests[i].bank1AAllowed ? Reach::Bank1A : Reach::Bank1DOnly;
        auto [it, isNew] = byBytes.try_emplace(std::string(bytes.begin(), bytes.end()), groups.size());
        if (isNew) {
            groups.push_back({i, bytes.size(), reach, {i}});
            continue;
        }
        Group& g = groups[it->second];
        g.members.push_back(i);
        if (g.reach != reach) g.reach = Reach::Both;
    }
    return groups;
}

}  // namespace

PlacementResult placeStrings(const SpaceMap& map, const std::vector<StringRequest>& requests, size_t imageSize)
{
    PlacementResult result;
    result.placements.resize(requests.size());

    const auto imageEnd = static_cast<uint32_t>(std::min<size_t>(imageSize, UINT32_MAX));
    const std::vector<ByteRange> free = clipped(map.freeRanges(), 0, imageEnd);
    const std::vector<ByteRange> free1A = clipped(free, Bank1ABegin, Bank1AEnd);
    const std::vector<ByteRange> free1DLow = clipped(free, Bank1DBegin, Bank1DShared);
    const std::vector<ByteRange> free1DShared = clipped(free, Bank1DShared, Bank1DEnd);
    result.bank1A.freeBefore = totalSize(free1A);
    result.bank1D.freeBefore = totalSize(free1DLow) + totalSize(free1DShared);
    result.bank1A.freeAfter = result.bank1A.freeBefore;
    result.bank1D.freeAfter = result.bank1D.freeBefore;
    Placer placer(result);

    Pool pool1A(Bank1AStartLimit), poolShared(Bank1DEnd);
    for (const ByteRange& r : free1A) pool1A.add(r);
    for (const ByteRange& r : free1DShared) poolShared.add(r);

    std::vector<Group> both, only1A, only1D;
    for (Group& g : groupIdentical(requests, result.unplaced)) {
        (g.reach == Reach::Both ? both : g.reach == Reach::Bank1A ? only1A : only1D).push_back(std::move(g));
    }

    // Shared strings: only 1DA800 and up suit both kinds of block. Failing
    // that, each kind gets its own copy.
    sortLargestFirst(both);
    for (Group& g : both) {
        uint32_t at = 0;
        if (poolShared.take(g.size, at)) {
            placer.assign(g, at, false);
            continue;
        }
        Group a{g.first, g.size, Reach::Bank1A, {}}, d{g.first, g.size, Reach::Bank1DOnly, {}};
        for (size_t m : g.members) (requests[m].bank1AAllowed ? a : d).members.push_back(m);
        a.first = a.members.front();
        d.first = d.members.front();
        only1A.push_back(std::move(a));
        only1D.push_back(std::move(d));
    }

    // Strings of 1A0000 blocks: bank 1A first, it serves no one else.
    sortLargestFirst(only1A);
    for (const Group& g : only1A) {
        uint32_t at = 0;
        if (pool1A.take(g.size, at))
            placer.assign(g, at, true);
        else if (poolShared.take(g.size, at))
            placer.assign(g, at, false);
        else
            placer.leave(g, true);
    }

    // The rest may start anywhere in bank 1D's upper half: what is left of it.
    std::vector<ByteRange> rest = free1DLow;
    for (const ByteRange& r : poolShared.ranges()) {
        if (!rest.empty() && rest.back().end == r.begin)
            rest.back().end = r.end;
        else
            rest.push_back(r);
    }
    Pool pool1D(Bank1DEnd);
    for (const ByteRange& r : rest) pool1D.add(r);
    sortLargestFirst(only1D);
    for (const Group& g : only1D) {
        uint32_t at = 0;
        if (pool1D.take(g.size, at))
            placer.assign(g, at, false);
        else
            placer.leave(g, false);
    }

    std::sort(result.unplaced.begin(), result.unplaced.end());
    return result;
}

}  // namespace scrivel::rom
