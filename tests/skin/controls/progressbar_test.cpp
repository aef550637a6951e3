#include "skin/controls/tsprogressbar.h"
#include "skin/core/ferroluxskin.h"
#include "skin/core/tsskinmanager.h"

#include "platform/form.h"
#include "tests/skin/core/skinprobe.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class ProgressBar : public SkinFixture {
protected:
    void SetUp() override
    {
        SkinFixture::SetUp();
        manager = newManager();
        manager->setInternalSkins({ferroluxSkin()});
        manager->setSkinName(ferroluxSkinName);
        bar = new TsProgressBar(window.client());
        bar->setGeometry(10, 10, 204, 20);
        bar->setTextVisible(false);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QImage picture() const
    {
        QCoreApplication::processEvents();
        return bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The columns along the bar's middle line whose colour is not that of the empty trough.
    int columnsChangedFrom(const QImage& empty) const
    {
        const QImage now = picture();
        int changed = 0;
        for (int x = 0; x < now.width(); ++x)
            changed += now.pixel(x, now.height() / 2) != empty.pixel(x, empty.height() / 2) ? 1 : 0;
        return changed;
    }

    TsSkinManager* manager = nullptr;
    Form window{QStringLiteral("ProgressForm"), QStringLiteral("Окно"), QRect(50, 50, 320, 120)};
    TsProgressBar* bar = nullptr;
};

// The part done is painted from the skin over the trough, as wide as the share done, and follows
// every step; the trough's border is never painted over.
TEST_F(ProgressBar, ThePartDoneGrowsWithTheValueInsideTheTrough)
{
    ASSERT_TRUE(bar->skinActive());
    bar->setValue(0);
    const QImage empty = picture();
    const int trough = bar->width() - 4;
    for (const int value : {25, 50, 100}) {
        bar->setValue(value);
        EXPECT_EQ(bar->doneRect(), QRect(2, 2, trough * value / 100, bar->height() - 4)) << value;
        EXPECT_EQ(columnsChangedFrom(empty), trough * value / 100) << value;
    }
    bar->setRange(0, 0);
    EXPECT_TRUE(bar->doneRect().isEmpty()) << "a bar with no range has no part done";
    EXPECT_EQ(columnsChangedFrom(empty), 0);
}

} // namespace
