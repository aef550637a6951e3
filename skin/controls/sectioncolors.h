#pragma once

#include <QPalette>

class QWidget;
class TsCommonData;

// The colours of a control's text area while a skin is in force: the section's background and
// font colours, the hot ones while the control is hot. The palette the control's window gives it
// meanwhile is kept for when the skin goes.
class SectionColors {
public:
    SectionColors(QWidget* control, const TsCommonData& skin);

    // The section's colours for the control's state when `skinned`, else the window's own.
    void apply(bool skinned);
    // Called after the control got a palette change: one that did not come from here is the
    // window's.
    void paletteChanged();

private:
    QWidget* m_control;
    const TsCommonData& m_skin;
    QPalette m_own;
    bool m_skinned = false;
    bool m_applying = false;
};
