// CDialog over the dialog manager: DialogBoxIndirectParamA on a template built in memory,
// and one dialog procedure that hands every message to the dialog's message table.
#include "framework/Dialog.h"
#include "framework/SystemServices.h"
#include "framework/Templates.h"
#include "platform/win32/DialogTemplateBuilder.h"
#include "platform/win32/Resources.h"
#include "platform/win32/WindowObjects.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

// The message being handled, innermost first: CWnd::Default marks it for the dialog
// manager's own processing, which runs once the dialog procedure returns FALSE.
struct MessageFrame {
    bool passedOn = false;
};
MessageFrame* g_pCurrentFrame = nullptr;

// The dialog's initialisation is protected; the dialog procedure reaches it through here.
struct DialogInitialisation : CDialog {
    static BOOL Run(CDialog& dialog) {
        BOOL (CDialog::*initialise)() = &DialogInitialisation::OnInitDialog;
        return (dialog.*initialise)();
    }
};

HBRUSH SolidBrush(COLORREF colour) {
    static std::map<COLORREF, HBRUSH> brushes;  // few colours, kept for the process's life
    auto [entry, inserted] = brushes.try_emplace(colour, nullptr);
    if (inserted) {
        entry->second = CreateSolidBrush(colour);
    }
    return entry->second;
}

bool IsColourMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The per-kind colour message folded into the framework's one request; FALSE leaves the
// colours to the dialog manager.
INT_PTR AnswerColour(CWnd& dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    CtlColorRequest request{win32::ColourTarget(dialog, reinterpret_cast<HWND>(lParam)),
                            message - WM_CTLCOLORMSGBOX, std::nullopt};
    MessageFrame frame;
    MessageFrame* outer = std::exchange(g_pCurrentFrame, &frame);
    dialog.WindowProc(WM_CTLCOLOR, wParam, reinterpret_cast<LPARAM>(&request));
    g_pCurrentFrame = outer;
    if (!request.answer) {
        return FALSE;
    }
    HDC dc = reinterpret_cast<HDC>(wParam);
    if (request.answer->text) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, *request.answer->text);
    }
    return reinterpret_cast<INT_PTR>(SolidBrush(request.answer->face));
}

// Messages whose answer the dialog procedure returns itself instead of in DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    return message == WM_QUERYDRAGICON || message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
           message == WM_CHARTOITEM;
}

// A menu bar added after creation takes its height from the client area; the window grows
// by as much so that the template's size stays the client's.
void AttachMenuBar(HWND hWnd, UINT menuId) {
    HMENU menu = menuId != 0 ? win32::BuildMenu(menuId) : nullptr;
    if (menu == nullptr) {
        return;
    }
    RECT client;
    GetClientRect(hWnd, &client);
    SetMenu(hWnd, menu);
    AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongPtrA(hWnd, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrA(hWnd, GWL_EXSTYLE)));
    SetWindowPos(hWnd, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The picture's rectangle was drawn for the template font's metrics on Windows, where it
// holds the bitmap whole; with a smaller substitute font it would crop it, so it grows
// about its centre to the bitmap's size.
void FitPictureToBitmap(HWND dialog, HWND picture, HBITMAP bitmap) {
    BITMAP size{};
    RECT area{};
    if (GetObjectA(bitmap, sizeof size, &size) == 0 || !GetWindowRect(picture, &area)) {
        return;
    }
    RECT frame = area;
    GetClientRect(picture, &area);
    const int width = std::max<int>(area.right, size.bmWidth) + (frame.right - frame.left) - area.right;
    const int height = std::max<int>(area.bottom, size.bmHeight) + (frame.bottom - frame.top) - area.bottom;
    POINT centre{(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
    ScreenToClient(dialog, &centre);
    SetWindowPos(picture, nullptr, centre.x - width / 2, centre.y - height / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetBitmaps(HWND hWnd, const DialogTemplate& dialog) {
    for (const ControlTemplate& control : dialog.controls) {
        HWND picture = GetDlgItem(hWnd, static_cast<int>(control.id));
        HBITMAP bitmap = control.kind == ControlKind::Bitmap ? win32::EmbeddedBitmap(control.bitmapId) : nullptr;
        if (picture != nullptr && bitmap != nullptr) {
            SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
            FitPictureToBitmap(hWnd, picture, bitmap);
        }
    }
}

INT_PTR InitDialog(HWND hWnd, CDialog& dialog) {
    dialog.m_hWnd = hWnd;
    win32::AttachWindow(hWnd, &dialog);
    if (const DialogTemplate* dialogTemplate = FindDialogTemplate(dialog.TemplateId())) {
        AttachMenuBar(hWnd, dialogTemplate->menuId);
        SetBitmaps(hWnd, *dialogTemplate);
    }
    MessageFrame frame;
    MessageFrame* outer = std::exchange(g_pCurrentFrame, &frame);
    BOOL result = DialogInitialisation::Run(dialog);
    g_pCurrentFrame = outer;
    return result;
}

INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return InitDialog(hWnd, *reinterpret_cast<CDialog*>(lParam));
    }
    CWnd* wnd = win32::FindWindowObject(hWnd);
    if (wnd == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        win32::DetachWindow(hWnd);
        wnd->m_hWnd = nullptr;
        return FALSE;
    }
    if (IsColourMessage(message)) {
        return AnswerColour(*wnd, message, wParam, lParam);
    }
    MessageFrame frame;
    MessageFrame* outer = std::exchange(g_pCurrentFrame, &frame);
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    g_pCurrentFrame = outer;
    if (frame.passedOn) {
        return FALSE;
    }
    if (AnswersDirectly(message)) {
        return static_cast<INT_PTR>(result);
    }
    SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

// A template's own window class: the dialog manager's procedure with the program's icon,
// so that a running copy is found by its class and shows the icon everywhere.
void RegisterDialogClass(const char* className, UINT iconId) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, className, &existing)) {
        return;
    }
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefDlgProcA;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hIcon = win32::EmbeddedIcon(iconId, GetSystemMetrics(SM_CXICON));
    windowClass.hIconSm = win32::EmbeddedIcon(iconId, GetSystemMetrics(SM_CXSMICON));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
}

}  // namespace

LRESULT CWnd::Default() {
    if (m_currentMessage.message == WM_DROPFILES) {
        fw::DragFinish(reinterpret_cast<HDROP>(m_currentMessage.wParam));
    }
    if (g_pCurrentFrame != nullptr) {
        g_pCurrentFrame->passedOn = true;
    }
    return 0;
}

int CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(TemplateId());
    if (dialogTemplate == nullptr) {
        return -1;
    }
    if (dialogTemplate->windowClass != nullptr) {
        RegisterDialogClass(dialogTemplate->windowClass, dialogTemplate->classIconId);
    }
    std::vector<WORD> words = BuildDialogTemplate(*dialogTemplate);
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()),
                                             OwnerWindow(), DialogProc, reinterpret_cast<LPARAM>(this));
    return static_cast<int>(result);
}

void CDialog::EndDialog(int nResult) {
    ::EndDialog(m_hWnd, nResult);
}
