#include "platform/qt/MessageBoxes.h"

#include <QPushButton>

QMessageBox::StandardButtons ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_ABORTRETRYIGNORE:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    case MB_RETRYCANCEL:
        return QMessageBox::Retry | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconFor(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int ResultFor(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Abort: return IDABORT;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Ignore: return IDIGNORE;
    default: return IDCANCEL;
    }
}

int ShowMessageBox(QWidget* owner, const char* text, const char* caption, UINT type) {
    QString body = QString::fromLocal8Bit(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(IconFor(type), QString::fromLocal8Bit(caption), body, ButtonsFor(type), owner);
    // The first button is the default unless the type names the second or third.
    QList<QAbstractButton*> buttons = box.buttons();
    std::size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    if (defaultIndex < static_cast<std::size_t>(buttons.size())) {
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons[static_cast<qsizetype>(defaultIndex)]));
    }
    return ResultFor(static_cast<QMessageBox::StandardButton>(box.exec()));
}
