#include "platform/applicationtitle.h"
#include "platform/guarded.h"
#include "platform/messagebox.h"
#include "platform/metrics.h"
#include "tests/support/messagerecorder.h"

#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

TEST(DefaultErrorDisplay, AddsAFullStopOnlyAfterCharactersSortingAfterIt)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Field 'x' not found", "Field 'x' not found."},
        {"database is locked", "database is locked."},
        {"Готово", "Готово."},
        {"Already stopped.", "Already stopped."},
        {"Which one?", "Which one?."},
        {"JPEG error #42", "JPEG error #42."},
        {"(1,2)", "(1,2)"},
        {"", ""},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(withFullStop(QString::fromUtf8(message)), QString::fromUtf8(shown)) << message;
}

TEST(DefaultErrorDisplay, HandlerFailuresReachTheUserAsAnErrorBox)
{
    MessageRecorder boxes;
    bool after = false;
    guarded([&] {
        throw AppError(QStringLiteral("List index out of bounds (3)"));
        after = true;
    });
    EXPECT_FALSE(after);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(boxes.boxes()[0].title, applicationTitle());
    EXPECT_EQ(boxes.boxes()[0].icon, MessageIcon::Error);
    EXPECT_EQ(boxes.boxes()[0].buttons, MessageButtons::Ok);
}

TEST(MessageBoxes, AreWideEnoughForTheirTitle)
{
    for (const char* text : {"", "x", "unable to open database file."}) {
        const auto box = makeMessageBox(
            {QStringLiteral("Application Error"), QString::fromUtf8(text), MessageIcon::Error, MessageButtons::Ok});
        box->show();
        QFont captionFont = box->font();
        captionFont.setBold(true);
        EXPECT_GT(box->width(),
                  QFontMetrics(captionFont).horizontalAdvance(box->windowTitle()) + 3 * metrics::captionHeight)
            << text;
    }
}

TEST(ApplicationTitle, IsTheExecutableNameUpToTheFirstDot)
{
    EXPECT_EQ(titleFromExecutableName(QStringLiteral("vestoria")), QStringLiteral("Vestoria"));
    EXPECT_EQ(titleFromExecutableName(QStringLiteral("VESTORIA.EXE")), QStringLiteral("Vestoria"));
    EXPECT_EQ(titleFromExecutableName(QStringLiteral("my.book.exe")), QStringLiteral("My"));
}

} // namespace
