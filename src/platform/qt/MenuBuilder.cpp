#include "platform/qt/MenuBuilder.h"

namespace {

QString ItemText(const MenuItemTemplate& item) {
    return QString::fromLocal8Bit(item.sessionText != nullptr ? item.sessionText : item.text);
}

}  // namespace

QMenu* BuildPopupMenu(const QString& title, std::span<const MenuItemTemplate> items, QWidget* parent) {
    auto* menu = new QMenu(title, parent);
    for (const MenuItemTemplate& item : items) {
        if (item.text == nullptr) {
            menu->addSeparator();
        } else if (!item.popup.empty()) {
            menu->addMenu(BuildPopupMenu(ItemText(item), item.popup, menu));
        } else {
            menu->addAction(ItemText(item))->setData(item.id);
        }
    }
    return menu;
}

void FillMenuBar(QMenuBar& bar, const MenuTemplate& menu) {
    QMenuBar* rightBar = nullptr;
    for (const MenuItemTemplate& item : menu.items) {
        QMenuBar* target = &bar;
        if (item.rightAligned) {
            if (rightBar == nullptr) {
                rightBar = new QMenuBar(&bar);
                bar.setCornerWidget(rightBar, Qt::TopRightCorner);
                QObject::connect(rightBar, &QMenuBar::triggered, &bar, &QMenuBar::triggered);
            }
            target = rightBar;
        }
        if (item.popup.empty()) {
            target->addAction(ItemText(item))->setData(item.id);
        } else {
            target->addMenu(BuildPopupMenu(ItemText(item), item.popup, target));
        }
    }
}

std::optional<UINT> CommandOf(const QAction* action) {
    if (action == nullptr || action->menu() != nullptr || action->isSeparator() || !action->data().isValid()) {
        return std::nullopt;
    }
    return action->data().toUInt();
}
