#pragma once

#include "skin/controls/skinned.h"

#include <QWidget>

class TsPageControl;

// One page of a page control. It keeps no painted image of its own: the controls on it paint over
// their page control's image, at the page's place in it.
class TsTabSheet : public Skinned<TsTabSheet, QWidget, ControlKind::TabSheet, CacheBitmap::NotKept> {
    Q_OBJECT

public:
    using Skinned::Skinned;

    // The page control that shows this page; none before the page is added to one.
    TsPageControl* pageControl() const;

protected:
    // Answers its children's cache request for its page control.
    bool event(QEvent* event) override;
};
