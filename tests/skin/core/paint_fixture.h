#pragma once

// Small bitmaps and a hand-made skin for the painter tests. Colours are 0x00BBGGRR.

#include "skin/core/skininforce.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

inline QImage filledImage(int width, int height, int32_t color)
{
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y) {
        uint8_t* p = image.scanLine(y);
        for (int x = 0; x < width; ++x, p += 3) {
            p[0] = uint8_t(color >> 16);
            p[1] = uint8_t(color >> 8);
            p[2] = uint8_t(color);
        }
    }
    return image;
}

inline int32_t pixel(const QImage& image, int x, int y)
{
    const uint8_t* p = image.constScanLine(y) + x * 3;
    return p[2] | (p[1] << 8) | (p[0] << 16);
}

inline void setPixel(QImage& image, int x, int y, int32_t color)
{
    uint8_t* p = image.scanLine(y) + x * 3;
    p[0] = uint8_t(color >> 16);
    p[1] = uint8_t(color >> 8);
    p[2] = uint8_t(color);
}

inline void fillRect(QImage& image, int left, int top, int width, int height, int32_t color)
{
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            setPixel(image, x, y, color);
}

// One row of the image as colours, for comparing a line at a time.
inline std::vector<int32_t> row(const QImage& image, int y)
{
    std::vector<int32_t> result;
    for (int x = 0; x < image.width(); ++x)
        result.push_back(pixel(image, x, y));
    return result;
}

inline std::vector<int32_t> column(const QImage& image, int x)
{
    std::vector<int32_t> result;
    for (int y = 0; y < image.height(); ++y)
        result.push_back(pixel(image, x, y));
    return result;
}

inline int32_t grey(int level)
{
    return level | (level << 8) | (level << 16);
}

// Every test starts and ends with an empty skin, and a ready one. The hand-made skin grows by
// installing a changed copy of the current skin, the only way a skin changes.
class SkinPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        putSkinInForce(nullptr);
        skinData().ready = true;
    }
    void TearDown() override
    {
        putSkinInForce(nullptr);
        skinData().ready = false;
    }

    template <typename Change>
    static void changeSkin(Change change)
    {
        SkinTables skin = *skinInForce();
        change(skin);
        putSkinInForce(std::move(skin));
    }

    static void setMasterBitmap(const QImage& bitmap)
    {
        changeSkin([&](SkinTables& skin) { skin.masterBitmap = bitmap; });
    }

    static int addSection(const TsGeneralData& section)
    {
        changeSkin([&](SkinTables& skin) { skin.sections.append(section); });
        return int(skinInForce()->sections.size() - 1);
    }

    // A mask of the skin in force, asked for after the change that added it.
    static const TsMaskData& maskAt(int index) { return skinInForce()->masks[index]; }

    static TsGeneralData plainSection(const char* name, int32_t color)
    {
        TsGeneralData section;
        section.sectionName = QString::fromLatin1(name);
        section.color = color;
        section.hotColor = color;
        return section;
    }

    static int addMask(const char* section, const char* property, QRect rect, int imageCount, int maskType,
                       int borderWidth = 0)
    {
        TsMaskData mask;
        mask.sectionName = QString::fromLatin1(section);
        mask.propertyName = QString::fromLatin1(property);
        mask.left = rect.left();
        mask.top = rect.top();
        mask.right = rect.left() + rect.width();
        mask.bottom = rect.top() + rect.height();
        mask.imageCount = int16_t(imageCount);
        mask.maskType = int16_t(maskType);
        mask.borderWidth = int16_t(borderWidth);
        changeSkin([&](SkinTables& skin) { skin.masks.append(mask); });
        return int(skinInForce()->masks.size() - 1);
    }
};
