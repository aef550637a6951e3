#include "tools/tour/tour.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QList>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {
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

const QList<TourLeg>& Tour::legs()
{
    // The student's road first (cover, reading, searching, answering a test), then the teacher's
    // (login, the material editor), then the controls' looks in their states and the example skin.
    static const QList<TourLeg> legs{
        {QStringLiteral("start window"), tourlegs::startWindow},
        {QStringLiteral("cover press"), tourlegs::coverPress},
        {QStringLiteral("lectures"), tourlegs::lectures},
        {QStringLiteral("main menu open"), tourlegs::mainMenuOpen},
        {QStringLiteral("another lecture"), tourlegs::secondLecture},
        {QStringLiteral("lecture in large text, last topic in bold"), tourlegs::zoomedLecture},
        {QStringLiteral("course document"), tourlegs::document},
        {QStringLiteral("search in the shown document"), tourlegs::searchBar},
        {QStringLiteral("user manual"), tourlegs::manual},
        {QStringLiteral("search in the whole course"), tourlegs::courseSearch},
        {QStringLiteral("presentations"), tourlegs::presentations},
        {QStringLiteral("multimedia"), tourlegs::multimedia},
        {QStringLiteral("photos"), tourlegs::photos},
        {QStringLiteral("registration"), tourlegs::registration},
        {QStringLiteral("answering"), tourlegs::answering},
        {QStringLiteral("answer letters"), tourlegs::answerLetters},
        {QStringLiteral("result"), tourlegs::result},
        {QStringLiteral("teacher login refused"), tourlegs::wrongLogin},
        {QStringLiteral("teacher login"), tourlegs::rightLogin},
        {QStringLiteral("material editor pages"), tourlegs::editorPages},
        {QStringLiteral("editing a lecture topic in place"), tourlegs::cellEditor},
        {QStringLiteral("login button looks"), tourlegs::loginButton},
        {QStringLiteral("page control"), tourlegs::pageControl},
        {QStringLiteral("results export and question import"), tourlegs::transferDialogs},
        {QStringLiteral("table navigator looks"), tourlegs::navigatorLooks},
        {QStringLiteral("media list, unfocused and focused"), tourlegs::mediaList},
        {QStringLiteral("topic tree focused"), tourlegs::topicTree},
        {QStringLiteral("login edits"), tourlegs::loginEdits},
        {QStringLiteral("question memo and answer edit"), tourlegs::questionEdits},
        {QStringLiteral("system menu"), tourlegs::systemMenu},
        {QStringLiteral("example skin"), tourlegs::exampleSkin},
        {QStringLiteral("buttons in the example skin"), tourlegs::exampleSkinButtons},
    };
    return legs;
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
