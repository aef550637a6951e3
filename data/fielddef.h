#pragma once

#include <QString>

// A column as the database declares it. The declared type decides the kind of value the program
// works with: INTEGER a whole number, VARCHAR(n)/TEXT text (cut at n), MEMO/LONGTEXT text of
// several lines, DATE a date kept as "YYYY-MM-DD".
struct FieldDef {
    enum class Kind { Integer, Text, Memo, Date };

    QString name;
    Kind kind = Kind::Text;
    int size = 0; // declared maximum length of a text; 0 for none

    static FieldDef fromDeclaration(const QString& name, const QString& declaredType);
};
