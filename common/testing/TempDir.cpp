#include "TempDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace testing_support {

TempDir::TempDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "tools-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = std::filesystem::path(tmpl);
}

TempDir::~TempDir()
{
    std::error_code ec;
    if (!previous_.empty()) std::filesystem::current_path(previous_, ec);
    // Give back write permission that a test may have taken away.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempDir::enter()
{
    if (previous_.empty()) previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void writeFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes)
{
    writeFile(path, std::string(bytes.begin(), bytes.end()));
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testing_support
