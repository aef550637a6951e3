#pragma once

// The few named colours the program uses, 0x00BBGGRR (red in the low byte).

#include <cstdint>

constexpr int32_t clBlack = 0x000000;
constexpr int32_t clWhite = 0xFFFFFF;
constexpr int32_t clSilver = 0xC0C0C0;
constexpr int32_t clGray = 0x808080;
constexpr int32_t clYellow = 0x00FFFF;
