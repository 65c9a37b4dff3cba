#include "platform/headless/HeadlessWorld.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>

#include "framework/SystemServices.h"
#include "framework/Wnd.h"

namespace {

HeadlessWorld* g_pCurrentWorld = nullptr;

std::filesystem::path MakeTempRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kaleidra-world-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create the headless world's folder");
    }
    return pattern;
}

}  // namespace

HeadlessWorld::HeadlessWorld() : m_root(MakeTempRoot()) {
    if (g_pCurrentWorld != nullptr) {
        throw std::logic_error("only one headless world may exist at a time");
    }
    g_pCurrentWorld = this;
    std::filesystem::create_directories(WindowsDirectory());
    std::filesystem::create_directories(StartupFolder());
    std::filesystem::create_directories(m_root / "Program");
    using namespace std::chrono;
    SetLocalTime(sys_days{2024y / March / 15} + 12h);
    fw::srand(1);  // as a process starts
}

HeadlessWorld::~HeadlessWorld() {
    g_pCurrentWorld = nullptr;
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

HeadlessWorld& HeadlessWorld::Current() {
    if (g_pCurrentWorld == nullptr) {
        throw std::logic_error("the program ran outside a headless world");
    }
    return *g_pCurrentWorld;
}

std::string HeadlessWorld::WindowsDirectory() const {
    return (m_root / "Windows").string();
}

// The StartUp folder under the Windows directory, as the shell kept it before profiles.
std::string HeadlessWorld::StartupFolder() const {
    return (m_root / "Windows" / "Start Menu" / "Programs" / "StartUp").string();
}

std::string HeadlessWorld::ModuleFileName() const {
    return (m_root / "Program" / "kaleidra").string();
}

// "C:\Kaleidra\Kaleidra.LST" becomes <root>/C/Kaleidra/Kaleidra.LST.
std::string HeadlessWorld::NativePath(std::string_view windowsPath) const {
    std::string relative(windowsPath);
    if (relative.size() >= 2 && relative[1] == ':') {
        relative.erase(1, 1);
    }
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return (m_root / relative).string();
}

void HeadlessWorld::AnswerNextMessageBox(int answer) {
    OnNextMessageBox([answer](const MessageBoxRecord&) { return answer; });
}

void HeadlessWorld::OnNextMessageBox(MessageBoxScript script) {
    m_messageBoxScripts.push_back(std::move(script));
}

void HeadlessWorld::OnNextModal(ModalScript script) {
    m_modalScripts.push_back(std::move(script));
}

void HeadlessWorld::FailNext(HeadlessCall call, int error) {
    m_failures.emplace_back(call, error);
}

bool HeadlessWorld::TakeFailure(HeadlessCall call) {
    auto found = std::find_if(m_failures.begin(), m_failures.end(), [call](auto& f) { return f.first == call; });
    if (found == m_failures.end()) {
        return false;
    }
    errno = found->second;
    m_failures.erase(found);
    return true;
}

void HeadlessWorld::SetLocalTime(std::chrono::sys_seconds time) {
    m_now = time;
}

HeadlessWorld::Timer* HeadlessWorld::NextDueTimer(Clock::time_point limit) {
    Timer* next = nullptr;
    for (Timer& timer : m_timers) {
        if (timer.due <= limit && (next == nullptr || timer.due < next->due)) {
            next = &timer;
        }
    }
    return next;
}

void HeadlessWorld::Advance(std::chrono::milliseconds duration) {
    const Clock::time_point target = m_now + duration;
    while (Timer* timer = NextDueTimer(target)) {
        m_now = timer->due;
        timer->due += std::chrono::milliseconds(timer->period);
        // The handler may set or kill timers, so nothing of the list is kept across it.
        HWND hWnd = timer->hWnd;
        Deliver(*hWnd->wnd, WM_TIMER, timer->id, 0);
    }
    m_now = target;
}

void HeadlessWorld::RunProcess(const std::function<void()>& body) {
    try {
        body();
    } catch (const ProcessExit& exit) {
        exitCode = exit.code;
    }
}

LRESULT HeadlessWorld::Deliver(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = wnd.WindowProc(message, wParam, lParam);
    Pump();
    return result;
}

void HeadlessWorld::Pump() {
    auto exists = [this](HWND hWnd) {
        return std::any_of(m_windows.begin(), m_windows.end(), [hWnd](const auto& w) { return w.get() == hWnd; });
    };
    while (!m_postedCommands.empty()) {
        auto [hWnd, id] = m_postedCommands.front();
        m_postedCommands.pop_front();
        if (exists(hWnd)) {
            hWnd->wnd->WindowProc(WM_COMMAND, id, 0);
        }
    }
    for (HWND hWnd : TopLevelWindows()) {
        if (exists(hWnd) && hWnd->visible && hWnd->needsPaint) {
            hWnd->wnd->WindowProc(WM_PAINT, 0, 0);
            hWnd->needsPaint = false;
        }
    }
}

LRESULT HeadlessWorld::SendCommand(CWnd& wnd, UINT id) {
    return Deliver(wnd, WM_COMMAND, id, 0);
}

void HeadlessWorld::DropFiles(CWnd& wnd, std::vector<std::string> files) {
    HDROP__ drop{std::move(files)};
    Deliver(wnd, WM_DROPFILES, reinterpret_cast<WPARAM>(&drop), 0);
}

void HeadlessWorld::RightClick(CWnd& wnd, POINT screenPoint) {
    Deliver(wnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(wnd.m_hWnd), MakePointLParam(screenPoint.x, screenPoint.y));
}

void HeadlessWorld::TrayMessage(CWnd& wnd, WPARAM iconId, UINT mouseMessage) {
    for (auto call = trayCalls.rbegin(); call != trayCalls.rend(); ++call) {
        if (call->data.hWnd == wnd.m_hWnd && call->message == NIM_ADD) {
            Deliver(wnd, call->data.uCallbackMessage, iconId, mouseMessage);
            return;
        }
    }
}

void HeadlessWorld::Minimize(CWnd& wnd) {
    wnd.m_hWnd->iconic = true;
    wnd.m_hWnd->needsPaint = true;
    Deliver(wnd, WM_SIZE, SIZE_MINIMIZED, 0);
}

BOOL HeadlessWorld::PressHelpKey(CWnd& wnd) {
    HELPINFO info{};
    info.cbSize = sizeof info;
    return static_cast<BOOL>(Deliver(wnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&info)));
}

std::optional<CtlColor> HeadlessWorld::AskColors(CWnd& wnd, UINT type) {
    CtlColorRequest request{nullptr, type, std::nullopt};
    Deliver(wnd, WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&request));
    return request.answer;
}

HWND HeadlessWorld::FindWindow(const char* className, const char* title) const {
    for (HWND hWnd : TopLevelWindows()) {
        if ((className == nullptr || hWnd->className == className) && (title == nullptr || hWnd->title == title)) {
            return hWnd;
        }
    }
    return nullptr;
}

std::vector<HWND> HeadlessWorld::TopLevelWindows() const {
    std::vector<HWND> windows;
    for (const auto& window : m_windows) {
        if (window->parent == nullptr) {
            windows.push_back(window.get());
        }
    }
    return windows;
}

namespace {

// Dialog units of an 8-point MS Sans Serif dialog on a 96-dpi screen: the font's
// average character is 6 by 13 pixels.
LONG DialogUnitsToPixelsX(int units) {
    return units * 6 / 4;
}
LONG DialogUnitsToPixelsY(int units) {
    return units * 13 / 8;
}

const char* ControlClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::Edit:
        return "Edit";
    case ControlKind::ListBox:
        return "ListBox";
    case ControlKind::Bitmap:
    case ControlKind::Text:
        return "Static";
    default:
        return "Button";
    }
}

}  // namespace

HWND HeadlessWorld::CreateDialogWindow(CDialog& dialog, const DialogTemplate* dialogTemplate) {
    auto window = std::make_unique<HWND__>();
    window->wnd = &dialog;
    window->className = "#32770";  // the system's dialog class
    if (dialogTemplate != nullptr) {
        if (dialogTemplate->windowClass != nullptr) {
            window->className = dialogTemplate->windowClass;
        }
        window->title = dialogTemplate->caption;
        window->menuId = dialogTemplate->menuId;
        window->client = {0, 0, DialogUnitsToPixelsX(dialogTemplate->cx), DialogUnitsToPixelsY(dialogTemplate->cy)};
    }
    HWND hWnd = window.get();
    m_windows.push_back(std::move(window));
    for (const ControlTemplate& control : dialogTemplate ? dialogTemplate->controls : std::span<const ControlTemplate>{}) {
        auto child = std::make_unique<HWND__>();
        child->parent = hWnd;
        child->id = control.id;
        child->className = ControlClass(control.kind);
        child->title = control.text;
        child->visible = (control.style & WS_VISIBLE) != 0;
        child->style = control.style;
        child->control = std::make_unique<CWnd>();
        child->control->m_hWnd = child.get();
        child->wnd = child->control.get();
        m_windows.push_back(std::move(child));
    }
    return hWnd;
}

CWnd* HeadlessWorld::Control(HWND dialog, UINT id) const {
    for (const auto& window : m_windows) {
        if (window->parent == dialog && window->id == id) {
            return window->wnd;
        }
    }
    return nullptr;
}

void HeadlessWorld::DestroyWindow(HWND hWnd) {
    std::erase_if(m_timers, [hWnd](const Timer& timer) { return timer.hWnd == hWnd; });
    std::erase_if(m_windows, [hWnd](const auto& window) { return window.get() == hWnd || window->parent == hWnd; });
}

void HeadlessWorld::SetTimer(HWND hWnd, UINT_PTR id, UINT elapse) {
    UINT period = emulated::TimerPeriod(elapse);
    KillTimer(hWnd, id);
    m_timers.push_back({hWnd, id, period, m_now + std::chrono::milliseconds(period)});
}

bool HeadlessWorld::KillTimer(HWND hWnd, UINT_PTR id) {
    return std::erase_if(m_timers, [&](const Timer& timer) { return timer.hWnd == hWnd && timer.id == id; }) > 0;
}

HWND HeadlessWorld::ActiveWindow() const {
    std::vector<HWND> windows = TopLevelWindows();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        if ((*window)->visible) {
            return *window;
        }
    }
    return nullptr;
}

bool HeadlessWorld::HasTimer(HWND hWnd, UINT_PTR id) const {
    return TimerPeriod(hWnd, id).has_value();
}

std::optional<UINT> HeadlessWorld::TimerPeriod(HWND hWnd, UINT_PTR id) const {
    for (const Timer& timer : m_timers) {
        if (timer.hWnd == hWnd && timer.id == id) {
            return timer.period;
        }
    }
    return std::nullopt;
}

int HeadlessWorld::ShowMessageBox(HWND owner, std::string text, std::string caption, UINT type) {
    // Recorded before its script runs, so boxes opened from inside it come after it.
    size_t index = messageBoxes.size();
    messageBoxes.push_back({owner, std::move(text), std::move(caption), type, 0});
    int answer = (type & MB_YESNO) == MB_YESNO ? IDNO : IDOK;
    if (!m_messageBoxScripts.empty()) {
        MessageBoxScript script = std::move(m_messageBoxScripts.front());
        m_messageBoxScripts.pop_front();
        answer = script(MessageBoxRecord(messageBoxes[index]));
    }
    messageBoxes[index].answer = answer;
    return answer;
}

void HeadlessWorld::AnswerNextFileDialog(std::optional<std::string> path) {
    m_fileDialogAnswers.push_back(std::move(path));
}

std::optional<std::string> HeadlessWorld::TakeFileDialogAnswer() {
    if (m_fileDialogAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(m_fileDialogAnswers.front());
    m_fileDialogAnswers.pop_front();
    return answer;
}

void HeadlessWorld::ChooseNextMenuItem(UINT id) {
    m_menuChoices.push_back(id);
}

// A chosen item is posted: it arrives once the handler that showed the menu has returned.
void HeadlessWorld::TrackPopupMenu(PopupMenuRecord record, const std::vector<UINT>& commands) {
    HWND owner = record.owner;
    popupMenus.push_back(std::move(record));
    if (m_menuChoices.empty()) {
        return;
    }
    UINT choice = m_menuChoices.front();
    m_menuChoices.pop_front();
    if (std::find(commands.begin(), commands.end(), choice) != commands.end()) {
        m_postedCommands.emplace_back(owner, choice);
    }
}

HICON HeadlessWorld::Icon(UINT id) {
    for (const auto& icon : m_icons) {
        if (icon->id == id) {
            return icon.get();
        }
    }
    m_icons.push_back(std::make_unique<HICON__>(HICON__{id}));
    return m_icons.back().get();
}

void HeadlessWorld::RunModalLoop(CDialog& dialog) {
    if (m_modalScripts.empty()) {
        return;
    }
    ModalScript script = std::move(m_modalScripts.front());
    m_modalScripts.pop_front();
    script(dialog);
}

HANDLE HeadlessWorld::OpenViewerProcess() {
    ++openProcessHandles;
    return &openProcessHandles;  // any non-null value will do: only the count is checked
}

BOOL HeadlessWorld::CloseViewerProcess(HANDLE handle) {
    if (handle != &openProcessHandles || openProcessHandles == 0) {
        return FALSE;
    }
    --openProcessHandles;
    return TRUE;
}
