#include "testing/testdraw.h"

#include "data/table.h"
#include "data/tdatamodule2.h"
#include "platform/randomsource.h"

#include <QSet>

namespace {
// The question numbers a draw from 0 to the bank's size can name.
QSet<qint64> numbersInDrawRange(const Table* questions)
{
    const int count = questions->recordCount();
    const int nom = questions->fieldIndex(QStringLiteral("nom"));
    QSet<qint64> numbers;
    for (int record = 0; record < count; ++record) {
        const FieldValue number = questions->valueAt(record, nom);
        if (number.kind() == FieldValue::Kind::Integer && number.toInteger() >= 0 && number.toInteger() <= count)
            numbers.insert(number.toInteger());
    }
    return numbers;
}
} // namespace

void drawTestSet(int count, const std::function<void(const QString& caption)>& addPosition)
{
    Table* testing = DataModule2->ADOTable5;
    testing->first();
    const int oldEntries = testing->recordCount();
    for (int entry = 0; entry < oldEntries; ++entry)
        testing->deleteRecord();

    Table* questions = DataModule2->ADOTable1;
    questions->first();
    const QSet<qint64> named = numbersInDrawRange(questions);
    // A run that draws its own questions draws a question already in the test again, as long as
    // the bank has others left to give.
    const bool distinct = DataModule2->ownDrawsPerRun();
    QSet<qint64> taken;
    for (int position = 1; position <= count; ++position) {
        const QString caption = QString::number(position);
        if (addPosition)
            addPosition(caption);
        testing->insert();
        testing->setFieldValue(QStringLiteral("nom"), caption);
        // Drawn from 0 to the number of questions inclusive, so 0 and the count itself can come up.
        const auto range = static_cast<quint32>(questions->recordCount()) + 1;
        qint64 drawn = programRandom().draw(range);
        // A number that names no question would show one question and grade another, so it is
        // drawn again from the same sequence; a bank without such numbers keeps the first draw.
        const qint64 available = named.isEmpty() ? range : named.size();
        while ((!named.isEmpty() && !named.contains(drawn))
               || (distinct && taken.size() < available && taken.contains(drawn)))
            drawn = programRandom().draw(range);
        taken.insert(drawn);
        testing->setFieldValue(QStringLiteral("nom1"), FieldValue(drawn));
        testing->post();
        questions->next();
    }
}
