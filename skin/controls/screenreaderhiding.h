#pragma once

class QWidget;

// Marks a widget that only repeats, in the skin's looks, a control a screen reader already meets
// elsewhere (a skinned bar laid over a platform bar, say): screen readers are told it is not
// there, so that its user meets each control once. The call belongs right after the widget is
// made, before anything asks for its accessible interface.
void hideFromScreenReaders(QWidget* widget);
