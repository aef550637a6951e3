#include "app/startup.h"
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
#include "tests/classroom/classroomserver.h"
#include "tests/support/messagerecorder.h"

#include <QFile>
#include <algorithm>
#include <QSet>
#include <QSettings>
#include <QTest>

namespace {

// The real program started with the classroom setting in the user's settings, its password in a
// password file of libpq's, never in the settings.
class StudentProgram : public ClassroomServer {
protected:
    void SetUp() override
    {
        ClassroomServer::SetUp();
        if (IsSkipped())
            return;
        addQuestions(40);
        publish();
        const QString passwordFile = course.path() + QStringLiteral("/pgpass");
        QFile file(passwordFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("*:*:*:%1:%2\n").arg(classroomSchema::studentRole, studentPassword).toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        userSettings()->setValue(QStringLiteral("Classroom/connection"), roleConnection(classroomSchema::studentRole)
                                                                             + QStringLiteral(" passfile=")
                                                                             + passwordFile);
    }

    void TearDown() override
    {
        userSettings()->remove(QStringLiteral("Classroom"));
        ClassroomServer::TearDown();
    }

    // Starts the program, takes a whole test answering "B" everywhere and hands it in; gives the
    // question numbers drawn.
    QList<qint64> takeTest(const QString& name)
    {
        EXPECT_TRUE(createProgram());
        Form4->show();
        Form4->Edit1->setText(name);
        QTest::mouseClick(Form4->sButton1, Qt::LeftButton);
        const QString session = DataModule2->session();
        for (int position = 1; position <= TForm4::questionsPerTest; ++position) {
            Form5->sTreeView1->setCurrentItem(Form5->sTreeView1->topLevelItem(position - 1));
            QCoreApplication::processEvents();
            TsRadioButton* b = Form5->sRadioGroup1->buttons()[1];
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
        }
        QTest::mouseClick(Form5->sButton1, Qt::LeftButton);
        EXPECT_EQ(Form6->windowTitle().contains(QLatin1String("не")), false) << Form6->windowTitle().toStdString();
        QList<qint64> drawn;
        for (const QString& row : ownerRows(
                 QStringLiteral("SELECT nom1 FROM testing_entries WHERE session = '%1' ORDER BY rowid").arg(session)))
            drawn.append(row.toLongLong());
        destroyProgram();
        return drawn;
    }

    MessageRecorder boxes;
};

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
