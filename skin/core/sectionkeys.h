#pragma once

// Every key of a skin section, described once: its name in Options.dat, the member of the
// run-time record (TsGeneralData) it fills, the member of the stored skin (TsSkinGeneral) it is
// copied from, and whether Options.dat gives it to a section that leaves it out from the parent
// (PARENTCLASS). Its default is the run-time record's default value. The loader, the stored-skin
// copy, the common sections, skincheck and the skin generator all go by this table.
//
// PARENTCLASS itself is the link of the chain, not a value, and is read on its own.
// The table is in the order of the stored skin format: copying a stored section stops at the
// first of its five-colour strings that holds a word that is not a number.

#include "skin/core/tsskingeneral.h"

struct SectionKey {
    const char* name;
    // Exactly one of the four run-time members is set; the stored member is of the same kind,
    // except for the outline colours (see `word`).
    int32_t TsGeneralData::*number = nullptr;
    TsControlBevel TsGeneralData::*bevel = nullptr;
    bool TsGeneralData::*flag = nullptr;
    QString TsGeneralData::*text = nullptr;
    int32_t TsSkinGeneral::*storedNumber = nullptr;
    TsControlBevel TsSkinGeneral::*storedBevel = nullptr;
    bool TsSkinGeneral::*storedFlag = nullptr;
    QString TsSkinGeneral::*storedText = nullptr;
    // The stored skin keeps a state's text colour and four outline colours as one string of five
    // numbers (storedText); `word` is this key's place in it, -1 for every other key.
    int word = -1;
    // False: Options.dat gives the key only to the section that names it.
    bool inherited = true;
};

inline constexpr SectionKey sectionKeys[] = {
    {.name = "COLOR", .number = &TsGeneralData::color, .storedNumber = &TsSkinGeneral::Color},
    {.name = "BEVEL", .bevel = &TsGeneralData::bevel, .storedBevel = &TsSkinGeneral::Bevel},
    {.name = "FONTCOLOR", .number = &TsGeneralData::fontColor, .storedText = &TsSkinGeneral::FontColor, .word = 0},
    {.name = "TCLEFT", .number = &TsGeneralData::tcLeft, .storedText = &TsSkinGeneral::FontColor, .word = 1},
    {.name = "TCTOP", .number = &TsGeneralData::tcTop, .storedText = &TsSkinGeneral::FontColor, .word = 2},
    {.name = "TCRIGHT", .number = &TsGeneralData::tcRight, .storedText = &TsSkinGeneral::FontColor, .word = 3},
    {.name = "TCBOTTOM", .number = &TsGeneralData::tcBottom, .storedText = &TsSkinGeneral::FontColor, .word = 4},
    {.name = "HOTFONTCOLOR",
     .number = &TsGeneralData::hotFontColor,
     .storedText = &TsSkinGeneral::HotFontColor,
     .word = 0},
    {.name = "HOTTCLEFT", .number = &TsGeneralData::hotTcLeft, .storedText = &TsSkinGeneral::HotFontColor, .word = 1},
    {.name = "HOTTCTOP", .number = &TsGeneralData::hotTcTop, .storedText = &TsSkinGeneral::HotFontColor, .word = 2},
    {.name = "HOTTCRIGHT", .number = &TsGeneralData::hotTcRight, .storedText = &TsSkinGeneral::HotFontColor, .word = 3},
    {.name = "HOTTCBOTTOM",
     .number = &TsGeneralData::hotTcBottom,
     .storedText = &TsSkinGeneral::HotFontColor,
     .word = 4},
    {.name = "RESERVEDBOOLEAN", .flag = &TsGeneralData::reservedBoolean, .storedFlag = &TsSkinGeneral::ReservedBoolean},
    {.name = "SHADOWBLUR", .number = &TsGeneralData::shadowBlur, .storedNumber = &TsSkinGeneral::ShadowBlur},
    {.name = "SHADOWCOLOR",
     .number = &TsGeneralData::shadowColor,
     .storedNumber = &TsSkinGeneral::ShadowColor,
     .inherited = false},
    {.name = "SHADOWENABLED", .flag = &TsGeneralData::shadowEnabled, .storedFlag = &TsSkinGeneral::ShadowEnabled},
    {.name = "SHADOWOFFSET", .number = &TsGeneralData::shadowOffset, .storedNumber = &TsSkinGeneral::ShadowOffset},
    {.name = "SHADOWTRANSPARENCY",
     .number = &TsGeneralData::shadowTransparency,
     .storedNumber = &TsSkinGeneral::ShadowTransparency},
    {.name = "TRANSPARENCY", .number = &TsGeneralData::transparency, .storedNumber = &TsSkinGeneral::Transparency},
    {.name = "GRADIENTPERCENT",
     .number = &TsGeneralData::gradientPercent,
     .storedNumber = &TsSkinGeneral::GradientPercent},
    {.name = "GRADIENTDATA", .text = &TsGeneralData::gradientData, .storedText = &TsSkinGeneral::GradientData},
    {.name = "IMAGEPERCENT", .number = &TsGeneralData::imagePercent, .storedNumber = &TsSkinGeneral::ImagePercent},
    {.name = "SHOWFOCUS", .flag = &TsGeneralData::showFocus, .storedFlag = &TsSkinGeneral::ShowFocus},
    {.name = "FADINGENABLED", .flag = &TsGeneralData::fadingEnabled, .storedFlag = &TsSkinGeneral::FadingEnabled},
    {.name = "FADINGINTERVALIN",
     .number = &TsGeneralData::fadingIntervalIn,
     .storedNumber = &TsSkinGeneral::FadingIntervalIn},
    {.name = "FADINGINTERVALOUT",
     .number = &TsGeneralData::fadingIntervalOut,
     .storedNumber = &TsSkinGeneral::FadingIntervalOut},
    {.name = "FADINGITERATIONS",
     .number = &TsGeneralData::fadingIterations,
     .storedNumber = &TsSkinGeneral::FadingIterations},
    {.name = "HOTCOLOR", .number = &TsGeneralData::hotColor, .storedNumber = &TsSkinGeneral::HotColor},
    {.name = "HOTTRANSPARENCY",
     .number = &TsGeneralData::hotTransparency,
     .storedNumber = &TsSkinGeneral::HotTransparency},
    {.name = "HOTBEVEL", .bevel = &TsGeneralData::hotBevel, .storedBevel = &TsSkinGeneral::HotBevel},
    {.name = "HOTGRADIENTPERCENT",
     .number = &TsGeneralData::hotGradientPercent,
     .storedNumber = &TsSkinGeneral::HotGradientPercent},
    {.name = "HOTGRADIENTDATA", .text = &TsGeneralData::hotGradientData, .storedText = &TsSkinGeneral::HotGradientData},
    {.name = "HOTIMAGEPERCENT",
     .number = &TsGeneralData::hotImagePercent,
     .storedNumber = &TsSkinGeneral::HotImagePercent},
    {.name = "BORDERCOLOR1", .number = &TsGeneralData::borderColor1, .storedNumber = &TsSkinGeneral::BorderColor1},
    {.name = "BORDERCOLOR2", .number = &TsGeneralData::borderColor2, .storedNumber = &TsSkinGeneral::BorderColor2},
};
