#include "app/readingcomfort.h"

#include "platform/guarded.h"
#include "platform/htmlview.h"
#include "platform/programfolder.h"
#include "platform/usersettings.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QTreeWidget>
#include <QUrl>
#include <QWheelEvent>
#include <cmath>

namespace {

const QString zoomKey = QStringLiteral("reading/zoom");

QString lastTopicKey(const QString& mode)
{
    return QStringLiteral("lastTopic/") + QString::fromLatin1(QUrl::toPercentEncoding(mode));
}

} // namespace

ReadingComfort::ReadingComfort(QWidget* window, HtmlView* view, QTreeWidget* topics)
    // A child of the view, so that it goes with the view and hears nothing of a view half torn
    // down.
    : QObject(view),
      window_(window),
      view_(view),
      viewport_(view->viewport()),
      topics_(topics),
      normalFont_(view->font())
{
    auto shortcut = [this](const QKeySequence& keys, auto work) {
        connectGuarded(new QShortcut(keys, window_), &QShortcut::activated, this, work);
    };
    shortcut(QKeySequence::ZoomIn, [this] { setZoom(zoom_ + 1); });
    // Ctrl+Plus needs Shift on many keyboards; Ctrl+= is the same key without it.
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { setZoom(zoom_ + 1); });
    shortcut(QKeySequence::ZoomOut, [this] { setZoom(zoom_ - 1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(0); });
    shortcut(QKeySequence::Print, [this] { print(); });
    viewport_->installEventFilter(this);
    window_->installEventFilter(this);
    connectGuarded(view_, &HtmlView::documentAboutToChange, this, [this] {
        rememberPlace();
        returningTo_ = 0;
    });
    connectGuarded(view_->verticalScrollBar(), &QScrollBar::rangeChanged, this, &ReadingComfort::returnToPlace);
    connectGuarded(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!returning_)
            returningTo_ = 0;
    });
    connectGuarded(view_, &HtmlView::loadFinished, this, &ReadingComfort::documentShown);
    connectGuarded(qApp, &QCoreApplication::aboutToQuit, this, &ReadingComfort::rememberPlace);
}

void ReadingComfort::setZoom(int steps)
{
    steps = std::clamp(steps, smallestZoom, largestZoom);
    if (steps == zoom_)
        return;
    zoom_ = steps;
    applyZoom();
    storeUserSetting(zoomKey, zoom_);
}

void ReadingComfort::applyZoom()
{
    // The lectures set no sizes of their own, so the view's font sizes all their text.
    QFont font = normalFont_;
    const double scale = 1.0 + 0.1 * zoom_;
    if (normalFont_.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(normalFont_.pixelSize() * scale))));
    else
        font.setPointSizeF(normalFont_.pointSizeF() * scale);
    view_->setFont(font);
}

QString ReadingComfort::placeKey(const QString& path) const
{
    // The same document is reached by one path or another ("Teoria\a.htm", "Teoria/a.htm"), and
    // the program folder may move: the place belongs to the path inside the course.
    QString inCourse = QString(path).replace(u'\\', u'/');
    const QString folder = QString(programFolder()).replace(u'\\', u'/');
    if (inCourse.startsWith(folder, Qt::CaseInsensitive))
        inCourse = inCourse.mid(folder.size());
    return QStringLiteral("places/") + QString::fromLatin1(QUrl::toPercentEncoding(inCourse.toLower()));
}

void ReadingComfort::rememberPlace()
{
    if (shown_.isEmpty())
        return;
    const QScrollBar* bar = view_->verticalScrollBar();
    const double place = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0.0;
    storeUserSetting(placeKey(shown_), place);
}

void ReadingComfort::documentShown(const QString& path)
{
    shown_ = path;
    returningTo_ = std::clamp(userSettings()->value(placeKey(path), 0.0).toDouble(), 0.0, 1.0);
    returnToPlace();
}

// The view goes on laying the document out after it is shown (pictures, the scroll bar's own
// width), which moves the place: it is taken again at every change of the length until the
// reader scrolls.
void ReadingComfort::returnToPlace()
{
    if (returningTo_ <= 0)
        return;
    QScrollBar* bar = view_->verticalScrollBar();
    returning_ = true;
    bar->setValue(int(std::lround(returningTo_ * bar->maximum())));
    returning_ = false;
}

void ReadingComfort::topicOpened(const QString& mode, const QString& topic)
{
    storeUserSetting(lastTopicKey(mode), topic);
    markLastTopic(mode);
}

void ReadingComfort::markLastTopic(const QString& mode)
{
    const QString last = userSettings()->value(lastTopicKey(mode)).toString();
    bool marked = false;
    for (int index = 0; index < topics_->topLevelItemCount(); ++index) {
        QTreeWidgetItem* item = topics_->topLevelItem(index);
        const bool isLast = !marked && !last.isEmpty() && item->text(0) == last;
        marked = marked || isLast;
        QFont font = item->font(0);
        if (font.bold() != isLast) {
            font.setBold(isLast);
            item->setFont(0, font);
        }
    }
}

void ReadingComfort::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(view_->accessibleName());
    QPrintDialog dialog(&printer, window_);
    dialog.setWindowTitle(QStringLiteral("Печать"));
    if (dialog.exec() == QDialog::Accepted)
        printTo(printer);
}

void ReadingComfort::printTo(QPrinter& printer)
{
    view_->print(&printer);
}

bool ReadingComfort::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport_ && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int turn = wheel->angleDelta().y();
            if (turn != 0)
                setZoom(zoom_ + (turn > 0 ? 1 : -1));
            return true;
        }
    }
    // The size kept from the last run is read when the window is first shown, not while the
    // program starts.
    if (watched == window_ && event->type() == QEvent::Show && !zoomRead_) {
        zoomRead_ = true;
        zoom_ = std::clamp(userSettings()->value(zoomKey, 0).toInt(), smallestZoom, largestZoom);
        applyZoom();
    }
    if (watched == window_ && event->type() == QEvent::Hide)
        rememberPlace();
    return QObject::eventFilter(watched, event);
}
