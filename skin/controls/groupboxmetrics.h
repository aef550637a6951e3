#pragma once

// A skinned group box's caption: its place along the top edge and the room around its text.
namespace metrics::groupBox {
constexpr int captionLeft = 6;          // from the left edge, caption on the left
constexpr int captionPadding = 8;       // added to the text's width
constexpr int centredCaptionSpace = 10; // taken from the width before a centred caption is halved
constexpr int rightCaptionSpace = 14;   // from the right edge to the text, caption on the right
constexpr int minCaptionTextHeight = 4;
constexpr int captionExtraHeight = 2; // added to the text's height
constexpr int bevelWidth = 1;         // a caption narrower than two of these grows by one each side
} // namespace metrics::groupBox
