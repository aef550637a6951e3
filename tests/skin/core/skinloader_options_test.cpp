#include "tests/skin/core/skinprobe.h"
#include "skin/core/skininforce.h"
#include "tests/support/errorcapture.h"
#include "tests/support/messagerecorder.h"

#include "skin/core/ferroluxskin.h"
#include "skin/core/memoryinifile.h"
#include "skin/core/skinloader.h"
#include "skin/core/texturetiler.h"

#include "platform/apperror.h"

#include <QBuffer>
#include <QImage>

namespace {

// An external skin in the program folder's Skins, chosen by a main manager that also carries the
// internal skin to fall back to.
class OptionsTest : public SkinFixture {
protected:
    void SetUp() override
    {
        SkinFixture::SetUp();
        manager = newManager();
        manager->setInternalSkins({ferroluxSkin()});
    }

    void writeSkin(const QString& name, const QByteArray& options)
    {
        writeFile(QStringLiteral("Skins/%1/Options.dat").arg(name), options);
    }

    void writePicture(const QString& relativePath, const QSize& size, const char* format)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(10, 120, 200));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, format));
        writeFile(relativePath, bytes);
    }

    const TsGeneralData& section(const char* name) const
    {
        const int index = skinInForce()->FindSection(QLatin1String(name));
        EXPECT_GE(index, 0) << name;
        return skinInForce()->sections[qMax(0, index)];
    }

    int maskOf(const char* section, const char* property) const
    {
        return skinInForce()->FindMask(skinInForce()->FindSection(QLatin1String(section)), QLatin1String(section),
                                       QLatin1String(property));
    }

    // Copies the example skin the program ships into the program folder's Skins.
    void installExampleSkin()
    {
        const QDir source(QStringLiteral(VESTORIA_EXAMPLE_SKIN_DIR));
        ASSERT_TRUE(source.exists());
        for (const QString& file : {QStringLiteral("Options.dat"), QStringLiteral("master.bmp")}) {
            QFile in(source.filePath(file));
            ASSERT_TRUE(in.open(QIODevice::ReadOnly));
            writeFile(QStringLiteral("Skins/Amberlight/") + file, in.readAll());
        }
    }

    TsSkinManager* manager = nullptr;
};

TEST_F(OptionsTest, InheritedReadsFollowTheParentAndEndOnEveryKindOfDeadEnd)
{
    writeSkin(QStringLiteral("Inherit"), "[BASE]\n"
                                         "TCLEFT=255\nCOLOR=100\nGRADIENTDATA=1;2;3;4;5\nSHOWFOCUS=true\n"
                                         "SHADOWCOLOR=77\nBEVEL=3\nHOTGRADIENTDATA=\n"
                                         "[CHILD]\nPARENTCLASS=BASE\nTCLEFT=-1\nCOLOR=abc\nBEVEL=9\n"
                                         "[SELF]\nPARENTCLASS=self\n"
                                         "[ORPHAN]\nPARENTCLASS=MISSING\n"
                                         "[UNKNOWNPARENT]\nPARENTCLASS=?\n"
                                         "[CYCLEA]\nPARENTCLASS=CYCLEB\n"
                                         "[CYCLEB]\nPARENTCLASS=CYCLEC\n"
                                         "[CYCLEC]\nPARENTCLASS=CYCLEA\nCOLOR=5\n");
    manager->setSkinName(QStringLiteral("Inherit"));
    ASSERT_NE(skinInForce()->skinFile, nullptr);
    EXPECT_TRUE(skinData().ready);
    ASSERT_EQ(skinInForce()->sections.size(), 8);

    const TsGeneralData& child = section("CHILD");
    EXPECT_EQ(child.parentClass, QStringLiteral("BASE"));
    EXPECT_EQ(child.tcLeft, 255);   // -1 counts as not given
    EXPECT_EQ(child.color, 100);    // so does a value that is no number
    EXPECT_EQ(child.bevel, cbNone); // beyond the five kinds: none
    EXPECT_TRUE(child.showFocus);
    EXPECT_EQ(child.gradient.size(), 1);
    EXPECT_EQ(child.shadowColor, 0); // never inherited
    EXPECT_EQ(section("BASE").shadowColor, 77);
    EXPECT_EQ(section("BASE").bevel, cbRaisedHard);
    EXPECT_EQ(child.hotGradientData, QString()); // an empty value is a given string

    for (const char* name : {"SELF", "ORPHAN", "UNKNOWNPARENT"}) {
        const TsGeneralData& s = section(name);
        EXPECT_EQ(s.color, 0xFFFFFF) << name;
        EXPECT_EQ(s.shadowBlur, 6) << name;
        EXPECT_EQ(s.shadowTransparency, 50) << name;
        EXPECT_EQ(s.gradientData, QStringLiteral(" ")) << name;
        EXPECT_EQ(s.tcTop, -1) << name;
    }
    EXPECT_EQ(section("CYCLEA").color, 5);
    EXPECT_EQ(section("CYCLEA").fadingIterations, 5);
    EXPECT_EQ(maskOf("CYCLEA", "BORDERSMASK"), -1);
    EXPECT_EQ(skinInForce()->FindPattern(skinInForce()->FindSection(QStringLiteral("CYCLEB")), QStringLiteral("CYCLEB"),
                                         QStringLiteral("PATTERN")),
              -1);
}

TEST_F(OptionsTest, MasterBitmapRectanglesAndOwnBitmaps)
{
    writePicture(QStringLiteral("Skins/Rects/master.bmp"), QSize(60, 40), "BMP");
    writePicture(QStringLiteral("Skins/Rects/Pics/glyph.bmp"), QSize(12, 8), "BMP");
    writeSkin(QStringLiteral("Rects"), "[GLOBALINFO]\nMASTERBITMAP=master.bmp\n"
                                       "[r]\n"
                                       "A=#(1,2,30,40)(0,-3)\n"
                                       "B=#\n"
                                       "C=# (0, 0, 10, 10) (3, 1, 4)\n"
                                       "D=#(0,0,10,10)(2,1,-5)\n"
                                       "e=Pics\\glyph.bmp\n"
                                       "F=missing.bmp\n");
    manager->setSkinName(QStringLiteral("Rects"));
    ASSERT_EQ(skinInForce()->masterBitmap.size(), QSize(60, 40));
    EXPECT_EQ(skinInForce()->masterBitmap.format(), QImage::Format_BGR888);

    QStringList found;
    for (const TsMaskData& m : std::as_const(skinInForce()->masks))
        found.append(m.sectionName + QLatin1Char('/') + m.propertyName);
    EXPECT_EQ(found, (QStringList{"GLOBALINFO/MASTERBITMAP", "R/A", "R/C", "R/D", "R/E"}));

    const TsMaskData& a = skinInForce()->masks[1];
    EXPECT_EQ(QList<int>({a.left, a.top, a.right, a.bottom}), QList<int>({1, 2, 30, 40}));
    EXPECT_EQ(a.imageCount, 1);
    EXPECT_EQ(a.maskType, 0);
    EXPECT_EQ(a.borderWidth, 0);
    EXPECT_EQ(QList<int>({skinInForce()->masks[2].imageCount, skinInForce()->masks[2].maskType,
                          skinInForce()->masks[2].borderWidth}),
              QList<int>({3, 1, 4}));
    EXPECT_EQ(skinInForce()->masks[3].borderWidth, 0);
    EXPECT_TRUE(skinInForce()->masks[4].hasOwnImage());
    EXPECT_EQ(skinInForce()->masks[4].image.size(), QSize(12, 8));
    EXPECT_EQ(skinInForce()->stateImageSize(4), QSize(4, 4));
}

// A chain may run through every section of a skin and back to its start: each section still
// takes the first value up its own chain, and loading ends (the test's time limit guards that).
TEST_F(OptionsTest, ChainsThroughHundredsOfSectionsAndBackResolveFromEachSectionsOwnPlace)
{
    const int count = 300;
    QByteArray options;
    for (int i = 0; i < count; ++i) {
        options += QStringLiteral("[S%1]\nPARENTCLASS=S%2\n").arg(i).arg((i + 1) % count).toLatin1();
        if (i == 150)
            options += "COLOR=5\n";
        if (i == 0)
            options += "FONTCOLOR=7\n";
    }
    options += "[OUTSIDE]\nPARENTCLASS=S10\n[PAIRA]\nPARENTCLASS=PAIRB\n[PAIRB]\nPARENTCLASS=PAIRA\n";
    writeSkin(QStringLiteral("Loop"), options);
    manager->setSkinName(QStringLiteral("Loop"));
    ASSERT_EQ(skinInForce()->sections.size(), count + 3);

    for (int i : {0, 1, 149, 150, 151, 299}) {
        const TsGeneralData& s = section(qPrintable(QStringLiteral("S%1").arg(i)));
        EXPECT_EQ(s.color, 5) << i;
        EXPECT_EQ(s.fontColor, 7) << i;
    }
    EXPECT_EQ(section("OUTSIDE").color, 5);
    EXPECT_EQ(section("OUTSIDE").fontColor, 7);
    EXPECT_EQ(section("PAIRA").color, 0xFFFFFF);
    EXPECT_EQ(section("PAIRB").fontColor, 0);
}

TEST_F(OptionsTest, WithoutAMasterBitmapHashValuesAreNoRectangles)
{
    writeSkin(QStringLiteral("NoMaster"), "[GLOBALINFO]\nMASTERBITMAP=nothing.bmp\n[R]\nA=#(1,2,3,4)(1,0)\n");
    manager->setSkinName(QStringLiteral("NoMaster"));
    EXPECT_TRUE(skinInForce()->masterBitmap.isNull());
    EXPECT_TRUE(skinInForce()->masks.isEmpty());
    EXPECT_EQ(skinInForce()->sections.size(), 2);
}

TEST_F(OptionsTest, AnUnreadableRectangleIsReportedAndLeavesThePreviousSkinInForce)
{
    writePicture(QStringLiteral("Skins/Bad/master.bmp"), QSize(20, 20), "BMP");
    writeSkin(QStringLiteral("Bad"), "[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[BUTTON]\nBORDERSMASK=#(0,x,3,4)(1,0)\n");
    writeSkin(QStringLiteral("Short"),
              "[GLOBALINFO]\nMASTERBITMAP=..\\Bad\\master.bmp\n[BUTTON]\nBORDERSMASK=#(0,1,3)\n");
    manager->setSkinName(ferroluxSkinName);
    ASSERT_EQ(skinInForce()->sections.size(), 53);

    for (const char* name : {"Bad", "Short"}) {
        const QString error = errorMessageOf([&] { manager->setSkinName(QLatin1String(name)); });
        EXPECT_TRUE(error.contains(QStringLiteral("is not a valid integer value")))
            << name << ": " << qPrintable(error);
        EXPECT_TRUE(error.contains(QStringLiteral("BORDERSMASK")));
        EXPECT_EQ(manager->SkinName(), ferroluxSkinName);
        EXPECT_TRUE(skinData().ready);
        EXPECT_EQ(skinInForce()->skinFile, nullptr);
        EXPECT_EQ(skinInForce()->sections.size(), 53);
        EXPECT_EQ(skinInForce()->masks.size(), 69);
        EXPECT_EQ(skinInForce()->masterBitmap.size(), QSize(198, 331));
    }
}

TEST_F(OptionsTest, CommonSectionsThatCannotBeReadAreNotKept)
{
    manager->setSkinName(ferroluxSkinName);
    manager->setCommonSections({QStringLiteral("[EXTRA]"), QStringLiteral("COLOR=5")});
    EXPECT_THROW(manager->setCommonSections({QStringLiteral("[BAD]"), QStringLiteral("BORDERSMASK=#(1,2,x,4)(1,0)")}),
                 AppError);
    EXPECT_EQ(manager->CommonSections(), (QStringList{"[EXTRA]", "COLOR=5"}));
    EXPECT_EQ(skinInForce()->sections.size(), 54);
    EXPECT_NO_THROW(manager->setSkinName(ferroluxSkinName));
}

// Whatever a skin file holds, loading ends: with a skin, or with an error and the previous skin.
TEST_F(OptionsTest, MalformedFilesNeverTakeTheLoaderDown)
{
    writePicture(QStringLiteral("Skins/master.bmp"), QSize(8, 8), "BMP");
    const QByteArray files[] = {
        QByteArray("\x00\xFF\xFE[\x01\n=\n[\n]\n[]\nKEY\n", 20),
        "[GLOBALINFO]\nMASTERBITMAP=..\\master.bmp\n[A]\nX=#(((((\nY=#()()\n",
        "[GLOBALINFO]\nMASTERBITMAP=..\\master.bmp\n[A]\nX=#(-5,-5,99999,99999)(70000,-70000,99999)\n",
        "[GLOBALINFO]\nMASTERBITMAP=..\\master.bmp\n[A]\nX=#(1,2,3,4,5,6)(1,0,0,7)\n",
        "[A]\nCOLOR=99999999999999999999\nGRADIENTDATA=1;2;;x;5;6;7;8;9;10;-40;300;1;1;1\nPARENTCLASS=A\n",
        "[A]\nPATTERN=nothing.jpg\nGLYPH=C:\\nowhere\\x.bmp\n[B]\nPARENTCLASS=\n",
    };
    int loaded = 0;
    for (const QByteArray& options : files) {
        writeSkin(QStringLiteral("Odd"), options);
        // A refused skin names what it refused; a taken one is ready to paint from.
        if (errorMessageOf([&] { manager->setSkinName(QStringLiteral("Odd")); }).isEmpty()) {
            ++loaded;
            EXPECT_TRUE(skinData().ready);
        }
        for (qsizetype i = 0; i < skinInForce()->masks.size(); ++i)
            skinInForce()->stateImageSize(int(i));
    }
    EXPECT_GE(loaded, 4);
    const int a = skinInForce()->FindSection(QStringLiteral("A"));
    ASSERT_GE(a, 0);
    EXPECT_EQ(skinInForce()->sections[a].color, 0xFFFFFF);
    EXPECT_EQ(skinInForce()->sections[a].gradient.size(), 0);
}

TEST_F(OptionsTest, AnOldSkinIsRefusedWithAMessageAndLeavesNoSections)
{
    writePicture(QStringLiteral("Skins/Old/master.bmp"), QSize(20, 20), "BMP");
    writeSkin(QStringLiteral("Old"), "[GLOBALINFO]\nMASTERBITMAP=master.bmp\nVERSION=4.5\nAUTHOR=Someone\n"
                                     "[BUTTON]\nBORDERSMASK=#(0,0,6,6)(1,0)\n[tsEdit]\nCOLOR=1\n");
    manager->setSkinName(ferroluxSkinName);
    manager->setCommonSections({QStringLiteral("[EXTRA]"), QStringLiteral("COLOR=5")});
    MessageRecorder recorder;
    manager->setSkinName(QStringLiteral("Old"));
    EXPECT_EQ(recorder.texts(), QStringList{oldSkinMessage()});
    ASSERT_EQ(recorder.boxes().size(), 1);
    EXPECT_EQ(recorder.boxes()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(oldSkinMessage().startsWith(
        QStringLiteral("You use old version of skin (for Velvix 3), please download latest skins from the ")));
    EXPECT_TRUE(oldSkinMessage().endsWith(QLatin1Char('!')));
    EXPECT_TRUE(skinInForce()->sections.isEmpty());
    EXPECT_EQ(skinInForce()->masks.size(), 2);
    EXPECT_DOUBLE_EQ(skinInForce()->version, 4.5);
    EXPECT_EQ(skinInForce()->author, QStringLiteral("Someone"));
    EXPECT_TRUE(skinData().ready);
}

TEST_F(OptionsTest, CommonSectionsAddNamesTheSkinLacksAndServeAsParents)
{
    manager->setSkinName(ferroluxSkinName);
    manager->setCommonSections(
        {QStringLiteral("; a comment line keeps its blanks"), QStringLiteral("before the first header"),
         QStringLiteral("[FORM]"), QStringLiteral("COLOR = 0x10"), QStringLiteral(""), QStringLiteral("[MySection]"),
         QStringLiteral("parentclass = form"), QStringLiteral("TRANSPARENCY=0x20"), QStringLiteral("SHOWFOCUS=true"),
         QStringLiteral("[CHILDOFCOMMON]"), QStringLiteral("PARENTCLASS=MYSECTION"), QStringLiteral("HOTCOLOR=-1"),
         QStringLiteral("FADINGITERATIONS=0X"), QStringLiteral("[LONE]")});
    ASSERT_EQ(skinInForce()->sections.size(), 53 + 4);
    EXPECT_EQ(skinInForce()->FindSection(QStringLiteral("FORM")), 35);
    EXPECT_EQ(section("FORM").color, 0xD7D7D7);

    const TsGeneralData& mine = section("MYSECTION");
    EXPECT_EQ(mine.sectionName, QStringLiteral("MySection"));
    EXPECT_EQ(mine.parentClass, QStringLiteral("FORM"));
    EXPECT_EQ(mine.transparency, 0x20);
    EXPECT_EQ(mine.color, 0xD7D7D7);
    EXPECT_EQ(mine.gradientData, section("FORM").gradientData);
    EXPECT_EQ(mine.gradient.size(), 3);
    EXPECT_TRUE(mine.showFocus);
    EXPECT_TRUE(mine.reservedBoolean);

    const TsGeneralData& child = section("CHILDOFCOMMON");
    EXPECT_EQ(child.transparency, 0x20);
    EXPECT_EQ(child.hotColor, 0xD7D7D7);
    EXPECT_EQ(child.fadingIterations, 5);

    const TsGeneralData& lone = section("LONE");
    EXPECT_EQ(lone.parentClass, QStringLiteral("-1"));
    EXPECT_EQ(lone.color, 0xFFFFFF);
    EXPECT_EQ(lone.borderColor1, 0);
    EXPECT_EQ(lone.gradientData, QStringLiteral(" "));
    EXPECT_EQ(lone.hotGradientData, QString());
    // Masks follow a common section's parent into the skin.
    EXPECT_EQ(maskOf("MYSECTION", "PATTERN"), maskOf("FORM", "PATTERN"));
}

TEST_F(OptionsTest, JpegPicturesBecomePatternsOnlyWhenLarge)
{
    writePicture(QStringLiteral("Skins/Jpeg/big.jpg"), QSize(300, 300), "JPG");
    writePicture(QStringLiteral("Skins/Jpeg/small.jpeg"), QSize(299, 300), "JPG");
    writeFile(QStringLiteral("Skins/Jpeg/broken.jpg"), QByteArray("\xFF\xD8 not really", 13));
    writeSkin(QStringLiteral("Jpeg"), "[FORM]\nPATTERN=big.jpg\nHOTPATTERN=small.jpeg\n[PANEL]\nPATTERN=broken.jpg\n");
    manager->setSkinName(QStringLiteral("Jpeg"));
    ASSERT_EQ(skinInForce()->patterns.size(), 1);
    EXPECT_EQ(skinInForce()->patterns[0].propertyName, QStringLiteral("PATTERN"));
    EXPECT_EQ(skinInForce()->patterns[0].image.size(), QSize(300, 300));
    EXPECT_EQ(skinInForce()->patterns[0].image.format(), QImage::Format_BGR888);
    const int form = skinInForce()->FindSection(QStringLiteral("FORM"));
    EXPECT_EQ(skinInForce()->FindPattern(form, QStringLiteral("FORM"), QStringLiteral("PATTERN")), 0);
    const int small = skinInForce()->FindMask(form, QStringLiteral("FORM"), QStringLiteral("HOTPATTERN"));
    ASSERT_GE(small, 0);
    EXPECT_EQ(skinInForce()->masks[small].image.size(), QSize(299, 300));
    EXPECT_EQ(skinInForce()->FindPattern(skinInForce()->FindSection(QStringLiteral("PANEL")), QStringLiteral("PANEL"),
                                         QStringLiteral("PATTERN")),
              -1);
}

// Sizes are worked out from a rectangle's numbers; numbers no bitmap can have must not make them
// overflow, and the skin's author is told which ones were moved.
TEST_F(OptionsTest, RectangleNumbersBeyondAnyBitmapAreTakenAsItsEdgeAndReported)
{
    writePicture(QStringLiteral("Skins/Huge/master.bmp"), QSize(20, 20), "BMP");
    writeSkin(QStringLiteral("Huge"), "[GLOBALINFO]\nMASTERBITMAP=master.bmp\n"
                                      "[BUTTON]\nBORDERSMASK=#(-2147483648,-5,2147483647,40000)(1,0)\n"
                                      "[EDIT]\nBORDERSMASK=#(1,2,3,4)(1,0)\n");
    const LoadedSkin loaded = std::get<LoadedSkin>(loadSkinTables({path(QStringLiteral("Skins/Huge/")), {}, {}, {}}));
    const TsMaskData& huge = loaded.tables.masks[1];
    EXPECT_EQ(QList<int>({huge.left, huge.top, huge.right, huge.bottom}), QList<int>({0, 0, 32768, 32768}));
    EXPECT_EQ(huge.width(), 32768);
    EXPECT_EQ(loaded.problems.size(), 4);
    EXPECT_TRUE(
        loaded.problems.value(0).startsWith(QStringLiteral("[BUTTON] BORDERSMASK: rectangle number -2147483648")));
    const TsMaskData& plain = loaded.tables.masks[2];
    EXPECT_EQ(QList<int>({plain.left, plain.top, plain.right, plain.bottom}), QList<int>({1, 2, 3, 4}));
}

TEST_F(OptionsTest, LoaderReportsFilesItCannotUse)
{
    writeSkin(QStringLiteral("Missing"), "[GLOBALINFO]\nMASTERBITMAP=gone.bmp\n[FORM]\nPATTERN=gone.jpg\n");
    const QStringList problems =
        std::get<LoadedSkin>(loadSkinTables({path(QStringLiteral("Skins/Missing/")), {}, {}, {}})).problems;
    ASSERT_EQ(problems.size(), 2);
    EXPECT_TRUE(problems[0].contains(QStringLiteral("gone.bmp")));
    EXPECT_TRUE(problems[1].contains(QStringLiteral("gone.jpg")));
}

TEST_F(OptionsTest, TheExampleSkinLoadsByNameWithoutProblems)
{
    installExampleSkin();
    manager->setSkinName(QStringLiteral("Amberlight"));
    ASSERT_NE(skinInForce()->skinFile, nullptr);
    EXPECT_TRUE(skinInForce()->skinFolder.endsWith(QStringLiteral("Amberlight/")));
    EXPECT_EQ(skinInForce()->author, QStringLiteral("Vestoria"));
    EXPECT_EQ(skinInForce()->sections.size(), 52);
    EXPECT_EQ(skinInForce()->masterBitmap.size(), QSize(198, 331));
    EXPECT_EQ(maskOf("BUTTON", "BORDERSMASK") >= 0, true);
    EXPECT_EQ(maskOf("DIALOG", "PATTERN"), maskOf("FORM", "PATTERN"));
    EXPECT_NE(section("FORM").color, 0xD7D7D7);
    EXPECT_EQ(section("BUTTON").hotTcRight >= 0, true);

    const QStringList problems =
        std::get<LoadedSkin>(loadSkinTables({skinInForce()->skinFolder, manager->SkinName(), {}, {}})).problems;
    EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join(QLatin1Char('\n')));
}

// Window backgrounds tile the form's texture rectangle whole, so any key colour or unpainted
// black in it would show as a line or band across every window.
TEST_F(OptionsTest, TheFormTexturesOfBothShippedSkinsTileWithoutKeyColourOrBlackRows)
{
    installExampleSkin();
    for (const QString& skin : {ferroluxSkinName, QStringLiteral("Amberlight")}) {
        manager->setSkinName(skin);
        ASSERT_EQ(manager->SkinName(), skin);
        for (const char* property : {"PATTERN", "HOTPATTERN"}) {
            const int mask = maskOf("FORM", property);
            ASSERT_GE(mask, 0) << qPrintable(skin) << " " << property;
            QImage tiled(150, 150, QImage::Format_BGR888);
            tileTexture(tiled, tiled.rect(), skinInForce()->masks[mask], skinInForce()->masterBitmap);
            int keyPixels = 0;
            int blackRows = 0;
            for (int y = 0; y < tiled.height(); ++y) {
                int black = 0;
                for (int x = 0; x < tiled.width(); ++x) {
                    const QRgb colour = tiled.pixel(x, y);
                    keyPixels += colour == qRgb(255, 0, 255) ? 1 : 0;
                    black += colour == qRgb(0, 0, 0) ? 1 : 0;
                }
                blackRows += black == tiled.width() ? 1 : 0;
            }
            EXPECT_EQ(keyPixels, 0) << qPrintable(skin) << " " << property;
            EXPECT_EQ(blackRows, 0) << qPrintable(skin) << " " << property;
        }
    }
}

} // namespace
