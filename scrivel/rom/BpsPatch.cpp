#include "BpsPatch.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace scrivel::rom {

namespace {

enum ActionKind : uint64_t { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

constexpr size_t MagicSize = 4;
constexpr size_t ChecksumsSize = 12;
// Unchanged runs shorter than this cost less as literal bytes than as a
// SourceRead between two TargetReads (each action number takes a byte or more).
constexpr size_t MinSourceRun = 3;
// Nine bytes already reach 2^63; anything longer is not a number we can use.
constexpr int MaxNumberBytes = 9;

uint32_t crc32Of(std::span<const uint8_t> bytes)
{
    return static_cast<uint32_t>(::crc32_z(::crc32_z(0, nullptr, 0), bytes.data(), bytes.size()));
}

void putLittleEndian32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int b = 0; b < 4; ++b) out.push_back(static_cast<uint8_t>(value >> (8 * b)));
}

uint32_t readLittleEndian32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

void putAction(std::vector<uint8_t>& out, ActionKind kind, uint64_t length)
{
    appendBpsNumber(out, ((length - 1) << 2) | kind);
}

// Reads the patch between its header and its checksums.
class PatchReader {
public:
    PatchReader(std::span<const uint8_t> patch, size_t begin, size_t end) : patch_(patch), pos_(begin), end_(end) {}

    size_t remaining() const { return end_ - pos_; }

    bool number(uint64_t& value)
    {
        uint64_t data = 0, shift = 1;
        for (int i = 0; i < MaxNumberBytes && pos_ < end_; ++i) {
            const uint8_t x = patch_[pos_++];
            data += (x & 0x7F) * shift;
            if (x & 0x80) {
                value = data;
                return true;
            }
            shift <<= 7;
            data += shift;
        }
        return false;
    }

    std::span<const uint8_t> take(size_t n)
    {
        auto s = patch_.subspan(pos_, n);
        pos_ += n;
        return s;
    }

private:
    std::span<const uint8_t> patch_;
    size_t pos_, end_;
};

// Moves a copy cursor by the signed step d encodes, keeping it in [0, limit].
bool moveCursor(uint64_t& cursor, uint64_t d, uint64_t limit)
{
    const uint64_t step = d >> 1;
    if (d & 1) {
        if (step > cursor) return false;
        cursor -= step;
    } else {
        if (step > limit - cursor) return false;
        cursor += step;
    }
    return true;
}

PatchResult cutShort()
{
    return PatchResult::failure("Error: The BPS patch is cut short or holds a malformed number.");
}

}  // namespace

void appendBpsNumber(std::vector<uint8_t>& out, uint64_t value)
{
    for (;;) {
        const uint8_t x = value & 0x7F;
        value >>= 7;
        if (value == 0) {
            out.push_back(0x80 | x);
            return;
        }
        out.push_back(x);
        --value;
    }
}

PatchResult makeBpsPatch(std::span<const uint8_t> source, std::span<const uint8_t> target)
{
    std::vector<uint8_t> out{'B', 'P', 'S', '1'};
    appendBpsNumber(out, source.size());
    appendBpsNumber(out, target.size());
    appendBpsNumber(out, 0);  // no metadata

    const size_t size = target.size();
    const size_t common = std::min(source.size(), size);
    size_t literalStart = 0;
    bool inLiteral = false;
    auto flushLiteral = [&](size_t end) {
        if (!inLiteral) return;
        putAction(out, TargetRead, end - literalStart);
        out.insert(out.end(), target.begin() + static_cast<std::ptrdiff_t>(literalStart),
                   target.begin() + static_cast<std::ptrdiff_t>(end));
        inLiteral = false;
    };

    size_t i = 0;
    while (i < size) {
        if (i < common && source[i] == target[i]) {
            size_t j = i;
            while (j < common && source[j] == target[j]) ++j;
            if (!(inLiteral && j - i < MinSourceRun && j < size)) {
                flushLiteral(i);
                putAction(out, SourceRead, j - i);
            }
            i = j;
        } else {
            if (!inLiteral) {
                literalStart = i;
                inLiteral = true;
            }
            ++i;
        }
    }
    flushLiteral(size);

    putLittleEndian32(out, crc32Of(source));
    putLittleEndian32(out, crc32Of(target));
    putLittleEndian32(out, crc32Of(out));
    return PatchResult::success(std::move(out));
}

PatchResult applyBpsPatch(std::span<const uint8_t> source, std::span<const uint8_t> patch, size_t maxTargetSize)
{
    if (patch.size() < MagicSize || std::memcmp(patch.data(), "BPS1", MagicSize) != 0)
        return PatchResult::failure("Error: This is not a BPS patch (it does not start with \"BPS1\").");
    if (patch.size() < MagicSize + 3 + ChecksumsSize) return cutShort();

    const size_t actionsEnd = patch.size() - ChecksumsSize;
    if (crc32Of(patch.first(patch.size() - 4)) != readLittleEndian32(patch.data() + patch.size() - 4))
        return PatchResult::failure("Error: The BPS patch is damaged (its own checksum does not match).");

    PatchReader in(patch, MagicSize, actionsEnd);
    uint64_t sourceSize = 0, targetSize = 0, metadataSize = 0;
    if (!in.number(sourceSize) || !in.number(targetSize) || !in.number(metadataSize)) return cutShort();
    if (sourceSize != source.size())
        return PatchResult::failure("Error: The BPS patch was made for a file of " + std::to_string(sourceSize) +
                                    " bytes; this one has " + std::to_string(source.size()) + " bytes.");
    if (crc32Of(source) != readLittleEndian32(patch.data() + actionsEnd))
        return PatchResult::failure("Error: The BPS patch was made for a different file (the checksums do not match).");
    if (targetSize > maxTargetSize)
        return PatchResult::failure("Error: The BPS patch would make a file of " + std::to_string(targetSize) +
                                    " bytes, more than " + std::to_string(maxTargetSize) + ".");
    if (metadataSize > in.remaining()) return cutShort();
    in.take(static_cast<size_t>(metadataSize));

    std::vector<uint8_t> out(static_cast<size_t>(targetSize));
    uint64_t written = 0, sourceCursor = 0, targetCursor = 0;
    auto outOfBounds = [](const char* what) {
        return PatchResult::failure(std::string("Error: The BPS patch ") + what + ".");
    };
    while (written < targetSize) {
        uint64_t action = 0;
        if (!in.number(action)) return cutShort();
        const uint64_t length = (action >> 2) + 1;
        if (length > targetSize - written) return outOfBounds("writes past the end of the patched file");
        uint8_t* to = out.data() + written;
        switch (action & 3) {
        case SourceRead:
            if (written + length > source.size()) return outOfBounds("reads past the end of the original file");
            std::memcpy(to, source.data() + written, static_cast<size_t>(length));
            break;
        case TargetRead: {
            if (length > in.remaining()) return cutShort();
            auto bytes = in.take(static_cast<size_t>(length));
            std::memcpy(to, bytes.data(), bytes.size());
            break;
        }
        case SourceCopy: {
            uint64_t d = 0;
            if (!in.number(d)) return cutShort();
            if (!moveCursor(sourceCursor, d, source.size()) || length > source.size() - sourceCursor)
                return outOfBounds("copies from outside the original file");
            std::memcpy(to, source.data() + sourceCursor, static_cast<size_t>(length));
            sourceCursor += length;
            break;
        }
        case TargetCopy: {
            uint64_t d = 0;
            if (!in.number(d)) return cutShort();
            if (!moveCursor(targetCursor, d, written) || targetCursor >= written)
                return outOfBounds("copies from a part of the patched file not yet written");
            // Byte by byte: the copy may overlap what it writes (a repeated run).
            const uint8_t* from = out.data() + targetCursor;
            for (uint64_t k = 0; k < length; ++k) to[k] = from[k];
            targetCursor += length;
            break;
        }
        }
        written += length;
    }
    if (in.remaining() != 0) return PatchResult::failure("Error: The BPS patch has unexpected bytes after its last action.");
    if (crc32Of(out) != readLittleEndian32(patch.data() + actionsEnd + 4))
        return PatchResult::failure("Error: The patched file's checksum does not match the one in the BPS patch.");
    return PatchResult::success(std::move(out));
}

}  // namespace scrivel::rom
