// vestoria-classroom-load: a class of students against a classroom server, for load figures and
// fault tests. See the README's classroom section.
#include "classrun.h"
#include "studentrun.h"

#include "platform/apperror.h"
#include "platform/usersettings.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>

namespace {

const char* const usage =
    "usage: vestoria-classroom-load --server STUDENT-CONNECTION [--students N] [--think MS]\n"
    "         [--count-with OWNER-CONNECTION] [--stop-command CMD --start-command CMD\n"
    "          --outage-at MS --outage-for MS] [--patience MS]\n"
    "Runs N students (60) at once, each a process of its own: a test drawn, 20 answers MS apart (50),\n"
    "a hand-in; reports per-step p50/p95/p99, errors and, with --count-with, the results stored.\n"
    "With the commands, the server is stopped at --outage-at and started again --outage-for later.\n";

QString valueAfter(const QStringList& arguments, const QString& name, const QString& fallback = QString())
{
    const qsizetype index = arguments.indexOf(name);
    return index >= 0 && index + 1 < arguments.size() ? arguments[index + 1] : fallback;
}

int runStudent(const QStringList& arguments)
{
    // Each student has settings of its own, as on a computer of its own.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    userSettings()->setValue(QStringLiteral("Classroom/connection"), valueAfter(arguments, QStringLiteral("--server")));
    StudentRun student(valueAfter(arguments, QStringLiteral("--name"), QStringLiteral("Студент")),
                       valueAfter(arguments, QStringLiteral("--think"), QStringLiteral("50")).toInt(),
                       valueAfter(arguments, QStringLiteral("--patience"), QStringLiteral("60000")).toInt());
    return student.run();
}

int runClass(const QStringList& arguments)
{
    ClassRun::Options options;
    options.server = valueAfter(arguments, QStringLiteral("--server"));
    if (options.server.isEmpty()) {
        QTextStream(stderr) << usage;
        return 2;
    }
    options.students = valueAfter(arguments, QStringLiteral("--students"), QStringLiteral("60")).toInt();
    options.thinkMs = valueAfter(arguments, QStringLiteral("--think"), QStringLiteral("50")).toInt();
    options.countWith = valueAfter(arguments, QStringLiteral("--count-with"));
    options.stopCommand = valueAfter(arguments, QStringLiteral("--stop-command"));
    options.startCommand = valueAfter(arguments, QStringLiteral("--start-command"));
    if (!options.stopCommand.isEmpty() && !options.startCommand.isEmpty()) {
        options.outageAtMs = valueAfter(arguments, QStringLiteral("--outage-at"), QStringLiteral("1000")).toInt();
        options.outageForMs = valueAfter(arguments, QStringLiteral("--outage-for"), QStringLiteral("1000")).toInt();
    }
    options.patienceMs = valueAfter(arguments, QStringLiteral("--patience"), QStringLiteral("60000")).toInt();
    return ClassRun(options).run(QCoreApplication::applicationFilePath());
}

} // namespace

int main(int argc, char** argv)
{
    // A student goes through the program's own data module, whose background retries may put up
    // a message box; without a screen it is drawn nowhere.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    try {
        return arguments.contains(QStringLiteral("--student")) ? runStudent(arguments) : runClass(arguments);
    } catch (const AppError& error) {
        QTextStream(stderr) << error.message() << '\n';
        return 1;
    }
}
