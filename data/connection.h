#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <utility>

struct sqlite3;
struct pg_conn;
class QSocketNotifier;

// The one connection to the course database: either an SQLite 3 file, opened without creating
// it, so that a missing file is an error and never an empty new course, or a classroom's
// PostgreSQL server, reached by a libpq connection string. Everything that differs between the
// two engines stays behind this class and Statement.
class Connection : public QObject {
    Q_OBJECT

public:
    // A course is never created; Create is for the program's own caches.
    enum class Mode { ReadWrite, ReadOnly, Create };
    enum class Engine { None, SQLite, PostgreSQL };

    // How long a statement waits for another process's lock before it gives up with the
    // engine's "database is locked".
    static constexpr int defaultBusyTimeoutMs = 3000;

    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    void open(const QString& fileName, Mode mode = Mode::ReadWrite);
    // Connects to a server. The connection string is handed to libpq as it stands ("host=…
    // dbname=…", a URI or "service=…"); extra keywords such as a user and password typed at a
    // login are passed beside it as parameters, never spliced into it. A server that cannot be
    // reached throws ConnectionLost; the program's own timeouts (connecting, noticing a dead
    // peer) give way to any the string sets itself.
    void openServer(const QString& connectionString, const QString& user = QString(),
                    const QString& password = QString());
    void close();

    Engine engine() const { return engine_; }
    bool isServer() const { return engine_ == Engine::PostgreSQL; }
    bool isConnected() const { return engine_ != Engine::None; }
    bool isReadOnly() const;
    void setBusyTimeout(int milliseconds);

    sqlite3* handle() const { return db_; }
    pg_conn* serverHandle() const { return pg_; }

    // The row number the engine gave the last row this connection inserted.
    qint64 lastInsertRowId() const;
    // How many rows the last insert, update or delete on this connection touched.
    int changes() const;

    // The engine's message for the last failed call on this connection.
    QString engineMessage() const;

    // Asks the server to tell this connection of notices on a channel; notified() follows each.
    void listen(const QString& channel);

    // Sets a setting of the server session (set_config), kept for the life of the connection and
    // set again whenever the connection is opened anew.
    void setSessionValue(const QString& name, const QString& value);

    // Called before every statement on a server: a connection that broke since the last one
    // (the server restarted, the network came back) is opened anew with everything set on it
    // before. Throws ConnectionLost when it cannot be, and also, without trying, while a
    // transaction that the break has undone is still open, so that none of its statements is
    // stored on its own.
    void checkServerConnection();
    // Called when a statement failed: true when the failure was the connection breaking.
    bool serverConnectionBroke() const;

    // Kept by Transaction while it is open.
    void enterTransaction() const { ++transactionDepth_; }
    void leaveTransaction() const { --transactionDepth_; }

    // Kept by Statement as it runs on a server.
    void recordServerResult(qint64 insertedRowId, int changedRows);

signals:
    void notified(const QString& channel);
    // The server's side of a listening connection went away; the next statement opens it anew.
    void lost();
    // The connection broke and has been opened anew, with every setting and channel as before.
    void reconnected();

private:
    void readNotifications();
    void applySessionState();
    void runSetConfig(const QString& name, const QString& value);
    void startNotifier();
    void stopNotifier();

    Engine engine_ = Engine::None;
    sqlite3* db_ = nullptr;
    pg_conn* pg_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
    int busyTimeoutMs_ = defaultBusyTimeoutMs;
    QVector<std::pair<QString, QString>> sessionValues_;
    QStringList channels_;
    mutable int transactionDepth_ = 0;
    bool restoring_ = false;
    bool notificationsQueued_ = false;
    qint64 serverInsertedRowId_ = 0;
    int serverChangedRows_ = 0;
};
