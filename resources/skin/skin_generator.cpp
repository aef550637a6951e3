// Draws the master bitmap of the internal skin "Ferrolux (internal)": every picture is drawn into
// the rectangle the skin's image items give it, so the two cannot drift apart. The result is an
// 8-bit BMP with an exact palette. The same pictures and sections, turned warm and light, make
// the example external skin "Amberlight" (Options.dat and master.bmp).
//
//   skin_generator ferrolux <master.bmp>
//   skin_generator amberlight <skin folder>

#include "skin/core/ferroluxskin.h"
#include "skin/core/sectionkeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSet>
#include <QTransform>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>

namespace {

constexpr QRgb key = 0xFF00FF;
constexpr QRgb white = 0xFFFFFF;
constexpr QRgb black = 0x000000;
constexpr QRgb steelDark = 0x3A3F47;
constexpr QRgb steel = 0x6E747C;
constexpr QRgb steelMid = 0x8A9099;
constexpr QRgb steelPale = 0x9AA1AA;
constexpr QRgb steelLight = 0xD8DCE0;
constexpr QRgb frost = 0xE4E8EE;
constexpr QRgb pressedFill = 0xB8C0CA;
constexpr QRgb accent = 0x3C7CC8;
constexpr QRgb accentPale = 0xBFD9F2;
constexpr QRgb pressedEdge = 0x2E3440;
constexpr QRgb amber = 0xF0A030;
constexpr QRgb closeRed = 0xD84040;

// Edge colours of the three states: normal, hot, pressed.
constexpr QRgb stateEdge[3] = {steel, accent, pressedEdge};

QImage canvas;

void put(int x, int y, QRgb c)
{
    if (x >= 0 && y >= 0 && x < canvas.width() && y < canvas.height())
        canvas.setPixel(x, y, 0xFF000000 | c);
}

void fill(const QRect& r, QRgb c)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            put(x, y, c);
}

// A one-pixel ring inside r; with `round` the corner pixels are left out.
void ring(const QRect& r, QRgb c, bool round)
{
    for (int x = r.left(); x <= r.right(); ++x) {
        const bool corner = round && (x == r.left() || x == r.right());
        if (!corner) {
            put(x, r.top(), c);
            put(x, r.bottom(), c);
        }
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        put(r.left(), y, c);
        put(r.right(), y, c);
    }
}

// Sides of a ring: top, left, bottom, right.
void sides(const QRect& r, QRgb top, QRgb left, QRgb bottom, QRgb right)
{
    for (int x = r.left(); x <= r.right(); ++x) {
        put(x, r.top(), top);
        put(x, r.bottom(), bottom);
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
        put(r.left(), y, left);
        put(r.right(), y, right);
    }
}

// State image s of an item of `count` images side by side (mask type decides the height).
QRect stateRect(const TsSkinImage& item, int s)
{
    const int w = (item.Right - item.Left) / item.ImageCount;
    const int h = (item.Bottom - item.Top) / (item.MaskType + 1);
    return {item.Left + s * w, item.Top, w, h};
}

// The mask half under a state image: the same place, half the rectangle lower.
QRect maskRect(const TsSkinImage& item, int s)
{
    const QRect r = stateRect(item, s);
    return r.translated(0, (item.Bottom - item.Top) / 2);
}

// Black where the picture shows, white where the control's own background shows through.
void maskFromPicture(const TsSkinImage& item, int s, const std::function<bool(int, int)>& opaque)
{
    const QRect r = stateRect(item, s);
    const QRect m = maskRect(item, s);
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            put(m.left() + x, m.top() + y, opaque(x, y) ? black : white);
}

bool onRing(const QRect& local, int x, int y, int thickness)
{
    return x < thickness || y < thickness || x > local.width() - 1 - thickness || y > local.height() - 1 - thickness;
}

// A push button: rounded edge, a light inner line, the body left to the section's gradient.
void pushButton(const TsSkinImage& item, QRgb normalEdge)
{
    const QRgb edges[3] = {normalEdge, accent, pressedEdge};
    const QRgb inner[3] = {white, accentPale, steelPale};
    for (int s = 0; s < 3; ++s) {
        const QRect r = stateRect(item, s);
        fill(r, steelLight);
        ring(r, edges[s], true);
        ring(r.adjusted(1, 1, -1, -1), inner[s], false);
        put(r.left(), r.top(), key);
        put(r.right(), r.top(), key);
        put(r.left(), r.bottom(), key);
        put(r.right(), r.bottom(), key);
        maskFromPicture(item, s, [&](int x, int y) { return onRing(r, x, y, 2); });
    }
}

// A flat button that shows an edge only when hot or pressed.
void flatButton(const TsSkinImage& item)
{
    for (int s = 0; s < item.ImageCount; ++s) {
        const QRect r = stateRect(item, s);
        fill(r, key);
        if (s > 0) {
            ring(r, stateEdge[s], true);
            ring(r.adjusted(1, 1, -1, -1), s == 1 ? white : steelPale, false);
        }
        if (item.MaskType == 1)
            maskFromPicture(item, s, [&](int x, int y) { return s > 0 && onRing(r, x, y, 2); });
    }
}

void keyCorners(const QRect& r)
{
    put(r.left(), r.top(), key);
    put(r.right(), r.top(), key);
    put(r.left(), r.bottom(), key);
    put(r.right(), r.bottom(), key);
}

// Borders of mask type 0 are laid with their edges copied whole, so only the outermost corner
// pixels may be transparent: everything else is drawn opaque, in cells of 2 x 2 pixels.
// Rounded outline of a scroll thumb or scroll button.
void roundOutline(const TsSkinImage& item)
{
    for (int s = 0; s < item.ImageCount; ++s) {
        const QRect r = stateRect(item, s);
        fill(r, white);
        ring(r, stateEdge[s], true);
        sides(r.adjusted(1, 1, -1, -1), white, white, s == 2 ? steelPale : steelLight, s == 2 ? steelPale : steelLight);
        keyCorners(r);
    }
}

// A tab open on one side: 0 bottom (a top tab), 1 top, 2 right, 3 left. State 1 is hot (an amber
// line along the outer edge), state 2 the active tab, open towards its page.
void tab(const TsSkinImage& item, int openSide)
{
    for (int s = 0; s < item.ImageCount; ++s) {
        const QRect r = stateRect(item, s);
        const int length = openSide < 2 ? r.width() : r.height();
        const int depth = openSide < 2 ? r.height() : r.width();
        QImage top(length, depth, QImage::Format_RGB32);
        const QRgb edge = s == 2 ? steel : steelMid;
        top.fill(0xFF000000 | white);
        for (int x = 0; x < length; ++x) {
            top.setPixel(x, 0, 0xFF000000 | edge);
            top.setPixel(x, 1, 0xFF000000 | (s == 1 ? amber : white));
            if (s != 2)
                top.setPixel(x, depth - 1, 0xFF000000 | edge);
        }
        for (int y = 0; y < depth; ++y) {
            top.setPixel(0, y, 0xFF000000 | edge);
            top.setPixel(length - 1, y, 0xFF000000 | edge);
        }
        top.setPixel(0, 0, 0xFF000000 | key);
        top.setPixel(length - 1, 0, 0xFF000000 | key);
        QImage turned = top;
        switch (openSide) {
        case 1: turned = top.mirrored(false, true); break;
        case 2: turned = top.transformed(QTransform().rotate(-90)); break;
        case 3: turned = top.transformed(QTransform().rotate(90)); break;
        default: break;
        }
        for (int y = 0; y < r.height(); ++y)
            for (int x = 0; x < r.width(); ++x)
                put(r.left() + x, r.top() + y, turned.pixel(x, y) & 0xFFFFFF);
    }
}

void arrow(const QRect& r, int direction, QRgb c)
{
    // direction: 0 up, 1 down, 2 left, 3 right; the arrow is centred in r.
    const int depth = (direction < 2 ? r.height() : r.width());
    for (int k = 0; k < depth; ++k) {
        const int spread = k;
        for (int t = -spread; t <= spread; ++t) {
            switch (direction) {
            case 0: put(r.center().x() + t, r.top() + (r.height() - depth) / 2 + k, c); break;
            case 1: put(r.center().x() + t, r.bottom() - (r.height() - depth) / 2 - k, c); break;
            case 2: put(r.left() + (r.width() - depth) / 2 + k, r.center().y() + t, c); break;
            default: put(r.right() - (r.width() - depth) / 2 - k, r.center().y() + t, c); break;
            }
        }
    }
}

void arrows(const TsSkinImage& item, int direction)
{
    const QRgb colours[3] = {0x4A5058, 0x1E5AA0, black};
    for (int s = 0; s < item.ImageCount; ++s) {
        const QRect r = stateRect(item, s);
        fill(r, key);
        arrow(r, direction, colours[s]);
    }
}

void comboArrow(const TsSkinImage& item)
{
    const QRgb colours[3] = {0x4A5058, 0x1E5AA0, black};
    for (int s = 0; s < item.ImageCount; ++s) {
        const QRect r = stateRect(item, s);
        fill(r, key);
        for (int k = 0; k < 4; ++k)
            for (int t = -3 + k; t <= 3 - k; ++t)
                put(r.center().x() + t, r.top() + 4 + k, colours[s]);
    }
}

// Title-bar buttons: a glyph alone when normal, on a rounded plate when hot or pressed.
void titleButton(const TsSkinImage& item, const std::function<void(const QRect&, QRgb)>& glyph, bool isClose)
{
    for (int s = 0; s < 3; ++s) {
        const QRect r = stateRect(item, s);
        fill(r, key);
        QRgb glyphColour = steelDark;
        if (s > 0) {
            const QRect plate = r.adjusted(1, 1, -1, -1);
            const QRgb plateFill = isClose && s == 1 ? closeRed : (s == 1 ? frost : pressedFill);
            fill(plate, plateFill);
            ring(plate, s == 1 ? steelMid : pressedEdge, true);
            if (isClose && s == 1)
                glyphColour = white;
        }
        if (glyph)
            glyph(r, glyphColour);
        else if (s == 0) {
            fill(r.adjusted(1, 1, -1, -1), steelLight);
            ring(r.adjusted(1, 1, -1, -1), steelMid, true);
        }
    }
}

void closeGlyph(const QRect& r, QRgb c)
{
    for (int k = 0; k < 8; ++k) {
        put(r.left() + 5 + k, r.top() + 5 + k, c);
        put(r.left() + 6 + k, r.top() + 5 + k, c);
        put(r.left() + 12 - k, r.top() + 5 + k, c);
        put(r.left() + 13 - k, r.top() + 5 + k, c);
    }
}

void maxGlyph(const QRect& r, QRgb c)
{
    const QRect box(r.left() + 4, r.top() + 4, 10, 10);
    ring(box, c, false);
    for (int x = box.left(); x <= box.right(); ++x)
        put(x, box.top() + 1, c);
}

void minGlyph(const QRect& r, QRgb c)
{
    fill(QRect(r.left() + 5, r.top() + 11, 8, 2), c);
}

void normGlyph(const QRect& r, QRgb c)
{
    const QRect back(r.left() + 6, r.top() + 3, 8, 7);
    const QRect front(r.left() + 3, r.top() + 7, 8, 7);
    ring(back, c, false);
    for (int x = back.left(); x <= back.right(); ++x)
        put(x, back.top() + 1, c);
    // The front window hides the back one with whatever lies under the glyph.
    fill(front.adjusted(1, 2, -1, -1), canvas.pixel(r.center()) & 0xFFFFFF);
    ring(front, c, false);
    for (int x = front.left(); x <= front.right(); ++x)
        put(x, front.top() + 1, c);
}

void helpGlyph(const QRect& r, QRgb c)
{
    static const char* rows[] = {"..####..", ".##..##.", ".....##.", "....##..",
                                 "...##...", "...##...", "........", "...##..."};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (rows[y][x] == '#')
                put(r.left() + 5 + x, r.top() + 5 + y, c);
}

// Radio glyphs: a round well, a dot when checked.
void radio(const TsSkinImage& item, bool checked)
{
    for (int s = 0; s < 3; ++s) {
        const QRect r = stateRect(item, s);
        const double cx = (r.width() - 1) / 2.0;
        const double cy = (r.height() - 1) / 2.0;
        const double radius = qMin(r.width(), r.height()) / 2.0 - 0.3;
        auto inside = [&](int x, int y, double rad) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= rad * rad; };
        for (int y = 0; y < r.height(); ++y) {
            for (int x = 0; x < r.width(); ++x) {
                QRgb c = key;
                if (inside(x, y, radius))
                    c = inside(x, y, radius - 1.2) ? (s == 2 ? steelLight : white) : stateEdge[s];
                if (checked && inside(x, y, 2.6))
                    c = s == 1 ? 0x1E5AA0 : steelDark;
                put(r.left() + x, r.top() + y, c);
            }
        }
        maskFromPicture(item, s, [&](int x, int y) { return inside(x, y, radius); });
    }
}

// Check boxes: a square well, a tick when checked.
void box(const TsSkinImage& item, bool checked)
{
    for (int s = 0; s < 3; ++s) {
        const QRect r = stateRect(item, s);
        const QRect well(r.left() + (r.width() - 11) / 2, r.top() + (r.height() - 11) / 2, 11, 11);
        fill(r, key);
        fill(well, s == 2 ? steelLight : white);
        ring(well, stateEdge[s], false);
        if (checked) {
            const QRgb c = s == 1 ? 0x1E5AA0 : steelDark;
            static const int tick[][2] = {{2, 5}, {3, 6}, {4, 7}, {5, 6}, {6, 5}, {7, 4}, {8, 3}};
            for (const auto& p : tick) {
                put(well.left() + p[0], well.top() + p[1], c);
                put(well.left() + p[0], well.top() + p[1] - 1, c);
            }
        }
        maskFromPicture(item, s, [&](int x, int y) { return well.contains(r.left() + x, r.top() + y); });
    }
}

// Brushed metal: each row one of a few greys, broken by short brighter streaks.
void brushed(const QRect& r, const QRgb* shades, int shadeCount, unsigned seed)
{
    unsigned state = seed;
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7FFF;
    };
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const QRgb base = shades[next() % shadeCount];
        for (int x = r.left(); x <= r.right(); ++x)
            put(x, y, base);
        const int streaks = 1 + int(next() % 3);
        for (int k = 0; k < streaks; ++k) {
            const int start = r.left() + int(next() % r.width());
            const int length = 3 + int(next() % 9);
            const QRgb streak = shades[(next() % shadeCount)];
            for (int x = start; x < start + length && x <= r.right(); ++x)
                put(x, y, streak);
        }
    }
}

const QRgb metal[] = {0xC4C8CD, 0xCACED3, 0xD0D4D8, 0xD6D9DD, 0xDCDFE2, 0xE1E4E7};
const QRgb blueMetal[] = {0xA8D0F0, 0xB0D6F4, 0xB8DCF6, 0xC2E2F8, 0xCCE8FA};

// Patterns are tiled as their whole rectangle, so the texture fills it from top to bottom, the
// half below the state images included: nothing reads that half as a mask.
bool isPattern(const TsSkinImage& item)
{
    return item.PropertyName == QLatin1String("PATTERN") || item.PropertyName == QLatin1String("HOTPATTERN");
}

void pattern(const TsSkinImage& item)
{
    for (int s = 0; s < item.ImageCount; ++s) {
        const QRect r = stateRect(item, s);
        brushed(QRect(r.left(), item.Top, r.width(), item.Bottom - item.Top), metal, 6, 1234u + unsigned(s));
    }
}

void grip(const QRect& r)
{
    fill(r, key);
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (x + y >= r.width() && (x % 3 == 1) && (y % 3 == 1)) {
                put(r.left() + x, r.top() + y, steelMid);
                put(r.left() + x + 1, r.top() + y + 1, white);
            }
}

void draw(const TsSkinImage& item)
{
    const QString section = item.SectionName;
    const QString property = item.PropertyName;
    const QRect all(item.Left, item.Top, item.Right - item.Left, item.Bottom - item.Top);
    auto is = [&](const char* s, const char* p) { return section == QLatin1String(s) && property == QLatin1String(p); };

    if (is("BUTTON", "BORDERSMASK"))
        pushButton(item, steel);
    else if (is("BUTTON_BIG", "BORDERSMASK"))
        pushButton(item, steelDark);
    else if (is("SPEEDBUTTON", "BORDERSMASK") || is("TOOLBUTTON", "BORDERSMASK")
             || is("SPEEDBUTTON_SMALL", "BORDERSMASK"))
        flatButton(item);
    else if (property == QLatin1String("BORDERSMASK")
             && (section.startsWith(QLatin1String("SCROLLSLIDER")) || section.startsWith(QLatin1String("SCROLLBTN"))))
        roundOutline(item);
    else if (is("TABTOP", "BORDERSMASK"))
        tab(item, 0);
    else if (is("TABBOTTOM", "BORDERSMASK"))
        tab(item, 1);
    else if (is("TABLEFT", "BORDERSMASK"))
        tab(item, 2);
    else if (is("TABRIGHT", "BORDERSMASK") || is("TABCONTROLRIGHT", "INACTIVETABBORDERSMASK"))
        tab(item, 3);
    else if (is("EDIT", "BORDERSMASK") || is("VELVIXEDIT", "BORDERSMASK")) {
        fill(all, white);
        ring(all, 0x7F868F, false);
        ring(all.adjusted(1, 1, -1, -1), 0xF4F6F8, false);
    } else if (is("FORM", "BORDERSMASK") || is("DIALOG", "BORDERSMASK")) {
        fill(all, 0xD7D7D7);
        ring(all, steelDark, false);
        ring(all.adjusted(1, 1, -1, -1), steelPale, false);
        ring(all.adjusted(2, 2, -2, -2), frost, false);
        ring(all.adjusted(3, 3, -3, -3), steelMid, false);
    } else if (is("GROUPBOX", "BORDERSMASK")) {
        // Group boxes are see-through: the mask half shows only the etched line.
        const QRect r = stateRect(item, 0);
        fill(r, key);
        ring(r, steelPale, false);
        sides(r.adjusted(1, 1, -1, -1), white, white, key, key);
        maskFromPicture(item, 0, [&](int x, int y) { return onRing(r, x, y, 1) || (x == 1 || y == 1); });
    } else if (is("FORMTITLE", "BORDERSMASK")) {
        const QRect r = stateRect(item, 0);
        fill(r, key);
        fill(QRect(r.left(), r.bottom(), r.width(), 1), steelMid);
        maskFromPicture(item, 0, [&](int, int y) { return y == r.height() - 1; });
    } else if (is("PANEL", "BORDERSMASK")) {
        fill(all, 0xC0C0C0);
        sides(all, white, white, steelMid, steelMid);
        sides(all.adjusted(1, 1, -1, -1), frost, frost, steelPale, steelPale);
    } else if (is("PANEL_LOW", "BORDERSMASK")) {
        fill(all, 0xD0D0D0);
        sides(all, steelMid, steelMid, white, white);
        sides(all.adjusted(1, 1, -1, -1), steelPale, steelPale, frost, frost);
    } else if (is("PAGECONTROL", "BORDERSMASK")) {
        fill(all, 0xDDDDDD);
        ring(all, steelMid, false);
        sides(all.adjusted(1, 1, -1, -1), white, white, steelLight, steelLight);
    } else if (is("PROGRESSH", "BORDERSMASK") || is("PROGRESSV", "BORDERSMASK")) {
        fill(all, frost);
        ring(all, steel, false);
        ring(all.adjusted(1, 1, -1, -1), white, false);
    } else if (is("DIVIDER", "BORDERSMASK")) {
        fill(all, 0xC0C0C0);
        fill(QRect(all.left(), all.top() + all.height() / 2 - 1, all.width(), 1), steelMid);
        fill(QRect(all.left(), all.top() + all.height() / 2, all.width(), 1), white);
    } else if (is("DRAGBAR", "BORDERSMASK")) {
        for (int s = 0; s < 3; ++s) {
            const QRect r = stateRect(item, s);
            fill(r, 0xB0B0B0);
            for (int y = 1; y < r.height() - 1; y += 3)
                for (int x = 1; x < r.width() - 1; x += 3) {
                    put(r.left() + x, r.top() + y, stateEdge[s]);
                    put(r.left() + x + 1, r.top() + y + 1, white);
                }
        }
    } else if (is("SCROLLBTNTOP", "GLYPHMASK"))
        arrows(item, 0);
    else if (is("SCROLLBTNBOTTOM", "GLYPHMASK"))
        arrows(item, 1);
    else if (is("SCROLLBTNLEFT", "GLYPHMASK"))
        arrows(item, 2);
    else if (is("SCROLLBTNRIGHT", "GLYPHMASK"))
        arrows(item, 3);
    else if (property == QLatin1String("GLYPHMASK"))
        comboArrow(item);
    else if (is("FORM", "BICONCLOSE"))
        titleButton(item, closeGlyph, true);
    else if (is("FORM", "BICONMAX"))
        titleButton(item, maxGlyph, false);
    else if (is("FORM", "BICONMIN"))
        titleButton(item, minGlyph, false);
    else if (is("FORM", "BICONNORM"))
        titleButton(item, normGlyph, false);
    else if (is("FORM", "BICONHELP"))
        titleButton(item, helpGlyph, false);
    else if (is("FORM", "TITLEBUTTON"))
        titleButton(item, nullptr, false);
    else if (is("GLOBALINFO", "RADIOCHECKED"))
        radio(item, true);
    else if (is("GLOBALINFO", "RADIOUNCHECKED"))
        radio(item, false);
    else if (is("GLOBALINFO", "BOXCHECKED"))
        box(item, true);
    else if (is("GLOBALINFO", "BOXUNCHECKED"))
        box(item, false);
    else if (is("FORM", "PATTERN") || is("FORM", "HOTPATTERN") || is("PANEL", "PATTERN")
             || is("PAGECONTROL", "PATTERN"))
        pattern(item);
    else if (is("SPEEDBUTTON", "HOTPATTERN"))
        brushed(all, blueMetal, 5, 77u);
    else if (property == QLatin1String("GRIPIMAGE"))
        grip(all);
    else if (is("TRACKBAR", "SLIDERCHANNEL")) {
        fill(all, frost);
        sides(all, steelMid, steelMid, white, white);
    } else if (is("TRACKBAR", "SLIDERMASK") || is("TRACKBAR", "SLIDERVMASK")) {
        for (int s = 0; s < 3; ++s) {
            const QRect r = stateRect(item, s);
            fill(r, frost);
            ring(r, stateEdge[s], true);
            put(r.left(), r.top(), key);
            put(r.right(), r.top(), key);
            put(r.left(), r.bottom(), key);
            put(r.right(), r.bottom(), key);
            maskFromPicture(item, s, [&](int x, int y) {
                const bool corner = (x == 0 || x == r.width() - 1) && (y == 0 || y == r.height() - 1);
                return !corner;
            });
        }
    } else {
        std::fprintf(stderr, "no picture for %s/%s\n", qPrintable(section), qPrintable(property));
        std::exit(1);
    }
}

bool insideBitmap(const TsSkinImage& item)
{
    return item.Left >= 0 && item.Top >= 0 && item.Right <= ferroluxMasterWidth && item.Bottom <= ferroluxMasterHeight;
}

// --- Amberlight: the same pictures and sections in warm, light colours -------------------------

QRgb mixRgb(QRgb from, QRgb to, double t)
{
    auto channel = [&](int shift) {
        const int a = int((from >> shift) & 0xFF);
        const int b = int((to >> shift) & 0xFF);
        return QRgb(qBound(0, int(a + (b - a) * t + 0.5), 255)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

// Greys become browns and creams of the same lightness; coloured accents become amber.
QRgb warmRgb(QRgb c)
{
    c &= 0xFFFFFF;
    if (c == key)
        return key;
    const int r = int(c >> 16) & 0xFF;
    const int g = int(c >> 8) & 0xFF;
    const int b = int(c) & 0xFF;
    const double t = (299 * r + 587 * g + 114 * b) / 1000.0 / 255.0;
    const int spread = std::max({r, g, b}) - std::min({r, g, b});
    if (spread > 60)
        return mixRgb(0x9A4A00, 0xFFD27A, t);
    return mixRgb(0x3A2410, 0xFFF8EC, t);
}

int32_t warmColour(int32_t bgr)
{
    const QRgb rgb = QRgb((bgr & 0xFF) << 16 | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF));
    const QRgb w = warmRgb(rgb);
    return int32_t(((w & 0xFF) << 16) | (w & 0xFF00) | ((w >> 16) & 0xFF));
}

QString warmGradient(const QString& data)
{
    QStringList words = data.split(QLatin1Char(';'));
    if (words.size() < 5)
        return data;
    for (qsizetype i = 0; i + 1 < words.size(); i += 5) {
        words[i] = QString::number(warmColour(words[i].toInt()));
        words[i + 1] = QString::number(warmColour(words[i + 1].toInt()));
    }
    return words.join(QLatin1Char(';'));
}

using Lines = QList<QPair<QString, QString>>;

const TsGeneralData& sectionDefaults()
{
    static const TsGeneralData defaults;
    return defaults;
}

const SectionKey& sectionKey(const QString& name)
{
    for (const SectionKey& key : sectionKeys) {
        if (name == QLatin1String(key.name))
            return key;
    }
    std::fprintf(stderr, "no section key %s\n", qPrintable(name));
    std::exit(1);
}

// The values of a section that differ from the skin format's defaults, as Options.dat keys.
struct SectionValues {
    Lines lines;
    void value(const char* key, const QString& v) { lines.append({QLatin1String(key), v}); }
    void number(const char* key, int v)
    {
        if (v != sectionDefaults().*sectionKey(QLatin1String(key)).number)
            value(key, QString::number(v));
    }
    void flag(const char* key, bool v)
    {
        if (v)
            value(key, QStringLiteral("TRUE"));
    }
    void font(const char* const keys[5], const QString& colours)
    {
        const QStringList words = colours.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int i = 0; i < 5 && i < words.size(); ++i) {
            const int colour = words[i].toInt();
            number(keys[i], colour == -1 ? -1 : warmColour(colour));
        }
    }
};

Lines warmValues(const TsSkinGeneral& g)
{
    static const char* const fontKeys[5] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
    static const char* const hotFontKeys[5] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM"};
    SectionValues w;
    w.number("COLOR", warmColour(g.Color));
    w.number("HOTCOLOR", warmColour(g.HotColor));
    w.number("TRANSPARENCY", g.Transparency);
    w.number("HOTTRANSPARENCY", g.HotTransparency);
    w.number("GRADIENTPERCENT", g.GradientPercent);
    w.number("HOTGRADIENTPERCENT", g.HotGradientPercent);
    if (!g.GradientData.trimmed().isEmpty())
        w.value("GRADIENTDATA", warmGradient(g.GradientData));
    if (!g.HotGradientData.trimmed().isEmpty())
        w.value("HOTGRADIENTDATA", warmGradient(g.HotGradientData));
    w.number("IMAGEPERCENT", g.ImagePercent);
    w.number("HOTIMAGEPERCENT", g.HotImagePercent);
    w.font(fontKeys, g.FontColor);
    w.font(hotFontKeys, g.HotFontColor);
    w.number("SHADOWTRANSPARENCY", g.ShadowTransparency);
    w.flag("RESERVEDBOOLEAN", g.ReservedBoolean);
    w.flag("SHOWFOCUS", g.ShowFocus);
    w.flag("FADINGENABLED", g.FadingEnabled);
    w.flag("SHADOWENABLED", g.ShadowEnabled);
    return w.lines;
}

// How a key that a section leaves out must be written to override what its parent gives: its
// default; none for the outline colours, whose default -1 cannot be given (it means "not given").
std::optional<QString> formatDefault(const QString& name)
{
    const SectionKey& key = sectionKey(name);
    const TsGeneralData& defaults = sectionDefaults();
    if (key.number) {
        if (defaults.*key.number == -1)
            return std::nullopt;
        return QString::number(defaults.*key.number);
    }
    if (key.bevel)
        return QString::number(defaults.*key.bevel);
    if (key.flag)
        return defaults.*key.flag ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    return (defaults.*key.text).trimmed();
}

// What a section gets from its parent chain in Options.dat.
QHash<QString, QString> inheritedValues(const TsSkinGenerals& sections, const QString& parent, int depth = 0)
{
    QHash<QString, QString> values;
    for (const TsSkinGeneral& g : sections) {
        if (g.SectionName != parent)
            continue;
        if (!g.ParentClass.isEmpty() && depth < sections.size())
            values = inheritedValues(sections, g.ParentClass, depth + 1);
        for (const auto& [key, value] : warmValues(g))
            values.insert(key, value);
        break;
    }
    return values;
}

// Child sections write only what differs from their parents, as a skin author would.
QString amberlightOptions(const TsSkinImages& items)
{
    QString text = QStringLiteral("; Amberlight: an example skin of Vestoria in warm, light colours.\n"
                                  "; Made by resources/skin/skin_generator; see tools/SKINCHECK.md.\n"
                                  "; A section with PARENTCLASS takes every value it does not give from its parent.\n");
    auto line = [&](const QString& key, const QString& value) {
        text += key + QLatin1Char('=') + value + QLatin1Char('\n');
    };
    const TsSkinGenerals sections = ferroluxSections();
    for (const TsSkinGeneral& g : sections) {
        if (g.SectionName.isEmpty())
            continue;
        text += QStringLiteral("\n[%1]\n").arg(g.SectionName);
        if (g.SectionName == QLatin1String("GLOBALINFO")) {
            line(QStringLiteral("VERSION"), QStringLiteral("1.0"));
            line(QStringLiteral("AUTHOR"), QStringLiteral("Vestoria"));
            line(QStringLiteral("DESCRIPTION"), QStringLiteral("Warm, light example skin"));
            line(QStringLiteral("MASTERBITMAP"), QStringLiteral("master.bmp"));
        }
        const Lines own = warmValues(g);
        QHash<QString, QString> inherited;
        if (!g.ParentClass.isEmpty()) {
            line(QStringLiteral("PARENTCLASS"), g.ParentClass);
            inherited = inheritedValues(sections, g.ParentClass);
        }
        QSet<QString> given;
        for (const auto& [key, value] : own) {
            given.insert(key);
            if (inherited.value(key) != value)
                line(key, value);
        }
        QStringList overridden;
        for (auto it = inherited.cbegin(); it != inherited.cend(); ++it) {
            if (!given.contains(it.key()))
                overridden.append(it.key());
        }
        std::sort(overridden.begin(), overridden.end());
        for (const QString& key : overridden) {
            const std::optional<QString> fallback = formatDefault(key);
            if (!fallback) {
                std::fprintf(stderr, "%s cannot take back %s from its parent\n", qPrintable(g.SectionName),
                             qPrintable(key));
                std::exit(1);
            }
            line(key, *fallback);
        }
        for (const TsSkinImage& item : items) {
            if (item.SectionName != g.SectionName || item.ImageCount == 0 || !insideBitmap(item))
                continue;
            QString rect = QStringLiteral("#(%1,%2,%3,%4)(%5,%6")
                               .arg(item.Left)
                               .arg(item.Top)
                               .arg(item.Right)
                               .arg(item.Bottom)
                               .arg(item.ImageCount)
                               .arg(item.MaskType);
            if (item.BorderWidth > 0)
                rect += QStringLiteral(",%1").arg(item.BorderWidth);
            line(item.PropertyName, rect + QLatin1Char(')'));
        }
    }
    return text;
}

QImage indexedCopy(const QImage& image, bool* ok)
{
    QHash<QRgb, int> palette;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            palette.insert(image.pixel(x, y), 0);
    *ok = palette.size() <= 256;
    if (!*ok) {
        std::fprintf(stderr, "%lld colours do not fit an 8-bit palette\n", static_cast<long long>(palette.size()));
        return {};
    }
    QList<QRgb> colours = palette.keys();
    std::sort(colours.begin(), colours.end());
    QImage indexed(image.size(), QImage::Format_Indexed8);
    indexed.setColorTable(colours);
    for (int i = 0; i < colours.size(); ++i)
        palette[colours[i]] = i;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            indexed.setPixel(x, y, uint(palette.value(image.pixel(x, y))));
    return indexed;
}

bool drawAll(const TsSkinImages& items)
{
    canvas = QImage(ferroluxMasterWidth, ferroluxMasterHeight, QImage::Format_RGB32);
    canvas.fill(QColor(QRgb(key)));
    // Distinct pictures must not overlap; items that share a picture give the same rectangle.
    QList<QRect> drawn;
    int outside = 0;
    for (const TsSkinImage& item : items) {
        if (item.ImageCount == 0)
            continue;
        if (!insideBitmap(item)) {
            ++outside;
            continue;
        }
        const QRect r(item.Left, item.Top, item.Right - item.Left, item.Bottom - item.Top);
        if (drawn.contains(r))
            continue;
        for (const QRect& other : drawn) {
            if (other.intersects(r)) {
                std::fprintf(stderr, "%s/%s overlaps another picture\n", qPrintable(item.SectionName),
                             qPrintable(item.PropertyName));
                return false;
            }
        }
        drawn.append(r);
        draw(item);
    }
    std::printf("%lld pictures drawn, %d items beyond the bitmap\n", static_cast<long long>(drawn.size()), outside);
    return true;
}

bool saveIndexed(const QImage& image, const QString& path)
{
    bool ok = false;
    const QImage indexed = indexedCopy(image, &ok);
    if (!ok)
        return false;
    if (!indexed.save(path, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%d colours written to %s\n", int(indexed.colorCount()), qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args[1] != QLatin1String("ferrolux") && args[1] != QLatin1String("amberlight"))) {
        std::fprintf(stderr, "usage: skin_generator ferrolux <master.bmp>\n"
                             "       skin_generator amberlight <skin folder>\n");
        return 2;
    }
    const TsSkinImages items = ferroluxImages(QImage());
    if (!drawAll(items))
        return 1;
    if (args[1] == QLatin1String("ferrolux"))
        return saveIndexed(canvas, args[2]) ? 0 : 1;

    // Mask halves say how much of the picture shows; they keep their greys.
    QRegion masks;
    for (const TsSkinImage& item : items) {
        if (item.MaskType == 1 && item.ImageCount > 0 && insideBitmap(item) && !isPattern(item)) {
            const int half = (item.Bottom - item.Top) / 2;
            masks += QRect(item.Left, item.Top + half, item.Right - item.Left, item.Bottom - item.Top - half);
        }
    }
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (!masks.contains(QPoint(x, y)))
                canvas.setPixel(x, y, 0xFF000000 | warmRgb(canvas.pixel(x, y)));
    const QDir folder(args[2]);
    if (!folder.mkpath(QStringLiteral(".")) || !saveIndexed(canvas, folder.filePath(QStringLiteral("master.bmp"))))
        return 1;
    QFile options(folder.filePath(QStringLiteral("Options.dat")));
    if (!options.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(options.fileName()));
        return 1;
    }
    options.write(amberlightOptions(items).toUtf8());
    std::printf("Options.dat written to %s\n", qPrintable(folder.path()));
    return 0;
}
