#include "platform/fontlistreader.h"

#include <QFontDatabase>
#include <QStringList>
#include <gtest/gtest.h>

// A start that fails before the application object exists destroys a reader that was never told
// of it: the thread must end rather than wait for ever. One that was told has read the toolkit's
// list by the time it is gone.
TEST(FontListReaderTest, EndsWhenDestroyedWhetherOrNotTheApplicationWasAnnounced)
{
    {
        const FontListReader neverTold;
    }
    {
        FontListReader told;
        told.applicationMade();
    }
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
}
