#include "skin/controls/tstreeview.h"

namespace {

// The skin's frame of a tree is this wide.
constexpr int skinFrameWidth = 3;

} // namespace

TsTreeView::TsTreeView(QWidget* parent)
    : Skinned(parent),
      m_frame(this, SkinData, {.width = skinFrameWidth, .bars = {skinFrameWidth}})
{
    m_frame.followSkin();
}

bool TsTreeView::event(QEvent* event)
{
    return m_frame.event(event, [this](QEvent* e) { return Skinned::event(e); });
}
