// A whole test through the data layer that the answering window uses, on a course file and on a
// classroom server side by side: "Начать тестирование" (the session's entries emptied, 20 posted),
// 20 answers (locate, edit, post) and the hand-in (on the file: the program's own grading and one
// result record; on the server: the server's grading). Then 60 sessions that hand in within the
// same moment, each on a connection of its own, with every result counted afterwards.
//
// The server is the one tools/classroom-server or ./test started: VESTORIA_TEST_SERVER holds its
// owner's connection string without a database, e.g.
//   VESTORIA_TEST_SERVER="host=$PWD/build/classroom-server/socket port=55432 user=vestoria_owner"
#include "bench/benchcourse.h"
#include "bench/sidebyside.h"
#include "data/classroompublisher.h"
#include "data/classroomschema.h"
#include "data/connection.h"
#include "data/statement.h"
#include "data/table.h"
#include "platform/randomsource.h"
#include "testing/grading.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QUuid>
#include <algorithm>
#include <barrier>
#include <benchmark/benchmark.h>
#include <thread>
#include <vector>

namespace {

constexpr int questions = 100;
constexpr int perTest = 20;
constexpr int sessions = 60;

QString questionBank()
{
    QStringList rows;
    for (int number = 1; number <= questions; ++number)
        rows.append(QStringLiteral("(%1, 'Вопрос %1', '%2')").arg(number).arg(QChar(u"ABCDE"[number % 5])));
    return QStringLiteral("INSERT INTO test (nom, test, otv) VALUES ") + rows.join(u',');
}

// A database of its own on the server with the question bank published on it.
class ServerCourse {
public:
    ServerCourse() : file_(questionBank())
    {
        owner_ = qEnvironmentVariable("VESTORIA_TEST_SERVER");
        if (owner_.isEmpty())
            return;
        name_ = QStringLiteral("vb_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
        Connection maintenance;
        maintenance.openServer(owner_ + QStringLiteral(" dbname=postgres"));
        Statement(maintenance, QStringLiteral("CREATE DATABASE ") + name_).run();
        Connection course;
        course.open(QStringLiteral("db1.mdb"), Connection::Mode::ReadOnly);
        Connection server;
        server.openServer(ownerConnection());
        ClassroomPublisher::publish(course, server, {});
    }
    ~ServerCourse()
    {
        if (name_.isEmpty())
            return;
        Connection maintenance;
        maintenance.openServer(owner_ + QStringLiteral(" dbname=postgres"));
        Statement(maintenance, QStringLiteral("DROP DATABASE ") + name_ + QStringLiteral(" WITH (FORCE)")).run();
    }
    bool ok() const { return !name_.isEmpty(); }
    QString ownerConnection() const { return owner_ + QStringLiteral(" dbname=") + name_; }
    // On the socket folder, which trusts its users: no password file needed for a benchmark.
    std::unique_ptr<Connection> student(const QString& session) const
    {
        auto connection = std::make_unique<Connection>();
        connection->openServer(ownerConnection(), classroomSchema::studentRole);
        connection->setSessionValue(classroomSchema::sessionSetting, session);
        return connection;
    }

private:
    BenchCourse file_;
    QString owner_;
    QString name_;
};

void startTest(Table& testing, RandomSource& random)
{
    testing.first();
    while (testing.recordCount() > 0)
        testing.deleteRecord();
    for (int position = 1; position <= perTest; ++position) {
        testing.insert();
        testing.setFieldValue(QStringLiteral("nom"), QString::number(position));
        testing.setFieldValue(QStringLiteral("nom1"), FieldValue(static_cast<qint64>(random.draw(questions)) + 1));
        testing.post();
    }
}

void answerAll(Table& testing)
{
    for (int position = 1; position <= perTest; ++position) {
        testing.locate(QStringLiteral("nom"), QString::number(position), Table::CaseInsensitive | Table::PartialKey);
        testing.edit();
        testing.setFieldValue(QStringLiteral("otv"), QStringLiteral("B"));
        testing.post();
    }
}

int handInOnServer(const Connection& connection)
{
    Statement handIn(connection, QStringLiteral("SELECT public.vestoria_hand_in(?)"));
    handIn.bind(1, QStringLiteral("Студент"));
    handIn.step();
    return static_cast<int>(handIn.columnInteger(0));
}

void handInOnFile(Connection& connection, Table& testing)
{
    Table bank(&connection, QStringLiteral("ADOTable1"), QStringLiteral("test"), nullptr);
    Table results(&connection, QStringLiteral("ADOTable6"), QStringLiteral("result"), nullptr);
    bank.open();
    results.open();
    testing.first();
    int correct = 0;
    for (int pass = 0; pass < perTest; ++pass) {
        bank.locate(QStringLiteral("nom"), testing.fieldValue(QStringLiteral("nom1")), Table::NoLocateOptions);
        correct += answersMatch(testing.fieldValue(QStringLiteral("otv")), bank.fieldValue(QStringLiteral("otv")));
        testing.next();
    }
    results.insert();
    results.setFieldValue(QStringLiteral("fio"), QStringLiteral("Студент"));
    results.setFieldValue(QStringLiteral("data"), QDate::currentDate());
    results.setFieldValue(QStringLiteral("kol"), perTest);
    results.setFieldValue(QStringLiteral("ocenka"), gradeFor(correct, perTest).letter);
    results.post();
}

// One whole test per iteration; the counters give each step's mean time in milliseconds.
void wholeTest(benchmark::State& state, bool onServer)
{
    std::unique_ptr<ServerCourse> server;
    std::unique_ptr<BenchCourse> file;
    if (onServer) {
        server = std::make_unique<ServerCourse>();
        if (!server->ok()) {
            state.SkipWithError("no server: set VESTORIA_TEST_SERVER");
            return;
        }
    } else {
        file = std::make_unique<BenchCourse>(questionBank());
    }
    RandomSource random;
    double start = 0, answers = 0, handIn = 0;
    int rounds = 0;
    for (auto _ : state) {
        std::unique_ptr<Connection> connection;
        if (onServer) {
            connection = server->student(QUuid::createUuid().toString());
        } else {
            connection = std::make_unique<Connection>();
            connection->open(QStringLiteral("db1.mdb"));
        }
        Table testing(connection.get(), QStringLiteral("ADOTable5"), QStringLiteral("testing"), nullptr);
        testing.open();
        QElapsedTimer clock;
        clock.start();
        startTest(testing, random);
        start += clock.nsecsElapsed() / 1e6;
        clock.restart();
        answerAll(testing);
        answers += clock.nsecsElapsed() / 1e6;
        clock.restart();
        if (onServer)
            benchmark::DoNotOptimize(handInOnServer(*connection));
        else
            handInOnFile(*connection, testing);
        handIn += clock.nsecsElapsed() / 1e6;
        ++rounds;
    }
    state.counters["start_ms"] = start / rounds;
    state.counters["answers_ms"] = answers / rounds;
    state.counters["hand_in_ms"] = handIn / rounds;
    state.counters["whole_ms"] = (start + answers + handIn) / rounds;
}

void BM_WholeTest_CourseFile(benchmark::State& state)
{
    wholeTest(state, false);
}
BENCHMARK(BM_WholeTest_CourseFile)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_WholeTest_Server(benchmark::State& state)
{
    wholeTest(state, true);
}
BENCHMARK(BM_WholeTest_Server)->Unit(benchmark::kMillisecond)->Iterations(20);

// 60 sessions, each with its 20 answers in place, released at once to hand in.
void BM_SixtySessionsHandInAtOnce(benchmark::State& state)
{
    ServerCourse server;
    if (!server.ok()) {
        state.SkipWithError("no server: set VESTORIA_TEST_SERVER");
        return;
    }
    std::vector<double> latencies;
    int stored = 0;
    int expected = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::unique_ptr<Connection>> students;
        RandomSource random;
        for (int session = 0; session < sessions; ++session) {
            students.push_back(server.student(QUuid::createUuid().toString()));
            Table testing(students.back().get(), QStringLiteral("ADOTable5"), QStringLiteral("testing"), nullptr);
            testing.open();
            startTest(testing, random);
            answerAll(testing);
        }
        state.ResumeTiming();
        std::vector<double> times(sessions);
        std::barrier ready(sessions);
        std::vector<std::jthread> threads;
        for (int session = 0; session < sessions; ++session)
            threads.emplace_back([&, session] {
                ready.arrive_and_wait();
                QElapsedTimer clock;
                clock.start();
                handInOnServer(*students[session]);
                times[session] = clock.nsecsElapsed() / 1e6;
            });
        threads.clear();
        latencies.insert(latencies.end(), times.begin(), times.end());
        expected += sessions;
    }
    Connection owner;
    owner.openServer(server.ownerConnection());
    Statement count(owner, QStringLiteral("SELECT count(*), count(DISTINCT session) FROM result"));
    count.step();
    stored = static_cast<int>(count.columnInteger(0));
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double share) { return latencies[static_cast<size_t>(share * (latencies.size() - 1))]; };
    state.counters["p50_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["results_stored"] = stored;
    state.counters["results_expected"] = expected;
    state.counters["distinct_sessions"] = static_cast<double>(count.columnInteger(1));
}
BENCHMARK(BM_SixtySessionsHandInAtOnce)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
