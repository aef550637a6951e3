#pragma once

// A radio group lays its buttons out in equal cells below its caption, column by column.
namespace metrics::radioGroup {
constexpr int maxColumns = 16;
constexpr int horizontalMargins = 10; // left and right together, outside the columns
constexpr int leftMargin = 8;         // from the box's edge to the first column
constexpr int verticalMargins = 5;    // above and below the rows, besides the caption line
constexpr int captionGap = 3;         // between the caption line and the first row
} // namespace metrics::radioGroup
