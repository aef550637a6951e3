#include "data/classroompublisher.h"
#include "data/classroomschema.h"
#include "data/statement.h"
#include "data/table.h"
#include "platform/apperror.h"
#include "testing/grading.h"
#include "tests/classroom/classroomserver.h"

#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString sessionA = QStringLiteral("session-a");
const QString sessionB = QStringLiteral("session-b");

// Fills a session's test set with questions 1..20, answering the first `correct` of them right.
void answerTest(const Connection& student, int correct)
{
    Table testing(const_cast<Connection*>(&student), QStringLiteral("ADOTable5"), QStringLiteral("testing"), nullptr);
    testing.open();
    for (int number = 1; number <= 20; ++number) {
        testing.append();
        testing.setFieldValue(QStringLiteral("nom"), QString::number(number));
        testing.setFieldValue(QStringLiteral("nom1"), FieldValue(number));
        const QChar right = u"ABCDE"[number % 5];
        const QChar wrong = u"ABCDE"[(number + 1) % 5];
        testing.setFieldValue(QStringLiteral("otv"), QString(number <= correct ? right : wrong));
        testing.post();
    }
}

int handIn(const Connection& student, const QString& name)
{
    Statement handIn(student, QStringLiteral("SELECT public.vestoria_hand_in(?)"));
    handIn.bind(1, name);
    EXPECT_TRUE(handIn.step());
    return static_cast<int>(handIn.columnInteger(0));
}

QString refusal(const Connection& connection, const QString& sql)
{
    try {
        Statement(connection, sql).run();
    } catch (const AppError& error) {
        return error.message();
    }
    return QStringLiteral("<allowed>");
}

using ClassroomTable = ClassroomServer;

// The table operations the windows use behave on the server as on a course file.
TEST_F(ClassroomTable, CursorLocateEditAndRefreshWorkOnTheServer)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema, file) VALUES ('Первая', 'a.htm'), ('Вторая', 'b.htm'), "
                               "('Третья', 'c.htm')"));
    publish();
    auto teacher = connectAs(classroomSchema::teacherRole, teacherPassword);
    Table lectures(teacher.get(), QStringLiteral("ADOTable3"), QStringLiteral("Lekcia"), nullptr);
    lectures.open();
    ASSERT_EQ(lectures.recordCount(), 3);
    ASSERT_EQ(lectures.fields().size(), 3); // the server's row number is no field
    EXPECT_EQ(lectures.fields()[0].kind, FieldDef::Kind::Integer);
    EXPECT_EQ(lectures.fields()[1].size, 255);
    EXPECT_TRUE(lectures.bof());
    lectures.last();
    EXPECT_TRUE(lectures.eof());
    EXPECT_EQ(lectures.fieldAsText(QStringLiteral("tema")), QStringLiteral("Третья"));

    EXPECT_TRUE(
        lectures.locate(QStringLiteral("tema"), QStringLiteral("втор"), Table::CaseInsensitive | Table::PartialKey));
    lectures.edit();
    lectures.setFieldValue(QStringLiteral("tema"), QStringLiteral("Вторая, с \"кавычками\" и 'апострофами'"));
    lectures.post();
    lectures.append();
    lectures.setFieldValue(QStringLiteral("tema"), QStringLiteral("Четвёртая"));
    lectures.cancel();
    lectures.append();
    lectures.setFieldValue(QStringLiteral("tema"), QStringLiteral("Пятая"));
    lectures.post();
    EXPECT_FALSE(lectures.fieldValue(QStringLiteral("id")).isNull()); // numbered by the server
    lectures.first();
    lectures.deleteRecord();
    EXPECT_EQ(ownerRows(QStringLiteral("SELECT tema FROM \"Lekcia\" ORDER BY rowid")),
              (QStringList{QStringLiteral("Вторая, с \"кавычками\" и 'апострофами'"), QStringLiteral("Третья"),
                           QStringLiteral("Пятая")}));

    Statement(*owner, QStringLiteral("UPDATE \"Lekcia\" SET tema = 'Другая' WHERE tema = 'Третья'")).run();
    lectures.refresh();
    EXPECT_TRUE(lectures.locate(QStringLiteral("tema"), QStringLiteral("Другая"), Table::NoLocateOptions));
}

TEST_F(ClassroomTable, DatesAndNumbersKeepTheirKinds)
{
    auto teacher = connectAs(classroomSchema::teacherRole, teacherPassword);
    Table results(teacher.get(), QStringLiteral("ADOTable6"), QStringLiteral("result"), nullptr);
    results.open();
    results.append();
    results.setFieldValue(QStringLiteral("fio"), QStringLiteral("'); DROP TABLE result; --"));
    results.setFieldValue(QStringLiteral("data"), QDate(2026, 12, 10));
    results.setFieldValue(QStringLiteral("kol"), QStringLiteral("20"));
    results.post();
    results.refresh();
    EXPECT_EQ(results.fieldValue(QStringLiteral("data")), FieldValue(QDate(2026, 12, 10)));
    EXPECT_EQ(results.fieldValue(QStringLiteral("kol")), FieldValue(20));
    EXPECT_EQ(ownerRows(QStringLiteral("SELECT fio FROM result")),
              QStringList{QStringLiteral("'); DROP TABLE result; --")});
}

using ClassroomSessions = ClassroomServer;

TEST_F(ClassroomSessions, EachSessionSeesAndEmptiesOnlyItsOwnTestSet)
{
    auto a = studentSession(sessionA);
    auto b = studentSession(sessionB);
    answerTest(*a, 5);
    answerTest(*b, 5);
    Table testingB(b.get(), QStringLiteral("ADOTable5"), QStringLiteral("testing"), nullptr);
    testingB.open();
    EXPECT_EQ(testingB.recordCount(), 20);
    while (testingB.recordCount() > 0)
        testingB.deleteRecord();
    EXPECT_EQ(ownerRows(QStringLiteral("SELECT session, count(*) FROM testing_entries GROUP BY session")),
              QStringList{sessionA + QStringLiteral("|20")});
}

using ClassroomRoles = ClassroomServer;

TEST_F(ClassroomRoles, AStudentCanNeitherReadTheLettersNorTouchResults)
{
    addQuestions(20);
    publish();
    auto student = studentSession(sessionA);
    answerTest(*student, 20);
    EXPECT_EQ(handIn(*student, QStringLiteral("Иванов")), 20);

    const struct {
        const char* sql;
        const char* refusedWith;
    } attempts[] = {
        {"SELECT otv FROM public.test", "permission denied"},
        {"SELECT otv FROM test", "does not exist"},
        {"UPDATE result SET ocenka = 'A'", "permission denied"},
        {"DELETE FROM result", "permission denied"},
        {"INSERT INTO result (fio, ocenka) VALUES ('x', 'A')", "permission denied"},
        {"UPDATE testing SET nom1 = 1", "permission denied"},
        {"SELECT public.vestoria_hand_in('Иванов')", "handed in already"},
    };
    for (const auto& attempt : attempts)
        EXPECT_TRUE(refusal(*student, QString::fromUtf8(attempt.sql)).contains(QLatin1String(attempt.refusedWith)))
            << attempt.sql << ": " << refusal(*student, QString::fromUtf8(attempt.sql)).toStdString();
    EXPECT_EQ(ownerRows(QStringLiteral("SELECT count(*) FROM result")), QStringList{QStringLiteral("1")});
}

TEST_F(ClassroomRoles, TheTeacherPasswordIsCheckedByTheServer)
{
    EXPECT_THROW(connectAs(classroomSchema::teacherRole, QStringLiteral("неверный")), AppError);
    EXPECT_NO_THROW(connectAs(classroomSchema::teacherRole, teacherPassword));
}

using ClassroomGrading = ClassroomServer;

// The server's grades are the program's own for every count of correct answers.
TEST_F(ClassroomGrading, TheServerGradesAsTheProgramDoes)
{
    addQuestions(20);
    publish();
    for (int correct = 0; correct <= 20; ++correct) {
        const QString session = QStringLiteral("grading-%1").arg(correct);
        auto student = studentSession(session);
        answerTest(*student, correct);
        EXPECT_EQ(handIn(*student, QStringLiteral("Студент %1").arg(correct)), correct);
        EXPECT_EQ(ownerRows(QStringLiteral("SELECT kol, ocenka FROM result WHERE session = '%1'").arg(session)),
                  QStringList{QStringLiteral("20|") + gradeFor(correct, 20).letter})
            << correct << " correct";
    }
}

using ClassroomPublishing = ClassroomServer;

TEST_F(ClassroomPublishing, PublishingAgainReplacesTheCourseAndKeepsResults)
{
    addQuestions(20);
    publish();
    auto student = studentSession(sessionA);
    answerTest(*student, 10);
    handIn(*student, QStringLiteral("Петрова"));
    course.exec(QStringLiteral("DELETE FROM test WHERE nom > 10"));
    publish();
    EXPECT_EQ(ownerRows(QStringLiteral("SELECT count(*) FROM test")), QStringList{QStringLiteral("10")});
    EXPECT_EQ(ownerRows(QStringLiteral("SELECT fio, ocenka FROM result")), QStringList{QStringLiteral("Петрова|D")});
}

TEST_F(ClassroomPublishing, ExportWritesACourseFileWithTheResults)
{
    addQuestions(3);
    publish();
    Statement(*owner, QStringLiteral("INSERT INTO result (fio, kol, ocenka) VALUES ('Сидоров', 20, 'B')")).run();
    const QString exported = course.path() + QStringLiteral("/exported.mdb");
    QFile schema(TestCourse::schemaFile());
    ASSERT_TRUE(schema.open(QIODevice::ReadOnly));
    ClassroomPublisher::exportCourse(*owner, exported, QString::fromUtf8(schema.readAll()));
    EXPECT_EQ(TestCourse::rowsOf(exported, QStringLiteral("SELECT nom, otv FROM test ORDER BY nom")),
              (QStringList{QStringLiteral("1|B"), QStringLiteral("2|C"), QStringLiteral("3|D")}));
    EXPECT_EQ(TestCourse::rowsOf(exported, QStringLiteral("SELECT fio, ocenka FROM result")),
              QStringList{QStringLiteral("Сидоров|B")});
}

using ClassroomResults = ClassroomServer;

// The teacher's results page takes in what another session hands in, without being asked and
// without moving its cursor.
TEST_F(ClassroomResults, AResultHandedInElsewhereArrivesInTheOpenTable)
{
    addQuestions(20);
    Statement(*owner, QStringLiteral("INSERT INTO result (fio) VALUES ('Первый'), ('Второй')")).run();
    publish();
    auto teacher = connectAs(classroomSchema::teacherRole, teacherPassword);
    Table results(teacher.get(), QStringLiteral("ADOTable6"), QStringLiteral("result"), nullptr);
    results.open();
    QObject::connect(teacher.get(), &Connection::notified, &results, [&results] { results.takeInNewRecords(); });
    teacher->listen(classroomSchema::resultChannel);
    results.next();

    auto student = studentSession(sessionA);
    answerTest(*student, 15);
    handIn(*student, QStringLiteral("Третий"));
    QTRY_COMPARE_WITH_TIMEOUT(results.recordCount(), 3, 5000);
    EXPECT_EQ(results.fieldAsText(QStringLiteral("fio")), QStringLiteral("Второй"));
    results.last();
    EXPECT_EQ(results.fieldAsText(QStringLiteral("fio")), QStringLiteral("Третий"));
}

} // namespace
