#pragma once
#include <string>
#include <vector>

namespace platform {

// True when name matches pattern with "*" (any run) and "?" (any one
// character), ASCII letter case ignored.
bool wildcardMatch(const std::string& pattern, const std::string& name);

// The regular, non-hidden files of folder that match pattern, as bare names,
// ordered by their lower-cased bytes, ties by the exact names. A folder that
// cannot be read yields no names.
std::vector<std::string> searchFolder(const std::string& folder, const std::string& pattern);

}  // namespace platform
