#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QImage;
class QWheelEvent;
class QWidget;
class TsGrip;
class TsScrollBar;

// Scrolls a skinned window's client area when the window is smaller than its controls need: the
// skinned bars for the directions that do not fit, the square between them, the wheel and the
// keyboard focus that bring controls into view, and the size grip in the client's corner, which
// stands above the bars and does not scroll. Controls that a layout places fill the client and are
// left where they are. The bars, square and grip are made when first needed; whoever filters the
// frame's events is given their events too (the square's paint, the grip's mouse).
class ClientScroller : public QObject {
    Q_OBJECT

public:
    ClientScroller(QWidget* form, QWidget* client, QObject* eventFilter);

    // While the window does not wear the skinned frame its controls stand where they were made and
    // nothing of the scroller shows.
    void setFramed(bool framed) { m_framed = framed; }
    void setGripWanted(bool wanted) { m_gripWanted = wanted; }

    TsScrollBar* horizontalBar() const { return m_horizontalBar; }
    TsScrollBar* verticalBar() const { return m_verticalBar; }
    QWidget* corner() const { return m_corner; }
    TsGrip* grip() const { return m_grip; }
    // The grip's place in the window while it shows, or empty.
    QRect gripRect() const;
    QPoint offset() const { return m_offset; }

    void updateBars();
    void updateGrip();
    bool scrollByWheel(QWheelEvent* event);
    void scrollIntoView(QWidget* control);
    // The square between the bars shows `frame`, the window's picture, at its place.
    void paintCorner(const QImage& frame);

private:
    bool scrolls(const QWidget* child) const;
    QSize contentExtent() const;
    QPoint barOffset() const;
    TsScrollBar* placeBar(TsScrollBar* bar, Qt::Orientation orientation, int content, int view, const QRect& place);
    void scrollChildrenTo(QPoint offset);

    QWidget* m_form;
    QWidget* m_client;
    QObject* m_eventFilter;
    bool m_framed = false;
    bool m_gripWanted = false;
    TsScrollBar* m_horizontalBar = nullptr;
    TsScrollBar* m_verticalBar = nullptr;
    QWidget* m_corner = nullptr;
    TsGrip* m_grip = nullptr;
    QPoint m_offset;
};
