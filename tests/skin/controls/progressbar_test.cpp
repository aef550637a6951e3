#include "skin/controls/tsprogressbar.h"

#include "platform/form.h"
#include "tests/skin/controls/internalskinfixture.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

class ProgressBar : public InternalSkinFixture {
protected:
    void SetUp() override
    {
        InternalSkinFixture::SetUp();
        window =
            std::make_unique<Form>(QStringLiteral("ProgressForm"), QStringLiteral("Окно"), QRect(50, 50, 320, 120));
        bar = new TsProgressBar(window->client());
        bar->setGeometry(10, 10, 204, 20);
        bar->setTextVisible(false);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override
    {
        window.reset();
        InternalSkinFixture::TearDown();
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

    std::unique_ptr<Form> window;
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
