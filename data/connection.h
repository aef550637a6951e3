#pragma once

#include <QObject>
#include <QString>

struct sqlite3;

// The one connection to the course database: an SQLite 3 file, opened without creating it, so
// that a missing file is an error and never an empty new course.
class Connection : public QObject {
    Q_OBJECT

public:
    // A course is never created; Create is for the program's own caches.
    enum class Mode { ReadWrite, ReadOnly, Create };

    // How long a statement waits for another process's lock before it gives up with the
    // engine's "database is locked".
    static constexpr int defaultBusyTimeoutMs = 3000;

    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    void open(const QString& fileName, Mode mode = Mode::ReadWrite);
    void close();

    bool isConnected() const { return db_ != nullptr; }
    bool isReadOnly() const;
    void setBusyTimeout(int milliseconds);

    sqlite3* handle() const { return db_; }

    // The row number the engine gave the last row this connection inserted.
    qint64 lastInsertRowId() const;
    // How many rows the last insert, update or delete on this connection touched.
    int changes() const;

    // The engine's message for the last failed call on this connection.
    QString engineMessage() const;

private:
    sqlite3* db_ = nullptr;
};
