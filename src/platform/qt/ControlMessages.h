// The button and list-box messages, answered by the Qt widgets of a dialog's controls.
#pragma once

#include "framework/WinTypes.h"

#include <optional>

class QWidget;

// The answer of the control to the message; none when it is not one of its messages.
std::optional<LRESULT> ControlMessage(QWidget* control, UINT message, WPARAM wParam, LPARAM lParam);
