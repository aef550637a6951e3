#include "skin/core/ferroluxskin.h"

#include "platform/apperror.h"
#include "platform/bmpdecoder.h"

#include <QFile>

namespace {

enum Switch { NoSwitch = 0, Reserved = 1, ShowFocus = 2, Fading = 4, Shadow = 8 };

const QString none = QStringLiteral(" ");
const QString plainFont = QStringLiteral("0 -1 -1 -1 -1");

const QString g1 = QStringLiteral("9276813;14540253;52;1;0;14540253;9079434;47;1;0;9079434;9079434;0;1;0");
const QString g2 = QStringLiteral("14079702;11842740;99;0;0;11842740;11842740;0;0;0");
const QString g3 = QStringLiteral("12566463;10395294;99;0;0;10395294;10395294;0;0;0");
const QString g4 = QStringLiteral("16777215;12632256;99;1;0;12632256;12632256;0;1;0");
const QString g5 = QStringLiteral("16777215;13750737;24;0;0;13750737;12632256;38;0;0;12632256;15461355;18;0;0;"
                                  "15461355;11645361;18;0;0;11645361;11645361;0;0;0");
const QString g6 = QStringLiteral("16777215;13553358;63;0;0;13553358;16777215;18;0;0;16777215;11645361;18;0;0;"
                                  "11645361;11645361;0;0;0");
const QString g7 = QStringLiteral("8421504;15329769;51;1;0;15329769;8421504;48;1;0;8421504;8421504;0;1;0");
const QString g8 = QStringLiteral("16777215;13816530;40;0;0;13816530;11053224;59;0;0;11053224;11053224;0;0;0");
const QString g9 = QStringLiteral("12632256;16777215;84;0;0;16777215;14869218;14;0;0;14869218;14869218;0;0;0");
const QString g10 = QStringLiteral("16764800;16765834;81;0;0;16765834;16777215;18;0;0;16777215;16777215;0;0;0");
const QString g11 = QStringLiteral("16777215;12632256;99;0;0;12632256;12632256;0;0;0");
const QString g12 = QStringLiteral("12632256;14408667;8;0;0;14408667;16250871;46;0;0;16250871;16053492;10;0;0;"
                                   "16053492;15263976;35;0;0;15263976;15263976;0;0;0");
const QString g13 = QStringLiteral("16777215;16777215;16;0;0;16777215;13809821;20;0;0;13809821;12227952;13;0;0;"
                                   "12227952;15907697;23;0;0;15907697;16777215;16;0;0;16777215;16777215;11;0;0;"
                                   "16777215;16777215;0;0;0");
const QString g14 = QStringLiteral("10197915;11316396;6;0;0;11316396;12566463;44;0;0;12566463;13224393;49;0;0;"
                                   "13224393;13224393;0;0;0");
// Our own gradients for the sections we chose the look of: tabs on the other sides mirror the top
// tab's gradients, progress bars run from light to deep blue.
const QString tabBottom = QStringLiteral("11053224;13816530;59;0;0;13816530;16777215;40;0;0;16777215;16777215;0;0;0");
const QString tabBottomHot =
    QStringLiteral("14869218;16777215;14;0;0;16777215;12632256;84;0;0;12632256;12632256;0;0;0");
const QString tabSide = QStringLiteral("16777215;13816530;40;1;0;13816530;11053224;59;1;0;11053224;11053224;0;1;0");
const QString tabSideHot = QStringLiteral("12632256;16777215;84;1;0;16777215;14869218;14;1;0;14869218;14869218;0;1;0");
const QString progressH = QStringLiteral("16769476;14712896;50;0;0;14712896;12607488;49;0;0;12607488;12607488;0;0;0");
const QString progressV = QStringLiteral("16769476;14712896;50;1;0;14712896;12607488;49;1;0;12607488;12607488;0;1;0");

struct Look {
    int32_t color;
    int32_t hotColor;
    int32_t transparency;
    int32_t hotTransparency;
    int32_t gradientPercent;
    int32_t hotGradientPercent;
    QString gradient;
    QString hotGradient;
    int32_t imagePercent;
    int32_t hotImagePercent;
    QString font;
    QString hotFont;
    int switches;
};

TsSkinGeneral section(const char* name, const char* parent, const Look& look)
{
    TsSkinGeneral g;
    g.SectionName = QLatin1String(name);
    g.ParentClass = QLatin1String(parent);
    g.Color = look.color;
    g.HotColor = look.hotColor;
    g.Transparency = look.transparency;
    g.HotTransparency = look.hotTransparency;
    g.GradientPercent = look.gradientPercent;
    g.HotGradientPercent = look.hotGradientPercent;
    g.GradientData = look.gradient;
    g.HotGradientData = look.hotGradient;
    g.ImagePercent = look.imagePercent;
    g.HotImagePercent = look.hotImagePercent;
    g.FontColor = look.font;
    g.HotFontColor = look.hotFont;
    g.ReservedBoolean = look.switches & Reserved;
    g.ShowFocus = look.switches & ShowFocus;
    g.FadingEnabled = look.switches & Fading;
    g.ShadowEnabled = look.switches & Shadow;
    g.Bevel = cbNone;
    g.HotBevel = cbNone;
    g.ShadowColor = clBlack;
    g.BorderColor1 = clBlack;
    g.BorderColor2 = clBlack;
    g.ShadowDontUse = false;
    g.FadingIntervalIn = 5;
    g.FadingIntervalOut = 5;
    g.FadingIterations = 5;
    g.ShadowBlur = 6;
    g.ShadowOffset = 3;
    g.ShadowTransparency = 60;
    return g;
}

// The record that closes the stored list: no name, every value 0.
TsSkinGeneral emptySection()
{
    TsSkinGeneral g;
    g.Color = 0;
    g.ShadowBlur = 0;
    g.ShadowOffset = 0;
    g.ShadowTransparency = 0;
    g.FontColor.clear();
    g.HotFontColor.clear();
    g.GradientData.clear();
    g.FadingIntervalIn = 0;
    g.FadingIntervalOut = 0;
    g.FadingIterations = 0;
    g.HotColor = 0;
    return g;
}

const Look form{0xD7D7D7, 0xD7D7D7, 0, 0, 50, 50, g1, g1, 50, 50, plainFont, plainFont, Reserved};
const Look formTitle{clWhite,   clWhite, 100, 0, 100, 100, g2, g3, 0, 0, QStringLiteral("8421504 -1 -1 -1 -1"),
                     plainFont, NoSwitch};
const Look mainMenu{0xF0F0F0, 0xF0F0F0, 0, 0, 90, 0, g4, none, 0, 0, plainFont, plainFont, NoSwitch};
const Look menuItem{clWhite, clGray, 100, 0, 0, 0, none, none, 0, 0, plainFont, QStringLiteral("16777215 -1 -1 -1 -1"),
                    NoSwitch};
const Look menuLine{
    clWhite, clWhite, 100, 100, 0, 0, none, none, 0, 0, plainFont, QStringLiteral("16777215 -1 -1 -1 -1"), NoSwitch};
const Look button{
    0xCDCDCD,          clWhite, 0, 0, 100, 100, g5, g6, 0, 0, plainFont, QStringLiteral("0 -1 -1 15263976 15263976"),
    ShowFocus | Fading};
const Look edit{clWhite, clWhite, 0, 0, 0, 0, none, none, 0, 0, plainFont, plainFont, NoSwitch};
const Look groupBox{clSilver, clWhite, 100, 0, 0, 0, none, none, 0, 0, plainFont, plainFont, NoSwitch};
const Look radioButton{clWhite, clWhite, 100, 100, 0, 0, none, none, 0, 0, plainFont, plainFont, NoSwitch};
const Look pageControl{0xDDDDDD, clWhite, 0, 0, 50, 50, g7, g7, 50, 50, plainFont, plainFont, NoSwitch};
const Look tabTop{clWhite, clWhite, 0, 0, 100, 100, g8, g9, 0, 0, plainFont, plainFont, NoSwitch};
const Look tabBottomLook{clWhite,      clWhite, 0, 0,         100,       100,     tabBottom,
                         tabBottomHot, 0,       0, plainFont, plainFont, NoSwitch};
const Look tabSideLook{clWhite, clWhite, 0, 0, 100, 100, tabSide, tabSideHot, 0, 0, plainFont, plainFont, NoSwitch};
const Look panel{clSilver, clWhite, 0, 0, 50, 0, g1, none, 50, 0, plainFont, plainFont, Shadow};
const Look panelLow{0xD0D0D0, clWhite, 0, 0, 0, 0, none, none, 0, 0, plainFont, plainFont, NoSwitch};
const Look speedButton{0xE8E8E8,  0xFFDEA8, 100, 0, 0, 50, none, g10, 50, 50, QStringLiteral("2434341 -1 -1 -1 -1"),
                       plainFont, Fading};
const Look toolButton{0xF0F4F4, clYellow, 100, 25, 0, 100, none, g11, 0, 0, plainFont, plainFont, Fading};
const Look scrollBar{clWhite, clWhite, 0, 0, 100, 100, g12, g12, 0, 0, plainFont, plainFont, NoSwitch};
const Look scrollSlider{clWhite, clWhite, 0, 0, 100, 100, g13, g13, 0, 0, plainFont, plainFont, NoSwitch};
const Look scrollButton{clWhite, clWhite, 0, 0, 0, 0, none, none, 0, 0, plainFont, plainFont, Reserved};
const Look scrollButtonClear{clWhite, clWhite, 100, 100, 0, 0, none, none, 0, 0, plainFont, plainFont, Reserved};
const Look statusBar{0xD9EAEC,  clWhite, 0, 0, 100, 0, g14, none, 0, 0, QStringLiteral("2697513 -1 -1 -1 -1"),
                     plainFont, NoSwitch};
const Look globalInfo{clSilver, clWhite, 0, 0, 0, 0, none, none, 0, 0, plainFont, plainFont, NoSwitch};
const Look splitter{clSilver, 0xE0E0E0, 0, 0, 0, 0, none, none, 0, 0, plainFont, plainFont, NoSwitch};
const Look trackBar{clSilver, clWhite, 100, 100, 0, 0, none, none, 0, 0, plainFont, plainFont, NoSwitch};
const Look gauge{0xE0E0E0, clWhite, 0, 0, 0, 0, none, none, 0, 0, plainFont, plainFont, NoSwitch};
const Look progressHLook{0xE0A040,  0xE0A040, 0, 0,         100,       100,     progressH,
                         progressH, 0,        0, plainFont, plainFont, NoSwitch};
const Look progressVLook{0xE0A040,  0xE0A040, 0, 0,         100,       100,     progressV,
                         progressV, 0,        0, plainFont, plainFont, NoSwitch};
const Look divider{clSilver, clSilver, 100, 100, 0, 0, none, none, 0, 0, plainFont, plainFont, NoSwitch};
const Look dragBar{0xB0B0B0, 0xD0D0D0, 0, 0, 90, 90, g4, g4, 0, 0, plainFont, plainFont, NoSwitch};

TsSkinImage item(const char* section, const char* property, int left, int top, int right, int bottom, int count,
                 int maskType, int borderWidth)
{
    TsSkinImage i;
    i.SectionName = QLatin1String(section);
    i.PropertyName = QLatin1String(property);
    i.Left = left;
    i.Top = top;
    i.Right = right;
    i.Bottom = bottom;
    i.ImageCount = count;
    i.MaskType = maskType;
    i.BorderWidth = borderWidth;
    return i;
}

} // namespace

TsSkinGenerals ferroluxSections()
{
    return {
        section("PAGECONTROLRIGHT", "PAGECONTROL", pageControl),
        section("PAGECONTROLLEFT", "PAGECONTROL", pageControl),
        section("PAGECONTROLBOTTOM", "PAGECONTROL", pageControl),
        section("SPLITTER", "SPEEDBUTTON_SMALL", splitter),
        section("MENUITEM", "", menuItem),
        section("MENULINE", "", menuLine),
        section("TOOLBAR", "PANEL", panel),
        section("MAINMENU", "", mainMenu),
        section("TABCONTROL", "PAGECONTROL", pageControl),
        section("TABCONTROLLEFT", "PAGECONTROLLEFT", pageControl),
        section("TABCONTROLRIGHT", "PAGECONTROLRIGHT", pageControl),
        section("TABCONTROLBOTTOM", "PAGECONTROLBOTTOM", pageControl),
        section("CHECKBOX", "", radioButton),
        section("RADIOBUTTON", "", radioButton),
        section("FORMTITLE", "", formTitle),
        section("EDIT", "", edit),
        section("TRACKBAR", "", trackBar),
        section("SCROLLBAR1H", "", scrollBar),
        section("SCROLLBAR2H", "", scrollBar),
        section("SCROLLBAR1V", "", scrollBar),
        section("SCROLLBAR2V", "", scrollBar),
        section("GLOBALINFO", "", globalInfo),
        section("COMBOBOX", "EDIT", edit),
        section("GROUPBOX", "", groupBox),
        section("GAUGE", "PANEL_LOW", gauge),
        section("PROGRESSH", "", progressHLook),
        section("PROGRESSV", "", progressVLook),
        section("DIVIDER", "", divider),
        section("PANEL_LOW", "", panelLow),
        section("SCROLLSLIDERV", "", scrollSlider),
        section("SCROLLSLIDERH", "", scrollSlider),
        section("BUTTON", "", button),
        section("SPEEDBUTTON_SMALL", "", speedButton),
        section("DRAGBAR", "", dragBar),
        section("BUTTON_BIG", "BUTTON", button),
        section("FORM", "", form),
        section("PAGECONTROL", "", pageControl),
        section("PANEL", "", panel),
        section("VELVIXEDIT", "", edit),
        section("SCROLLBTNBOTTOM", "", scrollButton),
        section("SCROLLBTNLEFT", "", scrollButton),
        section("SCROLLBTNTOP", "", scrollButton),
        section("DIALOG", "FORM", form),
        section("SPEEDBUTTON", "", speedButton),
        section("STATUSBAR", "", statusBar),
        section("TOOLBUTTON", "", toolButton),
        section("VELVIXCOMBOBOX", "VELVIXEDIT", edit),
        section("SCROLLBTNRIGHT", "", scrollButtonClear),
        section("TABTOP", "", tabTop),
        section("TABLEFT", "", tabSideLook),
        section("TABBOTTOM", "", tabBottomLook),
        section("TABRIGHT", "", tabSideLook),
        emptySection(),
    };
}

TsSkinImages ferroluxImages(const QImage& master)
{
    TsSkinImages images{
        // Tab-control borders: the skin's tab controls draw their tabs from TABTOP and its
        // siblings, so these stay where the skin format puts them, beyond the bitmap.
        item("TABCONTROL", "ACTIVETABBORDERSMASK", 147, 433, 174, 442, 3, 0, 0),
        item("TABCONTROL", "INACTIVETABBORDERSMASK", 174, 433, 201, 442, 3, 0, 0),
        item("TABCONTROLLEFT", "ACTIVETABBORDERSMASK", 0, 340, 27, 349, 3, 0, 0),
        item("TABCONTROLLEFT", "INACTIVETABBORDERSMASK", 27, 340, 54, 349, 3, 0, 0),
        item("TABCONTROLRIGHT", "ACTIVETABBORDERSMASK", 54, 340, 81, 349, 3, 0, 0),
        item("TABCONTROLRIGHT", "INACTIVETABBORDERSMASK", 36, 0, 54, 6, 3, 0, 0),
        item("TABCONTROLBOTTOM", "ACTIVETABBORDERSMASK", 147, 442, 174, 451, 3, 0, 0),
        item("TABCONTROLBOTTOM", "INACTIVETABBORDERSMASK", 174, 442, 201, 451, 3, 0, 0),
        item("CHECKBOX", "GLYPHCHECKED", 0, 360, 45, 386, 3, 1, 0),
        item("CHECKBOX", "GLYPHUNCHECKED", 45, 360, 90, 386, 3, 1, 0),
        item("RADIOBUTTON", "GLYPHCHECKED", 90, 360, 135, 386, 3, 1, 0),
        item("RADIOBUTTON", "GLYPHUNCHECKED", 135, 360, 180, 386, 3, 1, 0),
        item("FORMTITLE", "BORDERSMASK", 108, 26, 114, 38, 1, 1, 0),
        item("EDIT", "BORDERSMASK", 132, 0, 198, 60, 1, 0, 0),
        item("GROUPBOX", "BORDERSMASK", 90, 26, 96, 38, 1, 1, 0),
        item("PROGRESSH", "BORDERSMASK", 90, 14, 96, 20, 1, 0, 0),
        item("PROGRESSV", "BORDERSMASK", 102, 14, 108, 20, 1, 0, 0),
        item("DIVIDER", "BORDERSMASK", 114, 14, 120, 20, 1, 0, 0),
        item("SCROLLSLIDERV", "BORDERSMASK", 18, 30, 36, 36, 3, 0, 0),
        item("SCROLLSLIDERH", "BORDERSMASK", 0, 30, 18, 36, 3, 0, 0),
        item("BUTTON", "BORDERSMASK", 0, 232, 54, 268, 3, 1, 0),
        item("SPEEDBUTTON_SMALL", "BORDERSMASK", 0, 96, 18, 108, 3, 1, 0),
        item("DRAGBAR", "BORDERSMASK", 81, 45, 108, 54, 3, 0, 0),
        item("BUTTON_BIG", "BORDERSMASK", 108, 114, 162, 150, 3, 1, 0),
        item("VELVIXEDIT", "BORDERSMASK", 132, 0, 198, 60, 1, 0, 0),
        item("DIALOG", "BORDERSMASK", 126, 298, 198, 331, 1, 0, 2),
        item("TOOLBUTTON", "BORDERSMASK", 81, 96, 117, 114, 3, 1, 0),
        item("TABTOP", "BORDERSMASK", 0, 0, 18, 6, 3, 0, 0),
        item("TABLEFT", "BORDERSMASK", 0, 6, 18, 12, 3, 0, 0),
        item("TABBOTTOM", "BORDERSMASK", 18, 0, 36, 6, 3, 0, 0),
        item("TABRIGHT", "BORDERSMASK", 18, 6, 36, 12, 3, 0, 0),
        item("TRACKBAR", "SLIDERCHANNEL", 33, 60, 57, 66, 1, 0, 0),
        item("TRACKBAR", "SLIDERMASK", 33, 66, 66, 84, 3, 1, 0),
        item("TRACKBAR", "SLIDERVMASK", 0, 71, 27, 93, 3, 1, 0),
        item("GLOBALINFO", "BOXCHECKED", 63, 202, 108, 228, 3, 1, 0),
        item("GLOBALINFO", "BOXUNCHECKED", 108, 202, 153, 228, 3, 1, 0),
        item("GLOBALINFO", "MASTERBITMAP", 0, 0, 0, 0, 0, 0, 0),
        item("GLOBALINFO", "RADIOCHECKED", 63, 176, 108, 202, 3, 1, 0),
        item("GLOBALINFO", "RADIOUNCHECKED", 108, 176, 153, 202, 3, 1, 0),
        item("COMBOBOX", "GLYPHMASK", 0, 60, 33, 71, 3, 0, 0),
        item("VELVIXCOMBOBOX", "GLYPHMASK", 0, 60, 33, 71, 3, 0, 0),
        item("GAUGE", "PATTERN", 0, 400, 60, 420, 1, 0, 0),
        item("PANEL_LOW", "BORDERSMASK", 57, 45, 63, 51, 1, 0, 0),
        item("PANEL_LOW", "PATTERN", 170, 320, 230, 345, 1, 0, 0),
        item("PAGECONTROL", "BORDERSMASK", 69, 45, 75, 51, 1, 0, 0),
        item("PAGECONTROL", "PATTERN", 111, 44, 132, 60, 1, 0, 0),
        item("PANEL", "BORDERSMASK", 45, 45, 51, 51, 1, 0, 0),
        item("PANEL", "PATTERN", 111, 44, 132, 60, 1, 0, 0),
        item("FORM", "BICONCLOSE", 0, 114, 54, 132, 3, 0, 0),
        item("FORM", "BICONHELP", 0, 150, 54, 168, 3, 0, 0),
        item("FORM", "BICONMAX", 0, 132, 54, 150, 3, 0, 0),
        item("FORM", "BICONMIN", 54, 114, 108, 132, 3, 0, 0),
        item("FORM", "BICONNORM", 54, 132, 108, 150, 3, 0, 0),
        item("FORM", "BORDERSMASK", 126, 298, 198, 331, 1, 0, 2),
        item("FORM", "GRIPIMAGE", 66, 60, 78, 72, 1, 0, 0),
        item("FORM", "HOTPATTERN", 0, 274, 126, 331, 3, 1, 0),
        item("FORM", "PATTERN", 0, 274, 126, 331, 3, 1, 0),
        item("FORM", "TITLEBUTTON", 111, 60, 165, 78, 3, 0, 0),
        item("SCROLLBTNBOTTOM", "BORDERSMASK", 0, 45, 18, 51, 3, 0, 0),
        item("SCROLLBTNBOTTOM", "GLYPHMASK", 81, 82, 108, 87, 3, 0, 0),
        item("SCROLLBTNLEFT", "BORDERSMASK", 0, 45, 18, 51, 3, 0, 0),
        item("SCROLLBTNLEFT", "GLYPHMASK", 81, 87, 96, 96, 3, 0, 0),
        item("SCROLLBTNTOP", "BORDERSMASK", 0, 45, 18, 51, 3, 0, 0),
        item("SCROLLBTNTOP", "GLYPHMASK", 81, 77, 108, 82, 3, 0, 0),
        item("SCROLLBTNRIGHT", "BORDERSMASK", 0, 45, 18, 51, 3, 0, 0),
        item("SCROLLBTNRIGHT", "GLYPHMASK", 96, 87, 111, 96, 3, 0, 0),
        item("SPEEDBUTTON", "BORDERSMASK", 132, 78, 186, 114, 3, 1, 0),
        item("SPEEDBUTTON", "HOTPATTERN", 36, 96, 56, 114, 1, 0, 0),
        item("STATUSBAR", "GRIPIMAGE", 66, 60, 78, 72, 1, 0, 0),
    };
    for (TsSkinImage& image : images) {
        if (image.PropertyName == QStringLiteral("MASTERBITMAP")) {
            image.Image = master;
            image.Name = QStringLiteral("MASTER.BMP");
        }
    }
    return images;
}

TsStoredSkin ferroluxSkin()
{
    // Read by the program's own decoder: the file is always a BMP, and Qt's image reader would
    // first load its format plugins to ask them, while the program starts.
    QFile file(QStringLiteral(":/skin/ferrolux.bmp"));
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("The internal skin's master bitmap is missing from the program"));
    // In the skin tables' own pixel format, so that the tables share this bitmap instead of
    // holding a converted copy beside it.
    const QImage master = decodeBmp(file.readAll()).convertToFormat(QImage::Format_BGR888);
    TsStoredSkin skin;
    skin.Name = ferroluxSkinName;
    skin.GeneralData = ferroluxSections();
    skin.Images = ferroluxImages(master);
    skin.MasterBitmap = master;
    return skin;
}
