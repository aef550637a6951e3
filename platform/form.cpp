#include "platform/form.h"

#include "platform/colors.h"
#include "platform/metrics.h"
#include "platform/screenfit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QList<Form*>& registry()
{
    static QList<Form*> forms;
    return forms;
}

QPointer<Form>& startWindow()
{
    static QPointer<Form> window;
    return window;
}

// Menus, tool tips and the like do not count: they vanish with the window that opened them.
bool anyWindowShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
        const Qt::WindowType type = window->windowType();
        return window->isVisible() && (type == Qt::Window || type == Qt::Dialog);
    });
}
} // namespace

Form::Form(const QString& instanceName, const QString& caption, const QRect& designedOuter)
    : QWidget(nullptr),
      client_(new QWidget(this))
{
    setObjectName(instanceName);
    setWindowTitle(caption);
    client_->setObjectName(instanceName + QStringLiteral("Client"));

    QPalette background = palette();
    // A grey reads the same in either byte order.
    background.setColor(QPalette::Window, QColor(QRgb(clSilver)));
    setPalette(background);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client_);

    move(designedOuter.topLeft());
    resize(clientSizeForOuter(designedOuter.size()));
    registry().append(this);
}

Form::~Form()
{
    registry().removeOne(this);
}

const QList<Form*>& Form::all()
{
    return registry();
}

QSize Form::clientSizeForOuter(const QSize& outer)
{
    return {outer.width() - 2 * metrics::frameWidth, outer.height() - metrics::captionHeight - 2 * metrics::frameWidth};
}

void Form::setStartWindow(Form* window)
{
    startWindow() = window;
}

void Form::closeEvent(QCloseEvent* event)
{
    event->accept();
    hide();
    // Asked once the handler that closed this window is done: it may be about to show the next.
    if (Form* start = startWindow())
        QMetaObject::invokeMethod(
            start,
            [start] {
                if (!anyWindowShown())
                    start->show();
            },
            Qt::QueuedConnection);
}

void Form::ensureControls()
{
    if (controlsCreated_)
        return;
    controlsCreated_ = true;
    createControls();
}

void Form::ensureAllControls()
{
    const QList<Form*> forms = registry();
    for (Form* form : forms)
        form->ensureControls();
}

void Form::setVisible(bool visible)
{
    if (visible)
        ensureControls();
    QWidget::setVisible(visible);
    if (!visible)
        return;
    placeOnScreen();
    raise();
    activateWindow();
}

void Form::placeOnScreen()
{
    keepWithinScreen(this);
}
