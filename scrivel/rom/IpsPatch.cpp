#include "IpsPatch.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace scrivel::rom {

namespace {

// Offset and size: what a record costs besides its bytes. Unchanged gaps
// shorter than this are cheaper to carry inside one record than to split.
constexpr size_t RecordHeaderSize = 5;

struct Span {
    size_t begin, end;  // [begin, end) of the target
};

// A target byte needs a record when it differs from the source or lies past
// the source's end (the patcher grows the file only where records write).
class ChangeScan {
public:
    ChangeScan(std::span<const uint8_t> source, std::span<const uint8_t> target)
        : source_(source), target_(target), common_(std::min(source.size(), target.size()))
    {
    }

    bool changed(size_t i) const { return i >= common_ || source_[i] != target_[i]; }

    // The spans records must carry, with short unchanged gaps merged in.
    std::vector<Span> spans() const
    {
        std::vector<Span> out;
        const size_t size = target_.size();
        size_t i = 0;
        while (i < size) {
            while (i < size && !changed(i)) ++i;
            if (i == size) break;
            const size_t begin = i;
            for (;;) {
                while (i < size && changed(i)) ++i;
                if (i == size) break;
                size_t j = i;
                while (j < size && !changed(j) && j - i < RecordHeaderSize) ++j;
                if (j == size || j - i >= RecordHeaderSize) break;
                i = j;  // a short gap followed by another change: keep going
            }
            out.push_back({begin, i});
        }
        return out;
    }

private:
    std::span<const uint8_t> source_, target_;
    size_t common_;
};

void putBigEndian(std::vector<uint8_t>& out, size_t value, int bytes)
{
    for (int b = bytes - 1; b >= 0; --b) out.push_back(static_cast<uint8_t>(value >> (8 * b)));
}

void putRecord(std::vector<uint8_t>& out, std::span<const uint8_t> target, size_t offset, size_t size)
{
    putBigEndian(out, offset, 3);
    putBigEndian(out, size, 2);
    out.insert(out.end(), target.begin() + static_cast<std::ptrdiff_t>(offset),
               target.begin() + static_cast<std::ptrdiff_t>(offset + size));
}

class PatchReader {
public:
    explicit PatchReader(std::span<const uint8_t> patch) : patch_(patch) {}

    bool has(size_t n) const { return patch_.size() - pos_ >= n; }
    size_t position() const { return pos_; }
    size_t remaining() const { return patch_.size() - pos_; }

    size_t bigEndian(int bytes)
    {
        size_t v = 0;
        for (int b = 0; b < bytes; ++b) v = (v << 8) | patch_[pos_++];
        return v;
    }

    std::span<const uint8_t> take(size_t n)
    {
        auto s = patch_.subspan(pos_, n);
        pos_ += n;
        return s;
    }

private:
    std::span<const uint8_t> patch_;
    size_t pos_ = 0;
};

std::string truncatedAt(size_t position)
{
    return "Error: The IPS patch is cut short at byte " + std::to_string(position) + ".";
}

}  // namespace

PatchResult makeIpsPatch(std::span<const uint8_t> source, std::span<const uint8_t> target)
{
    if (target.size() > IpsMaxTargetSize)
        return PatchResult::failure("Error: The file has " + std::to_string(target.size()) +
                                    " bytes; an IPS patch can describe at most 16 MiB.");

    std::vector<uint8_t> out{'P', 'A', 'T', 'C', 'H'};
    for (const Span& span : ChangeScan(source, target).spans()) {
        size_t pos = span.begin;
        // Spans lie at least a header apart, so the byte before is free to
        // carry again: the record starts one early instead of reading as "EOF".
        if (pos == IpsEofOffset) --pos;
        while (pos < span.end) {
            size_t size = std::min(IpsMaxRecordSize, span.end - pos);
            if (pos + size == IpsEofOffset && pos + size < span.end) --size;
            putRecord(out, target, pos, size);
            pos += size;
        }
    }
    out.insert(out.end(), {'E', 'O', 'F'});
    if (target.size() < source.size()) putBigEndian(out, target.size(), 3);
    return PatchResult::success(std::move(out));
}

PatchResult applyIpsPatch(std::span<const uint8_t> source, std::span<const uint8_t> patch, size_t maxTargetSize)
{
    PatchReader in(patch);
    if (!in.has(5) || std::memcmp(patch.data(), "PATCH", 5) != 0)
        return PatchResult::failure("Error: This is not an IPS patch (it does not start with \"PATCH\").");
    in.take(5);

    std::vector<uint8_t> out(source.begin(), source.end());
    auto reserve = [&](size_t offset, size_t size) -> bool {
        const size_t end = offset + size;
        if (end <= out.size()) return true;
        if (end > maxTargetSize) return false;
        out.resize(end, 0);
        return true;
    };
    const std::string tooLarge = "Error: The IPS patch would make a file larger than " +
                                 std::to_string(maxTargetSize) + " bytes.";

    for (;;) {
        const size_t recordStart = in.position();
        if (!in.has(3)) return PatchResult::failure("Error: The IPS patch ends without its \"EOF\" marker.");
        const size_t offset = in.bigEndian(3);
        if (offset == IpsEofOffset) break;
        if (!in.has(2)) return PatchResult::failure(truncatedAt(recordStart));
        const size_t size = in.bigEndian(2);
        if (size == 0) {
            if (!in.has(3)) return PatchResult::failure(truncatedAt(recordStart));
            const size_t count = in.bigEndian(2);
            const uint8_t value = in.take(1)[0];
            if (count == 0)
                return PatchResult::failure("Error: The IPS patch has an empty run at byte " +
                                            std::to_string(recordStart) + ".");
            if (!reserve(offset, count)) return PatchResult::failure(tooLarge);
            std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(offset), count, value);
        } else {
            if (!in.has(size)) return PatchResult::failure(truncatedAt(recordStart));
            auto bytes = in.take(size);
            if (!reserve(offset, size)) return PatchResult::failure(tooLarge);
            std::copy(bytes.begin(), bytes.end(), out.begin() + static_cast<std::ptrdiff_t>(offset));
        }
    }

    if (in.remaining() == 3) {
        const size_t newSize = in.bigEndian(3);
        if (newSize > out.size())
            return PatchResult::failure("Error: The IPS patch cuts the file to " + std::to_string(newSize) +
                                        " bytes, more than it has (" + std::to_string(out.size()) + ").");
        out.resize(newSize);
    } else if (in.remaining() != 0) {
        return PatchResult::failure("Error: The IPS patch has " + std::to_string(in.remaining()) +
                                    " unexpected bytes after its \"EOF\" marker.");
    }
    return PatchResult::success(std::move(out));
}

}  // namespace scrivel::rom
