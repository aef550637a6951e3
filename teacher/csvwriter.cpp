#include "teacher/csvwriter.h"

#include "data/table.h"

namespace {

QByteArray csvText(const QString& text)
{
    QString written = text;
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!written.isEmpty() && formulaStarts.contains(written.front()))
        written.prepend(u'\'');
    QByteArray bytes = written.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes.prepend('"');
        bytes.append('"');
    }
    return bytes;
}

} // namespace

QByteArray csvField(const FieldValue& value)
{
    switch (value.kind()) {
    case FieldValue::Kind::Null: return {};
    case FieldValue::Kind::Integer: return QByteArray::number(value.toInteger());
    case FieldValue::Kind::Date: return value.asDate().toString(Qt::ISODate).toLatin1();
    case FieldValue::Kind::Text: break;
    }
    return csvText(value.asText());
}

QByteArray recordsAsCsv(const Table& table, const QList<DBGridColumn>& columns)
{
    QByteArray csv("\xEF\xBB\xBF");
    QList<int> fields;
    for (qsizetype column = 0; column < columns.size(); ++column) {
        if (column > 0)
            csv += ',';
        csv += csvText(columns[column].title);
        fields << table.fieldIndex(columns[column].field);
    }
    csv += "\r\n";
    const int count = table.recordCount();
    for (int record = 0; record < count; ++record) {
        for (qsizetype column = 0; column < fields.size(); ++column) {
            if (column > 0)
                csv += ',';
            if (fields[column] >= 0)
                csv += csvField(table.valueAt(record, fields[column]));
        }
        csv += "\r\n";
    }
    return csv;
}
