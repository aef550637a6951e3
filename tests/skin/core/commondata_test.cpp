#include "tests/skin/core/skinprobe.h"
#include "skin/core/skininforce.h"

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
        putSkinInForce(std::get<LoadedSkin>(loadSkinTables(source)).tables);
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
    EXPECT_EQ(probe.skin.skinIndex(), -1);
    loadSkin();
    sendSkinMessage(&probe, SKM_SETNEWSKIN);
    EXPECT_EQ(probe.skin.skinIndex(), skinInForce()->FindSection(QStringLiteral("BUTTON")));
    EXPECT_GE(probe.skin.borderIndex(), 0);
    EXPECT_TRUE(probe.skin.suspended());
    EXPECT_EQ(sendSkinMessage(&probe, SKM_GETSKININDEX), probe.skin.skinIndex() + 1);

    // The same value again does nothing at all, not even mark the cache stale.
    probe.skin.markPainted();
    probe.skin.setSkinSection(QStringLiteral("Button"));
    EXPECT_FALSE(probe.skin.stale());

    probe.skin.setSkinSection(QStringLiteral("TABSHEET"));
    EXPECT_EQ(probe.skin.skinIndex(), -1);
    EXPECT_EQ(probe.skin.borderIndex(), -1);
    EXPECT_FALSE(probe.skin.skinned());
    EXPECT_EQ(sendSkinMessage(&probe, SKM_GETSKININDEX), 0);
    EXPECT_TRUE(probe.skin.stale());
}

TEST_F(CommonDataTest, ContainersNeverTurnHotFromTheMouse)
{
    SkinProbe panel(&parent, ControlKind::Panel);
    SkinProbe button(&parent, ControlKind::Button);
    for (SkinProbe* probe : {&panel, &button}) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(probe, &enter);
    }
    EXPECT_FALSE(panel.skin.mouseAbove());
    EXPECT_FALSE(panel.skin.hot());
    EXPECT_TRUE(button.skin.mouseAbove());
    EXPECT_TRUE(button.skin.hot());

    button.setEnabled(false);
    EXPECT_FALSE(button.skin.mouseAbove());
    EXPECT_FALSE(button.skin.hot());
    button.setEnabled(true);

    QEvent leave(QEvent::Leave);
    button.skin.setMouseAbove(true);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.skin.mouseAbove());
}

TEST_F(CommonDataTest, FocusCountsOnlyForControlsReachedByTab)
{
    SkinProbe tabStop(&parent, ControlKind::Button);
    tabStop.setFocusPolicy(Qt::StrongFocus);
    SkinProbe noStop(&parent, ControlKind::Button);
    noStop.setFocusPolicy(Qt::NoFocus);
    for (SkinProbe* probe : {&tabStop, &noStop}) {
        probe->skin.markPainted();
        QFocusEvent in(QEvent::FocusIn);
        QCoreApplication::sendEvent(probe, &in);
    }
    EXPECT_TRUE(tabStop.skin.focused());
    EXPECT_TRUE(tabStop.skin.stale());
    EXPECT_TRUE(tabStop.skin.hot());
    EXPECT_FALSE(noStop.skin.focused());
    EXPECT_FALSE(noStop.skin.stale());

    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(&tabStop, &out);
    EXPECT_FALSE(tabStop.skin.focused());
}

TEST_F(CommonDataTest, AChildWaitsWhileItsParentIsStaleOrUpdating)
{
    loadSkin();
    SkinProbe outer(&parent, ControlKind::Panel);
    SkinProbe child(&outer, ControlKind::Button);
    sendSkinMessage(&child, SKM_SETUPDATING, 0, 0);
    sendSkinMessage(&outer, SKM_SETUPDATING, 0, 0);

    outer.skin.markStale();
    EXPECT_EQ(sendSkinMessage(&outer, SKM_ISUPDATING), 1);
    EXPECT_TRUE(child.skin.updating());

    outer.skin.markPainted();
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
    SkinProbe withCache(&parent, ControlKind::Panel, true);
    withCache.resize(30, 20);
    withCache.skin.prepareCacheBitmap();
    EXPECT_EQ(withCache.skin.cache().size(), QSize(30, 20));
    EXPECT_EQ(withCache.skin.cache().format(), QImage::Format_BGR888);
    SkinProbe child(&withCache, ControlKind::Button);
    const TsCacheInfo info = child.skin.parentCache();
    EXPECT_TRUE(info.ready);
    EXPECT_EQ(info.bitmap, &withCache.skin.cache());

    SkinProbe withoutCache(&parent, ControlKind::Panel, false);
    SkinProbe orphanChild(&withoutCache, ControlKind::Button);
    EXPECT_FALSE(orphanChild.skin.parentCache().ready);

    SkinProbe top(nullptr, ControlKind::Button);
    EXPECT_FALSE(top.skin.parentCache().ready);
    EXPECT_EQ(top.skin.parentCache().bitmap, nullptr);
}

// The answer travels in the request: a parent that keeps quiet leaves its child without a cache,
// however recently another parent answered another child.
TEST_F(CommonDataTest, AParentThatDoesNotAnswerGivesNoCacheEvenRightAfterOneThatDid)
{
    SkinProbe answering(&parent, ControlKind::Panel, true);
    answering.resize(30, 20);
    answering.skin.prepareCacheBitmap();
    SkinProbe answered(&answering);
    QWidget silent(&parent);
    SkinProbe unanswered(&silent);

    ASSERT_TRUE(answered.skin.parentCache().ready);
    const TsCacheInfo info = unanswered.skin.parentCache();
    EXPECT_FALSE(info.ready);
    EXPECT_EQ(info.bitmap, nullptr);
}

TEST_F(CommonDataTest, MessagesSetTheirFlags)
{
    loadSkin();
    SkinProbe probe(&parent, ControlKind::Button);
    SkinProbe child(&probe, ControlKind::Button);

    sendSkinMessage(&probe, SKM_SETBGCHANGED, 0, 0);
    EXPECT_FALSE(probe.skin.stale());
    sendSkinMessage(&probe, SKM_SETBGCHANGED, 0, 1);
    EXPECT_TRUE(probe.skin.stale());

    sendSkinMessage(&probe, SKM_PREPARECACHE, 1);
    EXPECT_TRUE(probe.skin.cachePreparedByCaller());
    sendSkinMessage(&probe, SKM_PREPARECACHE, 0);
    EXPECT_FALSE(probe.skin.cachePreparedByCaller());

    EXPECT_EQ(sendSkinMessage(&probe, SKM_ISHALFVISIBLE), 0);
    parent.resize(100, 100);
    probe.setGeometry(90, 90, 20, 20);
    probe.skin.followVisibleArea();
    EXPECT_EQ(sendSkinMessage(&probe, SKM_ISHALFVISIBLE), 1);

    sendSkinMessage(&probe, SKM_SETPAINTINGCHILD, 0, toLParam(&child));
    EXPECT_EQ(probe.skin.paintingChild(), &child);
    sendSkinMessage(&probe, SKM_SETPAINTINGCHILD, 0, 0);
    EXPECT_EQ(probe.skin.paintingChild(), nullptr);

    // Only a transparent section cares that its parent's background changed.
    probe.skin.setSkinSection(QStringLiteral("BUTTON"));
    probe.skin.markPainted();
    sendSkinMessage(&probe, SKM_PARENTBGCHANGED);
    EXPECT_FALSE(probe.skin.stale());
    probe.skin.setSkinSection(QStringLiteral("GROUPBOX"));
    probe.skin.markPainted();
    sendSkinMessage(&probe, SKM_PARENTBGCHANGED);
    EXPECT_TRUE(probe.skin.stale());

    sendSkinMessage(&probe, SKM_SETUPDATING, 0, 1);
    sendSkinMessage(&probe, SKM_REPAINT);
    EXPECT_FALSE(probe.skin.suspended());
    EXPECT_TRUE(probe.skin.stale());

    // Unknown skin message values pass through.
    SkinMessageEvent unknown(0xA51E, 0, 0);
    EXPECT_FALSE(probe.skin.handleMessage(&unknown));
}

TEST_F(CommonDataTest, CopyingTheCacheToTheWindowLeavesOutOpaqueAndWindowlessChildren)
{
    SkinProbe control(&parent, ControlKind::Panel);
    control.resize(12, 4);
    control.skin.prepareCacheBitmap();
    control.skin.cache().fill(Qt::red);
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
    SkinProbe probe(&parent, ControlKind::Button);
    probe.resize(10, 10);
    probe.skin.prepareCacheBitmap();
    const int index = probe.skin.skinIndex();
    ASSERT_GE(index, 0);
    probe.skin.setOwnerDestroying();
    sendSkinMessage(&probe, SKM_REMOVESKIN);
    EXPECT_EQ(probe.skin.skinIndex(), index);
    EXPECT_EQ(probe.skin.cache().size(), QSize(10, 10));
    EXPECT_FALSE(probe.skin.skinned());
}

} // namespace
