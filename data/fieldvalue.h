#pragma once

#include <QDate>
#include <QString>

// A value read from or written to a table field: text, whole number, date or null.
class FieldValue {
public:
    enum class Kind { Null, Text, Integer, Date };

    FieldValue() = default;
    FieldValue(const QString& text) : kind_(Kind::Text), text_(text) {}
    FieldValue(const char* text) : FieldValue(QString::fromUtf8(text)) {}
    FieldValue(int number) : kind_(Kind::Integer), integer_(number) {}
    FieldValue(qint64 number) : kind_(Kind::Integer), integer_(number) {}
    FieldValue(const QDate& date) : kind_(Kind::Date), date_(date) {}

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }

    // Text as a user reads it; a null reads as empty text.
    QString asText() const;

    // Conversion that refuses a null, as a caller that needs real text does. typeName names the
    // wanted type in the message ("String", or "OleStr" where the text goes to the HTML view).
    QString toText(const QString& typeName = QStringLiteral("String")) const;

    // Whole number; text that is no whole number fails with "'%s' is not a valid integer value".
    qint64 toInteger() const;

    QDate asDate() const { return date_; }

    static QString kindName(Kind kind);

    friend bool operator==(const FieldValue& a, const FieldValue& b);

private:
    Kind kind_ = Kind::Null;
    QString text_;
    qint64 integer_ = 0;
    QDate date_;
};
