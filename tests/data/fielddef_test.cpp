#include "data/fielddef.h"

#include <gtest/gtest.h>

namespace {

// A text column's size is the first bracketed whole number of its declared type, whatever the
// spacing; anything else in brackets is no size.
TEST(FieldDef, ATextColumnsSizeIsItsFirstBracketedNumber)
{
    const struct {
        const char* declared;
        FieldDef::Kind kind;
        int size;
    } cases[] = {
        {"VARCHAR(50)", FieldDef::Kind::Text, 50},
        {"char ( 8 )", FieldDef::Kind::Text, 8},
        {"TEXT", FieldDef::Kind::Text, 0},
        {"DECIMAL(10,2)", FieldDef::Kind::Text, 0},
        {"VARCHAR(abc)(20)", FieldDef::Kind::Text, 20},
        {"VARCHAR((20))", FieldDef::Kind::Text, 20},
        {"VARCHAR(20", FieldDef::Kind::Text, 0},
        {"VARCHAR(99999999999)", FieldDef::Kind::Text, 0},
        {"INTEGER(4)", FieldDef::Kind::Integer, 0},
        {"MEMO", FieldDef::Kind::Memo, 0},
        {"DATETIME", FieldDef::Kind::Date, 0},
    };
    for (const auto& c : cases) {
        const FieldDef field = FieldDef::fromDeclaration(QStringLiteral("f"), QString::fromLatin1(c.declared));
        EXPECT_EQ(field.kind, c.kind) << c.declared;
        EXPECT_EQ(field.size, c.size) << c.declared;
    }
}

} // namespace
