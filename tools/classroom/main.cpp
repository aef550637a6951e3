// vestoria-classroom publish|export: moves a course between a course file and a classroom server.
#include "data/classroompublisher.h"
#include "data/connection.h"
#include "platform/apperror.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {

const char* const usage =
    "Использование / usage:\n"
    "  vestoria-classroom publish СТРОКА-ПОДКЛЮЧЕНИЯ [db1.mdb] [--student-password П] [--teacher-password П]\n"
    "      создаёт схему и роли на сервере и копирует в него курс из файла (результаты не трогает);\n"
    "      creates the schema and roles on the server and copies the course into it (results kept).\n"
    "  vestoria-classroom export СТРОКА-ПОДКЛЮЧЕНИЯ НОВЫЙ-ФАЙЛ.mdb\n"
    "      выгружает курс и результаты сервера в новый файл курса;\n"
    "      writes the server's course and results into a new course file.\n"
    "СТРОКА-ПОДКЛЮЧЕНИЯ is a libpq connection string with the owner's rights, e.g.\n"
    "  \"host=/tmp port=5432 dbname=vestoria user=vestoria_owner\" or \"service=vestoria-owner\".\n"
    "Passwords may also come from VESTORIA_STUDENT_PASSWORD and VESTORIA_TEACHER_PASSWORD.\n";

int run(const QStringList& arguments)
{
    QStringList positional;
    ClassroomPublisher::Passwords passwords{qEnvironmentVariable("VESTORIA_STUDENT_PASSWORD"),
                                            qEnvironmentVariable("VESTORIA_TEACHER_PASSWORD")};
    for (int index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if ((argument == QLatin1String("--student-password") || argument == QLatin1String("--teacher-password"))
            && index + 1 < arguments.size()) {
            (argument == QLatin1String("--student-password") ? passwords.student : passwords.teacher) =
                arguments[++index];
        } else {
            positional.append(argument);
        }
    }
    QTextStream out(stdout);
    if (positional.size() >= 2 && positional[0] == QLatin1String("publish") && positional.size() <= 3) {
        Connection file;
        file.open(positional.value(2, QStringLiteral("db1.mdb")), Connection::Mode::ReadOnly);
        Connection server;
        server.openServer(positional[1]);
        ClassroomPublisher::publish(file, server, passwords);
        out << "Курс опубликован / course published.\n";
        return 0;
    }
    if (positional.size() == 3 && positional[0] == QLatin1String("export")) {
        QFile schema(QStringLiteral(":/schema.sql"));
        if (!schema.open(QIODevice::ReadOnly))
            throw AppError(QStringLiteral("the course file schema is missing from the program"));
        Connection server;
        server.openServer(positional[1]);
        ClassroomPublisher::exportCourse(server, positional[2], QString::fromUtf8(schema.readAll()));
        out << "Курс выгружен в / course exported to " << positional[2] << "\n";
        return 0;
    }
    QTextStream(stderr) << usage;
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    try {
        return run(QCoreApplication::arguments());
    } catch (const AppError& error) {
        QTextStream(stderr) << "vestoria-classroom: " << error.message() << "\n";
        return 1;
    }
}
