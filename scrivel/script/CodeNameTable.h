#pragma once
// The bracket names a translator writes for control codes, in the order they
// are tried (the first match wins).

#include <array>
#include <cstdint>

namespace scrivel::script {

struct CodeName {
    const char* name;
    uint8_t code;
};

inline constexpr std::array<CodeName, 6> CodeNameTable{{
    {"NAME", 0xF4},
    {"CLRSCR", 0xF5},
    {"KEY", 0xF6},
    {"COLOR", 0xF7},
    {"PAUSE", 0xF8},
    {"CHOICE", 0xFD},
}};

}  // namespace scrivel::script
