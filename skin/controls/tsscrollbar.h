#pragma once

#include "skin/controls/skinned.h"
#include "skin/core/controlstate.h"
#include "skin/core/disabledkind.h"

#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include <array>

enum TsScrollBarKind { sbHorizontal, sbVertical };

// What moved the position last: the codes a scroll bar reports with each scroll.
enum TsScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

// A scroll bar drawn wholly by the skin's scroll sections whenever a skin is active; without one it
// looks and works like the platform's own. It stays a QScrollBar so that screen readers know it as
// a scroll bar, and the platform part's range, steps and position are the bar's. Beside them is
// kept only what the platform's bar cannot hold: limits given the wrong way round (Min above Max,
// which the platform holds sorted, the position staying at Min) and the position of a bar with
// nothing to scroll (-1, below its Min).
//
// A memo, list or tree that scrolls through one is its owner: it sets the owner, hears
// positionChanged, and brackets every synchronisation of the bar's values with
// setUpdating(true/false), during which the bar does not paint.
class TsScrollBar : public Skinned<TsScrollBar, QScrollBar, ControlKind::ScrollBar> {
    Q_OBJECT

public:
    enum Part { FirstButton, SecondButton, TrackBefore, TrackAfter, Slider, PartCount };

    explicit TsScrollBar(QWidget* parent = nullptr);

    TsScrollBarKind Kind() const { return orientation() == Qt::Horizontal ? sbHorizontal : sbVertical; }
    void setKind(TsScrollBarKind kind);
    int Min() const { return m_limitsCrossed ? maximum() : minimum(); }
    void setMin(int min);
    int Max() const { return m_limitsCrossed ? minimum() : maximum(); }
    void setMax(int max);
    int Position() const { return m_nothingToScroll ? -1 : m_limitsCrossed ? Min() : value(); }
    void setPosition(int position);
    // The part of the range one page shows, for the slider's length; not the platform's page step,
    // which is LargeChange.
    int PageSize() const { return m_pageSize; }
    void setPageSize(int pageSize);
    int SmallChange() const { return singleStep(); }
    void setSmallChange(int change) { setSingleStep(change); }
    int LargeChange() const { return pageStep(); }
    void setLargeChange(int change) { setPageStep(change); }
    // Off: a slider drag moves the slider but tells of the new position once, on release.
    bool Smooth() const { return m_smooth; }
    void setSmooth(bool smooth) { m_smooth = smooth; }
    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void setDisabledKind(TsDisabledKind kind);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus); }

    // The control this bar scrolls for; its name is given in the out-of-range message, and its
    // cache is what the bar's background is taken from.
    QWidget* ownerControl() const { return m_owner; }
    void setOwnerControl(QWidget* owner) { m_owner = owner; }
    // What an owner shows while it has nothing to scroll: limits 0 to 1, its page and no position
    // at all (-1, which the position's own rules would not let below Min).
    void showNothingToScroll(int pageSize);
    bool isUpdating() const { return m_updating; }
    // Turning updating off paints the values the owner set meanwhile.
    void setUpdating(bool updating);

    // The geometry along the bar; coordinates count from its left or top edge.
    int sliderLength() const;
    int sliderCenter() const;
    // The position a pointer at `coordinate` stands for (not clamped).
    int positionFromPointer(int coordinate) const;
    QRect partRect(Part part) const;
    ControlState partState(Part part) const { return m_states[part]; }
    TsScrollCode lastScrollCode() const { return m_lastCode; }

    // What the running repeat, page or drag timer does on each tick; the timer calls it, and tests
    // call it to hold a press for any time without waiting.
    void autoRepeatTick();
    bool autoRepeatActive() const { return m_timer.isActive(); }
    int autoRepeatInterval() const { return m_timer.interval(); }

    // The skin's picture of the bar as it stands, as painting puts it on the screen.
    QImage skinImage();

signals:
    // The position changed through the bar; `oldPosition` is the one told last. Sent before
    // scrolled and changed.
    void positionChanged(int oldPosition);
    void changed();
    void scrolled(TsScrollCode code, int position);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void sliderChange(SliderChange change) override;

private:
    enum class Repeat { None, Button, Page, Drag };

    void platformAction(int action);
    bool skinActive() const;
    // Input goes to the skin's logic only while it paints the bar; otherwise to the platform's.
    bool skinInput() const { return skinActive() && isEnabled(); }
    int length() const;
    int arrowLength() const;
    int along(QPoint point) const;
    QRect spanRect(int start, int spanLength) const;
    bool sliderShown() const;
    int partAt(QPoint point) const;

    void setPartState(Part part, ControlState state);
    void setStates(const std::array<ControlState, PartCount>& states);
    void followPointer();
    void stepBy(int delta);
    void applyLimits(int min, int max);
    void hold(int min, int max, int position);
    bool pageStillTowardPointer() const;
    void startRepeat(Repeat repeat);
    void stopRepeat();
    void notifyChange();
    void paintBar(QImage& image);
    void paintPart(QImage& image, Part part, const QRect& rect, ControlState state, const TsCacheInfo& cache,
                   QPoint offset) const;

    bool m_limitsCrossed = false;
    bool m_nothingToScroll = false;
    // The platform's part tells of a new value only once it has dropped the old one; this is the
    // position the last change told of (during a drag that is not smooth, the one from before it).
    int m_toldPosition = 0;
    // Set while the bar puts its own values into the platform's part.
    bool m_holding = false;
    int m_pageSize = 0;
    bool m_smooth = true;
    TsDisabledKind m_disabledKind = dkBlended;

    std::array<ControlState, PartCount> m_states{};
    TsScrollCode m_lastCode = scPosition;
    int m_grabOffset = 0;
    int m_pointer = 0;
    QTimer m_timer;
    Repeat m_repeat = Repeat::None;
    QPointer<QWidget> m_owner;
    bool m_updating = false;
    bool m_nonSmoothDrag = false;
};
