// The native widget for each kind of template control.
#pragma once

#include "framework/MessageMap.h"
#include "framework/Templates.h"

#include <QWidget>

#include <functional>
#include <optional>

class DialogUnits;

QColor ToQColor(COLORREF colour);

struct ControlColors {
    std::optional<CtlColor> statics;  // labels, check boxes, radio buttons, group boxes, pictures
};

// What a control tells its dialog: BN_CLICKED from buttons, check boxes and radio buttons,
// LBN_DBLCLK from list boxes, EN_CHANGE from edits.
using NotifyDialog = std::function<void(WORD code)>;

QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, const ControlColors& colors,
                       const NotifyDialog& notify, QWidget* parent);
