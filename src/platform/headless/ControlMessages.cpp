// Buttons and list boxes of headless dialogs answer their messages from the world's record
// of them.
#include "platform/emulated/Controls.h"
#include "platform/emulated/Dialog.h"
#include "platform/headless/HeadlessWorld.h"

namespace {

class HeadlessButton : public emulated::ButtonState {
public:
    explicit HeadlessButton(HWND__& button) : m_button(button) {}
    UINT Check() const override { return m_button.check; }
    void SetCheck(UINT check) override { m_button.check = check; }

private:
    HWND__& m_button;
};

class HeadlessListBox : public emulated::ListBoxState {
public:
    explicit HeadlessListBox(HWND__& list) : m_list(list) {}
    int Count() const override { return static_cast<int>(m_list.items.size()); }
    std::string Text(int index) const override { return m_list.items[static_cast<std::size_t>(index)]; }
    void Append(const char* text) override { m_list.items.emplace_back(text); }
    void Remove(int index) override { m_list.items.erase(m_list.items.begin() + index); }
    int Selection() const override { return m_list.selection; }
    void Select(int index) override { m_list.selection = index; }

private:
    HWND__& m_list;
};

}  // namespace

namespace emulated {

std::optional<LRESULT> ControlMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hWnd->className == "Button") {
        HeadlessButton button(*hWnd);
        return ButtonMessage(button, message, wParam);
    }
    if (hWnd->className == "ListBox") {
        HeadlessListBox list(*hWnd);
        return ListBoxMessage(list, message, wParam, lParam);
    }
    return std::nullopt;
}

}  // namespace emulated
