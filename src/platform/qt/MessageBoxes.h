// Message boxes: the Windows button sets and icons as a QMessageBox, run modally.
#pragma once

#include "framework/WinTypes.h"

#include <QMessageBox>

class QWidget;

QMessageBox::StandardButtons ButtonsFor(UINT type);
QMessageBox::Icon IconFor(UINT type);
// IDOK, IDCANCEL, IDYES, IDNO, ... for the button pressed.
int ResultFor(QMessageBox::StandardButton button);

// Text lines broken with "\r\n" as on Windows. The owner may be null.
int ShowMessageBox(QWidget* owner, const char* text, const char* caption, UINT type);
