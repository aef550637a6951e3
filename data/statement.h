#pragma once

#include "data/fieldvalue.h"

#include <QString>

class Connection;
struct sqlite3;
struct sqlite3_stmt;

// One prepared statement, finalised when it goes out of scope. Failures carry the engine's
// message and nothing else.
class Statement {
public:
    Statement(const Connection& connection, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const FieldValue& value);
    bool step(); // true while a row is there
    void run();  // a statement without rows

    int columnCount() const;
    QString columnName(int column) const;
    QString columnDeclaredType(int column) const;
    qint64 columnInteger(int column) const;
    FieldValue columnValue(int column) const;

private:
    [[noreturn]] void fail() const;

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};
