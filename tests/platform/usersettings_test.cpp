#include "platform/usersettings.h"
#include "tests/support/messagerecorder.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(UserSettings, SettingsThatCannotBeWrittenAreToldOnce)
{
    QTemporaryDir folder;
    MessageRecorder boxes;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.filePath(QStringLiteral("writable")));
    storeUserSetting(QStringLiteral("zoom"), 2);
    EXPECT_EQ(userSettings()->value(QStringLiteral("zoom")).toInt(), 2);
    EXPECT_TRUE(boxes.empty());

    // A file where the configuration folder should be stands for one that cannot be written.
    QFile blocker(folder.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.filePath(QStringLiteral("blocked/config")));
    storeUserSetting(QStringLiteral("zoom"), 3);
    storeUserSetting(QStringLiteral("places/a.htm"), 0.5);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].startsWith(QStringLiteral("Настройки программы не удаётся сохранить в файле")))
        << boxes.texts()[0].toStdString();
    EXPECT_EQ(boxes.boxes()[0].icon, MessageIcon::Warning);
}

} // namespace
