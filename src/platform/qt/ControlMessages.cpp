// Buttons and list boxes of Qt dialogs answer their messages from their widgets.
#include "platform/emulated/Controls.h"
#include "platform/emulated/Dialog.h"
#include "platform/qt/Handles.h"

#include <QAbstractButton>
#include <QListWidget>

namespace {

class QtButton : public emulated::ButtonState {
public:
    explicit QtButton(QAbstractButton& button) : m_button(button) {}
    UINT Check() const override { return m_button.isChecked() ? BST_CHECKED : BST_UNCHECKED; }
    // Qt's group exclusivity would move the check; the message must not.
    void SetCheck(UINT check) override {
        bool exclusive = m_button.autoExclusive();
        m_button.setAutoExclusive(false);
        m_button.setChecked(check == BST_CHECKED);
        m_button.setAutoExclusive(exclusive);
    }

private:
    QAbstractButton& m_button;
};

class QtListBox : public emulated::ListBoxState {
public:
    explicit QtListBox(QListWidget& list) : m_list(list) {}
    int Count() const override { return m_list.count(); }
    // The text shown is for the eye; the bytes given come back, a name that is not
    // UTF-8 among them.
    std::string Text(int index) const override {
        return m_list.item(index)->data(Qt::UserRole).toByteArray().toStdString();
    }
    void Append(const char* text) override {
        auto* item = new QListWidgetItem(QString::fromLocal8Bit(text));
        item->setData(Qt::UserRole, QByteArray(text));
        m_list.addItem(item);
    }
    void Remove(int index) override { delete m_list.takeItem(index); }
    int Selection() const override {
        QList<QListWidgetItem*> selected = m_list.selectedItems();
        return selected.isEmpty() ? LB_ERR : m_list.row(selected.first());
    }
    void Select(int index) override {
        if (index == LB_ERR) {
            m_list.clearSelection();
        } else if (index != Selection()) {
            m_list.setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        }
    }

private:
    QListWidget& m_list;
};

}  // namespace

namespace emulated {

std::optional<LRESULT> ControlMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    QWidget* control = hWnd->parent != nullptr ? hWnd->widget.data() : nullptr;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QtButton state(*button);
        return ButtonMessage(state, message, wParam);
    }
    if (auto* list = qobject_cast<QListWidget*>(control)) {
        QtListBox state(*list);
        return ListBoxMessage(state, message, wParam, lParam);
    }
    return std::nullopt;
}

}  // namespace emulated
