#pragma once

#include "skin/controls/tsradiobutton.h"

// One item of a radio group: a radio button that the group places, names and checks. It stays
// hidden until the group first places it. While skinned it covers its place wholly, so the group
// leaves that place to it when painting.
class TsGroupButton : public TsRadioButton {
    Q_OBJECT

public:
    explicit TsGroupButton(QWidget* group);

protected:
    bool event(QEvent* event) override;

private:
    void followSkin();
};
