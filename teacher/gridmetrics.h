#pragma once

// A data grid: rows and the indicator column follow the font; a column without a width of its
// own is as wide as a typical value of its field, counted in digits.
namespace metrics::grid {
constexpr int rowPadding = 4;       // added to the font's line height
constexpr int indicatorPadding = 2; // added to the font's line height for the indicator column
constexpr int cellPadding = 12;     // added to a column's text width
constexpr int textCharacters = 20;  // text without a declared size, memos, unknown fields
constexpr int integerCharacters = 6;
constexpr int dateCharacters = 10;
} // namespace metrics::grid
