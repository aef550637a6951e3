#include "data/fielddef.h"

#include <algorithm>

namespace {

// The size in "VARCHAR(50)" or "CHAR ( 8 )": the first bracketed number, 0 without one. Read by
// hand: the course's tables are opened at every start, before the first window is shown, and a
// pattern would load and compile the regular expression engine for these few characters.
int declaredSize(QStringView type)
{
    for (qsizetype open = type.indexOf(u'('); open >= 0; open = type.indexOf(u'(', open + 1)) {
        const QStringView inside = type.mid(open + 1);
        const qsizetype close = inside.indexOf(u')');
        if (close < 0)
            return 0;
        const QStringView number = inside.left(close).trimmed();
        bool ok = !number.isEmpty()
                  && std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        const int size = ok ? number.toInt(&ok) : 0;
        if (ok)
            return size;
    }
    return 0;
}

} // namespace

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
    if (field.kind == Kind::Text)
        field.size = declaredSize(type);
    return field;
}
