#pragma once

// How a control, or a part of one, is shown: as it stands, under the mouse, or held down. The
// value is also which of a mask's pictures is painted for the state.
enum class ControlState : int { Normal = 0, Hot = 1, Pressed = 2 };

// Any state but the normal one paints a section's hot look.
constexpr bool looksHot(ControlState state)
{
    return state != ControlState::Normal;
}
