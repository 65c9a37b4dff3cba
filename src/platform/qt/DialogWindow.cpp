#include "platform/qt/DialogWindow.h"

#include "platform/qt/ClientArea.h"
#include "platform/qt/ControlFactory.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/LocalInstance.h"
#include "platform/qt/MenuBuilder.h"
#include "platform/qt/X11Windows.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

Qt::WindowFlags FlagsFor(DWORD style) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (style & WS_MAXIMIZEBOX) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

// A URL's encoded path holds a name's own bytes, also those that are not UTF-8.
std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files.push_back(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
        }
    }
    return files;
}

bool IsEnter(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

}  // namespace

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate* dialogTemplate, QWidget* parent)
    : QWidget(parent) {
    m_handle.wnd = &dialog;
    m_handle.widget = this;
    dialog.m_hWnd = &m_handle;  // the colour requests below already reach the dialog
    if (dialogTemplate == nullptr) {
        m_client = new ClientArea(*this, QSize());
        return;
    }
    setFont(DialogUnits::TemplateFont(dialogTemplate->fontName, dialogTemplate->pointSize));
    DialogUnits units(font());
    m_client = new ClientArea(*this, QSize(units.X(dialogTemplate->cx), units.Y(dialogTemplate->cy)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_client);
    BuildMenuBar(dialogTemplate->menuId);
    BuildControls(*dialogTemplate);
    ApplyStyle(*dialogTemplate);
}

void DialogWindow::ApplyStyle(const DialogTemplate& dialogTemplate) {
    setWindowFlags(FlagsFor(dialogTemplate.style));
    setWindowTitle(QString::fromLocal8Bit(dialogTemplate.caption));
    if (std::optional<CtlColor> colors = AskColors(CTLCOLOR_DLG)) {
        QPalette palette = m_client->palette();
        palette.setColor(QPalette::Window, ToQColor(colors->face));
        m_client->setPalette(palette);
        m_client->setAutoFillBackground(true);
    }
    setAcceptDrops((dialogTemplate.exStyle & WS_EX_ACCEPTFILES) != 0);
    adjustSize();
    if ((dialogTemplate.style & WS_THICKFRAME) == 0) {
        setFixedSize(size());
    }
    if (dialogTemplate.windowClass != nullptr) {
        if (x11::Available()) {
            x11::SetWindowClass(*this, dialogTemplate.windowClass);
        }
        local_instance::Listen(*this, dialogTemplate.windowClass);
    }
}

void DialogWindow::BuildMenuBar(UINT menuId) {
    const MenuTemplate* menu = menuId != 0 ? FindMenuTemplate(menuId) : nullptr;
    if (menu == nullptr) {
        return;
    }
    m_menuBar = new QMenuBar(this);
    FillMenuBar(*m_menuBar, *menu);
    layout()->setMenuBar(m_menuBar);
    connect(m_menuBar, &QMenuBar::triggered, this, [this](QAction* action) {
        if (std::optional<UINT> command = CommandOf(action)) {
            PostCommand(*command);
        }
    });
}

void DialogWindow::BuildControls(const DialogTemplate& dialogTemplate) {
    DialogUnits units(font());
    ControlColors colors{AskColors(CTLCOLOR_STATIC)};
    for (const ControlTemplate& control : dialogTemplate.controls) {
        auto handle = std::make_unique<HWND__>();
        handle->parent = &m_handle;
        handle->id = control.id;
        handle->control = std::make_unique<CWnd>();
        handle->control->m_hWnd = handle.get();
        handle->wnd = handle->control.get();
        auto notify = [this, id = control.id, hwnd = handle.get()](WORD code) {
            Deliver(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), code), reinterpret_cast<LPARAM>(hwnd));
        };
        handle->widget = CreateControl(control, units, colors, notify, m_client);
        handle->widget->installEventFilter(this);
        if (control.kind == ControlKind::DefPushButton) {
            m_defaultCommand = control.id;
        }
        m_controls.push_back(std::move(handle));
    }
}

DialogWindow* DialogWindow::Of(HWND hWnd) {
    return hWnd != nullptr && hWnd->parent == nullptr ? dynamic_cast<DialogWindow*>(hWnd->widget.data()) : nullptr;
}

QWidget* DialogWindow::Client() const {
    return m_client;
}

CWnd* DialogWindow::Control(UINT id) const {
    auto found = std::find_if(m_controls.begin(), m_controls.end(), [id](const auto& c) { return c->id == id; });
    return found != m_controls.end() ? (*found)->wnd : nullptr;
}

HWND DialogWindow::HandleOf(QWidget* widget) {
    auto* window = widget != nullptr ? dynamic_cast<DialogWindow*>(widget->window()) : nullptr;
    if (window == nullptr) {
        return nullptr;
    }
    if (widget == window || widget == window->m_client) {
        return &window->m_handle;
    }
    auto found = std::find_if(window->m_controls.begin(), window->m_controls.end(),
                              [widget](const auto& c) { return c->widget == widget; });
    return found != window->m_controls.end() ? found->get() : nullptr;
}

void DialogWindow::Detach() {
    for (const auto& [id, timer] : m_handle.timers) {
        killTimer(timer);
    }
    m_handle.timers.clear();
    m_handle.wnd = nullptr;
}

LRESULT DialogWindow::Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_handle.wnd != nullptr ? m_handle.wnd->WindowProc(message, wParam, lParam) : 0;
}

// As a chosen menu item is posted on Windows: it arrives once the current handler is over.
void DialogWindow::PostCommand(UINT id) {
    QTimer::singleShot(0, this, [this, id] { Deliver(WM_COMMAND, id); });
}

UINT_PTR DialogWindow::SetTimer(UINT_PTR id, UINT elapse) {
    KillTimer(id);
    UINT period = emulated::TimerPeriod(elapse);
    int timer = startTimer(static_cast<int>(period));
    if (timer == 0) {
        return 0;
    }
    m_handle.timers[id] = timer;
    return id;
}

bool DialogWindow::KillTimer(UINT_PTR id) {
    auto found = m_handle.timers.find(id);
    if (found == m_handle.timers.end()) {
        return false;
    }
    killTimer(found->second);
    m_handle.timers.erase(found);
    return true;
}

void DialogWindow::timerEvent(QTimerEvent* event) {
    for (const auto& [id, timer] : m_handle.timers) {
        if (timer == event->timerId()) {
            Deliver(WM_TIMER, id);
            return;
        }
    }
}

std::optional<CtlColor> DialogWindow::AskColors(UINT type) {
    CtlColorRequest request{nullptr, type, std::nullopt};
    Deliver(WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&request));
    return request.answer;
}

void DialogWindow::PaintClient(QPainter& painter) {
    HDC__ dc{&painter};
    m_handle.paintDC = &dc;
    Deliver(WM_PAINT);
    m_handle.paintDC = nullptr;
}

// The dialog manager's Enter, whatever the style lets a control do with the key: a focused
// push button is pressed, on any other control it is the default button.
bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !IsEnter(*static_cast<QKeyEvent*>(event))) {
        return QWidget::eventFilter(watched, event);
    }
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
        button->click();
    } else {
        Deliver(WM_COMMAND, m_defaultCommand);
    }
    return true;
}

// The dialog manager's keys: Enter is the default button, Esc is Cancel, F1 asks for help.
void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(*event)) {
        Deliver(WM_COMMAND, m_defaultCommand);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        Deliver(WM_COMMAND, IDCANCEL);
        break;
    case Qt::Key_F1:
        PressHelpKey();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void DialogWindow::PressHelpKey() {
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    QPoint cursor = QCursor::pos();
    info.MousePos = {cursor.x(), cursor.y()};
    Deliver(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

// The close box is the Cancel command of a dialog; the program decides what it does.
void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    Deliver(WM_COMMAND, IDCANCEL);
}

void DialogWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        Deliver(WM_SIZE, SIZE_MINIMIZED, 0);
    }
}

// From the keyboard the point is (-1, -1), as Windows sends it.
void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    QPoint point = event->reason() == QContextMenuEvent::Keyboard ? QPoint(-1, -1) : event->globalPos();
    Deliver(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(&m_handle), MakePointLParam(point.x(), point.y()));
}

void DialogWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

// The drop reaches the program once the exchange is over, as on Windows: the boxes it may
// open must not keep the dragging program waiting.
void DialogWindow::dropEvent(QDropEvent* event) {
    auto drop = std::make_shared<HDROP__>(HDROP__{LocalFiles(event->mimeData())});
    if (drop->files.empty()) {
        return;
    }
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, drop] { Deliver(WM_DROPFILES, reinterpret_cast<WPARAM>(drop.get())); });
}
