#include "bench/sidebyside.h"

#include "app/startup.h"
#include "bench/benchcourse.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstring>
#include <limits>
#include <map>

namespace {

using Run = benchmark::BenchmarkReporter::Run;

// The name a pair refers to: the function and its arguments, without the time type or repetitions.
std::string pairName(const Run& run)
{
    return run.run_name.args.empty() ? run.run_name.function_name
                                     : run.run_name.function_name + '/' + run.run_name.args;
}

double seconds(const Run& run)
{
    return run.real_accumulated_time / double(run.iterations);
}

// Passes every run on to the reporter the command line asked for, keeps the fastest repetition of
// each benchmark and adds the pairs' rows at the end.
class RatioReporter : public benchmark::BenchmarkReporter {
public:
    RatioReporter(benchmark::BenchmarkReporter* shown, const std::vector<SideBySidePair>& pairs)
        : m_shown(shown),
          m_pairs(pairs)
    {}

    bool ReportContext(const Context& context) override { return m_shown->ReportContext(context); }

    void ReportRuns(const std::vector<Run>& report) override
    {
        for (const Run& run : report) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0)
                continue;
            auto [fastest, added] = m_fastest.try_emplace(pairName(run), run);
            if (!added && seconds(run) < seconds(fastest->second))
                fastest->second = run;
            ++m_repetitions[pairName(run)];
        }
        m_shown->ReportRuns(report);
    }

    void Finalize() override
    {
        std::vector<Run> rows;
        for (const SideBySidePair& pair : m_pairs) {
            const auto measured = m_fastest.find(pair.measured);
            const auto baseline = m_fastest.find(pair.baseline);
            if (measured == m_fastest.end() || baseline == m_fastest.end())
                continue;
            double base = seconds(baseline->second);
            if (!pair.baselineOverhead.empty()) {
                const auto overhead = m_fastest.find(pair.baselineOverhead);
                if (overhead == m_fastest.end())
                    continue;
                base -= seconds(overhead->second);
            }
            Run row = measured->second;
            row.run_name = {};
            row.run_name.function_name = pair.measured + "_vs_" + pair.baseline;
            row.family_index = -1;
            row.per_family_instance_index = 0;
            row.repetition_index = Run::no_repetition_index;
            row.repetitions = 1;
            row.iterations = 1;
            row.real_accumulated_time = seconds(measured->second);
            row.cpu_accumulated_time = row.real_accumulated_time;
            row.statistics = nullptr;
            row.counters.clear();
            row.counters["ratio"] =
                base > 0 ? row.real_accumulated_time / base : std::numeric_limits<double>::infinity();
            row.counters["baseline_ms"] = base * 1e3;
            row.report_label = "fastest of " + std::to_string(m_repetitions[pair.measured]) + " and "
                               + std::to_string(m_repetitions[pair.baseline]) + " repetitions";
            rows.push_back(row);
        }
        if (!rows.empty())
            m_shown->ReportRuns(rows);
        m_shown->Finalize();
    }

private:
    benchmark::BenchmarkReporter* m_shown;
    const std::vector<SideBySidePair>& m_pairs;
    std::map<std::string, Run> m_fastest;
    std::map<std::string, int> m_repetitions;
};

bool hasFlag(const std::vector<char*>& arguments, const char* flag)
{
    for (const char* argument : arguments)
        if (std::strncmp(argument, flag, std::strlen(flag)) == 0)
            return true;
    return false;
}

} // namespace

int runSideBySide(int argc, char** argv, const std::vector<SideBySidePair>& pairs)
{
    std::vector<char*> arguments(argv, argv + argc);
    static char repetitions[] = "--benchmark_repetitions=5";
    static char interleaving[] = "--benchmark_enable_random_interleaving=true";
    if (!hasFlag(arguments, "--benchmark_repetitions"))
        arguments.push_back(repetitions);
    if (!hasFlag(arguments, "--benchmark_enable_random_interleaving"))
        arguments.push_back(interleaving);
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data()))
        return 1;
    // The library keeps the reporter the format flag chose; it is not ours to delete.
    RatioReporter reporter(benchmark::CreateDefaultDisplayReporter(), pairs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

void useOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int runBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

int runOverProgram(int argc, char** argv, const QString& courseRows, const std::function<void()>& prepare)
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    BenchCourse course(courseRows);
    if (!createProgram())
        return 1;
    prepare();
    const int result = runBenchmarks(argc, argv);
    destroyProgram();
    return result;
}
