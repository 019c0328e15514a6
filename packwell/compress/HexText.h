#pragma once
// Two upper-case hexadecimal digits of a byte, for the decoders' messages.

#include <string>

namespace packwell::compress {

inline std::string hex2(unsigned v)
{
    static const char digits[] = "0123456789ABCDEF";
    return {digits[(v >> 4) & 15], digits[v & 15]};
}

}  // namespace packwell::compress
