#include "data/fieldvalue.h"

#include "platform/apperror.h"

QString FieldValue::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Null: return QStringLiteral("Null");
    case Kind::Text: return QStringLiteral("String");
    case Kind::Integer: return QStringLiteral("Integer");
    case Kind::Date: return QStringLiteral("Date");
    }
    return {};
}

QString FieldValue::asText() const
{
    switch (kind_) {
    case Kind::Null: return {};
    case Kind::Text: return text_;
    case Kind::Integer: return QString::number(integer_);
    case Kind::Date: return date_.toString(QStringLiteral("dd.MM.yyyy"));
    }
    return {};
}

QString FieldValue::toText(const QString& typeName) const
{
    if (kind_ == Kind::Null)
        throw AppError(QStringLiteral("Could not convert variant of type (Null) into type (%1)").arg(typeName));
    return asText();
}

qint64 FieldValue::toInteger() const
{
    switch (kind_) {
    case Kind::Integer: return integer_;
    case Kind::Null: throw AppError(QStringLiteral("Could not convert variant of type (Null) into type (Integer)"));
    case Kind::Date: throw AppError(QStringLiteral("Could not convert variant of type (Date) into type (Integer)"));
    case Kind::Text: {
        bool ok = false;
        const qint64 number = text_.trimmed().toLongLong(&ok);
        if (!ok)
            throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(text_));
        return number;
    }
    }
    return 0;
}

bool operator==(const FieldValue& a, const FieldValue& b)
{
    if (a.kind_ != b.kind_)
        return false;
    switch (a.kind_) {
    case FieldValue::Kind::Null: return true;
    case FieldValue::Kind::Text: return a.text_ == b.text_;
    case FieldValue::Kind::Integer: return a.integer_ == b.integer_;
    case FieldValue::Kind::Date: return a.date_ == b.date_;
    }
    return false;
}
