#include "tests/support/testcourse.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>

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

void checkCourse(const Said& said, const QString& moment)
{
    SCOPED_TRACE(moment.toStdString());
    ASSERT_FALSE(said.course.isEmpty());
    const QString file = QDir(said.course).filePath(QStringLiteral("db1.mdb"));
    EXPECT_EQ(TestCourse::rowsOf(file, QStringLiteral("PRAGMA integrity_check")), QStringList{QStringLiteral("ok")});
    // Every answer the program had stored by then is there, at its own position.
    const QStringList answers = TestCourse::rowsOf(file, QStringLiteral("SELECT otv FROM testing ORDER BY rowid"));
    for (const auto& [position, letter] : said.stored) {
        ASSERT_GE(answers.size(), position);
        EXPECT_EQ(answers[position - 1], letter) << "position " << position;
    }
    // A hand-in is stored whole or not at all.
    const QStringList results =
        TestCourse::rowsOf(file, QStringLiteral("SELECT fio, kol, ocenka IS NOT NULL FROM result"));
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
