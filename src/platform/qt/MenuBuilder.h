// Qt menus from the program's menu templates. Each command item carries its id as the
// action's data; pop-ups become sub-menus.
#pragma once

#include "framework/Templates.h"

#include <QMenu>
#include <QMenuBar>

#include <optional>

QMenu* BuildPopupMenu(const QString& title, std::span<const MenuItemTemplate> items, QWidget* parent);
// Items marked right-aligned go into a second bar in the bar's right corner.
void FillMenuBar(QMenuBar& bar, const MenuTemplate& menu);
// The command of a chosen action; none for a pop-up or a separator.
std::optional<UINT> CommandOf(const QAction* action);
