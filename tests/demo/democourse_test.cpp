// The demo course is what a new user meets first: every file the tables name must be where the
// program looks for it, every document must be a real one, and the test must draw real questions.
#include "platform/apperror.h"
#include "platform/jpegdecoder.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <sqlite3.h>

namespace {

const QString programDir = QStringLiteral(VESTORIA_PROGRAM_DIR);
const QString demoSourceDir = QStringLiteral(VESTORIA_DEMO_SOURCE_DIR);
const QString generator = QStringLiteral(VESTORIA_DEMO_GENERATOR);

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList filesBelow(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

// Runs the generator into a fresh folder; the user's program folder may hold results and edits.
std::unique_ptr<QTemporaryDir> generateCourse()
{
    auto dir = std::make_unique<QTemporaryDir>();
    QProcess process;
    process.start(generator, {demoSourceDir, dir->path()});
    const bool finished = process.waitForFinished(120000);
    EXPECT_TRUE(finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        << process.readAllStandardError().toStdString();
    return dir;
}

std::vector<QStringList> query(const QString& databasePath, const QString& sql)
{
    sqlite3* db = nullptr;
    std::vector<QStringList> rows;
    if (sqlite3_open_v2(databasePath.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << databasePath.toStdString();
        sqlite3_close(db);
        return rows;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(db);
    } else {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                row << (text ? QString::fromUtf8(text) : QStringLiteral("<null>"));
            }
            rows.push_back(row);
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

QString declaredCharset(const QByteArray& html)
{
    static const QRegularExpression charset(QStringLiteral("charset=([A-Za-z0-9_-]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return charset.match(QString::fromLatin1(html)).captured(1).toLower();
}

// Decodes an HTML file by the charset it declares; an empty result means it could not.
QString decodeHtml(const QByteArray& bytes)
{
    QStringDecoder decoder(declaredCharset(bytes).toUtf8().constData());
    if (!decoder.isValid())
        return {};
    QString text = decoder(bytes);
    return decoder.hasError() ? QString() : text;
}

int wordCount(const QString& html)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression word(QStringLiteral("\\p{L}+"));
    QString text = html;
    text.remove(QRegularExpression(QStringLiteral("<head>.*</head>"), QRegularExpression::DotMatchesEverythingOption));
    text.replace(tags, QStringLiteral(" "));
    int count = 0;
    for (auto it = word.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

QStringList imageSources(const QString& html)
{
    static const QRegularExpression image(QStringLiteral("<img[^>]*\\ssrc=\"([^\"]+)\""),
                                          QRegularExpression::CaseInsensitiveOption);
    QStringList sources;
    for (auto it = image.globalMatch(html); it.hasNext();)
        sources << it.next().captured(1);
    return sources;
}

class DemoCourse : public ::testing::Test {
protected:
    static void SetUpTestSuite() { course_ = generateCourse().release(); }
    static void TearDownTestSuite()
    {
        delete course_;
        course_ = nullptr;
    }

    // Where the program finds the course: its folder plus a path stored Windows-style.
    static QString coursePath(const QString& storedPath) { return course_->path() + u'/' + nativePath(storedPath); }
    static std::vector<QStringList> rows(const QString& sql) { return query(coursePath("db1.mdb"), sql); }

    static QTemporaryDir* course_;
};

QTemporaryDir* DemoCourse::course_ = nullptr;

TEST_F(DemoCourse, EveryCatalogueFileIsWhereTheProgramLooksForIt)
{
    struct Case {
        const char* table;
        const char* fileColumn;
        const char* folder; // as the program puts it in front of the stored name
        std::size_t atLeast;
        bool shellOpened; // handed to the shell-open routine, which takes at most 79 characters
    };
    const Case cases[] = {
        {"Lekcia", "file", "Teoria\\", 8, false},
        {"Present", "file", "Teoria\\Present\\", 3, true},
        {"media", "file", "Teoria\\Media\\", 3, true},
        {"foto", "file", "Teoria\\foto\\", 8, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        const auto files = rows(QStringLiteral("SELECT %1 FROM %2 ORDER BY id").arg(c.fileColumn, c.table));
        EXPECT_GE(files.size(), c.atLeast);
        for (const QStringList& row : files) {
            const QString stored = QString::fromLatin1(c.folder) + row[0];
            const QFileInfo file(coursePath(stored));
            EXPECT_TRUE(file.isFile() && file.size() > 0) << stored.toStdString();
            if (c.shellOpened) {
                EXPECT_LE(stored.size(), 79) << stored.toStdString();
            }
        }
    }
}

TEST_F(DemoCourse, LecturesAreRealDocumentsWithPicturesThatResolve)
{
    const auto lectures = rows(QStringLiteral("SELECT tema, file FROM Lekcia ORDER BY id"));
    ASSERT_GE(lectures.size(), 8u);
    for (const QStringList& lecture : lectures) {
        SCOPED_TRACE(lecture[1].toStdString());
        const QString path = coursePath(QStringLiteral("Teoria\\") + lecture[1]);
        const QString html = decodeHtml(readAll(path));
        ASSERT_FALSE(html.isEmpty()) << "undecodable by its declared charset";
        EXPECT_GE(wordCount(html), 600);
        EXPECT_TRUE(html.contains(QStringLiteral("<h1")) && html.contains(QStringLiteral("<h2")));
        EXPECT_TRUE(html.contains(QStringLiteral("<table")) || html.contains(QStringLiteral("<ul"))
                    || html.contains(QStringLiteral("<ol")));
        const QStringList pictures = imageSources(html);
        EXPECT_FALSE(pictures.isEmpty());
        for (const QString& picture : pictures) {
            EXPECT_TRUE(QDir::isRelativePath(picture) && !picture.contains(QStringLiteral(":")))
                << picture.toStdString();
            EXPECT_TRUE(QFileInfo(QFileInfo(path).dir().filePath(picture)).isFile()) << picture.toStdString();
        }
    }
}

TEST_F(DemoCourse, LecturesCoverTheWindowsCasesTheProgramMustHandle)
{
    const auto lectures = rows(QStringLiteral("SELECT tema, file FROM Lekcia ORDER BY id"));
    std::set<QString> topics;
    bool inSubfolder = false;
    int windows1251 = 0;
    for (const QStringList& lecture : lectures) {
        topics.insert(lecture[0]);
        inSubfolder = inSubfolder || lecture[1].contains(u'\\');
        const QByteArray bytes = readAll(coursePath(QStringLiteral("Teoria\\") + lecture[1]));
        if (declaredCharset(bytes) != QStringLiteral("windows-1251"))
            continue;
        ++windows1251;
        // Written in the code page itself, not UTF-8 under a wrong label, and the same text as
        // its UTF-8 source.
        EXPECT_TRUE(QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter));
        EXPECT_EQ(decodeHtml(bytes).toStdString(),
                  QString::fromUtf8(readAll(demoSourceDir + "/texts/" + nativePath(lecture[1]))).toStdString());
    }
    EXPECT_TRUE(inSubfolder);
    EXPECT_GE(windows1251, 1);
    // One topic is the beginning of another: the topic lookup must still open each its own lecture.
    EXPECT_TRUE(topics.contains(QStringLiteral("Телеграф")));
    EXPECT_TRUE(topics.contains(QStringLiteral("Телеграф и телефон")));
}

TEST_F(DemoCourse, CourseDocumentsAndManualAreThere)
{
    const QStringList documents = {"Календарно-тематический план",
                                   "Вестория",
                                   "Планы практических занятий",
                                   "Самостоятельная работа студентов",
                                   "Темы докладов и рефератов",
                                   "Экзаменационные вопросы",
                                   "Список рекомендуемой литературы",
                                   "Задания на СРС",
                                   "График выполнения и сдачи заданий по дисциплине",
                                   "Вопросы рубежных контролей",
                                   "Руководство"};
    for (const QString& document : documents) {
        SCOPED_TRACE(document.toStdString());
        const QString html = decodeHtml(readAll(coursePath(QStringLiteral("Teoria\\") + document + ".htm")));
        ASSERT_FALSE(html.isEmpty());
        EXPECT_TRUE(html.contains(QStringLiteral("<h1")));
        EXPECT_GE(wordCount(html), 150);
    }
    const QString manual = decodeHtml(readAll(coursePath(QStringLiteral("Teoria\\Руководство.htm"))));
    EXPECT_TRUE(manual.contains(QStringLiteral("Словесница")));
    EXPECT_TRUE(manual.contains(QStringLiteral("<b>1</b>")));
    EXPECT_TRUE(manual.contains(QStringLiteral("версия " VESTORIA_VERSION ".")));
}

TEST_F(DemoCourse, QuestionBankHoldsOneHundredQuestionsWithFiveOptions)
{
    const auto questions = rows(QStringLiteral("SELECT nom, test, otv FROM test ORDER BY nom"));
    ASSERT_EQ(questions.size(), 100u);
    std::map<QString, int> letters;
    std::set<QString> texts;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const QStringList& q = questions[i];
        SCOPED_TRACE(q[0].toStdString());
        EXPECT_EQ(q[0], QString::number(i + 1));
        ++letters[q[2]];
        texts.insert(q[1]);
        const QStringList lines = q[1].split(u'\n');
        ASSERT_GE(lines.size(), 6);
        EXPECT_FALSE(lines.front().startsWith(QStringLiteral("A)")));
        for (int k = 0; k < 5; ++k)
            EXPECT_TRUE(lines[lines.size() - 5 + k].startsWith(QString(QChar(char16_t(u'A' + k))) + u')'));
    }
    EXPECT_EQ(texts.size(), 100u);
    ASSERT_EQ(letters.size(), 5u) << "every answer must be one of the capital Latin letters A to E";
    for (const auto& [letter, count] : letters) {
        EXPECT_TRUE(QStringLiteral("ABCDE").contains(letter) && letter.size() == 1) << letter.toStdString();
        EXPECT_GE(count, 10) << letter.toStdString();
    }
}

TEST_F(DemoCourse, OtherTablesStartAsANewCourseShould)
{
    EXPECT_GE(rows(QStringLiteral("SELECT name FROM rasdel")).size(), 2u);
    EXPECT_TRUE(rows(QStringLiteral("SELECT nom FROM testing")).empty());
    EXPECT_TRUE(rows(QStringLiteral("SELECT fio FROM result")).empty());
}

TEST_F(DemoCourse, PhotosLoadAndIncludeTheCasesThePhotoWindowMustHandle)
{
    const auto photos = rows(QStringLiteral("SELECT file FROM foto ORDER BY id"));
    bool upperCaseJpg = false;
    bool bitmap = false;
    bool largerThanView = false;
    for (const QStringList& photo : photos) {
        SCOPED_TRACE(photo[0].toStdString());
        const QString path = coursePath(QStringLiteral("Teoria\\foto\\") + photo[0]);
        const QString suffix = QFileInfo(path).suffix();
        QImage image;
        if (suffix.toLower() == QStringLiteral("jpg") || suffix.toLower() == QStringLiteral("jpeg")) {
            try {
                image = decodeJpeg(readAll(path));
            } catch (const AppError& error) {
                ADD_FAILURE() << error.message().toStdString();
            }
            upperCaseJpg = upperCaseJpg || suffix == QStringLiteral("JPG");
        } else {
            ASSERT_EQ(suffix.toLower(), QStringLiteral("bmp"));
            image = QImage(path, "BMP");
            bitmap = true;
        }
        ASSERT_FALSE(image.isNull());
        largerThanView = largerThanView || (image.width() > 1000 && image.height() > 600);
    }
    EXPECT_TRUE(upperCaseJpg);
    EXPECT_TRUE(bitmap);
    EXPECT_TRUE(largerThanView);
}

TEST_F(DemoCourse, PresentationsAreWellFormedPdfsOfJpegPages)
{
    for (const QStringList& row : rows(QStringLiteral("SELECT file FROM Present"))) {
        SCOPED_TRACE(row[0].toStdString());
        const QByteArray pdf = readAll(coursePath(QStringLiteral("Teoria\\Present\\") + row[0]));
        ASSERT_TRUE(pdf.startsWith("%PDF-1.") && pdf.trimmed().endsWith("%%EOF"));
        // Each cross-reference entry must point at its own object, or viewers have to repair it.
        static const QRegularExpression startXref(QStringLiteral("startxref\\n(\\d+)\\n"));
        const qsizetype xref = startXref.match(QString::fromLatin1(pdf)).captured(1).toLongLong();
        ASSERT_TRUE(pdf.mid(xref).startsWith("xref\n0 "));
        const QList<QByteArray> header = pdf.mid(xref).split('\n');
        const int count = header[1].split(' ')[1].toInt();
        ASSERT_GT(count, 4);
        for (int id = 1; id < count; ++id) {
            const qsizetype offset = header[2 + id].left(10).toLongLong();
            EXPECT_TRUE(pdf.mid(offset).startsWith(QByteArray::number(id) + " 0 obj")) << "object " << id;
        }
        static const QRegularExpression image(QStringLiteral("/DCTDecode /Length (\\d+) >>\\nstream\\n"));
        int pages = 0;
        for (auto it = image.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QByteArray jpeg = pdf.mid(match.capturedEnd(), match.captured(1).toLongLong());
            try {
                EXPECT_FALSE(decodeJpeg(jpeg).isNull());
            } catch (const AppError& error) {
                ADD_FAILURE() << error.message().toStdString();
            }
            ++pages;
        }
        EXPECT_GE(pages, 3);
        EXPECT_EQ(pdf.count("/Type /Page "), pages);
    }
}

TEST_F(DemoCourse, MediaFilesAreWellFormed)
{
    int sounds = 0;
    for (const QStringList& row : rows(QStringLiteral("SELECT file FROM media"))) {
        SCOPED_TRACE(row[0].toStdString());
        const QString path = coursePath(QStringLiteral("Teoria\\Media\\") + row[0]);
        const QByteArray bytes = readAll(path);
        if (row[0].endsWith(QStringLiteral(".wav"))) {
            ++sounds;
            ASSERT_GT(bytes.size(), 44);
            EXPECT_TRUE(bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt ");
            EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(bytes.size() - 8));
            EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 20), 1); // PCM
            EXPECT_EQ(bytes.mid(36, 4), "data");
            EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 40), quint32(bytes.size() - 44));
        } else {
            QImageReader reader(path);
            EXPECT_GT(reader.imageCount(), 1);
            for (int frame = 0; frame < reader.imageCount(); ++frame)
                EXPECT_FALSE(reader.read().isNull()) << reader.errorString().toStdString();
        }
    }
    EXPECT_GE(sounds, 3);
}

TEST_F(DemoCourse, GeneratingAgainGivesTheSameBytes)
{
    const auto again = generateCourse();
    const QStringList files = filesBelow(course_->path());
    ASSERT_EQ(filesBelow(again->path()), files);
    for (const QString& file : files)
        EXPECT_TRUE(readAll(course_->filePath(file)) == readAll(again->filePath(file))) << file.toStdString();
}

TEST_F(DemoCourse, BuildPutTheCourseInTheProgramFolder)
{
    // The database there may since hold a student's results and the teacher may have added files;
    // what the build made must still be there as made.
    EXPECT_TRUE(QFileInfo(programDir + "/db1.mdb").isFile());
    const QStringList files = filesBelow(course_->filePath(QStringLiteral("Teoria")));
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        EXPECT_TRUE(readAll(course_->filePath("Teoria/" + file)) == readAll(programDir + "/Teoria/" + file))
            << file.toStdString();
    }
}

// Copies the demo sources, spoils one file and runs the generator on the copy.
struct Breakage {
    const char* file;
    const char* replaced;
    const char* by;
};

TEST(DemoCourseSources, ABrokenSourceFailsTheBuildInsteadOfMakingABrokenCourse)
{
    const Breakage cases[] = {
        {"questions.txt", "Ответ: C", "Ответ: F"},                       // not a letter A to E
        {"questions.txt", "E) Луций Корнелий Сулла\n", ""},              // an option missing
        {"catalogue.txt", "| lekcia5.htm", "| lekcia55.htm"},            // a lecture without file
        {"catalogue.txt", "| acta.jpg | acta |", "| acta.png | acta |"}, // a photo kind the program refuses
        {"texts/lekcia1.htm", "Вести древнего мира</h1>", "Вести древнего мира λ</h1>"}, // not in windows-1251
        {"presentations/radio.txt", "picture: tower", "picture: no-such-drawing"},
    };
    for (const Breakage& c : cases) {
        SCOPED_TRACE(std::string(c.file) + ": " + c.by);
        QTemporaryDir sources;
        for (const QString& file : filesBelow(demoSourceDir)) {
            QDir().mkpath(QFileInfo(sources.filePath(file)).path());
            ASSERT_TRUE(QFile::copy(demoSourceDir + u'/' + file, sources.filePath(file)));
        }
        QFile spoilt(sources.filePath(QString::fromLatin1(c.file)));
        ASSERT_TRUE(spoilt.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(spoilt.readAll());
        spoilt.close();
        ASSERT_TRUE(text.contains(QString::fromUtf8(c.replaced)));
        text.replace(text.indexOf(QString::fromUtf8(c.replaced)), QString::fromUtf8(c.replaced).size(),
                     QString::fromUtf8(c.by));
        ASSERT_TRUE(spoilt.open(QIODevice::WriteOnly | QIODevice::Truncate));
        spoilt.write(text.toUtf8());
        spoilt.close();

        QTemporaryDir program;
        QProcess process;
        process.start(generator, {sources.path(), program.path()});
        ASSERT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_FALSE(process.readAllStandardError().isEmpty());
        EXPECT_FALSE(QFileInfo::exists(program.filePath(QStringLiteral("db1.mdb"))));
    }
}

} // namespace
