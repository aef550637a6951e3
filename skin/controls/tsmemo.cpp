#include "skin/controls/tsmemo.h"

namespace {

// The platform's frame of a memo is this wide; the skin's frame takes its place.
constexpr int skinFrameWidth = 2;

} // namespace

TsMemo::TsMemo(QWidget* parent)
    : Skinned(parent),
      m_frame(this, SkinData, {.width = skinFrameWidth, .bars = {skinFrameWidth}, .cornerInTextColour = true})
{
    m_frame.followSkin();
}

bool TsMemo::event(QEvent* event)
{
    const bool answered = m_frame.event(event, [this](QEvent* e) { return Skinned::event(e); });
    if (event->type() == QEvent::FontChange)
        SkinData.invalidate();
    return answered;
}
