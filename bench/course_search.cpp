// The features beside the textbook: the course search over 1,000 lectures of 2,000 words each
// (building the index, answering a query) and exporting 100,000 results as CSV.

#include "app/courseindex.h"
#include "bench/benchcourse.h"
#include "bench/sidebyside.h"
#include "data/connection.h"
#include "data/table.h"
#include "teacher/csvwriter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int lectureCount = 1000;
constexpr int wordsPerLecture = 2000;

// Lectures of words drawn from a vocabulary of made-up Russian-looking words, so that a query
// word occurs in some lectures and not in others.
class LectureFolder {
public:
    LectureFolder()
    {
        QRandomGenerator random(1876);
        const QString syllables = QStringLiteral("бавегодикалумонапорисатуфехоцечашыэюя");
        QStringList vocabulary;
        for (int word = 0; word < 20000; ++word) {
            QString text;
            const int length = 2 + int(random.bounded(3));
            for (int syllable = 0; syllable < length; ++syllable)
                text += syllables.mid(int(random.bounded(syllables.size() / 2)) * 2, 2);
            vocabulary << text;
        }
        QDir().mkpath(folder.filePath(QStringLiteral("Teoria")));
        for (int lecture = 0; lecture < lectureCount; ++lecture) {
            QString html = QStringLiteral("<html><body><h1>Лекция %1</h1><p>").arg(lecture);
            for (int word = 0; word < wordsPerLecture; ++word) {
                html += vocabulary[int(random.bounded(vocabulary.size()))];
                html += word % 40 == 39 ? QStringLiteral("</p><p>") : QStringLiteral(" ");
            }
            const QString path = folder.filePath(QStringLiteral("Teoria/lekcia%1.htm").arg(lecture));
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write((html + QStringLiteral("</p></body></html>")).toUtf8());
            documents.append({path, QStringLiteral("Лекция %1").arg(lecture)});
        }
        query = vocabulary[7];
    }

    QTemporaryDir folder;
    QList<CourseDocument> documents;
    QString query;
};

LectureFolder& lectures()
{
    static LectureFolder folder;
    return folder;
}

void BuildCourseIndex(benchmark::State& state)
{
    LectureFolder& course = lectures();
    // Counted across repetitions too: every iteration builds into a cache of its own, never into
    // one that a repetition before it has already filled.
    static int run = 0;
    for (auto _ : state) {
        const QString cache = course.folder.filePath(QStringLiteral("cache%1.sqlite").arg(run++));
        CourseIndex index(cache);
        benchmark::DoNotOptimize(index.update(course.documents));
    }
    state.counters["lectures"] = lectureCount;
}
BENCHMARK(BuildCourseIndex)->Unit(benchmark::kSecond)->Iterations(2)->UseRealTime();

void AnswerCourseQuery(benchmark::State& state)
{
    LectureFolder& course = lectures();
    CourseIndex index(course.folder.filePath(QStringLiteral("query.sqlite")));
    index.update(course.documents);
    size_t hits = 0;
    for (auto _ : state) {
        // A search brings the index up to date first, as the search window does.
        index.update(course.documents);
        hits = index.search(course.query).size();
    }
    state.counters["hits"] = double(hits);
}
BENCHMARK(AnswerCourseQuery)->Unit(benchmark::kMillisecond)->UseRealTime();

void ExportHundredThousandResults(benchmark::State& state)
{
    BenchCourse course(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
        "INSERT INTO result (fio, data, kol, ocenka) SELECT 'Студент, номер ' || i, '2026-12-10', 20, 'A' FROM n"));
    Connection connection;
    connection.open(QStringLiteral("db1.mdb"));
    Table results(&connection, QStringLiteral("ADOTable6"), QStringLiteral("result"), nullptr);
    results.open();
    const QList<DBGridColumn> columns{
        {"id", "№"}, {"fio", "ФИО"}, {"data", "Дата"}, {"kol", "Кол-во вопросов"}, {"ocenka", "Оценка"}};
    for (auto _ : state) {
        QSaveFile file(QDir(course.path()).filePath(QStringLiteral("results.csv")));
        file.open(QIODevice::WriteOnly);
        file.write(recordsAsCsv(results, columns));
        benchmark::DoNotOptimize(file.commit());
    }
    state.counters["records"] = results.recordCount();
}
BENCHMARK(ExportHundredThousandResults)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatform();
    QApplication application(argc, argv);
    return runBenchmarks(argc, argv);
}
