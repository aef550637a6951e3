#include "data/transaction.h"

#include "data/connection.h"
#include "data/statement.h"

#include <QString>

Transaction::Transaction(const Connection& connection) : connection_(connection)
{
    // A server takes its locks row by row as statements run; a course file takes its write lock here.
    Statement(connection_, connection_.isServer() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")).run();
    connection_.enterTransaction();
}

Transaction::~Transaction()
{
    if (!open_)
        return;
    connection_.leaveTransaction();
    try {
        Statement(connection_, QStringLiteral("ROLLBACK")).run();
    } catch (...) {
        // The engine has rolled back already when the failure that brought us here ended the
        // transaction; there is nothing left to undo.
    }
}

void Transaction::commit()
{
    Statement(connection_, QStringLiteral("COMMIT")).run();
    open_ = false;
    connection_.leaveTransaction();
}
