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

// Buttons, check boxes and radio buttons call onCommand when clicked.
QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, const ControlColors& colors,
                       const std::function<void()>& onCommand, QWidget* parent);
