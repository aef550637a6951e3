#include "tests/skin/core/skinprobe.h"

#include "skin/core/ferroluxskin.h"
#include "skin/core/skinloader.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QPainter>

namespace {

// The internal skin's tables, ready for painting, without any manager or broadcast.
class CommonDataTest : public SkinFixture {
protected:
    void loadSkin()
    {
        const SkinSource source{{}, ferroluxSkinName, {ferroluxSkin()}, {}};
        setCurrentSkin(std::get<LoadedSkin>(loadSkinTables(source)).tables);
        skinData().ready = true;
    }

    QWidget parent;
};

TEST_F(CommonDataTest, SectionAssignment)
{
    SkinProbe probe(&parent);
    probe.skin.setSkinSection(QString());
    EXPECT_EQ(probe.skin.SkinSection(), QStringLiteral("UNKNOWN"));

    // Before any skin: the name is kept, the index waits for the new-skin message.
    probe.skin.setSkinSection(QStringLiteral("Button"));
    EXPECT_EQ(probe.skin.skinIndex, -1);
    loadSkin();
    sendSkinMessage(&probe, SKM_SETNEWSKIN);
    EXPECT_EQ(probe.skin.skinIndex, FindSection(QStringLiteral("BUTTON")));
    EXPECT_GE(probe.skin.borderIndex, 0);
    EXPECT_TRUE(probe.skin.updatingFlag);
    EXPECT_EQ(sendSkinMessage(&probe, SKM_GETSKININDEX), probe.skin.skinIndex + 1);

    // The same value again does nothing at all, not even mark the cache stale.
    probe.skin.bgChanged = false;
    probe.skin.setSkinSection(QStringLiteral("Button"));
    EXPECT_FALSE(probe.skin.bgChanged);

    probe.skin.setSkinSection(QStringLiteral("TABSHEET"));
    EXPECT_EQ(probe.skin.skinIndex, -1);
    EXPECT_EQ(probe.skin.borderIndex, -1);
    EXPECT_FALSE(probe.skin.skinned());
    EXPECT_EQ(sendSkinMessage(&probe, SKM_GETSKININDEX), 0);
    EXPECT_TRUE(probe.skin.bgChanged);
}

TEST(CommonDataKinds, DefaultSectionByControlKind)
{
    const struct {
        int kind;
        const char* section;
    } cases[] = {
        {3, "EDIT"}, {7, "EDIT"}, {96, "EDIT"}, {97, "EDIT"}, {227, "EDIT"}, {12, "COMBOBOX"}, {82, "COMBOBOX"},
        {32, "CHECKBOX"}, {33, "RADIOBUTTON"}, {51, "PANEL"}, {73, "PANEL"}, {60, "TOOLBAR"}, {56, "DRAGBAR"},
        {57, "TABSHEET"}, {58, "PANEL_LOW"}, {74, "GROUPBOX"}, {226, "GROUPBOX"}, {75, "SPLITTER"},
        {92, "SPEEDBUTTON"}, {93, "BUTTON"}, {94, "BUTTON"}, {98, "TOOLBUTTON"}, {141, "PAGECONTROL"},
        {143, "TABCONTROL"}, {151, "STATUSBAR"}, {161, "GAUGE"}, {165, "TRACKBAR"}, {142, "TsScrollBar"},
        {224, "TsScrollBar"}, {0, "TsScrollBar"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TsCommonData::defaultSectionForKind(c.kind, QStringLiteral("TsScrollBar")), QLatin1String(c.section))
            << c.kind;
}

TEST_F(CommonDataTest, ContainersNeverTurnHotFromTheMouse)
{
    SkinProbe panel(&parent, 51);
    SkinProbe button(&parent, 93);
    for (SkinProbe* probe : {&panel, &button}) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(probe, &enter);
    }
    EXPECT_FALSE(panel.skin.mouseAbove);
    EXPECT_FALSE(panel.skin.hot());
    EXPECT_TRUE(button.skin.mouseAbove);
    EXPECT_TRUE(button.skin.hot());

    button.setEnabled(false);
    EXPECT_FALSE(button.skin.mouseAbove);
    EXPECT_FALSE(button.skin.hot());
    button.setEnabled(true);

    QEvent leave(QEvent::Leave);
    button.skin.mouseAbove = true;
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.skin.mouseAbove);
}

TEST_F(CommonDataTest, FocusCountsOnlyForControlsReachedByTab)
{
    SkinProbe tabStop(&parent, 93);
    tabStop.setFocusPolicy(Qt::StrongFocus);
    SkinProbe noStop(&parent, 93);
    noStop.setFocusPolicy(Qt::NoFocus);
    for (SkinProbe* probe : {&tabStop, &noStop}) {
        probe->skin.bgChanged = false;
        QFocusEvent in(QEvent::FocusIn);
        QCoreApplication::sendEvent(probe, &in);
    }
    EXPECT_TRUE(tabStop.skin.focused);
    EXPECT_TRUE(tabStop.skin.bgChanged);
    EXPECT_TRUE(tabStop.skin.hot());
    EXPECT_FALSE(noStop.skin.focused);
    EXPECT_FALSE(noStop.skin.bgChanged);

    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(&tabStop, &out);
    EXPECT_FALSE(tabStop.skin.focused);
}

TEST_F(CommonDataTest, AChildWaitsWhileItsParentIsStaleOrUpdating)
{
    loadSkin();
    SkinProbe outer(&parent, 51);
    SkinProbe child(&outer, 93);
    child.skin.updatingFlag = false;
    outer.skin.updatingFlag = false;

    outer.skin.bgChanged = true;
    EXPECT_EQ(sendSkinMessage(&outer, SKM_ISUPDATING), 1);
    EXPECT_TRUE(child.skin.updating());

    outer.skin.bgChanged = false;
    EXPECT_EQ(sendSkinMessage(&outer, SKM_ISUPDATING), 0);
    EXPECT_FALSE(child.skin.updating());

    sendSkinMessage(&outer, SKM_SETUPDATING, 0, 1);
    EXPECT_TRUE(child.skin.updating());
    sendSkinMessage(&outer, SKM_SETUPDATING, 0, 0);

    skinData().ready = false;
    EXPECT_TRUE(child.skin.updating());
    skinData().ready = true;
    EXPECT_FALSE(child.skin.updating());
}

TEST_F(CommonDataTest, ParentCacheComesFromTheParentsAnswer)
{
    SkinProbe withCache(&parent, 51, true);
    withCache.resize(30, 20);
    withCache.skin.prepareCacheBitmap();
    EXPECT_EQ(withCache.skin.cacheBitmap.size(), QSize(30, 20));
    EXPECT_EQ(withCache.skin.cacheBitmap.format(), QImage::Format_BGR888);
    SkinProbe child(&withCache, 93);
    const TsCacheInfo info = child.skin.parentCache();
    EXPECT_TRUE(info.ready);
    EXPECT_EQ(info.bitmap, &withCache.skin.cacheBitmap);

    SkinProbe withoutCache(&parent, 51, false);
    SkinProbe orphanChild(&withoutCache, 93);
    EXPECT_FALSE(orphanChild.skin.parentCache().ready);

    SkinProbe top(nullptr, 93);
    EXPECT_FALSE(top.skin.parentCache().ready);
    EXPECT_EQ(top.skin.parentCache().bitmap, nullptr);
}

TEST_F(CommonDataTest, MessagesSetTheirFlags)
{
    loadSkin();
    SkinProbe probe(&parent, 93);
    SkinProbe child(&probe, 93);

    sendSkinMessage(&probe, SKM_SETBGCHANGED, 0, 0);
    EXPECT_FALSE(probe.skin.bgChanged);
    sendSkinMessage(&probe, SKM_SETBGCHANGED, 0, 1);
    EXPECT_TRUE(probe.skin.bgChanged);

    sendSkinMessage(&probe, SKM_PREPARECACHE, 1);
    EXPECT_TRUE(probe.skin.cachePreparedByCaller);
    sendSkinMessage(&probe, SKM_PREPARECACHE, 0);
    EXPECT_FALSE(probe.skin.cachePreparedByCaller);

    probe.skin.halfVisible = true;
    EXPECT_EQ(sendSkinMessage(&probe, SKM_ISHALFVISIBLE), 1);

    sendSkinMessage(&probe, SKM_SETPAINTINGCHILD, 0, toLParam(&child));
    EXPECT_EQ(probe.skin.paintingChild, &child);
    sendSkinMessage(&probe, SKM_SETPAINTINGCHILD, 0, 0);
    EXPECT_EQ(probe.skin.paintingChild, nullptr);

    // Only a transparent section cares that its parent's background changed.
    probe.skin.setSkinSection(QStringLiteral("BUTTON"));
    probe.skin.bgChanged = false;
    sendSkinMessage(&probe, SKM_PARENTBGCHANGED);
    EXPECT_FALSE(probe.skin.bgChanged);
    probe.skin.setSkinSection(QStringLiteral("GROUPBOX"));
    probe.skin.bgChanged = false;
    sendSkinMessage(&probe, SKM_PARENTBGCHANGED);
    EXPECT_TRUE(probe.skin.bgChanged);

    probe.skin.updatingFlag = true;
    sendSkinMessage(&probe, SKM_REPAINT);
    EXPECT_FALSE(probe.skin.updatingFlag);
    EXPECT_TRUE(probe.skin.bgChanged);

    // Unknown skin message values pass through.
    SkinMessageEvent unknown(0xA51E, 0, 0);
    EXPECT_FALSE(probe.skin.handleMessage(&unknown));
}

TEST_F(CommonDataTest, CopyingTheCacheToTheWindowLeavesOutOpaqueAndWindowlessChildren)
{
    SkinProbe control(&parent, 51);
    control.resize(12, 4);
    control.skin.prepareCacheBitmap();
    control.skin.cacheBitmap.fill(Qt::red);
    auto* opaque = new QWidget(&control);
    opaque->setGeometry(0, 0, 2, 4);
    opaque->setAutoFillBackground(true);
    auto* windowless = new QWidget(&control);
    windowless->setGeometry(4, 0, 2, 4);
    windowless->setProperty(TsCommonData::windowlessProperty, true);
    auto* seeThrough = new QWidget(&control);
    seeThrough->setGeometry(8, 0, 2, 4);
    auto* hidden = new QWidget(&control);
    hidden->setGeometry(10, 0, 2, 4);
    hidden->setAutoFillBackground(true);
    control.show();
    hidden->hide();

    QImage window(12, 4, QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter painter(&window);
    control.skin.copyCacheToWindow(&control, painter, QRect(0, 0, 12, 4));
    painter.end();
    QString row;
    for (int x = 0; x < 12; ++x)
        row += window.pixel(x, 1) == qRgb(255, 0, 0) ? QLatin1Char('r') : QLatin1Char('.');
    EXPECT_EQ(row, QStringLiteral("..rr..rrrrrr"));
}

TEST_F(CommonDataTest, RemoveSkinLeavesADyingControlAlone)
{
    loadSkin();
    SkinProbe probe(&parent, 93);
    probe.resize(10, 10);
    probe.skin.prepareCacheBitmap();
    const int index = probe.skin.skinIndex;
    ASSERT_GE(index, 0);
    probe.skin.setOwnerDestroying();
    sendSkinMessage(&probe, SKM_REMOVESKIN);
    EXPECT_EQ(probe.skin.skinIndex, index);
    EXPECT_EQ(probe.skin.cacheBitmap.size(), QSize(10, 10));
    EXPECT_FALSE(probe.skin.skinned());
}

} // namespace
