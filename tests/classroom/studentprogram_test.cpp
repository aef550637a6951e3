#include "app/startup.h"
#include "data/answerjournal.h"
#include "data/classroomschema.h"
#include "data/tdatamodule2.h"
#include "platform/usersettings.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tsradiobutton.h"
#include "skin/controls/tsradiogroup.h"
#include "skin/controls/tstreeview.h"
#include "data/statement.h"
#include "data/table.h"
#include "teacher/tform10.h"
#include "teacher/tform9.h"
#include "testing/grading.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "testing/tform6.h"
#include "tests/classroom/studentprogram.h"

#include <QFile>
#include <algorithm>
#include <QSet>
#include <QSettings>
#include <QTest>

namespace {

TEST_F(StudentProgram, TwoStudentsGetTheirOwnDistinctQuestionsAndOneGradedResultEach)
{
    const QList<qint64> first = takeTest(QStringLiteral("Иванов"));
    const QList<qint64> second = takeTest(QStringLiteral("Петрова"));
    ASSERT_EQ(first.size(), 20);
    ASSERT_EQ(second.size(), 20);
    EXPECT_EQ(QSet<qint64>(first.begin(), first.end()).size(), 20);
    EXPECT_EQ(QSet<qint64>(second.begin(), second.end()).size(), 20);
    EXPECT_NE(first, second);
    // Answer "B" is right for questions 1, 6, 11, …: the server counted exactly those.
    const auto rightOf = [](const QList<qint64>& drawn) {
        return static_cast<int>(std::count_if(drawn.begin(), drawn.end(), [](qint64 n) { return n % 5 == 1; }));
    };
    EXPECT_EQ(ownerRows(QStringLiteral("SELECT fio, kol, ocenka FROM result ORDER BY rowid")),
              (QStringList{QStringLiteral("Иванов|20|") + gradeFor(rightOf(first), 20).letter,
                           QStringLiteral("Петрова|20|") + gradeFor(rightOf(second), 20).letter}));
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(u'\n').toStdString();
}

TEST_F(StudentProgram, AServerThatCannotBeReachedEndsTheStartWithTheApplicationError)
{
    userSettings()->setValue(QStringLiteral("Classroom/connection"),
                             QStringLiteral("host=127.0.0.1 port=1 dbname=vestoria user=vestoria_student "
                                            "password=secret connect_timeout=2"));
    EXPECT_FALSE(createProgram());
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].startsWith(QStringLiteral("Сервер курса (host=127.0.0.1 port=1")))
        << boxes.texts()[0].toStdString();
    EXPECT_FALSE(boxes.texts()[0].contains(QLatin1String("secret")));
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("Application Error"));
}

} // namespace

namespace {

// Every way a server can refuse a student's program ends the start plainly and leaves nothing
// behind: no result, no journal.
TEST_F(StudentProgram, ARefusedConnectionIsToldPlainlyAndChangesNothing)
{
    const QString wrongPasswords = course.path() + QStringLiteral("/wrong-pgpass");
    QFile file(wrongPasswords);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("*:*:*:%1:неверный\n").arg(classroomSchema::studentRole).toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const struct {
        QString setting;
        QString said;
    } cases[] = {
        {QStringLiteral("host=127.0.0.1 port=1 dbname=vestoria user=vestoria_student"), QStringLiteral("refused")},
        {roleConnection(classroomSchema::studentRole) + QStringLiteral(" passfile=") + wrongPasswords,
         QStringLiteral("password authentication failed")},
        {studentSetting(QStringLiteral("sslmode=require")), QStringLiteral("server does not support SSL")},
    };
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.setting.toStdString());
        boxes.clear();
        userSettings()->setValue(QStringLiteral("Classroom/connection"), refused.setting);
        EXPECT_FALSE(createProgram());
        ASSERT_EQ(boxes.texts().size(), 1);
        EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("Application Error"));
        EXPECT_TRUE(boxes.texts()[0].startsWith(QStringLiteral("Сервер курса ("))) << boxes.texts()[0].toStdString();
        EXPECT_TRUE(boxes.texts()[0].contains(refused.said)) << boxes.texts()[0].toStdString();
    }
    EXPECT_TRUE(ownerRows(QStringLiteral("SELECT * FROM result")).isEmpty());
    EXPECT_TRUE(ownerRows(QStringLiteral("SELECT * FROM testing_entries")).isEmpty());
    EXPECT_FALSE(QFile::exists(AnswerJournal::defaultFileName()));
}

// The teacher's login is checked by the server, and the editor's results then follow the class.
TEST_F(StudentProgram, TheTeacherLogsInWithTheRolesPasswordAndSeesResultsArrive)
{
    ASSERT_TRUE(createProgram());
    Form9->show();
    Form9->Edit1->setText(TForm9::login);
    Form9->Edit2->setText(QStringLiteral("неверный"));
    QTest::mouseClick(Form9->sButton1, Qt::LeftButton);
    EXPECT_TRUE(Form9->Label1->isVisibleTo(Form9));
    EXPECT_FALSE(Form10->isVisible());

    Form9->Edit2->setText(teacherPassword);
    QTest::mouseClick(Form9->sButton1, Qt::LeftButton);
    ASSERT_TRUE(Form10->isVisible());
    Table* results = DataModule2->ADOTable6;
    EXPECT_EQ(results->recordCount(), 0);

    auto student = studentSession(QStringLiteral("elsewhere"));
    Statement(*student, QStringLiteral("INSERT INTO testing (nom, nom1, otv) VALUES ('1', 1, 'B')")).run();
    Statement(*student, QStringLiteral("SELECT public.vestoria_hand_in('Сидоров')")).run();
    QTRY_COMPARE_WITH_TIMEOUT(results->recordCount(), 1, 5000);
    EXPECT_EQ(results->fieldAsText(QStringLiteral("fio")), QStringLiteral("Сидоров"));
    // An edit in progress is not disturbed: the next result waits until it is posted.
    results->edit();
    results->setFieldValue(QStringLiteral("fio"), QStringLiteral("Сидоров С."));
    auto another = studentSession(QStringLiteral("another"));
    Statement(*another, QStringLiteral("INSERT INTO testing (nom, nom1, otv) VALUES ('1', 1, 'B')")).run();
    Statement(*another, QStringLiteral("SELECT public.vestoria_hand_in('Кузнецова')")).run();
    QTest::qWait(1000);
    EXPECT_EQ(results->recordCount(), 1);
    EXPECT_EQ(results->fieldAsText(QStringLiteral("fio")), QStringLiteral("Сидоров С."));
    results->post();
    QTRY_COMPARE_WITH_TIMEOUT(results->recordCount(), 2, 5000);
    EXPECT_EQ(results->fieldAsText(QStringLiteral("fio")), QStringLiteral("Сидоров С."));
    // The teacher's rights: the correct letters are there to edit.
    EXPECT_GE(DataModule2->ADOTable1->fieldIndex(QStringLiteral("otv")), 0);
    destroyProgram();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(u'\n').toStdString();
}

} // namespace
