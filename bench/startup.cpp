// Start-up figures: process start until the start window is on screen (against a bare Qt program
// showing one window, and one showing a line of text), the cover press with 1,000 lecture topics,
// and Locate in 10,000 records.
#include "app/startup.h"
#include "app/tform1.h"
#include "bench/benchcourse.h"
#include "bench/sidebyside.h"
#include "data/connection.h"
#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/afterfirstpaint.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

QString manyRows(const QString& table, const QString& column, int count)
{
    QString sql;
    for (int i = 0; i < count; ++i)
        sql += QStringLiteral("INSERT INTO %1 (%2) VALUES ('Тема лекции номер %3');").arg(table, column).arg(i);
    return sql;
}

qint64 steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The process's own peak resident size. getrusage's figure is no use here: the kernel carries it
// over an exec, so a child started by a larger parent reports at least the parent's size.
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// The child process of the start-up benchmark: shows the window and reports its peak memory and
// the moment its first paint had gone to the screen, on the system-wide steady clock. The program
// then builds the rest of its windows before it ends, as it does after every start.
int probe(const QString& kind, int argc, char** argv)
{
    // As the program's main does.
    if (kind == QLatin1String("program"))
        startReadingFonts();
    QApplication application(argc, argv);
    const auto report = [] {
        const qint64 shown = steadyNanoseconds();
        std::printf("%ld %lld\n", peakResidentKb(), static_cast<long long>(shown));
        QCoreApplication::exit(0);
    };
    if (kind == QLatin1String("program")) {
        QDir::setCurrent(QStringLiteral(VESTORIA_PROGRAM_DIR));
        if (!createWindows())
            return 1;
        showStartWindow(report);
        return QApplication::exec();
    }
    // The bare window, or one that shows a line of text as the start window shows its caption:
    // the first text drawn is what makes fontconfig read its configuration.
    const std::unique_ptr<QWidget> window = kind == QLatin1String("text")
                                                ? std::make_unique<QLabel>(QStringLiteral("Электронный учебник"))
                                                : std::make_unique<QWidget>();
    window->resize(458, 463);
    new AfterFirstPaint(window.get(), report);
    window->show();
    return QApplication::exec();
}

QString self;

// The iteration's time is the whole child process, its end included. shown_ms stops at the window
// shown: a bare window's process, for one, reads fontconfig's configuration only while it ends.
void runProbe(benchmark::State& state, const QString& kind)
{
    long peakKb = 0;
    double shownMs = 0;
    for (auto _ : state) {
        QProcess process;
        const qint64 started = steadyNanoseconds();
        process.start(self, {QStringLiteral("--probe=") + kind});
        process.waitForFinished(30000);
        if (process.exitCode() != 0) {
            state.SkipWithError("probe failed (is the demo course built?)");
            return;
        }
        const QList<QByteArray> report = process.readAllStandardOutput().simplified().split(' ');
        peakKb = report.value(0).toLong();
        shownMs += double(report.value(1).toLongLong() - started) / 1e6;
    }
    state.counters["peak_rss_MiB"] = double(peakKb) / 1024.0;
    state.counters["shown_ms"] = shownMs / double(state.iterations());
}

void BM_ProcessStartToStartWindow(benchmark::State& state)
{
    runProbe(state, QStringLiteral("program"));
}
BENCHMARK(BM_ProcessStartToStartWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ProcessStartToBareQtWindow(benchmark::State& state)
{
    runProbe(state, QStringLiteral("bare"));
}
BENCHMARK(BM_ProcessStartToBareQtWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ProcessStartToQtWindowWithText(benchmark::State& state)
{
    runProbe(state, QStringLiteral("text"));
}
BENCHMARK(BM_ProcessStartToQtWindowWithText)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_CoverPressWith1000Topics(benchmark::State& state)
{
    BenchCourse course(manyRows(QStringLiteral("Lekcia"), QStringLiteral("tema"), 1000));
    createProgram();
    for (auto _ : state) {
        Form1->show();
        Form1->Image2MouseDown();
    }
    destroyProgram();
}
BENCHMARK(BM_CoverPressWith1000Topics)->Unit(benchmark::kMillisecond);

void BM_LocateIn10000Records(benchmark::State& state)
{
    BenchCourse course(manyRows(QStringLiteral("Lekcia"), QStringLiteral("tema"), 10000));
    Connection connection;
    connection.open(QStringLiteral("db1.mdb"));
    Table table(&connection, QStringLiteral("ADOTable3"), QStringLiteral("Lekcia"), nullptr);
    table.open();
    int i = 0;
    for (auto _ : state) {
        const QString topic = QStringLiteral("Тема лекции номер %1").arg((i++ * 7919) % 10000);
        benchmark::DoNotOptimize(
            table.locate(QStringLiteral("tema"), topic, Table::CaseInsensitive | Table::PartialKey));
    }
}
BENCHMARK(BM_LocateIn10000Records)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && QByteArray(argv[1]).startsWith("--probe="))
        return probe(QString::fromLatin1(argv[1] + 8), argc, argv);
    QApplication application(argc, argv);
    // By its whole path: the benchmarks over a course change the working directory.
    self = QCoreApplication::applicationFilePath();
    return runBenchmarks(argc, argv);
}
