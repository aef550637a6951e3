#pragma once

#include "data/fieldvalue.h"

#include <QString>
#include <QVector>

class Connection;
struct sqlite3;
struct sqlite3_stmt;
struct pg_result;

// One prepared statement, finalised when it goes out of scope. Failures carry the engine's
// message and nothing else. Placeholders are written "?" for both engines; values always travel
// as parameters, never as part of the text.
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

    // A table or column name as both engines read it, whatever it holds.
    static QString quotedIdentifier(const QString& identifier);

    // The server's form of a statement: "?" placeholders numbered "$1", "$2", … outside quotes.
    static QString numberedPlaceholders(const QString& sql);

private:
    [[noreturn]] void fail() const;
    void execute() const;

    const Connection& connection_;
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;

    // On a server the statement runs whole at the first step; its rows are then read in turn.
    QByteArray serverText_;
    QVector<FieldValue> parameters_;
    mutable pg_result* result_ = nullptr;
    int row_ = -1;
};
