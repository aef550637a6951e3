#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractScrollArea;
class QScrollBar;
class TsCommonData;
class TsScrollBar;

// The skinned scroll bars a memo, list or tree places over its own: siblings of the control, laid
// over the platform's bars (which keep their room and their logic), and kept in step with them
// both ways. A bar exists only while the control is skinned, shown and more than 15 pixels wide
// and high, and only where the platform shows its own bar; it is made when first needed and
// hidden when no longer needed. The control holds it as a member, so that it is gone before the
// control's skin data.
class OwnedScrollBars : public QObject {
    Q_OBJECT

public:
    struct Placement {
        int inset = 2;          // from the control's edges to the bars
        int extraThickness = 0; // added to the platform's bar thickness
        Qt::Orientations orientations = Qt::Vertical | Qt::Horizontal;
    };

    OwnedScrollBars(QAbstractScrollArea* owner, TsCommonData& skin, Placement placement);
    ~OwnedScrollBars() override;

    // A further condition for the vertical bar, besides the platform showing its own.
    void setVerticalWanted(std::function<bool()> wanted) { m_verticalWanted = std::move(wanted); }

    // The skinned bar of that direction, or none while none was needed yet.
    TsScrollBar* bar(Qt::Orientation orientation) const;

    void synchronize();
    // Once the events that are waiting have been handled.
    void synchronizeLater();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollBar* platformBar(Qt::Orientation orientation) const;
    bool needed(Qt::Orientation orientation, bool allowed) const;
    TsScrollBar* makeBar(Qt::Orientation orientation);
    void takeValues(TsScrollBar* bar, const QScrollBar* platform) const;
    void watchPlatformBars();

    QAbstractScrollArea* m_owner;
    TsCommonData& m_skin;
    Placement m_placement;
    std::function<bool()> m_verticalWanted;
    QPointer<TsScrollBar> m_vertical;
    QPointer<TsScrollBar> m_horizontal;
    QPointer<QScrollBar> m_watchedVertical;
    QPointer<QScrollBar> m_watchedHorizontal;
    bool m_synchronizing = false;
    bool m_synchronizingLater = false;
};
