#include "platform/shellopen.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ShellOpen, WholeRelativeCoursePathIsResolvedAgainstTheWorkingDirectory)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    // Far longer than any fixed-size buffer of 80 characters would hold.
    const QString longName = QString(120, u'д') + QStringLiteral(" (версия 2).ppt");
    const QString course = QStringLiteral("Teoria\\Present\\") + longName;
    EXPECT_EQ(shellOpenTarget(course), QDir::cleanPath(dir.path() + QStringLiteral("/Teoria/Present/") + longName));
    EXPECT_EQ(shellOpenTarget(QStringLiteral("/abs/file.avi")), QStringLiteral("/abs/file.avi"));
    QDir::setCurrent(previous);
}

} // namespace
