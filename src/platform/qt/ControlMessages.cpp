#include "platform/qt/ControlMessages.h"

#include <QAbstractButton>
#include <QListWidget>

#include <cstring>

namespace {

// A check set by message leaves the other radio buttons alone, as on Windows; only a
// click moves the check within the group.
LRESULT SetCheck(QAbstractButton& button, WPARAM state) {
    bool exclusive = button.autoExclusive();
    button.setAutoExclusive(false);
    button.setChecked(state == BST_CHECKED);
    button.setAutoExclusive(exclusive);
    return 0;
}

bool IsValidIndex(const QListWidget& list, WPARAM index) {
    return index < static_cast<WPARAM>(list.count());
}

int Selection(const QListWidget& list) {
    QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? LB_ERR : list.row(selected.first());
}

// The selection goes with its entry; the others keep theirs.
LRESULT DeleteString(QListWidget& list, WPARAM index) {
    if (!IsValidIndex(list, index)) {
        return LB_ERR;
    }
    bool wasSelected = Selection(list) == static_cast<int>(index);
    delete list.takeItem(static_cast<int>(index));
    if (wasSelected) {
        list.clearSelection();
    }
    return list.count();
}

LRESULT SetCurSel(QListWidget& list, WPARAM index) {
    if (!IsValidIndex(list, index)) {
        list.clearSelection();
        return LB_ERR;
    }
    list.setCurrentRow(static_cast<int>(index), QItemSelectionModel::ClearAndSelect);
    return static_cast<LRESULT>(index);
}

QByteArray Text(const QListWidget& list, WPARAM index) {
    return list.item(static_cast<int>(index))->text().toLocal8Bit();
}

std::optional<LRESULT> ListBoxMessage(QListWidget& list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LB_ADDSTRING:
        list.addItem(QString::fromLocal8Bit(reinterpret_cast<const char*>(lParam)));
        return list.count() - 1;
    case LB_DELETESTRING:
        return DeleteString(list, wParam);
    case LB_SETCURSEL:
        return SetCurSel(list, wParam);
    case LB_GETCURSEL:
        return Selection(list);
    case LB_GETCOUNT:
        return list.count();
    case LB_GETTEXTLEN:
        return IsValidIndex(list, wParam) ? Text(list, wParam).size() : LB_ERR;
    case LB_GETTEXT: {  // the caller's buffer holds the text and its terminating zero
        if (!IsValidIndex(list, wParam)) {
            return LB_ERR;
        }
        QByteArray text = Text(list, wParam);
        std::memcpy(reinterpret_cast<char*>(lParam), text.constData(), static_cast<std::size_t>(text.size()) + 1);
        return text.size();
    }
    default:
        return std::nullopt;
    }
}

}  // namespace

std::optional<LRESULT> ControlMessage(QWidget* control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (message == BM_GETCHECK) {
            return button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
        }
        if (message == BM_SETCHECK) {
            return SetCheck(*button, wParam);
        }
    }
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        return ListBoxMessage(*list, message, wParam, lParam);
    }
    return std::nullopt;
}
