#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs an action once, after a widget's first paint has gone to the screen: the paint event only
// begins the painting, so the action waits for the next turn of the event loop. The watcher lives
// as a child of the widget and goes when it has run.
class AfterFirstPaint : public QObject {
    Q_OBJECT

public:
    AfterFirstPaint(QWidget* widget, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> action_;
};
