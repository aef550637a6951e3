#include "data/transaction.h"

#include "data/statement.h"

#include <QString>

Transaction::Transaction(const Connection& connection) : connection_(connection)
{
    Statement(connection_, QStringLiteral("BEGIN IMMEDIATE")).run();
}

Transaction::~Transaction()
{
    if (!open_)
        return;
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
}
