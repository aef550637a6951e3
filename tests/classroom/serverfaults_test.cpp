#include "app/startup.h"
#include "data/answerjournal.h"
#include "data/connectionlost.h"
#include "data/statement.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/usersettings.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tsradiogroup.h"
#include "skin/controls/tstreeview.h"
#include "teacher/dbgridmodel.h"
#include "testing/grading.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "testing/tform6.h"
#include "tests/classroom/droppingrelay.h"
#include "tests/classroom/ownserver.h"
#include "tests/classroom/studentprogram.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

const QString storedCaption = QStringLiteral("Результаты тестирования");
constexpr int deliveryWaitMs = 10000;

// The student's program against a server of the test's own, reached over TLS (sslmode=require),
// that a test stops as a crash would and starts again.
class ServerFaults : public StudentProgram {
protected:
    static void SetUpTestSuite() { server = new OwnServer; }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    QString serverSetting() const override { return server->ownerSetting(); }
    QString loopbackSetting() const override { return server->loopbackSetting(); }

    void SetUp() override
    {
        StudentProgram::SetUp();
        userSettings()->setValue(QStringLiteral("Classroom/connection"),
                                 studentSetting(QStringLiteral("sslmode=require")));
    }

    void TearDown() override
    {
        destroyProgram();
        if (!server->isRunning())
            server->start();
        StudentProgram::TearDown();
    }

    // Answers positions first..last with the letter right for their questions: "ABCDE"[n % 5]
    // for question n.
    void answerPositions(int first, int last, const QList<qint64>& drawn)
    {
        for (int position = first; position <= last; ++position)
            answer(position, static_cast<int>(drawn[position - 1] % 5));
    }

    QStringList results() const { return ownerRows(QStringLiteral("SELECT fio, kol, ocenka, session FROM result")); }

    static inline OwnServer* server = nullptr;
};

TEST_F(ServerFaults, AnswersGivenWhileTheServerIsDownReachItWithTheHandIn)
{
    ASSERT_TRUE(startTest(QStringLiteral("Иванов")));
    const QString session = DataModule2->session();
    const QList<qint64> drawn = drawnQuestions(session);
    ASSERT_EQ(drawn.size(), 20);
    // The program's connection is encrypted, as the setting asks.
    Statement ssl(*DataModule2->ADOConnection1,
                  QStringLiteral("SELECT ssl FROM pg_stat_ssl WHERE pid = pg_backend_pid()"));
    ASSERT_TRUE(ssl.step());
    EXPECT_EQ(ssl.columnValue(0).asText(), QStringLiteral("t"));

    answerPositions(1, 6, drawn);
    server->stopAsByCrash();
    answerPositions(7, 20, drawn);
    // Told once, and the window says where the answers are.
    EXPECT_EQ(boxes.texts(), QStringList{TForm5::answersKeptMessage});
    EXPECT_EQ(Form5->windowTitle(), TForm5::offlineCaption);
    // A letter given while the server was away is the one shown on going back to it.
    Form5->sTreeView1->setCurrentItem(Form5->sTreeView1->topLevelItem(9));
    EXPECT_EQ(Form5->sRadioGroup1->itemIndex(), drawn[9] % 5);

    server->start();
    QTest::mouseClick(Form5->sButton1, Qt::LeftButton);
    EXPECT_EQ(Form6->windowTitle(), storedCaption);
    const Grade all = gradeFor(20, 20);
    EXPECT_EQ(results(), QStringList{QStringLiteral("Иванов|20|%1|%2").arg(all.letter, session)});
    for (const QString& entry : storedEntries(session))
        EXPECT_EQ(entry.section(u'|', 1), QString(QChar(u"ABCDE"[entry.section(u'|', 0, 0).toInt() % 5])));
    EXPECT_EQ(boxes.texts().size(), 1) << boxes.texts().join(u'\n').toStdString();
}

TEST_F(ServerFaults, AHandInWhileTheServerIsDownIsDeliveredWhenItReturns)
{
    ASSERT_TRUE(startTest(QStringLiteral("Петрова")));
    const QString session = DataModule2->session();
    const QList<qint64> drawn = drawnQuestions(session);
    answerPositions(1, 20, drawn);
    server->stopAsByCrash();
    QTest::mouseClick(Form5->sButton1, Qt::LeftButton);
    // Nothing pretends to be graded: the result window waits, and says so.
    EXPECT_TRUE(Form6->isVisible());
    EXPECT_EQ(Form6->windowTitle(), TForm6::queuedCaption);
    EXPECT_EQ(Form6->Edit2->text(), QString());
    EXPECT_EQ(boxes.texts(), QStringList{TForm5::handInQueuedMessage});

    server->start();
    QTRY_COMPARE_WITH_TIMEOUT(Form6->windowTitle(), storedCaption, deliveryWaitMs);
    const Grade all = gradeFor(20, 20);
    EXPECT_EQ(Form6->Edit2->text(), QStringLiteral("20"));
    EXPECT_EQ(boxes.texts().last(), TForm5::handInDeliveredMessage.arg(QStringLiteral("Петрова"), all.letterText));
    EXPECT_EQ(results(), QStringList{QStringLiteral("Петрова|20|%1|%2").arg(all.letter, session)});
    EXPECT_FALSE(AnswerJournal().isQueued(session));
}

// The reply to the hand-in is lost on its way back: the retry finds the result stored and sends
// nothing twice. The name travels as a parameter, never as SQL.
TEST_F(ServerFaults, AHandInWhoseReplyIsLostIsStoredOnce)
{
    DroppingRelay relay(server->port(), "vestoria_hand_in(");
    userSettings()->setValue(QStringLiteral("Classroom/connection"),
                             QStringLiteral("host=127.0.0.1 port=%1 dbname=%2 user=vestoria_student passfile=%3 "
                                            "sslmode=disable")
                                 .arg(relay.port())
                                 .arg(database, passwordFile));
    const QString name = QStringLiteral("'); DROP TABLE result; --");
    ASSERT_TRUE(startTest(name));
    const QString session = DataModule2->session();
    answerPositions(1, 20, drawnQuestions(session));
    QTest::mouseClick(Form5->sButton1, Qt::LeftButton);
    EXPECT_TRUE(relay.dropped());
    QTRY_COMPARE_WITH_TIMEOUT(Form6->windowTitle(), storedCaption, deliveryWaitMs);
    EXPECT_EQ(results(), QStringList{QStringLiteral("%1|20|%2|%3").arg(name, gradeFor(20, 20).letter, session)});
}

TEST_F(ServerFaults, AProgramKilledWithAQueuedHandInSendsItAtItsNextStart)
{
    QTemporaryDir home;
    QProcess student;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    student.setProcessEnvironment(environment);
    const QString setting = studentSetting(QStringLiteral("sslmode=require"));
    student.start(QStringLiteral(VESTORIA_LOAD_DRIVER),
                  {QStringLiteral("--student"), QStringLiteral("--server"), setting, QStringLiteral("--think"),
                   QStringLiteral("20"), QStringLiteral("--name"), QStringLiteral("Сидоров")});
    QString session;
    const auto waitForLine = [&](const QString& word) {
        for (int wait = 0; wait < 600; ++wait) {
            while (student.canReadLine()) {
                const QString line = QString::fromUtf8(student.readLine()).trimmed();
                if (line.startsWith(QLatin1String("session ")))
                    session = line.section(u' ', 1);
                if (line.startsWith(word))
                    return true;
            }
            student.waitForReadyRead(100);
        }
        return false;
    };
    ASSERT_TRUE(waitForLine(QStringLiteral("session")));
    server->stopAsByCrash();
    ASSERT_TRUE(waitForLine(QStringLiteral("queued")));
    student.kill();
    student.waitForFinished();

    server->start();
    const QByteArray ownData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toUtf8());
    userSettings()->setValue(QStringLiteral("Classroom/connection"), setting);
    const bool started = createProgram();
    qputenv("XDG_DATA_HOME", ownData);
    ASSERT_TRUE(started);
    ASSERT_EQ(DataModule2->deliveredAtStart().size(), 1);
    const int correct = DataModule2->deliveredAtStart()[0].correct;
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("Сидоров — оценка ") + gradeFor(correct, 20).letterText))
        << boxes.texts()[0].toStdString();
    EXPECT_EQ(results(), QStringList{QStringLiteral("Сидоров|20|%1|%2").arg(gradeFor(correct, 20).letter, session)});
    // Every answer the killed program gave reached the server with the hand-in.
    const QStringList entries = storedEntries(session);
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(), [](const QString& e) { return e.endsWith(u'|'); }), 0);
    EXPECT_EQ(entries.size(), 20);
}

TEST_F(ServerFaults, TheTeachersEditStaysMarkedWhileTheServerIsAwayAndIsStoredAfter)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (id, tema, file) VALUES (1, 'Введение', 'l1.htm')"));
    publish();
    ASSERT_TRUE(createProgram());
    DataModule2->connectAsTeacher(teacherPassword);
    Table* lectures = DataModule2->ADOTable3;
    DBGridModel grid;
    grid.bindTo(DataModule2->DataSource3);
    lectures->first();
    const QString title = QStringLiteral("Лекция «1»: 'первая' и \"главная\"; --");
    lectures->edit();
    lectures->setFieldValue(QStringLiteral("tema"), title);

    server->stopAsByCrash();
    EXPECT_THROW(lectures->post(), ConnectionLost);
    EXPECT_EQ(lectures->state(), Table::State::Edit);
    EXPECT_EQ(lectures->fieldAsText(QStringLiteral("tema")), title);
    EXPECT_EQ(grid.headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("!"));
    EXPECT_TRUE(grid.headerData(0, Qt::Vertical, Qt::ToolTipRole).toString().startsWith(DBGridModel::notStoredText));

    server->start();
    lectures->post();
    EXPECT_EQ(grid.headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("►"));
    EXPECT_EQ(ownerRows(QStringLiteral("SELECT tema FROM \"Lekcia\"")), QStringList{title});
}

TEST_F(ServerFaults, SixtyStudentsWithTheServerRestartedInTheMiddleHandInOnceEach)
{
    QProcess driver;
    driver.setProcessChannelMode(QProcess::MergedChannels);
    driver.start(QStringLiteral(VESTORIA_LOAD_DRIVER),
                 {QStringLiteral("--students"), QStringLiteral("60"), QStringLiteral("--server"),
                  studentSetting(QStringLiteral("sslmode=require")), QStringLiteral("--think"), QStringLiteral("30"),
                  QStringLiteral("--count-with"), ownerConnection(), QStringLiteral("--stop-command"),
                  server->stopCommand(), QStringLiteral("--start-command"), server->startCommand(),
                  QStringLiteral("--outage-at"), QStringLiteral("2000"), QStringLiteral("--outage-for"),
                  QStringLiteral("1500"), QStringLiteral("--patience"), QStringLiteral("40000")});
    ASSERT_TRUE(driver.waitForFinished(100000));
    const QString report = QString::fromUtf8(driver.readAll());
    EXPECT_EQ(driver.exitCode(), 0) << report.toStdString();
    EXPECT_TRUE(
        report.contains(QStringLiteral("results stored: 60 (of 60 sessions; stored twice: 0; answers stored: 1200)")))
        << report.toStdString();
}

} // namespace
