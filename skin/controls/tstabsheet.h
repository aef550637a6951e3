#pragma once

#include "skin/controls/skinned.h"

#include <QWidget>

class TsPageControl;

// One page of a page control. It keeps no painted image of its own: while its page control is
// skinned it shows the page control's image at its place, and the controls on it paint over that
// image too.
class TsTabSheet : public Skinned<TsTabSheet, QWidget, ControlKind::TabSheet, CacheBitmap::NotKept> {
    Q_OBJECT

public:
    using Skinned::Skinned;

    // The page control that shows this page; none before the page is added to one.
    TsPageControl* pageControl() const;

signals:
    // Sent when the page is shown or hidden; a receiver's failure is reported and the page goes on.
    void shown();
    void hidden();

protected:
    // Answers its children's cache request and the updating question for its page control.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
