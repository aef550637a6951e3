#pragma once

class Connection;

// Statements run while it lives are stored together or not at all: the transaction is committed
// by commit(), and rolled back when it ends without (also when an error is thrown past it).
// It takes the write lock at once, so that a course held by another program fails before
// anything is written.
class Transaction {
public:
    explicit Transaction(const Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    const Connection& connection_;
    bool open_ = true;
};
