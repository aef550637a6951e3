#include "app/installedcourse.h"
#include "app/startup.h"
#include "app/tform1.h"
#include "app/usercourse.h"
#include "platform/programfolder.h"
#include "tests/support/casename.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/testcourse.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// An installed tree as the package lays it out under some prefix (bin/ and share/vestoria/), whose
// course is the temporary course, and an empty home for the user's data.
class InstalledCourse : public ::testing::Test {
protected:
    void SetUp() override
    {
        course_.exec(QStringLiteral("INSERT INTO Lekcia (tema, file) VALUES ('Телеграф', 'a.htm')"));
        course_.writeFile(QStringLiteral("Teoria/a.htm"), "<p>Телеграф</p>");
        QDir().mkpath(bin());
        QDir().mkpath(installed() + QStringLiteral("/Skins/Amberlight"));
        QFile::copy(course_.databasePath(), installed() + QStringLiteral("/db1.mdb"));
        QDir().mkpath(installed() + QStringLiteral("/Teoria"));
        QFile::copy(course_.path() + QStringLiteral("/Teoria/a.htm"), installed() + QStringLiteral("/Teoria/a.htm"));
        previousVersion_ = QCoreApplication::applicationVersion();
        QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));
    }
    void TearDown() override { QCoreApplication::setApplicationVersion(previousVersion_); }

    QString bin() const { return root_.path() + QStringLiteral("/opt/vestoria/bin"); }
    QString installed() const { return root_.path() + QStringLiteral("/opt/vestoria/share/vestoria"); }
    QString userFolder() const { return root_.path() + QStringLiteral("/home/.local/share/Vestoria"); }
    QString userDatabase() const { return userFolder() + QStringLiteral("/db1.mdb"); }
    QStringList results(const QString& database) const
    {
        return TestCourse::rowsOf(database, QStringLiteral("SELECT fio FROM result"));
    }
    void copyMadeBy(const QString& version) const
    {
        ASSERT_EQ(UserCourse(installed(), userFolder(), version).prepare(), userFolder());
    }

    TestCourse course_;
    QTemporaryDir root_;
    QString previousVersion_;
};

TEST_F(InstalledCourse, FirstStartMakesTheUsersCopyAndTheNextStartKeepsWhatWasStored)
{
    MessageRecorder boxes;
    ASSERT_TRUE(placeInstalledCourse(bin(), userFolder()));
    EXPECT_EQ(programFolder(), QDir::toNativeSeparators(userFolder() + u'/'));
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(userFolder()).canonicalPath());
    EXPECT_TRUE(QFileInfo(userFolder() + QStringLiteral("/Teoria/a.htm")).isFile());
    EXPECT_EQ(QFileInfo(userFolder() + QStringLiteral("/Skins")).symLinkTarget(),
              installed() + QStringLiteral("/Skins"));
    ASSERT_TRUE(createProgram());
    showStartWindow();
    EXPECT_TRUE(Form1->isVisible());
    TestCourse::rowsOf(userDatabase(), QStringLiteral("INSERT INTO result (fio, kol) VALUES ('Иванова', 17)"));
    destroyProgram();

    ASSERT_TRUE(placeInstalledCourse(bin(), userFolder()));
    ASSERT_TRUE(createProgram());
    destroyProgram();
    EXPECT_EQ(results(userDatabase()), QStringList{QStringLiteral("Иванова")});
    EXPECT_TRUE(results(installed() + QStringLiteral("/db1.mdb")).isEmpty()) << "the installed course is read only";
    EXPECT_TRUE(boxes.empty()) << boxes.texts().join(u'\n').toStdString();
}

TEST_F(InstalledCourse, PortableFolderAndClassroomServerMakeNoCopy)
{
    QDir().mkpath(bin() + QStringLiteral("/Teoria"));
    EXPECT_TRUE(installedCourseFolder(bin()).isEmpty());
    EXPECT_TRUE(placeInstalledCourse(bin(), userFolder()));
    EXPECT_EQ(programFolder(), QDir::toNativeSeparators(course_.path() + u'/'));
    QDir(bin() + QStringLiteral("/Teoria")).removeRecursively();

    // With a server the lectures are read from the installed course, the rest from the server.
    qputenv("PGSERVICE", "vestoria-lab");
    const bool placed = placeInstalledCourse(bin(), userFolder());
    qunsetenv("PGSERVICE");
    EXPECT_TRUE(placed);
    EXPECT_EQ(programFolder(), QDir::toNativeSeparators(installed() + u'/'));
    EXPECT_FALSE(QFileInfo::exists(userFolder()));
}

struct OfferCase {
    const char* name;
    MessageAnswer answer;
    QStringList resultsAfter;
};

class NewerInstalledCourse : public InstalledCourse, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(NewerInstalledCourse, IsOfferedOnceAndTakingItKeepsTheOldCopy)
{
    copyMadeBy(QStringLiteral("1.9"));
    TestCourse::rowsOf(userDatabase(), QStringLiteral("INSERT INTO result (fio, kol) VALUES ('Петров', 12)"));
    MessageRecorder boxes;
    boxes.answerWith(GetParam().answer);
    copyMadeBy(QStringLiteral("2.0"));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(boxes.boxes()[0].text.contains(QStringLiteral("(2.0)"))) << boxes.boxes()[0].text.toStdString();
    EXPECT_EQ(results(userDatabase()), GetParam().resultsAfter);
    const QStringList backups = QDir(userFolder()).entryList({QStringLiteral("Прежний курс 1.9 *")}, QDir::Dirs);
    if (GetParam().answer == MessageAnswer::Yes) {
        ASSERT_EQ(backups.size(), 1);
        EXPECT_EQ(results(userFolder() + u'/' + backups[0] + QStringLiteral("/db1.mdb")),
                  QStringList{QStringLiteral("Петров")});
    } else {
        EXPECT_TRUE(backups.isEmpty());
    }

    copyMadeBy(QStringLiteral("2.0"));
    EXPECT_EQ(boxes.boxes().size(), 1) << "asked again";
}

INSTANTIATE_TEST_SUITE_P(Cases, NewerInstalledCourse,
                         ::testing::Values(OfferCase{"Taken", MessageAnswer::Yes, {}},
                                           OfferCase{"Declined", MessageAnswer::No, {QStringLiteral("Петров")}}),
                         CaseName());

TEST_F(InstalledCourse, OlderOrSameInstalledCourseIsNotOffered)
{
    copyMadeBy(QStringLiteral("2.0"));
    MessageRecorder boxes;
    copyMadeBy(QStringLiteral("1.0"));
    copyMadeBy(QStringLiteral("2.0"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(InstalledCourse, InterruptedCopyIsMadeAgainWithoutLosingWhatWasThere)
{
    // A copy cut short before its database was in place, and a lecture the student kept there.
    QDir().mkpath(userFolder() + QStringLiteral("/.incoming/Teoria"));
    QDir().mkpath(userFolder() + QStringLiteral("/Teoria"));
    QFile notes(userFolder() + QStringLiteral("/Teoria/notes.htm"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.close();
    copyMadeBy(QStringLiteral("2.0"));
    EXPECT_TRUE(QFileInfo(userFolder() + QStringLiteral("/Teoria/a.htm")).isFile());
    EXPECT_FALSE(QFileInfo::exists(userFolder() + QStringLiteral("/.incoming")));
    const QStringList backups = QDir(userFolder()).entryList({QStringLiteral("Прежний курс *")}, QDir::Dirs);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(QFileInfo(userFolder() + u'/' + backups[0] + QStringLiteral("/Teoria/notes.htm")).isFile());
}

TEST_F(InstalledCourse, DataFolderThatCannotBeMadeEndsTheStartWithItsName)
{
    // A file where the data folder belongs: even the administrator cannot make the folder there.
    QDir().mkpath(root_.path() + QStringLiteral("/home/.local/share"));
    QFile inTheWay(userFolder());
    ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    MessageRecorder boxes;
    EXPECT_FALSE(placeInstalledCourse(bin(), userFolder()));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("Application Error"));
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith(QDir::toNativeSeparators(userFolder()) + QStringLiteral(": ")))
        << boxes.boxes()[0].text.toStdString();
    EXPECT_EQ(programFolder(), QDir::toNativeSeparators(course_.path() + u'/'));
}

} // namespace
