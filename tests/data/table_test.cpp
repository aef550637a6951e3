#include "data/connection.h"
#include "data/datalink.h"
#include "data/datasource.h"
#include "data/table.h"
#include "tests/support/errorcapture.h"
#include "tests/support/testcourse.h"
#include "tests/support/casename.h"

#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

namespace {

// A course file with one open table over it, as the data module would have it.
class TableTest : public ::testing::Test {
protected:
    void openTable(const QString& tableName, const QString& component = QStringLiteral("ADOTable3"),
                   Connection::Mode mode = Connection::Mode::ReadWrite)
    {
        connection.open(QStringLiteral("db1.mdb"), mode);
        table = std::make_unique<Table>(&connection, component, tableName, nullptr);
        table->open();
    }

    QStringList walk(const QString& field)
    {
        QStringList values;
        table->first();
        for (int i = 0; i < table->recordCount(); ++i) {
            values.append(table->fieldAsText(field));
            table->next();
        }
        return values;
    }

    TestCourse course;
    Connection connection;
    std::unique_ptr<Table> table;
};

TEST_F(TableTest, EmptyTableOpensWithBothFlagsAndFirstDoesNothing)
{
    openTable(QStringLiteral("Lekcia"));
    EXPECT_EQ(table->recordCount(), 0);
    EXPECT_TRUE(table->bof());
    EXPECT_TRUE(table->eof());
    table->first();
    table->next();
    EXPECT_EQ(table->recordIndex(), -1);
    EXPECT_TRUE(table->fieldValue(QStringLiteral("tema")).isNull());
}

TEST_F(TableTest, NextAndPriorSetTheFlagsOnlyAtTheEnds)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('a'), ('b')"));
    openTable(QStringLiteral("Lekcia"));
    EXPECT_TRUE(table->bof());
    EXPECT_FALSE(table->eof());
    table->next();
    EXPECT_FALSE(table->bof());
    EXPECT_FALSE(table->eof());
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("b"));
    table->next();
    EXPECT_TRUE(table->eof());
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("b"));
    table->prior();
    table->prior();
    EXPECT_TRUE(table->bof());
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("a"));
}

struct LocateCase {
    const char* name;
    QStringList stored; // tema values in stored order
    FieldValue searched;
    Table::LocateOptions options;
    QString expected; // the tema the cursor ends on; "<stays>" when not found
};

class LocateTest : public TableTest, public ::testing::WithParamInterface<LocateCase> {};

TEST_P(LocateTest, FindsByKeyOrderAndLeavesTheCursorWhenNothingMatches)
{
    const LocateCase& c = GetParam();
    for (const QString& tema : c.stored) {
        if (tema == QStringLiteral("<null>"))
            course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES (NULL)"));
        else
            course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('%1')").arg(tema));
    }
    openTable(QStringLiteral("Lekcia"));
    table->last();
    const qint64 before = table->fieldValue(QStringLiteral("id")).toInteger();
    const bool found = table->locate(QStringLiteral("tema"), c.searched, c.options);
    if (c.expected == QStringLiteral("<stays>")) {
        EXPECT_FALSE(found);
        EXPECT_EQ(table->fieldValue(QStringLiteral("id")).toInteger(), before);
    } else {
        EXPECT_TRUE(found);
        EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), c.expected);
    }
}

const Table::LocateOptions topicLookup = Table::CaseInsensitive | Table::PartialKey;

INSTANTIATE_TEST_SUITE_P(
    Cases, LocateTest,
    ::testing::Values(
        LocateCase{"ExactBeatsLongerStoredBefore",
                   {"Телеграф и телефон", "Телеграф"},
                   FieldValue("Телеграф"),
                   topicLookup,
                   "Телеграф"},
        LocateCase{"PrefixTakesTheOneSortingFirst",
                   {"Радио в войну", "Радио XX века", "Газеты"},
                   FieldValue("Радио"),
                   topicLookup,
                   "Радио XX века"},
        LocateCase{
            "CyrillicCaseIgnored", {"Газеты", "лекция первая"}, FieldValue("ЛЕКЦИЯ"), topicLookup, "лекция первая"},
        LocateCase{"YoFoldsToo", {"Газеты", "ёлка"}, FieldValue("Ё"), topicLookup, "ёлка"},
        LocateCase{"NothingMatches", {"Газеты", "Радио"}, FieldValue("Телевидение"), topicLookup, "<stays>"},
        LocateCase{"EmptyTextMatchesEmptyNotNull", {"<null>", "", "Радио"}, FieldValue(""), topicLookup, ""},
        LocateCase{"EmptyTextNeverMatchesNull", {"<null>", "Радио"}, FieldValue(""), topicLookup, "<stays>"},
        LocateCase{
            "WithoutOptionsCaseCounts", {"Радио", "радио"}, FieldValue("радио"), Table::NoLocateOptions, "радио"},
        LocateCase{
            "WithoutOptionsNoPrefix", {"Радио XX века"}, FieldValue("Радио"), Table::NoLocateOptions, "<stays>"}),
    CaseName());

TEST_F(TableTest, LocateOnAWholeNumberFieldTakesTheNumberAsText)
{
    course.exec(QStringLiteral("INSERT INTO test (nom, otv) VALUES (10, 'A'), (2, 'B'), (1, 'C')"));
    openTable(QStringLiteral("test"), QStringLiteral("ADOTable1"));
    EXPECT_TRUE(table->locate(QStringLiteral("nom"), FieldValue("1"), topicLookup));
    EXPECT_EQ(table->fieldAsText(QStringLiteral("otv")), QStringLiteral("C"));
    EXPECT_TRUE(table->locate(QStringLiteral("nom"), FieldValue(10), Table::NoLocateOptions));
    EXPECT_EQ(table->fieldAsText(QStringLiteral("otv")), QStringLiteral("A"));
    EXPECT_FALSE(table->locate(QStringLiteral("nom"), FieldValue("x"), Table::NoLocateOptions));
    EXPECT_EQ(table->fieldAsText(QStringLiteral("otv")), QStringLiteral("A"));
}

TEST_F(TableTest, LocateSeesRecordsAddedSinceTheLastSearch)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('b')"));
    openTable(QStringLiteral("Lekcia"));
    EXPECT_FALSE(table->locate(QStringLiteral("tema"), FieldValue("a"), topicLookup));
    table->insert();
    table->setFieldValue(QStringLiteral("tema"), FieldValue("a"));
    table->post();
    table->first();
    EXPECT_TRUE(table->locate(QStringLiteral("tema"), FieldValue("a"), topicLookup));
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("a"));
}

TEST_F(TableTest, DeletingRecordCountTimesFromFirstEmptiesTheTable)
{
    course.exec(QStringLiteral("INSERT INTO testing (nom, nom1) VALUES ('1', 5), ('2', 6), ('3', 7)"));
    openTable(QStringLiteral("testing"), QStringLiteral("ADOTable5"));
    table->first();
    const int count = table->recordCount();
    for (int i = 0; i < count; ++i)
        table->deleteRecord();
    EXPECT_EQ(table->recordCount(), 0);
    EXPECT_EQ(course.rows(QStringLiteral("SELECT count(*) FROM testing")), QStringList{"0"});
    EXPECT_EQ(errorMessageOf([&] { table->deleteRecord(); }),
              QStringLiteral("ADOTable5: Cannot perform this operation on an empty dataset"));
}

TEST_F(TableTest, DeletingTheLastRecordMovesToTheNewLast)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('a'), ('b'), ('c')"));
    openTable(QStringLiteral("Lekcia"));
    table->last();
    table->deleteRecord();
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("b"));
    table->first();
    table->deleteRecord();
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("b"));
}

TEST_F(TableTest, InsertedAndPostedRecordComesLastAndIsStored)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('a'), ('b')"));
    openTable(QStringLiteral("Lekcia"));
    table->first();
    table->insert();
    EXPECT_EQ(table->state(), Table::State::Insert);
    table->setFieldValue(QStringLiteral("tema"), FieldValue("new"));
    table->post();
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("new"));
    EXPECT_FALSE(table->fieldValue(QStringLiteral("id")).isNull());
    EXPECT_EQ(walk(QStringLiteral("tema")), (QStringList{"a", "b", "new"}));
    EXPECT_EQ(course.rows(QStringLiteral("SELECT tema FROM Lekcia ORDER BY id")), (QStringList{"a", "b", "new"}));
}

TEST_F(TableTest, AStoredInsertIsNeverRepeatedWhenReadingItBackFails)
{
    openTable(QStringLiteral("Lekcia"));
    // Refusing every read after the table is open makes only the read-back of the new row fail.
    sqlite3_set_authorizer(
        connection.handle(),
        [](void*, int action, const char*, const char*, const char*, const char*) {
            return action == SQLITE_SELECT ? SQLITE_DENY : SQLITE_OK;
        },
        nullptr);
    table->insert();
    table->setFieldValue(QStringLiteral("tema"), FieldValue("once"));
    table->post();
    EXPECT_EQ(table->state(), Table::State::Browse);
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("once"));
    table->first();
    table->insert();
    table->first();
    sqlite3_set_authorizer(connection.handle(), nullptr, nullptr);
    EXPECT_EQ(table->recordCount(), 1);
    EXPECT_EQ(course.rows(QStringLiteral("SELECT tema FROM Lekcia")), QStringList{"once"});
}

TEST_F(TableTest, InsertAfterAChangedNewRecordStandsInFrontOfItsStoredPlace)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('a'), ('b'), ('c')"));
    openTable(QStringLiteral("Lekcia"));
    const int tema = table->fieldIndex(QStringLiteral("tema"));
    table->next();
    table->insert();
    table->setFieldValue(QStringLiteral("tema"), FieldValue("x"));
    table->insert(); // stores "x", which goes to the end, and opens the next record in front of it
    EXPECT_EQ(table->recordIndex(), 3);
    EXPECT_EQ(table->valueAt(4, tema), FieldValue("x"));
    table->setFieldValue(QStringLiteral("tema"), FieldValue("y"));
    table->post();
    EXPECT_EQ(walk(QStringLiteral("tema")), (QStringList{"a", "b", "c", "x", "y"}));
}

TEST_F(TableTest, PendingChangeIsCompletedByTheNextMove)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('a'), ('b')"));
    openTable(QStringLiteral("Lekcia"));
    table->edit();
    table->setFieldValue(QStringLiteral("tema"), FieldValue("changed"));
    table->next();
    EXPECT_EQ(table->state(), Table::State::Browse);
    EXPECT_EQ(course.rows(QStringLiteral("SELECT tema FROM Lekcia ORDER BY id")), (QStringList{"changed", "b"}));

    // An insert without any write is dropped, not stored as an empty record.
    table->insert();
    table->first();
    EXPECT_EQ(table->recordCount(), 2);
    EXPECT_EQ(course.rows(QStringLiteral("SELECT count(*) FROM Lekcia")), QStringList{"2"});
}

TEST_F(TableTest, CancelRestoresAnEditAndDropsANewRecord)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('a'), ('b'), ('c')"));
    openTable(QStringLiteral("Lekcia"));
    table->next();
    table->edit();
    table->setFieldValue(QStringLiteral("tema"), FieldValue("x"));
    table->cancel();
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("b"));

    table->insert();
    table->setFieldValue(QStringLiteral("tema"), FieldValue("y"));
    table->deleteRecord(); // in insert state this only cancels
    EXPECT_EQ(table->state(), Table::State::Browse);
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("b"));
    EXPECT_EQ(table->recordCount(), 3);
    EXPECT_EQ(course.rows(QStringLiteral("SELECT count(*) FROM Lekcia")), QStringList{"3"});
}

TEST_F(TableTest, EditOnAnEmptyTableInserts)
{
    openTable(QStringLiteral("Lekcia"));
    table->edit();
    EXPECT_EQ(table->state(), Table::State::Insert);
}

TEST_F(TableTest, TextIsCutToTheDeclaredSizeAndKindsAreKept)
{
    openTable(QStringLiteral("testing"), QStringLiteral("ADOTable5"));
    table->insert();
    table->setFieldValue(QStringLiteral("nom"), FieldValue("7"));
    table->setFieldValue(QStringLiteral("nom1"), FieldValue(42));
    table->setFieldValue(QStringLiteral("otv"), FieldValue("ABC"));
    table->post();
    EXPECT_EQ(course.rows(QStringLiteral("SELECT typeof(nom), typeof(nom1), otv FROM testing")),
              QStringList{"text|integer|A"});

    // What another program stored longer than the declared size is shown whole, not cut on reading.
    course.exec(QStringLiteral("UPDATE testing SET otv = 'XYZ'"));
    table->refresh();
    EXPECT_EQ(table->fieldAsText(QStringLiteral("otv")), QStringLiteral("XYZ"));
}

TEST_F(TableTest, DatesAreStoredWithoutTime)
{
    openTable(QStringLiteral("result"), QStringLiteral("ADOTable6"));
    table->insert();
    table->setFieldValue(QStringLiteral("data"), FieldValue(QDate(2026, 12, 9)));
    table->post();
    EXPECT_EQ(course.rows(QStringLiteral("SELECT data FROM result")), QStringList{"2026-12-09"});
    EXPECT_EQ(table->fieldAsText(QStringLiteral("data")), QStringLiteral("09.12.2026"));
}

TEST_F(TableTest, FailuresNameTheComponentAndChangeNothing)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('a')"));
    openTable(QStringLiteral("Lekcia"));
    EXPECT_EQ(errorMessageOf([&] { table->fieldValue(QStringLiteral("nope")); }),
              QStringLiteral("ADOTable3: Field 'nope' not found"));
    EXPECT_EQ(errorMessageOf([&] { table->setFieldValue(QStringLiteral("tema"), FieldValue("x")); }),
              QStringLiteral("ADOTable3: Dataset not in edit or insert mode"));
    EXPECT_EQ(errorMessageOf([&] { table->post(); }), QStringLiteral("ADOTable3: Dataset not in edit or insert mode"));
    EXPECT_EQ(course.rows(QStringLiteral("SELECT tema FROM Lekcia")), QStringList{"a"});
}

TEST_F(TableTest, EveryOperationButOpenAndCloseFailsOnAClosedTable)
{
    openTable(QStringLiteral("Lekcia"));
    table->close();
    table->close();
    const std::vector<std::function<void()>> operations = {
        [&] { table->first(); },
        [&] { table->last(); },
        [&] { table->next(); },
        [&] { table->prior(); },
        [&] { table->recordCount(); },
        [&] { table->fieldAsText(QStringLiteral("tema")); },
        [&] { table->locate(QStringLiteral("tema"), FieldValue("a"), topicLookup); },
        [&] { table->insert(); },
        [&] { table->edit(); },
        [&] { table->post(); },
        [&] { table->cancel(); },
        [&] { table->deleteRecord(); },
        [&] { table->refresh(); }};
    for (const auto& operation : operations)
        EXPECT_EQ(errorMessageOf(operation),
                  QStringLiteral("ADOTable3: Cannot perform this operation on a closed dataset"));
}

TEST_F(TableTest, NullConvertedToTextFailsButReadsAsEmptyText)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema, file) VALUES ('a', NULL)"));
    openTable(QStringLiteral("Lekcia"));
    EXPECT_EQ(table->fieldAsText(QStringLiteral("file")), QString());
    EXPECT_EQ(errorMessageOf([&] { table->fieldValue(QStringLiteral("file")).toText(); }),
              QStringLiteral("Could not convert variant of type (Null) into type (String)"));
    EXPECT_EQ(errorMessageOf([&] { table->fieldValue(QStringLiteral("file")).toText(QStringLiteral("OleStr")); }),
              QStringLiteral("Could not convert variant of type (Null) into type (OleStr)"));
}

TEST_F(TableTest, ReadOnlyDatabaseRefusesChanges)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('a')"));
    openTable(QStringLiteral("Lekcia"), QStringLiteral("ADOTable3"), Connection::Mode::ReadOnly);
    EXPECT_FALSE(table->canModify());
    EXPECT_EQ(errorMessageOf([&] { table->edit(); }), QStringLiteral("ADOTable3: Cannot modify a read-only dataset"));
    EXPECT_EQ(errorMessageOf([&] { table->insert(); }), QStringLiteral("ADOTable3: Cannot modify a read-only dataset"));
    EXPECT_EQ(table->state(), Table::State::Browse);
}

TEST_F(TableTest, RefreshShowsWhatAnotherProgramChanged)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('a'), ('b'), ('c')"));
    openTable(QStringLiteral("Lekcia"));
    table->next();
    course.exec(QStringLiteral("UPDATE Lekcia SET tema = 'B' WHERE tema = 'b'; DELETE FROM Lekcia WHERE tema = 'c'"));
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("b"));
    table->refresh();
    EXPECT_EQ(table->fieldAsText(QStringLiteral("tema")), QStringLiteral("B"));
    EXPECT_EQ(walk(QStringLiteral("tema")), (QStringList{"a", "B"}));
}

TEST_F(TableTest, ALockedDatabaseFailsWithTheEngineMessageAndKeepsTheChangePending)
{
    openTable(QStringLiteral("Lekcia"));
    connection.setBusyTimeout(50);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open("db1.mdb", &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    table->insert();
    table->setFieldValue(QStringLiteral("tema"), FieldValue("kept"));
    EXPECT_EQ(errorMessageOf([&] { table->post(); }), QStringLiteral("database is locked"));
    EXPECT_EQ(table->state(), Table::State::Insert);
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    table->post();
    EXPECT_EQ(course.rows(QStringLiteral("SELECT tema FROM Lekcia")), QStringList{"kept"});
}

// A bound control hears of every change in the order it needs to follow the table.
class RecordingLink : public DataLink {
public:
    QStringList events;
    void activeChanged() override { events.append(QStringLiteral("active")); }
    void dataSetChanged() override { events.append(QStringLiteral("changed")); }
    void dataSetScrolled(int distance) override { events.append(QStringLiteral("scrolled %1").arg(distance)); }
    void recordChanged(const QString& field) override { events.append(QStringLiteral("record ") + field); }
    void editingChanged() override { events.append(QStringLiteral("editing")); }
    void updateData() override { events.append(QStringLiteral("update")); }
};

TEST_F(TableTest, BoundLinksHearMovesEditsAndThePostInOrder)
{
    course.exec(QStringLiteral("INSERT INTO Lekcia (tema) VALUES ('a'), ('b')"));
    openTable(QStringLiteral("Lekcia"));
    DataSource source(QStringLiteral("DataSource3"), table.get(), nullptr);
    RecordingLink link;
    link.setDataSource(&source);
    table->next();
    table->edit();
    table->setFieldValue(QStringLiteral("tema"), FieldValue("B"));
    table->post();
    table->close();
    EXPECT_EQ(link.events, (QStringList{"scrolled 1", "editing", "record ", "record tema", "update", "editing",
                                        "changed", "active"}));
}

} // namespace
