#pragma once

// A skinned radio button: the place kept for a glyph when neither the button nor the skin has one,
// the room kept right of the caption, and what an auto-sized button adds to its caption.
namespace metrics::radioButton {
constexpr int missingGlyphSize = 16;
constexpr int captionRightGap = 2;
constexpr int autoSizeCaptionSpace = 5;
constexpr int autoSizeExtraHeight = 2;
} // namespace metrics::radioButton
