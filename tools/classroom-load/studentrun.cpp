#include "studentrun.h"

#include "data/connectionlost.h"
#include "data/tdatamodule2.h"
#include "testing/testdraw.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {
constexpr int questions = 20;
const QString letters = QStringLiteral("ABCDE");
constexpr int startRetryMs = 200;

QString milliseconds(const QElapsedTimer& timer)
{
    return QString::number(static_cast<double>(timer.nsecsElapsed()) / 1e6, 'f', 3);
}
} // namespace

StudentRun::StudentRun(const QString& name, int thinkMs, int patienceMs)
    : name_(name),
      thinkMs_(thinkMs),
      patienceMs_(patienceMs)
{}

void StudentRun::report(const QString& line)
{
    // Line by line and at once: the driver reads the lines while the student goes on.
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

int StudentRun::run()
{
    try {
        startTest();
        for (int position = 1; position <= questions; ++position) {
            QThread::msleep(static_cast<unsigned long>(thinkMs_));
            QCoreApplication::processEvents();
            QElapsedTimer answer;
            answer.start();
            DataModule2->storeAnswer(QString::number(position), letters.mid(position % letters.size(), 1));
            report(QStringLiteral("answer %1").arg(milliseconds(answer)));
        }
        QElapsedTimer handIn;
        handIn.start();
        const std::optional<int> correct = DataModule2->handIn(name_);
        report(QStringLiteral("hand-in %1").arg(milliseconds(handIn)));
        if (correct)
            report(QStringLiteral("delivered %1").arg(QDateTime::currentMSecsSinceEpoch()));
        else
            waitForDelivery();
    } catch (const AppError& error) {
        report(QStringLiteral("error ") + error.message().simplified());
        return 1;
    }
    delete DataModule2;
    return 0;
}

void StudentRun::startTest()
{
    // A student whose start meets the server away presses again a moment later.
    QElapsedTimer patience;
    patience.start();
    for (;;) {
        QElapsedTimer start;
        start.start();
        try {
            if (!DataModule2)
                DataModule2 = new TDataModule2;
            DataModule2->beginTest();
            drawTestSet(questions);
            report(QStringLiteral("start %1").arg(milliseconds(start)));
            report(QStringLiteral("session ") + DataModule2->session());
            return;
        } catch (const ConnectionLost&) {
            if (patience.elapsed() > patienceMs_)
                throw;
            QThread::msleep(startRetryMs);
        }
    }
}

void StudentRun::waitForDelivery()
{
    report(QStringLiteral("queued"));
    QEventLoop loop;
    bool delivered = false;
    QString refusal;
    connect(DataModule2, &TDataModule2::handInDelivered, &loop, [&](const DeliveredHandIn& handIn) {
        delivered = true;
        refusal = handIn.refusal;
        loop.quit();
    });
    QTimer::singleShot(patienceMs_, &loop, &QEventLoop::quit);
    loop.exec();
    if (!delivered)
        throw AppError(QStringLiteral("the queued hand-in was not delivered in time"));
    if (!refusal.isEmpty())
        throw AppError(QStringLiteral("the server refused the queued hand-in: ") + refusal);
    report(QStringLiteral("delivered %1").arg(QDateTime::currentMSecsSinceEpoch()));
}
