#include "platform/emulated/Dialog.h"

#include "framework/SystemServices.h"

int CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(TemplateId());
    emulated::CreateDialogWindow(*this, dialogTemplate);
    // The window goes when the run ends, also when the process ends inside it.
    struct Destroyer {
        CDialog& dialog;
        ~Destroyer() { dialog.DestroyWindow(); }
    } destroyer{*this};
    OnInitDialog();
    // A template with the visible style is shown now, even if the initialisation hid the window.
    if (m_hWnd != nullptr && (dialogTemplate == nullptr || (dialogTemplate->style & WS_VISIBLE) != 0)) {
        emulated::ShowDialogWindow(m_hWnd);
    }
    if (m_hWnd != nullptr && !emulated::ModalResult(m_hWnd)) {
        emulated::RunModalLoop(*this);
    }
    return m_hWnd != nullptr ? emulated::ModalResult(m_hWnd).value_or(-1) : -1;
}

void CDialog::EndDialog(int nResult) {
    emulated::EndModalLoop(m_hWnd, nResult);
}

// What the system does with a message the program passes on.
LRESULT CWnd::Default() {
    const CurrentMessage& message = m_currentMessage;
    if (auto answer = emulated::ControlMessage(m_hWnd, message.message, message.wParam, message.lParam)) {
        return *answer;
    }
    if (message.message == WM_SETICON) {
        emulated::SetWindowIcon(m_hWnd, message.wParam, reinterpret_cast<HICON>(message.lParam));
    } else if (message.message == WM_DROPFILES) {
        fw::DragFinish(reinterpret_cast<HDROP>(message.wParam));
    }
    return 0;
}
