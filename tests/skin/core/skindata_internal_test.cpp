#include "tests/skin/core/skinprobe.h"
#include "skin/core/skininforce.h"

#include "skin/core/ferroluxskin.h"
#include "skin/core/skinloader.h"
#include "skin/core/startskinmanager.h"

namespace {

class InternalSkinTest : public SkinFixture {
protected:
    void SetUp() override
    {
        SkinFixture::SetUp();
        manager = newManager();
        loadStartSkinManager(manager);
    }

    int mask(const char* section, const char* property) const
    {
        return skinInForce()->FindMask(skinInForce()->FindSection(QLatin1String(section)), QLatin1String(section),
                                       QLatin1String(property));
    }

    TsSkinManager* manager = nullptr;
};

TEST_F(InternalSkinTest, StartManagerLoadsTheStoredSkinWhole)
{
    EXPECT_TRUE(manager->isMainManager());
    EXPECT_EQ(manager->SkinName(), ferroluxSkinName);
    EXPECT_TRUE(skinData().ready);
    EXPECT_EQ(skinInForce()->skinFile, nullptr);
    EXPECT_TRUE(skinInForce()->skinFolder.isEmpty());
    EXPECT_EQ(skinInForce()->sections.size(), 53);
    EXPECT_EQ(skinInForce()->masks.size(), 69);
    EXPECT_EQ(skinInForce()->patterns.size(), 0);
    EXPECT_EQ(skinInForce()->masterBitmap.size(), QSize(198, 331));
    EXPECT_EQ(skinInForce()->masterBitmap.format(), QImage::Format_BGR888);
}

TEST_F(InternalSkinTest, SectionLookupsIgnoreCaseAndNeverFindTabSheetOrTheUnnamedRecord)
{
    EXPECT_EQ(skinInForce()->FindSection(QStringLiteral("TABSHEET")), -1);
    EXPECT_EQ(skinInForce()->FindSection(QString()), -1);
    EXPECT_TRUE(skinInForce()->sections.last().sectionName.isEmpty());
    EXPECT_EQ(skinInForce()->sections.last().color, 0);
    EXPECT_EQ(skinInForce()->FindSection(QStringLiteral("form")), skinInForce()->FindSection(QStringLiteral("FORM")));
    EXPECT_EQ(skinInForce()->FindSection(QStringLiteral("PAGECONTROLRIGHT")), 0);
    EXPECT_EQ(skinInForce()->FindSection(QStringLiteral("TABRIGHT")), 51);
}

TEST_F(InternalSkinTest, ChildSectionsTakeWhatTheyLackFromTheirParents)
{
    const int form = skinInForce()->FindSection(QStringLiteral("FORM"));
    const int dialog = skinInForce()->FindSection(QStringLiteral("DIALOG"));
    ASSERT_GE(dialog, 0);
    EXPECT_EQ(skinInForce()->sections[dialog].parentClass, QStringLiteral("FORM"));
    EXPECT_EQ(skinInForce()->sections[dialog].color, skinInForce()->sections[form].color);
    EXPECT_EQ(skinInForce()->sections[dialog].gradientData, skinInForce()->sections[form].gradientData);
    // DIALOG has its own border but the form's textures.
    EXPECT_GE(mask("DIALOG", "PATTERN"), 0);
    EXPECT_EQ(mask("DIALOG", "PATTERN"), mask("FORM", "PATTERN"));
    EXPECT_EQ(mask("DIALOG", "HOTPATTERN"), mask("FORM", "HOTPATTERN"));
    EXPECT_NE(mask("DIALOG", "BORDERSMASK"), mask("FORM", "BORDERSMASK"));
    EXPECT_EQ(mask("VELVIXCOMBOBOX", "BORDERSMASK"), mask("VELVIXEDIT", "BORDERSMASK"));
    EXPECT_EQ(mask("EDIT", "PATTERN"), -1);
}

TEST_F(InternalSkinTest, SectionValuesAndGradientsAreThoseStored)
{
    const TsGeneralData& button = skinInForce()->sections[skinInForce()->FindSection(QStringLiteral("BUTTON"))];
    EXPECT_EQ(button.color, 0xCDCDCD);
    EXPECT_EQ(button.hotTcRight, 15263976);
    EXPECT_EQ(button.hotTcBottom, 15263976);
    EXPECT_EQ(button.hotTcLeft, -1);
    EXPECT_TRUE(button.showFocus);
    EXPECT_TRUE(button.fadingEnabled);
    EXPECT_EQ(button.shadowTransparency, 60);
    EXPECT_EQ(button.gradient.size(), 5);
    EXPECT_EQ(button.hotGradient.size(), 4);

    const TsGeneralData& pageControl =
        skinInForce()->sections[skinInForce()->FindSection(QStringLiteral("PAGECONTROL"))];
    ASSERT_EQ(pageControl.gradient.size(), 3);
    EXPECT_EQ(pageControl.gradient[0].color1, 0x808080);
    EXPECT_EQ(pageControl.gradient[0].color2, 0xE9E9E9);
    EXPECT_EQ(pageControl.gradient[0].percent, 51);
    EXPECT_EQ(pageControl.gradient[0].mode, 1);
    EXPECT_EQ(pageControl.gradient[0].reserved, 0);

    const TsGeneralData& edit = skinInForce()->sections[skinInForce()->FindSection(QStringLiteral("EDIT"))];
    EXPECT_EQ(edit.gradientData, QStringLiteral(" "));
    EXPECT_TRUE(edit.gradient.isEmpty());
}

TEST_F(InternalSkinTest, MaskRectanglesAndStateSizes)
{
    const int button = mask("BUTTON", "BORDERSMASK");
    ASSERT_GE(button, 0);
    const TsMaskData& m = skinInForce()->masks[button];
    EXPECT_EQ(QRect(QPoint(m.left, m.top), QPoint(m.right, m.bottom)), QRect(QPoint(0, 232), QPoint(54, 268)));
    EXPECT_EQ(m.imageCount, 3);
    EXPECT_EQ(m.maskType, 1);
    EXPECT_EQ(skinInForce()->stateImageSize(button), QSize(18, 18));
    EXPECT_EQ(skinInForce()->stateImageSize(mask("FORM", "PATTERN")), QSize(42, 28));
    EXPECT_EQ(skinInForce()->masks[mask("FORM", "BORDERSMASK")].borderWidth, 2);

    // The item with count 0 carries its own picture: three states over a mask half.
    const int master = mask("GLOBALINFO", "MASTERBITMAP");
    ASSERT_GE(master, 0);
    EXPECT_TRUE(skinInForce()->masks[master].hasOwnImage());
    EXPECT_EQ(skinInForce()->stateImageSize(master), QSize(198 / 3, 331 / 2));
    EXPECT_EQ(skinInForce()->stateImageSize(-1), QSize());
    EXPECT_EQ(skinInForce()->stateImageSize(int(skinInForce()->masks.size())), QSize());
}

TEST_F(InternalSkinTest, ThirteenItemsLieBeyondTheMasterBitmapAndAllOthersHoldAPicture)
{
    const QImage& bitmap = skinInForce()->masterBitmap;
    int outside = 0;
    for (const TsMaskData& m : std::as_const(skinInForce()->masks)) {
        if (m.hasOwnImage())
            continue;
        if (m.left < 0 || m.top < 0 || m.right > bitmap.width() || m.bottom > bitmap.height()) {
            ++outside;
            continue;
        }
        bool drawn = false;
        for (int y = m.top; y < m.bottom && !drawn; ++y)
            for (int x = m.left; x < m.right && !drawn; ++x)
                drawn = bitmap.pixel(x, y) != qRgb(255, 0, 255);
        EXPECT_TRUE(drawn) << qPrintable(m.sectionName) << "/" << qPrintable(m.propertyName);
    }
    EXPECT_EQ(outside, 13);
}

TEST_F(InternalSkinTest, CommonIndexesAreLookedUpOnce)
{
    const TsCommonIndexes& c = skinInForce()->commonIndexes;
    EXPECT_EQ(c.globalInfo, skinInForce()->FindSection(QStringLiteral("GLOBALINFO")));
    EXPECT_EQ(c.radioChecked, mask("GLOBALINFO", "RADIOCHECKED"));
    EXPECT_EQ(c.boxUnchecked, mask("GLOBALINFO", "BOXUNCHECKED"));
    EXPECT_EQ(c.boxGrayed, -1);
    EXPECT_EQ(c.smallChecked, -1);
    EXPECT_EQ(c.tabTop.bordersMask, mask("TABTOP", "BORDERSMASK"));
    EXPECT_GE(c.tabRight.section, 0);
    EXPECT_EQ(c.scrollBtnLeft.glyphMask, mask("SCROLLBTNLEFT", "GLYPHMASK"));
    EXPECT_GE(c.scrollSliderH.bordersMask, 0);
    EXPECT_EQ(c.scrollBar1H.bordersMask, -1);
    EXPECT_EQ(c.scrollBar2V.glyphMask, -1);

    manager->setActive(false);
    EXPECT_EQ(skinInForce()->commonIndexes.globalInfo, -1);
    EXPECT_EQ(skinInForce()->commonIndexes.tabTop.bordersMask, -1);
    EXPECT_TRUE(skinInForce()->sections.isEmpty());
    EXPECT_TRUE(skinInForce()->masks.isEmpty());
    EXPECT_TRUE(skinInForce()->masterBitmap.isNull());
}

// A folder of the same name with an Options.dat in the skins folder takes precedence.
TEST_F(SkinFixture, AnExternalSkinOfTheSameNameWinsOverTheStoredOne)
{
    writeFile(QStringLiteral("Skins/Ferrolux (internal)/Options.dat"), "[FORM]\nCOLOR=42\n");
    TsSkinManager* manager = newManager();
    loadStartSkinManager(manager);
    EXPECT_NE(skinInForce()->skinFile, nullptr);
    EXPECT_EQ(skinInForce()->sections.size(), 1);
    EXPECT_EQ(skinInForce()->sections[0].color, 42);
    EXPECT_EQ(manager->SkinName(), ferroluxSkinName);
}

TEST(StoredSkinCopy, AFontColourThatIsNotANumberEndsTheCopyOfThatRecordOnly)
{
    TsStoredSkin skin;
    skin.Name = QStringLiteral("Test");
    TsSkinGeneral broken;
    broken.SectionName = QStringLiteral("BROKEN");
    broken.Color = 0x123456;
    broken.FontColor = QStringLiteral("1 2 x 4 5");
    broken.Transparency = 40;
    TsSkinGeneral odd;
    odd.SectionName = QStringLiteral("ODD");
    odd.FontColor = QStringLiteral("7 8");
    odd.Transparency = 30;
    skin.GeneralData = {broken, odd};

    const TsGeneralDataArray sections =
        std::get<LoadedSkin>(loadSkinTables({{}, QStringLiteral("Test"), {skin}, {}})).tables.sections;
    ASSERT_EQ(sections.size(), 2);
    EXPECT_EQ(sections[0].color, 0x123456);
    EXPECT_EQ(sections[0].transparency, 0);
    // Not five words: plain black text without outlines, the rest copied.
    EXPECT_EQ(sections[1].fontColor, 0);
    EXPECT_EQ(sections[1].tcLeft, -1);
    EXPECT_EQ(sections[1].transparency, 30);
}

} // namespace
