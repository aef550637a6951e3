#include "tools/tour/tour.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QList>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {
QList<TourLeg>& registry()
{
    static QList<TourLeg> legs;
    return legs;
}
QString& outputFolder()
{
    static QString folder;
    return folder;
}
QStringList& shotList()
{
    static QStringList shots;
    return shots;
}
} // namespace

void Tour::add(TourLeg leg)
{
    registry().append(std::move(leg));
    std::stable_sort(registry().begin(), registry().end(),
                     [](const TourLeg& a, const TourLeg& b) { return a.order < b.order; });
}

const QList<TourLeg>& Tour::legs()
{
    return registry();
}

void Tour::setOutputFolder(const QString& folder)
{
    outputFolder() = folder;
    QDir().mkpath(folder);
}

QStringList Tour::shots()
{
    return shotList();
}

void Tour::settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Tour::shoot(QWidget* window, const QString& name)
{
    settle();
    window->raise();
    window->activateWindow();
    settle();
    // The screen's own picture shows what a user sees (frame, popups); an offscreen run has no
    // screen picture, so the window paints itself instead.
    QPixmap picture;
    if (QScreen* screen = window->screen(); screen && QGuiApplication::platformName() != QLatin1String("offscreen"))
        picture = screen->grabWindow(0, window->frameGeometry().x(), window->frameGeometry().y(),
                                     window->frameGeometry().width(), window->frameGeometry().height());
    if (picture.isNull())
        picture = window->grab();
    const QString file =
        QDir(outputFolder())
            .filePath(QStringLiteral("%1-%2.png").arg(shotList().size() + 1, 2, 10, QLatin1Char('0')).arg(name));
    picture.save(file);
    shotList().append(file);
}

TourRegistration::TourRegistration(int order, const QString& name, std::function<void()> run)
{
    Tour::add({order, name, std::move(run)});
}
