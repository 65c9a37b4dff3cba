// The colours of the program's own windows: a white face, and static text (labels, check
// boxes, radio buttons, group boxes) in blue on a transparent background.
#pragma once

#include "framework/MessageMap.h"

#include <optional>

// The answer to a colour request of the given control type; nothing keeps the defaults.
std::optional<CtlColor> WhiteFaceBlueText(UINT nCtlColor);
