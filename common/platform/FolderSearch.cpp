#include "FolderSearch.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string s)
{
    for (char& c : s) c = lower(c);
    return s;
}

}  // namespace

bool wildcardMatch(const std::string& pattern, const std::string& name)
{
    // Iterative matcher with one backtrack point for the last "*".
    size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<std::string> searchFolder(const std::string& folder, const std::string& pattern)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec) return names;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.') continue;
        std::error_code sec;
        if (!it->is_regular_file(sec) || sec) continue;
        if (wildcardMatch(pattern, name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        std::string la = lowered(a), lb = lowered(b);
        if (la != lb) return la < lb;
        return a < b;
    });
    return names;
}

}  // namespace platform
