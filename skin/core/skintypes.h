#pragma once

// The records a skin is made of: section records, masks, patterns and the indexes that many
// controls share. Everything here is plain data; the whole skin (SkinTables) and its lookups live
// in skintables.h, the loading in skinloader.h.

#include "platform/colors.h"

#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>

class TsSkinManager;

// Colours are 0x00BBGGRR, red in the low byte; the named ones are in platform/colors.h.
// The transparent key colour of every mask bitmap (magenta).
constexpr int32_t clSkinKey = 0xFF00FF;
// Font outline colour that means "no outline".
constexpr int32_t clNoColor = -1;

enum TsControlBevel : uint8_t { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };

// One segment of a gradient: runs from color1 to color2 over `percent` of the painted height
// (mode 0, vertical) or width (mode 1, horizontal). `reserved` is never filled and stays 0.
struct TsGradSegment {
    int32_t color1 = 0;
    int32_t color2 = 0;
    uint8_t percent = 0;
    int32_t mode = 0;
    int32_t reserved = 0;
};
using TsGradArray = QList<TsGradSegment>;

// Parses "c1;c2;percent;mode;x;..." in groups of five; an incomplete or unreadable group ends the
// list, so " " and "" give no segments. Percent is limited to 0..100.
TsGradArray parseGradient(const QString& data);

// One section of a skin, fields in the order of the stored skin format. The member defaults are
// the defaults of the section keys; sectionkeys.h gives each key's name and how it is read.
struct TsGeneralData {
    QString parentClass;
    QString sectionName;
    int32_t color = clWhite;
    TsControlBevel bevel = cbNone;
    int32_t fontColor = 0;
    int32_t tcLeft = clNoColor;
    int32_t tcTop = clNoColor;
    int32_t tcRight = clNoColor;
    int32_t tcBottom = clNoColor;
    int32_t hotFontColor = 0;
    int32_t hotTcLeft = clNoColor;
    int32_t hotTcTop = clNoColor;
    int32_t hotTcRight = clNoColor;
    int32_t hotTcBottom = clNoColor;
    bool reservedBoolean = false;
    int32_t shadowBlur = 6;
    int32_t shadowColor = 0;
    bool shadowEnabled = false;
    int32_t shadowOffset = 3;
    int32_t shadowTransparency = 50;
    int32_t transparency = 0;
    int32_t gradientPercent = 0;
    QString gradientData = QStringLiteral(" ");
    TsGradArray gradient;
    int32_t imagePercent = 0;
    bool showFocus = false;
    bool fadingEnabled = false;
    int32_t fadingIntervalIn = 5;
    int32_t fadingIntervalOut = 5;
    int32_t fadingIterations = 5;
    int32_t hotColor = clWhite;
    int32_t hotTransparency = 0;
    TsControlBevel hotBevel = cbNone;
    int32_t hotGradientPercent = 0;
    QString hotGradientData;
    TsGradArray hotGradient;
    int32_t hotImagePercent = 0;
    int32_t borderColor1 = 0;
    int32_t borderColor2 = 0;
};
using TsGeneralDataArray = QList<TsGeneralData>;

// A picture of the skin: either a rectangle of the master bitmap (image is null) or an own image.
// Master-bitmap rectangles hold imageCount state images side by side; with maskType 1 the lower
// half of the rectangle holds their masks.
struct TsMaskData {
    QImage image;         // own 24-bit picture (Format_BGR888), null for master-bitmap masks
    QString sectionName;  // upper case
    QString propertyName; // upper case: "BORDERSMASK", "GLYPHMASK", ...
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int16_t imageCount = 1;
    int16_t maskType = 0;
    int16_t borderWidth = 0;

    bool hasOwnImage() const { return !image.isNull(); }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};
using TsMaskArray = QList<TsMaskData>;

// A large background texture, kept as decoded picture (Format_BGR888).
struct TsPatternData {
    QImage image;
    QString sectionName;  // upper case
    QString propertyName; // upper case: "PATTERN", "HOTPATTERN"
};
using TsPatternArray = QList<TsPatternData>;

// Indexes looked up once per skin change for the many controls that need them; -1 when absent.
struct TsTabIndexes {
    int16_t section = -1;
    int16_t bordersMask = -1;
};

struct TsScrollPartIndexes {
    int16_t section = -1;
    int16_t bordersMask = -1;
    int16_t glyphMask = -1; // scroll buttons and sliders only; scroll bars keep -1
    int16_t pattern = -1;
    int16_t hotPattern = -1;
};

struct TsCommonIndexes {
    int16_t globalInfo = -1;
    int16_t boxChecked = -1;
    int16_t boxUnchecked = -1;
    int16_t boxGrayed = -1;
    int16_t radioChecked = -1;
    int16_t radioUnchecked = -1;
    int16_t radioGrayed = -1;
    int16_t smallChecked = -1;
    int16_t smallUnchecked = -1;
    int16_t smallGrayed = -1;

    TsTabIndexes tabTop;
    TsTabIndexes tabBottom;
    TsTabIndexes tabLeft;
    TsTabIndexes tabRight;

    TsScrollPartIndexes scrollBtnTop;
    TsScrollPartIndexes scrollBtnBottom;
    TsScrollPartIndexes scrollBtnLeft;
    TsScrollPartIndexes scrollBtnRight;
    TsScrollPartIndexes scrollSliderV;
    TsScrollPartIndexes scrollSliderH;

    TsScrollPartIndexes scrollBar1H;
    TsScrollPartIndexes scrollBar1V;
    TsScrollPartIndexes scrollBar2H;
    TsScrollPartIndexes scrollBar2V;
};

// The process-wide state beside the skin itself: who loads skins, and whether the current skin may
// be painted from (false while a skin is being announced or after it was removed).
struct TsSkinData {
    TsSkinManager* mainManager = nullptr;
    bool ready = false;
};

// Where a partly transparent control finds its parent's pixels: the parent's cache bitmap and the
// offset of the parent's client origin inside it. `ready` is false when the parent has no cache.
struct TsCacheInfo {
    const QImage* bitmap = nullptr;
    int x = 0;
    int y = 0;
    bool ready = false;
};
