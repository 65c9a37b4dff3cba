#include "platform/headless/HeadlessWorld.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace {

HeadlessWorld* g_pCurrentWorld = nullptr;

// The shortest period a window timer runs at, as on Windows.
constexpr UINT USER_TIMER_MINIMUM = 10;

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
    std::filesystem::create_directories(m_root / "Program");
    using namespace std::chrono;
    SetLocalTime(sys_days{2024y / March / 15} + 12h);
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
        hWnd->wnd->WindowProc(WM_TIMER, timer->id, 0);
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

LRESULT HeadlessWorld::SendCommand(CWnd& wnd, UINT id) {
    return wnd.WindowProc(WM_COMMAND, id, 0);
}

HWND HeadlessWorld::CreateWindowFor(CWnd& wnd) {
    m_windows.push_back(std::make_unique<HWND__>());
    m_windows.back()->wnd = &wnd;
    return m_windows.back().get();
}

void HeadlessWorld::DestroyWindow(HWND hWnd) {
    std::erase_if(m_timers, [hWnd](const Timer& timer) { return timer.hWnd == hWnd; });
    std::erase_if(m_windows, [hWnd](const auto& window) { return window.get() == hWnd; });
}

void HeadlessWorld::SetTimer(HWND hWnd, UINT_PTR id, UINT elapse) {
    UINT period = std::clamp(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    KillTimer(hWnd, id);
    m_timers.push_back({hWnd, id, period, m_now + std::chrono::milliseconds(period)});
}

bool HeadlessWorld::KillTimer(HWND hWnd, UINT_PTR id) {
    return std::erase_if(m_timers, [&](const Timer& timer) { return timer.hWnd == hWnd && timer.id == id; }) > 0;
}

HWND HeadlessWorld::ActiveWindow() const {
    for (auto window = m_windows.rbegin(); window != m_windows.rend(); ++window) {
        if ((*window)->visible) {
            return window->get();
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

void HeadlessWorld::RunModalLoop(CDialog& dialog) {
    if (m_modalScripts.empty()) {
        return;
    }
    ModalScript script = std::move(m_modalScripts.front());
    m_modalScripts.pop_front();
    script(dialog);
}

// The Windows C runtime's generator, so scenarios draw what the Windows program would.
int HeadlessWorld::Rand() {
    m_randState = m_randState * 214013u + 2531011u;
    return static_cast<int>((m_randState >> 16) & 0x7FFF);
}
