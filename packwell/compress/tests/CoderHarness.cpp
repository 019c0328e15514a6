#include "CoderHarness.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <stdexcept>

#include "compress/HuffmanCoder.h"
#include "compress/HuffmanDecoder.h"
#include "compress/RleCoder.h"
#include "compress/RleDecoder.h"

namespace harness {
namespace {

std::FILE* fileHolding(const std::string& bytes)
{
    std::FILE* f = std::tmpfile();
    if (!f) throw std::runtime_error("no temporary file");
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fflush(f);
    std::fseek(f, 0, SEEK_SET);
    return f;
}

std::string contents(std::FILE* f)
{
    std::fflush(f);
    std::fseek(f, 0, SEEK_SET);
    std::string out;
    char buf[65536];
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, got);
    return out;
}

template <typename F>
Encoded encodeWith(F encode, const std::string& input)
{
    std::FILE* in = fileHolding(input);
    std::FILE* out = std::tmpfile();
    Encoded e{encode(in, out), contents(out)};
    std::fclose(in);
    std::fclose(out);
    return e;
}

template <typename F>
Decoded decodeWith(F decode, const std::string& file)
{
    std::FILE* in = fileHolding(file);
    std::FILE* out = std::tmpfile();
    Decoded d{decode(in, out), contents(out)};
    std::fclose(in);
    std::fclose(out);
    return d;
}

}  // namespace

Encoded huffmanEncode(const std::string& input) { return encodeWith(packwell::compress::huffmanEncode, input); }
Encoded rleEncode(const std::string& input) { return encodeWith(packwell::compress::rleEncode, input); }
Decoded huffmanDecode(const std::string& file) { return decodeWith(packwell::compress::huffmanDecode, file); }
Decoded rleDecode(const std::string& file) { return decodeWith(packwell::compress::rleDecode, file); }

std::string randomBytes(std::size_t size, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::string s(size, '\0');
    for (char& c : s) c = static_cast<char>(rng() & 0xFF);
    return s;
}

std::string skewedBytes(std::size_t size, unsigned alphabet, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::geometric_distribution<unsigned> pick(0.3);
    std::string s(size, '\0');
    for (char& c : s) c = static_cast<char>((pick(rng) % alphabet) * 7 + 3);
    return s;
}

std::string runHeavyBytes(std::size_t size, unsigned longestRun, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::string s;
    s.reserve(size);
    while (s.size() < size) {
        const std::size_t run = 1 + rng() % longestRun;
        s.append(std::min(run, size - s.size()), static_cast<char>('A' + rng() % 4));
    }
    return s;
}

std::string fromCounts(const std::uint64_t* counts, unsigned values, std::uint32_t seed)
{
    std::string s;
    for (unsigned b = 0; b < values; ++b) s.append(counts[b], static_cast<char>(b));
    std::mt19937 rng(seed);
    std::shuffle(s.begin(), s.end(), rng);
    return s;
}

std::string bytes(std::initializer_list<unsigned> values)
{
    std::string s;
    for (unsigned v : values) s.push_back(static_cast<char>(v));
    return s;
}

}  // namespace harness
