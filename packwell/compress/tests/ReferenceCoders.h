#pragma once
// The two coders written the slow, literal way: byte at a time, codes as
// texts of '0' and '1', the slot ordering by repeated searches. The fast
// coders must give exactly these bytes.

#include <string>

namespace reference {

std::string huffman(const std::string& input);
std::string rle(const std::string& input);

}  // namespace reference
