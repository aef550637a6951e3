#include "classrun.h"

#include "data/connection.h"
#include "data/statement.h"
#include "platform/apperror.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <memory>

namespace {
double percentile(QVector<double> values, double share)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto place = static_cast<qsizetype>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(place, values.size() - 1)];
}

bool runCommand(const QString& command)
{
    return QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command}) == 0;
}
} // namespace

int ClassRun::run(const QString& program)
{
    QTemporaryDir homes;
    std::vector<std::unique_ptr<QProcess>> processes;
    students_.resize(options_.students);
    for (int index = 0; index < options_.students; ++index) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString home = homes.path() + QStringLiteral("/student") + QString::number(index);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program, {QStringLiteral("--student"), QStringLiteral("--server"), options_.server,
                                 QStringLiteral("--think"), QString::number(options_.thinkMs),
                                 QStringLiteral("--patience"), QString::number(options_.patienceMs),
                                 QStringLiteral("--name"), QStringLiteral("Студент %1").arg(index + 1)});
        processes.push_back(std::move(process));
    }

    QElapsedTimer clock;
    clock.start();
    bool stopped = false;
    qint64 serverBackAt = 0;
    const auto allDone = [&] {
        return std::all_of(processes.begin(), processes.end(),
                           [](const auto& process) { return process->state() == QProcess::NotRunning; });
    };
    while (!allDone()) {
        QCoreApplication::processEvents();
        for (int index = 0; index < options_.students; ++index) {
            QProcess& process = *processes[index];
            process.waitForReadyRead(1);
            while (process.canReadLine())
                readLine(students_[index], QString::fromUtf8(process.readLine()).trimmed());
        }
        if (options_.outageAtMs >= 0 && !stopped && clock.elapsed() >= options_.outageAtMs) {
            stopped = true;
            runCommand(options_.stopCommand);
        }
        if (stopped && serverBackAt == 0 && clock.elapsed() >= options_.outageAtMs + options_.outageForMs) {
            runCommand(options_.startCommand);
            serverBackAt = QDateTime::currentMSecsSinceEpoch();
        }
        if (clock.elapsed() > options_.patienceMs * 2LL) {
            for (auto& process : processes)
                process->kill();
        }
    }
    if (stopped && serverBackAt == 0) {
        runCommand(options_.startCommand);
        serverBackAt = QDateTime::currentMSecsSinceEpoch();
    }
    for (int index = 0; index < options_.students; ++index) {
        QProcess& process = *processes[index];
        while (process.canReadLine())
            readLine(students_[index], QString::fromUtf8(process.readLine()).trimmed());
        if (students_[index].error.isEmpty()
            && (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0))
            students_[index].error = QStringLiteral("exit status %1").arg(process.exitCode());
    }
    printReport(serverBackAt);
    const bool counted = options_.countWith.isEmpty() || countStored() == options_.students;
    QTextStream(stdout) << report_.join(u'\n') << '\n';
    return errorCount() == 0 && counted ? 0 : 1;
}

void ClassRun::readLine(Student& student, const QString& line)
{
    const QString word = line.section(u' ', 0, 0);
    const QString rest = line.section(u' ', 1);
    if (word == QLatin1String("session"))
        student.session = rest;
    else if (word == QLatin1String("queued"))
        student.queued = true;
    else if (word == QLatin1String("delivered"))
        student.deliveredAt = rest.toLongLong();
    else if (word == QLatin1String("error"))
        student.error = rest;
    else if (!word.isEmpty())
        steps_[word].append(rest.toDouble());
}

qsizetype ClassRun::errorCount() const
{
    return std::count_if(students_.begin(), students_.end(), [](const Student& s) { return !s.error.isEmpty(); });
}

void ClassRun::printReport(qint64 serverBackAt)
{
    report_.append(QStringLiteral("students: %1, errors: %2").arg(options_.students).arg(errorCount()));
    for (const Student& student : students_)
        if (!student.error.isEmpty())
            report_.append(QStringLiteral("  error: ") + student.error);
    report_.append(QStringLiteral("step          count      p50 ms      p95 ms      p99 ms"));
    for (const QString& step : {QStringLiteral("start"), QStringLiteral("answer"), QStringLiteral("hand-in")}) {
        const QVector<double> values = steps_.value(step);
        report_.append(QStringLiteral("%1 %2 %3 %4 %5")
                           .arg(step, -10)
                           .arg(values.size(), 8)
                           .arg(percentile(values, 0.50), 11, 'f', 2)
                           .arg(percentile(values, 0.95), 11, 'f', 2)
                           .arg(percentile(values, 0.99), 11, 'f', 2));
    }
    const auto queued = std::count_if(students_.begin(), students_.end(), [](const Student& s) { return s.queued; });
    report_.append(QStringLiteral("hand-ins queued while the server was away: %1").arg(queued));
    if (serverBackAt != 0 && queued > 0) {
        qint64 last = 0;
        for (const Student& student : students_)
            if (student.queued)
                last = std::max(last, student.deliveredAt);
        report_.append(
            last >= serverBackAt
                ? QStringLiteral("last queued result stored %1 ms after the server's return").arg(last - serverBackAt)
                : QStringLiteral("last queued result stored: not all were"));
    }
}

int ClassRun::countStored()
{
    QStringList sessions;
    for (const Student& student : students_)
        if (!student.session.isEmpty())
            sessions.append(student.session);
    Connection owner;
    owner.openServer(options_.countWith);
    Statement count(owner, QStringLiteral("SELECT count(*), count(DISTINCT session), (SELECT count(*) FROM "
                                          "testing_entries WHERE session = ANY(string_to_array(?, ',')) AND otv IS "
                                          "NOT NULL) FROM result WHERE session = ANY(string_to_array(?, ','))"));
    count.bind(1, sessions.join(u','));
    count.bind(2, sessions.join(u','));
    count.step();
    const int stored = static_cast<int>(count.columnInteger(0));
    report_.append(QStringLiteral("results stored: %1 (of %2 sessions; stored twice: %3; answers stored: %4)")
                       .arg(stored)
                       .arg(options_.students)
                       .arg(stored - count.columnInteger(1))
                       .arg(count.columnInteger(2)));
    return stored == options_.students && count.columnInteger(2) == 20LL * options_.students ? stored : -1;
}
