#include "BenchData.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <vector>

#include "compress/FileCodecs.h"

namespace bench_data {
namespace {

struct Folder {
    std::filesystem::path path;
    Folder()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "compress-bench-XXXXXX").string();
        if (!::mkdtemp(tmpl.data())) throw std::runtime_error("no temporary folder");
        path = tmpl;
    }
    ~Folder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

Folder& folder()
{
    static Folder f;
    return f;
}

std::uint64_t nextRandom(std::uint64_t& state)
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

std::vector<std::uint8_t> makeBytes(Kind kind, std::size_t size)
{
    std::vector<std::uint8_t> out(size);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    if (kind == Kind::Random) {
        for (auto& b : out) b = static_cast<std::uint8_t>(nextRandom(state) >> 24);
    } else if (kind == Kind::Text) {
        // Symbol k of 60 has weight about 1/(k+1).
        std::vector<std::uint8_t> table;
        for (unsigned k = 0; k < 60; ++k) table.insert(table.end(), 600 / (k + 1), static_cast<std::uint8_t>(' ' + k));
        for (auto& b : out) b = table[nextRandom(state) % table.size()];
    } else {
        std::size_t i = 0;
        while (i < size) {
            const std::uint64_t r = nextRandom(state);
            std::size_t run = 1 + (r & 63);
            if (run > size - i) run = size - i;
            const auto value = static_cast<std::uint8_t>('a' + ((r >> 8) & 7));
            for (std::size_t k = 0; k < run; ++k) out[i + k] = value;
            i += run;
        }
    }
    return out;
}

std::string name(Kind kind, std::size_t size)
{
    const char* k = kind == Kind::Text ? "text" : kind == Kind::Random ? "random" : "runs";
    return std::string(k) + "-" + std::to_string(size);
}

}  // namespace

std::string inputFile(Kind kind, std::size_t size)
{
    static std::map<std::string, std::string> made;
    const std::string key = name(kind, size);
    auto it = made.find(key);
    if (it != made.end()) return it->second;
    const std::string path = (folder().path / (key + ".bin")).string();
    const std::vector<std::uint8_t> bytes = makeBytes(kind, size);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
        throw std::runtime_error("cannot write " + path);
    }
    return made[key] = path;
}

std::string packedFile(Kind kind, std::size_t size, const std::string& coder)
{
    static std::map<std::string, std::string> made;
    const std::string key = name(kind, size) + "." + coder;
    auto it = made.find(key);
    if (it != made.end()) return it->second;
    const std::string in = inputFile(kind, size);
    const std::string path = (folder().path / key).string();
    const packwell::compress::FileOutcome r = coder == "huf" ? packwell::compress::encodeHufFile(in, path) : packwell::compress::encodeRleFile(in, path);
    if (!r.ok) throw std::runtime_error(r.message);
    return made[key] = path;
}

}  // namespace bench_data
