#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The sizes the window frame and the controls are laid out with. They stand where a Windows
// program would ask the system, so that every window agrees on one set.
namespace metrics {
constexpr int frameWidth = 4;     // sizing border on each side
constexpr int captionHeight = 26; // title bar
constexpr int menuBarHeight = 20;
constexpr int scrollArrowSize = 17; // width of a vertical bar, height of a horizontal one
constexpr int smallIconSize = 16;

// The skinned scroll bar: its slider never gets shorter than the minimum; a held arrow or track
// first repeats after the delay, then at the interval.
namespace scrollBar {
constexpr int defaultLength = 121;
constexpr int minSliderLength = 14;
constexpr int repeatDelayMs = 500;
constexpr int repeatIntervalMs = 100;
} // namespace scrollBar

// A window too small for its controls scrolls them: an arrow moves them by the increment, and the
// farthest control keeps this margin from the far edge.
namespace windowScroll {
constexpr int increment = 8;
constexpr int contentMargin = 2;
} // namespace windowScroll

// A skinned window may grow past the work area by this much in width and height, so that its
// frame can stand beyond the screen's edges when maximised.
constexpr int workAreaOverhang = 6;
// A minimised skinned window's image is this wide, as tall as its title.
constexpr int minimizedFrameWidth = 160;

// A radio group lays its buttons out in equal cells below its caption, column by column.
namespace radioGroup {
constexpr int maxColumns = 16;
constexpr int horizontalMargins = 10; // left and right together, outside the columns
constexpr int leftMargin = 8;         // from the box's edge to the first column
constexpr int verticalMargins = 5;    // above and below the rows, besides the caption line
constexpr int captionGap = 3;         // between the caption line and the first row
} // namespace radioGroup

// A skinned radio button: the place kept for a glyph when neither the button nor the skin has one,
// the room kept right of the caption, and what an auto-sized button adds to its caption.
namespace radioButton {
constexpr int missingGlyphSize = 16;
constexpr int captionRightGap = 2;
constexpr int autoSizeCaptionSpace = 5;
constexpr int autoSizeExtraHeight = 2;
} // namespace radioButton

// A skinned group box's caption: its place along the top edge and the room around its text.
namespace groupBox {
constexpr int captionLeft = 6;          // from the left edge, caption on the left
constexpr int captionPadding = 8;       // added to the text's width
constexpr int centredCaptionSpace = 10; // taken from the width before a centred caption is halved
constexpr int rightCaptionSpace = 14;   // from the right edge to the text, caption on the right
constexpr int minCaptionTextHeight = 4;
constexpr int captionExtraHeight = 2; // added to the text's height
constexpr int bevelWidth = 1;         // a caption narrower than two of these grows by one each side
} // namespace groupBox

// Skinned buttons and panels: a speed button's drop-down arrow part is added at its right edge;
// the window's size grip is a square panel.
namespace buttons {
constexpr int dropDownArrowWidth = 16;
constexpr int gripSize = 20;
} // namespace buttons

// A data grid: rows and the indicator column follow the font; a column without a width of its
// own is as wide as a typical value of its field, counted in digits.
namespace grid {
constexpr int rowPadding = 4;       // added to the font's line height
constexpr int indicatorPadding = 2; // added to the font's line height for the indicator column
constexpr int cellPadding = 12;     // added to a column's text width
constexpr int textCharacters = 20;  // text without a declared size, memos, unknown fields
constexpr int integerCharacters = 6;
constexpr int dateCharacters = 10;
} // namespace grid

// The table navigator: a row of buttons inside a raised bevel; its moving buttons repeat while
// held.
namespace navigator {
constexpr int defaultWidth = 240;
constexpr int height = 25;            // also the height the editor docks it with
constexpr int bevelWidth = 1;         // the panel's inner margin
constexpr int minButtonSize = 6;      // in either direction
constexpr int repeatDelayMs = 400;    // from the press to the first repeat
constexpr int repeatIntervalMs = 100; // between later repeats
constexpr int focusMarkInset = 3;     // from a button's edge to its focus mark
} // namespace navigator

// The topic trees of the lecture and photo windows.
namespace topicTree {
constexpr int indentation = 19;
constexpr int fontPointSize = 10;
} // namespace topicTree

// The start window: the cover picture fills it.
namespace startWindow {
constexpr QRect frame{354, 118, 466, 497};
} // namespace startWindow

// The lecture window: the topic tree's panel on the left, the document to its right.
namespace lectureWindow {
constexpr QRect frame{0, 0, 1009, 601};
constexpr int treePanelWidth = 289;
} // namespace lectureWindow

// The media window: the list of media files, with the boxes that add one below it.
namespace mediaWindow {
constexpr QRect frame{223, 137, 430, 339};
constexpr QRect list{8, 8, 401, 153};
constexpr int itemHeight = 16;
constexpr QRect runButton{8, 168, 105, 25};
constexpr QPoint topicLabel{16, 208};
constexpr QRect topicEdit{64, 200, 345, 28};
constexpr QPoint fileLabel{16, 240};
constexpr QRect fileEdit{152, 232, 257, 28};
constexpr QRect addButton{8, 272, 105, 25};
constexpr QRect searchEdit{176, 272, 121, 21}; // hidden; it carries the searched name
} // namespace mediaWindow

// The photo window: the topic tree on the left, the photo to its right.
namespace photoWindow {
constexpr QRect frame{190, 35, 775, 535};
constexpr int treeWidth = 265;
} // namespace photoWindow

// The registration window: the name box on one line, the start button filling the rest.
namespace registrationWindow {
constexpr QRect frame{300, 250, 581, 109};
constexpr QPoint nameLabel{8, 12};
constexpr int nameEditGap = 9; // from the label's right edge
constexpr int nameEditTop = 10;
constexpr int nameEditRightMargin = 12;
constexpr int nameEditHeight = 24;
constexpr int startButtonTop = 44;
} // namespace registrationWindow

// The answering window: the question list on the left; the question, its answers and the
// hand-in button to its right and below.
namespace answeringWindow {
constexpr QRect frame{150, 100, 714, 508};
constexpr int buttonHeight = 25;
constexpr int listWidth = 81;
constexpr QRect heading{93, 8, 601, 20};
constexpr QRect question{93, 32, 601, 329};
constexpr QRect answers{93, 369, 601, 57};
constexpr int answerColumns = 5;
constexpr QSize minimumClient{360, 240}; // the smallest the window shrinks to on a small screen
} // namespace answeringWindow

// The result window: one line of text each, the numbers in boxes set into the lines.
namespace resultWindow {
constexpr QRect frame{300, 200, 491, 222};
constexpr int firstLineTop = 8;
constexpr int lineHeight = 28;
constexpr int lineSpacing = 36;
constexpr int leftMargin = 12;
constexpr int boxGap = 3; // between a box and the text on either side
constexpr int markBoxWidth = 40;
constexpr int scoreBoxWidth = 110;
} // namespace resultWindow

// The login window: two labelled boxes and the login button along the bottom.
namespace loginWindow {
constexpr QRect frame{300, 200, 431, 187};
constexpr int labelLeft = 16;
constexpr int labelWidth = 160;
constexpr int lineHeight = 24;
constexpr int editLeft = 184;
constexpr int editRightMargin = 16;
constexpr int editHeight = 28;
constexpr int messageTop = 8;
constexpr int loginTop = 44;
constexpr int passwordTop = 84;
constexpr int editRaise = 2; // a box stands this much higher than its label
constexpr int buttonHeight = 32;
} // namespace loginWindow

// The material editor: a page per table, each with its grid (or the question's boxes) above a
// navigator docked to the bottom.
// Tab and page controls: their size when made, and the edges past which a tab counts as scrolled
// out (at the left: its right edge at or before the first; at the right: beyond the control's
// width less the margin and the up-down).
namespace tabControl {
constexpr QSize defaultSize{289, 100};
constexpr int scrolledOutEdge = 4;
constexpr int rightMargin = 3;
} // namespace tabControl

namespace editorWindow {
constexpr QRect frame{20, 20, 986, 675};
constexpr int textColumnWidth = 400;
constexpr QRect questionText{0, 0, 961, 233};
constexpr QRect correctAnswer{0, 241, 121, 33};
} // namespace editorWindow

// A list box: an item's height until its items say otherwise; keys typed within the pause extend
// the text the list searches its items for, a later key starts a new one.
namespace listBox {
constexpr int itemHeight = 16;
constexpr int searchPauseMs = 499;
} // namespace listBox

// Heading and data-bound text in the windows.
constexpr int textPixelSize = 16;
} // namespace metrics
