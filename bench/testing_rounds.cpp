// The two database-bound steps of a test on the demo course, each measured beside the same
// statements written by hand against the SQLite C API: "Начать тестирование" (delete the 20
// entries, insert and post 20 new ones) and "Сдать тест" (20 locates in the question bank, one
// result record). Every statement commits on its own, so both sides pay the disk syncs that make
// a posted record durable. The disk is shared with other work and its sync time wanders, so each
// iteration runs both sides back to back on two copies of the course and the counters give their
// times and ratio under the same conditions.
#include "app/startup.h"
#include "platform/programfolder.h"
#include "platform/randomsource.h"
#include "skin/controls/tsedit.h"
#include "testing/grading.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "bench/sidebyside.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <sqlite3.h>

namespace {

// A copy of the demo course, so that the benchmark leaves the built one as it was; made the
// working directory, where the program looks for its database.
class DemoCopy {
public:
    DemoCopy()
    {
        const QString demo = QDir(QStringLiteral(VESTORIA_PROGRAM_DIR)).filePath(QStringLiteral("db1.mdb"));
        ok_ = dir_.isValid() && QFile::copy(demo, databasePath());
        QDir::setCurrent(dir_.path());
        setProgramFolderOverride(dir_.path());
    }
    bool ok() const { return ok_; }
    QString databasePath() const { return QDir(dir_.path()).filePath(QStringLiteral("db1.mdb")); }

private:
    // Beside the build's program folder: on the same disk as a real course, not in a memory file system.
    QTemporaryDir dir_{QDir(QStringLiteral(VESTORIA_PROGRAM_DIR)).filePath(QStringLiteral("../bench-testing-XXXXXX"))};
    bool ok_ = false;
};

class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr); }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* operator*() const { return statement_; }
    bool step() const { return sqlite3_step(statement_) == SQLITE_ROW; }
    void run() const
    {
        sqlite3_step(statement_);
        sqlite3_reset(statement_);
    }

private:
    sqlite3_stmt* statement_ = nullptr;
};

class DirectCourse {
public:
    explicit DirectCourse(const DemoCopy& course)
    {
        sqlite3_open(course.databasePath().toUtf8().constData(), &db_);
        sqlite3_busy_timeout(db_, 5000);
    }
    ~DirectCourse() { sqlite3_close(db_); }
    sqlite3* db() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// "Начать тестирование" by hand: the entries' row numbers, 20 deletes, 20 inserts.
class DirectStart {
public:
    explicit DirectStart(sqlite3* db)
        : entries_(db, "SELECT rowid FROM testing"),
          remove_(db, "DELETE FROM testing WHERE rowid = ?"),
          insert_(db, "INSERT INTO testing (nom, nom1) VALUES (?, ?)")
    {
        Statement count(db, "SELECT count(*) FROM test");
        count.step();
        questions_ = static_cast<quint32>(sqlite3_column_int(*count, 0));
    }

    void run()
    {
        QList<qint64> rowids;
        while (entries_.step())
            rowids.append(sqlite3_column_int64(*entries_, 0));
        sqlite3_reset(*entries_);
        for (qint64 rowid : rowids) {
            sqlite3_bind_int64(*remove_, 1, rowid);
            remove_.run();
        }
        for (int position = 1; position <= 20; ++position) {
            const QByteArray text = QByteArray::number(position);
            sqlite3_bind_text(*insert_, 1, text.constData(), text.size(), SQLITE_TRANSIENT);
            sqlite3_bind_int64(*insert_, 2, random_.draw(questions_ + 1));
            insert_.run();
        }
    }

private:
    Statement entries_;
    Statement remove_;
    Statement insert_;
    quint32 questions_ = 0;
    RandomSource random_;
};

// "Сдать тест" by hand: the entries, one question lookup per entry, the grade, one result record.
class DirectHandIn {
public:
    explicit DirectHandIn(sqlite3* db)
        : entries_(db, "SELECT nom1, otv FROM testing"),
          correct_(db, "SELECT otv FROM test WHERE nom = ?"),
          store_(db, "INSERT INTO result (fio, data, kol, ocenka) VALUES (?, ?, 20, ?)")
    {}

    void run()
    {
        int count = 0;
        while (entries_.step()) {
            sqlite3_bind_value(*correct_, 1, sqlite3_column_value(*entries_, 0));
            const bool found = correct_.step();
            const auto* given = reinterpret_cast<const char*>(sqlite3_column_text(*entries_, 1));
            const auto* right = found ? reinterpret_cast<const char*>(sqlite3_column_text(*correct_, 0)) : nullptr;
            if ((!given && !right) || (given && right && qstrcmp(given, right) == 0))
                ++count;
            sqlite3_reset(*correct_);
        }
        sqlite3_reset(*entries_);
        const QByteArray today = QDate::currentDate().toString(Qt::ISODate).toUtf8();
        const QByteArray letter = gradeFor(count, 20).letter.toUtf8();
        sqlite3_bind_text(*store_, 1, name_.constData(), name_.size(), SQLITE_TRANSIENT);
        sqlite3_bind_text(*store_, 2, today.constData(), today.size(), SQLITE_TRANSIENT);
        sqlite3_bind_text(*store_, 3, letter.constData(), letter.size(), SQLITE_TRANSIENT);
        store_.run();
    }

private:
    Statement entries_;
    Statement correct_;
    Statement store_;
    QByteArray name_ = QStringLiteral("Иванов Иван Иванович").toUtf8();
};

double millisecondsOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

void report(benchmark::State& state, double windowMs, double directMs)
{
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["window_ms"] = windowMs / iterations;
    state.counters["direct_ms"] = directMs / iterations;
    state.counters["ratio"] = directMs > 0 ? windowMs / directMs : 0;
}

void BM_StartTest(benchmark::State& state)
{
    DemoCopy directCopy;
    DemoCopy programCopy;
    if (!directCopy.ok() || !programCopy.ok() || !createProgram()) {
        state.SkipWithError("the demo course is missing (build demo_course)");
        return;
    }
    Form4->Edit1->setText(QStringLiteral("Иванов Иван Иванович"));
    {
        DirectCourse direct(directCopy);
        DirectStart start(direct.db());
        double windowMs = 0;
        double directMs = 0;
        for (auto _ : state) {
            windowMs += millisecondsOf([] { Form4->sButton1Click(); });
            directMs += millisecondsOf([&] { start.run(); });
        }
        report(state, windowMs, directMs);
    }
    destroyProgram();
}
BENCHMARK(BM_StartTest)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40)->Repetitions(3);

void BM_HandIn(benchmark::State& state)
{
    DemoCopy directCopy;
    DemoCopy programCopy;
    if (!directCopy.ok() || !programCopy.ok() || !createProgram()) {
        state.SkipWithError("the demo course is missing (build demo_course)");
        return;
    }
    Form4->Edit1->setText(QStringLiteral("Иванов Иван Иванович"));
    Form4->sButton1Click();
    {
        DirectCourse direct(directCopy);
        DirectStart(direct.db()).run();
        DirectHandIn handIn(direct.db());
        double windowMs = 0;
        double directMs = 0;
        for (auto _ : state) {
            windowMs += millisecondsOf([] { Form5->sButton1Click(); });
            directMs += millisecondsOf([&] { handIn.run(); });
        }
        report(state, windowMs, directMs);
    }
    destroyProgram();
}
BENCHMARK(BM_HandIn)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200)->Repetitions(3);

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
