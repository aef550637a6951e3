#include "tests/support/printers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// What the worker had said before it was killed.
struct Said {
    QString course;
    QList<std::pair<int, QString>> stored; // position, letter
    bool handedIn = false;
};

Said parse(const QByteArray& output)
{
    Said said;
    static const QRegularExpression storedLine(QStringLiteral("^stored (\\d+) ([A-E])$"));
    for (const QByteArray& raw : output.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.startsWith(QStringLiteral("course ")))
            said.course = line.mid(7);
        else if (const QRegularExpressionMatch match = storedLine.match(line); match.hasMatch())
            said.stored.append({match.captured(1).toInt(), match.captured(2)});
        else if (line == QStringLiteral("handed in"))
            said.handedIn = true;
    }
    return said;
}

// Runs the worker and kills it once it has said `lines` lines and then `delayMicroseconds` more
// have passed (the kill may then fall in the middle of a write); -1 lines lets it finish.
QByteArray runKilled(int lines, int delayMicroseconds)
{
    QProcess worker;
    worker.start(QStringLiteral(ANSWERING_WORKER), {});
    EXPECT_TRUE(worker.waitForStarted(10000));
    QByteArray output;
    while (lines < 0 || output.count('\n') < lines) {
        if (!worker.waitForReadyRead(30000))
            break;
        output += worker.readAllStandardOutput();
    }
    if (lines >= 0) {
        QElapsedTimer delay;
        delay.start();
        while (delay.nsecsElapsed() < qint64(delayMicroseconds) * 1000) {}
        worker.kill();
    }
    worker.waitForFinished(30000);
    return output + worker.readAllStandardOutput();
}

class CourseFile {
public:
    explicit CourseFile(const QString& folder)
    {
        const QByteArray path = QDir(folder).filePath(QStringLiteral("db1.mdb")).toUtf8();
        // Read-write, as the program opens it: a journal left by the killed writer is rolled back.
        sqlite3_open_v2(path.constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~CourseFile() { sqlite3_close(db_); }

    QStringList rows(const char* sql) const
    {
        QStringList result;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK)
            return {QStringLiteral("cannot read: ") + QString::fromUtf8(sqlite3_errmsg(db_))};
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList columns;
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
                columns.append(text ? QString::fromUtf8(text) : QStringLiteral("<null>"));
            }
            result.append(columns.join(u'|'));
        }
        sqlite3_finalize(statement);
        return result;
    }

private:
    sqlite3* db_ = nullptr;
};

void checkCourse(const Said& said, const QString& moment)
{
    SCOPED_TRACE(moment.toStdString());
    ASSERT_FALSE(said.course.isEmpty());
    const CourseFile file(said.course);
    EXPECT_EQ(file.rows("PRAGMA integrity_check"), QStringList{QStringLiteral("ok")});
    // Every answer the program had stored by then is there, at its own position.
    const QStringList answers = file.rows("SELECT otv FROM testing ORDER BY rowid");
    for (const auto& [position, letter] : said.stored) {
        ASSERT_GE(answers.size(), position);
        EXPECT_EQ(answers[position - 1], letter) << "position " << position;
    }
    // A hand-in is stored whole or not at all.
    const QStringList results = file.rows("SELECT fio, kol, ocenka IS NOT NULL FROM result");
    if (said.handedIn)
        EXPECT_EQ(results, QStringList{QStringLiteral("Петрова Анна|20|1")});
    else
        EXPECT_TRUE(results.isEmpty() || results == QStringList{QStringLiteral("Петрова Анна|20|1")})
            << results.join(u';').toStdString();
}

// Killed between any two steps and, at random moments, in the middle of the writes, the course
// file stays sound, keeps every answer that had been stored and holds a hand-in whole or not at
// all.
TEST(KilledAtAnyMoment, TheCourseKeepsWhatWasStoredAndNothingHalfDone)
{
    const Said whole = parse(runKilled(-1, 0));
    ASSERT_TRUE(whole.handedIn) << "the worker did not finish a test";
    checkCourse(whole, QStringLiteral("finished"));
    QDir(whole.course).removeRecursively();
    const int lineCount = 2 + 20 + 1;

    QRandomGenerator random(20261210);
    for (int lines = 1; lines <= lineCount; ++lines) {
        for (const int delay : {0, random.bounded(200, 3000)}) {
            const Said said = parse(runKilled(lines, delay));
            checkCourse(said, QStringLiteral("killed after %1 lines and %2 us").arg(lines).arg(delay));
            QDir(said.course).removeRecursively();
        }
    }
}

} // namespace
