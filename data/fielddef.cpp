#include "data/fielddef.h"

#include <QRegularExpression>

FieldDef FieldDef::fromDeclaration(const QString& name, const QString& declaredType)
{
    FieldDef field;
    field.name = name;
    const QString type = declaredType.toUpper();
    if (type.contains(u"MEMO") || type.contains(u"LONGTEXT") || type.contains(u"CLOB"))
        field.kind = Kind::Memo;
    else if (type.contains(u"INT"))
        field.kind = Kind::Integer;
    else if (type.contains(u"DATE") || type.contains(u"TIME"))
        field.kind = Kind::Date;
    else
        field.kind = Kind::Text;
    if (field.kind == Kind::Text) {
        static const QRegularExpression sizePattern(QStringLiteral("\\(\\s*(\\d+)\\s*\\)"));
        const QRegularExpressionMatch match = sizePattern.match(type);
        if (match.hasMatch())
            field.size = match.captured(1).toInt();
    }
    return field;
}
