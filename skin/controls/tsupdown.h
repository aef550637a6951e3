#pragma once

#include "skin/controls/skinned.h"
#include "skin/core/controlstate.h"
#include "skin/core/disabledkind.h"

#include <QAbstractSlider>
#include <QImage>

// A pair of arrow buttons that step a value through a range. While a skin is in force each half
// is drawn as the skin's scroll-bar button of its direction; otherwise the halves are drawn as
// the platform's arrows. It stays an abstract slider, so that screen readers can read and set its
// value.
//
// A horizontal pair steps down with its left half and up with its right half; a vertical pair up
// with its top half and down with its bottom half. A half held down steps again after a pause, and
// then repeatedly, until it is released or the pointer leaves it.
class TsUpDown : public Skinned<TsUpDown, QAbstractSlider, ControlKind::Unlisted> {
    Q_OBJECT

public:
    enum Half { NoHalf = -1, FirstHalf = 0, SecondHalf = 1 };

    explicit TsUpDown(QWidget* parent = nullptr);

    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void setDisabledKind(TsDisabledKind kind);
    // On: a half that cannot step any further is drawn disabled.
    bool ShowInaccessibility() const { return m_showInaccessibility; }
    void setShowInaccessibility(bool show);

    QRect halfRect(Half half) const;
    ControlState halfState(Half half) const { return m_states[half]; }
    Half halfAt(QPoint point) const;
    // The skin's picture of the pair as painting puts it on the screen.
    QImage skinImage() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool skinActive() const;
    bool halfCanStep(Half half) const;
    void setStates(ControlState first, ControlState second);
    void paintHalf(QImage& image, Half half, const TsCacheInfo& cache) const;

    TsDisabledKind m_disabledKind = dkBlended;
    bool m_showInaccessibility = true;
    ControlState m_states[2] = {ControlState::Normal, ControlState::Normal};
};
