#include "coursedatabase.h"

#include <QFile>
#include <QVariant>
#include <sqlite3.h>
#include <stdexcept>

namespace {

class Database {
public:
    explicit Database(const QString& path)
    {
        const QByteArray name = path.toUtf8();
        if (sqlite3_open_v2(name.constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
            const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close(db_);
            throw std::runtime_error("cannot create " + path.toStdString() + ": " + message);
        }
    }
    ~Database() { sqlite3_close(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void execute(const QString& sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : sqlite3_errmsg(db_);
            sqlite3_free(error);
            throw std::runtime_error("SQL failed: " + message);
        }
    }

    // Every value goes in through a bound parameter: whole numbers as integers, the rest as text.
    void insert(const QString& table, const QStringList& columns, const QVariantList& values)
    {
        QStringList marks;
        for (qsizetype i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        const QByteArray sql =
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(u','), marks.join(u',')).toUtf8();
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.constData(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot prepare insert into " + table.toStdString() + ": " + sqlite3_errmsg(db_));
        for (int i = 0; i < values.size(); ++i) {
            if (values[i].typeId() == QMetaType::Int) {
                sqlite3_bind_int(statement, i + 1, values[i].toInt());
            } else {
                const QByteArray text = values[i].toString().toUtf8();
                sqlite3_bind_text(statement, i + 1, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            }
        }
        const int status = sqlite3_step(statement);
        sqlite3_finalize(statement);
        if (status != SQLITE_DONE)
            throw std::runtime_error("cannot insert into " + table.toStdString() + ": " + sqlite3_errmsg(db_));
    }

private:
    sqlite3* db_ = nullptr;
};

} // namespace

void writeCourseDatabase(const QString& path, const QString& schemaSql, const Catalogue& catalogue,
                         const std::vector<Question>& questions)
{
    // Built under another name and put in place only when complete, so that a failure never
    // leaves a half-filled course database behind.
    const QString partial = path + QStringLiteral(".partial");
    if (QFile::exists(partial) && !QFile::remove(partial))
        throw std::runtime_error("cannot remove " + partial.toStdString());
    try {
        Database db(partial);
        db.execute(schemaSql);
        db.execute(QStringLiteral("BEGIN"));
        for (const QStringList& row : catalogue.rows(QStringLiteral("rasdel")))
            db.insert(QStringLiteral("rasdel"), {QStringLiteral("name")}, {row[0]});
        for (const QString& table : {QStringLiteral("Lekcia"), QStringLiteral("Present"), QStringLiteral("foto")}) {
            for (const QStringList& row : catalogue.rows(table))
                db.insert(table, {QStringLiteral("tema"), QStringLiteral("file")}, {row[0], row[1]});
        }
        for (const QStringList& row : catalogue.rows(QStringLiteral("media")))
            db.insert(QStringLiteral("media"), {QStringLiteral("name"), QStringLiteral("file")}, {row[0], row[1]});
        for (const Question& question : questions) {
            db.insert(QStringLiteral("test"), {QStringLiteral("nom"), QStringLiteral("test"), QStringLiteral("otv")},
                      {question.number, question.text, question.answer});
        }
        db.execute(QStringLiteral("COMMIT"));
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    if (QFile::exists(path) && !QFile::remove(path))
        throw std::runtime_error("cannot replace " + path.toStdString());
    if (!QFile::rename(partial, path))
        throw std::runtime_error("cannot move the new course database to " + path.toStdString());
}
