#pragma once
// Creating a member's compressed file without ever truncating the member
// itself (a link under the compressed name may lead to it).

#include <cstdio>
#include <string>

namespace packwell::compress {

// Creates or empties the file name for binary writing, unless it is the very
// file that member is open on. Returns nothing when it cannot be created or
// is the member.
std::FILE* createBesideMember(const std::string& name, std::FILE* member);

}  // namespace packwell::compress
