#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/filedialog.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tspagecontrol.h"
#include "skin/controls/tstabsheet.h"
#include "teacher/csvwriter.h"
#include "teacher/tform10.h"
#include "tests/support/casename.h"
#include "tests/support/lockedcourse.h"
#include "tests/support/messagerecorder.h"
#include "tests/teacher/teacherprogram.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct FieldCase {
    std::string name;
    FieldValue value;
    QByteArray written;
};

class CsvField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvField, IsWrittenSoThatASpreadsheetReadsItBack)
{
    EXPECT_EQ(csvField(GetParam().value), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CsvField,
    ::testing::Values(FieldCase{"null", FieldValue(), ""}, FieldCase{"number", FieldValue(20), "20"},
                      FieldCase{"negative number", FieldValue(-3), "-3"},
                      FieldCase{"date", FieldValue(QDate(2026, 12, 10)), "2026-12-10"},
                      FieldCase{"cyrillic", FieldValue(QStringLiteral("Иванов И. И.")), "Иванов И. И."},
                      FieldCase{"comma", FieldValue(QStringLiteral("Иванов, Иван")), "\"Иванов, Иван\""},
                      FieldCase{"quote", FieldValue(QStringLiteral("«Орёл» \"А\"")), "\"«Орёл» \"\"А\"\"\""},
                      FieldCase{"line break", FieldValue(QStringLiteral("a\r\nb")), "\"a\r\nb\""},
                      FieldCase{"formula", FieldValue(QStringLiteral("=1+1")), "'=1+1"},
                      FieldCase{"plus", FieldValue(QStringLiteral("+7 900")), "'+7 900"},
                      FieldCase{"minus text", FieldValue(QStringLiteral("-x")), "'-x"},
                      FieldCase{"at", FieldValue(QStringLiteral("@sum")), "'@sum"},
                      FieldCase{"formula with a comma", FieldValue(QStringLiteral("=SUM(A1,B1)")), "\"'=SUM(A1,B1)\""}),
    CaseName());

// Picks the file for every file chooser while it lives.
class ChosenFile {
public:
    explicit ChosenFile(const QString& path)
    {
        setFileDialogHandler([path](const FileDialogRequest&) { return path; });
    }
    ~ChosenFile() { setFileDialogHandler({}); }
};

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each command stands in the tab row while its page is shown, and leaves the pages' layout alone.
TEST(MaterialEditorCommands, FollowTheShownPage)
{
    TeacherProgram program;
    ASSERT_TRUE(program.created);
    Form10->show();
    struct Shown {
        TsTabSheet* page;
        bool import;
        bool exportResults;
    };
    for (const Shown& shown : {Shown{Form10->sTabSheet4, true, false}, Shown{Form10->sTabSheet5, false, true},
                               Shown{Form10->sTabSheet1, false, false}}) {
        Form10->sPageControl1->setCurrentWidget(shown.page);
        EXPECT_EQ(Form10->sButtonImportQuestions->isVisible(), shown.import);
        EXPECT_EQ(Form10->sButtonExportResults->isVisible(), shown.exportResults);
    }
}

const QString results = QStringLiteral("INSERT INTO result (fio, data, kol, ocenka) VALUES "
                                       "('Петров, Пётр', '2026-12-01', 20, 'A'), ('=HYPERLINK(1)', NULL, 20, 'FX');");

TEST(ResultsExport, WritesTheGridsRowsWithItsTitlesAsUtf8Csv)
{
    TeacherProgram program(results);
    ASSERT_TRUE(program.created);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("итоги.csv"));
    MessageRecorder boxes;
    ChosenFile chosen(path);
    Form10->sButtonExportResults->click();
    EXPECT_EQ(fileContents(path), QByteArray("\xEF\xBB\xBF№,ФИО,Дата,Кол-во вопросов,Оценка\r\n"
                                             "1,\"Петров, Пётр\",2026-12-01,20,A\r\n"
                                             "2,'=HYPERLINK(1),,20,FX\r\n"));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].icon, MessageIcon::Information);
}

TEST(ResultsExport, AnEmptyTableGivesTheHeaderAndACancelledChoiceWritesNothing)
{
    TeacherProgram program;
    ASSERT_TRUE(program.created);
    QTemporaryDir folder;
    MessageRecorder boxes;
    {
        ChosenFile chosen(folder.filePath(QStringLiteral("пусто.csv")));
        Form10->sButtonExportResults->click();
    }
    EXPECT_EQ(fileContents(folder.filePath(QStringLiteral("пусто.csv"))),
              QByteArray("\xEF\xBB\xBF№,ФИО,Дата,Кол-во вопросов,Оценка\r\n"));
    ChosenFile cancelled{QString()};
    Form10->sButtonExportResults->click();
    EXPECT_EQ(boxes.boxes().size(), 1);
}

TEST(ResultsExport, AFolderThatCannotBeWrittenIsToldAndLeavesNoFile)
{
    TeacherProgram program(results);
    ASSERT_TRUE(program.created);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("нет такой папки/итоги.csv"));
    MessageRecorder boxes;
    ChosenFile chosen(path);
    Form10->sButtonExportResults->click();
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith(QStringLiteral("Не удалось сохранить файл")))
        << boxes.texts().join(u'\n').toStdString();
}

const QString bank =
    QStringLiteral("INSERT INTO test (nom, test, otv) VALUES (1, 'Первый', 'A'), ('7', 'Седьмой', 'B');");

QByteArray windows1251(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

struct ImportFileCase {
    std::string name;
    QByteArray bytes;
};

class QuestionImportFile : public ::testing::TestWithParam<ImportFileCase> {};

// The questions join the bank numbered on after the highest number (a number stored as text
// counts by its value), and the editor shows them.
TEST_P(QuestionImportFile, AppendsTheQuestionsAfterTheHighestNumber)
{
    TeacherProgram program(bank);
    ASSERT_TRUE(program.created);
    program.course.writeFile(QStringLiteral("вопросы.txt"), GetParam().bytes);
    MessageRecorder boxes;
    ChosenFile chosen(program.course.path() + QStringLiteral("/вопросы.txt"));
    Form10->sButtonImportQuestions->click();
    EXPECT_EQ(
        program.course.rows(QStringLiteral("SELECT nom, test, otv FROM test WHERE nom > 7 ORDER BY nom")),
        QStringList({QStringLiteral("8|Где?\nA) Здесь\nB) Там|B"), QStringLiteral("9|Когда?\nA) Сейчас\nB) Потом|A")}));
    EXPECT_EQ(DataModule2->ADOTable1->recordCount(), 4);
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.boxes()[0].buttons, MessageButtons::OkCancel);
    EXPECT_TRUE(boxes.boxes()[0].text.contains(QStringLiteral("вопросов прочитано: 2")));
    EXPECT_EQ(boxes.boxes()[1].text, QStringLiteral("Вопросов добавлено: 2 (номера 8–9)."));
}

const QString twoQuestions =
    QStringLiteral("Где?\nA) Здесь\nB) Там\nANSWER: B\n\nКогда?\nA. Сейчас\nB. Потом\nANSWER: A\n");

INSTANTIATE_TEST_SUITE_P(Encodings, QuestionImportFile,
                         ::testing::Values(ImportFileCase{"utf8", twoQuestions.toUtf8()},
                                           ImportFileCase{"utf8 with a byte order mark",
                                                          "\xEF\xBB\xBF" + twoQuestions.toUtf8()},
                                           ImportFileCase{"windows 1251", windows1251(twoQuestions)}),
                         CaseName());

struct NothingStoredCase {
    std::string name;
    QByteArray bytes;
    MessageAnswer answer;
    bool locked;
    QString told;
};

class QuestionImportRefused : public ::testing::TestWithParam<NothingStoredCase> {};

// A faulty file, a teacher who says no, or a course another program holds: the bank stays as it was.
TEST_P(QuestionImportRefused, StoresNothing)
{
    const NothingStoredCase& c = GetParam();
    TeacherProgram program(bank);
    ASSERT_TRUE(program.created);
    program.course.writeFile(QStringLiteral("вопросы.txt"), c.bytes);
    const QStringList before = program.course.rows(QStringLiteral("SELECT * FROM test"));
    MessageRecorder boxes;
    boxes.answerWith(c.answer);
    ChosenFile chosen(program.course.path() + QStringLiteral("/вопросы.txt"));
    {
        std::optional<LockedCourse> lock;
        if (c.locked)
            lock.emplace(*DataModule2->ADOConnection1);
        Form10->sButtonImportQuestions->click();
    }
    EXPECT_EQ(program.course.rows(QStringLiteral("SELECT * FROM test")), before);
    EXPECT_TRUE(boxes.texts().join(u'\n').contains(c.told)) << boxes.texts().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuestionImportRefused,
    ::testing::Values(NothingStoredCase{"one block refused",
                                        (twoQuestions + QStringLiteral("\nПлохой\nA) да\nANSWER: A\n")).toUtf8(),
                                        MessageAnswer::Ok, false, QStringLiteral("Строка 13: нужно не меньше двух")},
                      NothingStoredCase{"no questions", QByteArray("\n\n"), MessageAnswer::Ok, false,
                                        QStringLiteral("нет ни одного вопроса")},
                      NothingStoredCase{"teacher cancels", twoQuestions.toUtf8(), MessageAnswer::Cancel, false,
                                        QStringLiteral("Добавить их")},
                      NothingStoredCase{"course locked", twoQuestions.toUtf8(), MessageAnswer::Ok, true,
                                        QStringLiteral("database is locked")}),
    CaseName());

} // namespace
