#include "teacher/questionstore.h"

#include "data/statement.h"
#include "data/transaction.h"

int appendQuestions(const Connection& connection, const std::vector<AikenQuestion>& questions)
{
    Transaction transaction(connection);
    // A number stored as text ("7") counts by its value, as the test's own look-up takes it.
    Statement highest(connection, QStringLiteral("SELECT COALESCE(MAX(CAST(nom AS INTEGER)), 0) FROM test"));
    highest.step();
    const int first = static_cast<int>(highest.columnInteger(0)) + 1;
    int number = first;
    for (const AikenQuestion& question : questions) {
        Statement insert(connection, QStringLiteral("INSERT INTO test (nom, test, otv) VALUES (?, ?, ?)"));
        insert.bind(1, FieldValue(number++));
        insert.bind(2, FieldValue(question.text));
        insert.bind(3, FieldValue(QString(question.answer)));
        insert.run();
    }
    transaction.commit();
    return first;
}
