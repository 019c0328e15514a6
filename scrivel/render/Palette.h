#pragma once
// The screen's colour table and named colours, RGB565 (red in bits 15-11,
// green 10-5, blue 4-0).

#include <array>
#include <cstdint>

namespace scrivel::render {

// 0-15: the sixteen text-mode colours; 16-31: a gray ramp from black to white.
inline constexpr std::array<uint16_t, 32> Palette = {
    0x0000, 0x0015, 0x0540, 0x0555, 0xA800, 0xA815, 0xAAA0, 0xAD55,
    0x52AA, 0x52BF, 0x57EA, 0x57FF, 0xFAAA, 0xFABF, 0xFFEA, 0xFFFF,
    0x0000, 0x10A2, 0x2104, 0x2965, 0x39C7, 0x4228, 0x528A, 0x630C,
    0x738E, 0x8410, 0x9492, 0xA514, 0xB5B6, 0xCE59, 0xE71C, 0xFFFF,
};

// Drop shadow of glyph pixels (palette entry 17).
inline constexpr uint16_t ShadowColour = 0x10A2;
// Inside pixels of the window tiles, replaced by the blue gradient.
inline constexpr uint16_t GradientPlaceholder = 0x2114;

// Palette entries the renderer uses by number.
inline constexpr uint8_t TextColourIndex = 15;
inline constexpr uint8_t PlainCodeColourIndex = 10;
inline constexpr uint8_t OperandCodeColourIndex = 11;
inline constexpr uint8_t KeyPromptColourIndex = 14;

}  // namespace scrivel::render
