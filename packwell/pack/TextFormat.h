#pragma once
// Small text helpers for the report lines and listings of the merger: ASCII
// upper case, padding and fixed hexadecimal and decimal fields.

#include <cstdint>
#include <string>

namespace packwell::pack {

// ASCII letters a to z become A to Z; every other byte stays.
std::string upperAscii(std::string text);
// text followed by spaces up to width characters; never cut.
std::string padRight(const std::string& text, size_t width);
// The number in upper-case hexadecimal, at least digits digits (zeros in
// front); digits 0 means no leading zeros.
std::string hexUpper(uint64_t value, int digits);
// The number in decimal, right-aligned in width columns (never cut).
std::string decimalRight(uint64_t value, size_t width);
// Every occurrence of from replaced by to.
std::string replaceAll(std::string text, char from, char to);

}  // namespace packwell::pack
