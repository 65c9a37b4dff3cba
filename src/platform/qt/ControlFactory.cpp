#include "platform/qt/ControlFactory.h"

#include "platform/qt/DialogUnits.h"
#include "platform/qt/StaticPicture.h"
#include "framework/ResourceData.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

// The controls Windows colours with the static colour request.
bool IsStaticKind(ControlKind kind) {
    return kind == ControlKind::Text || kind == ControlKind::GroupBox || kind == ControlKind::CheckBox ||
           kind == ControlKind::RadioButton;
}

// Static text and its kin: the answer's text colour on a transparent background.
void ApplyStaticColors(QWidget* widget, const ControlColors& colors) {
    if (!colors.statics || !colors.statics->text) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ToQColor(*colors.statics->text));
    palette.setColor(QPalette::ButtonText, ToQColor(*colors.statics->text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(false);
}

QWidget* CreatePicture(const ControlTemplate& control, const ControlColors& colors, QWidget* parent) {
    std::span<const unsigned char> bytes = FindResourceData(ResourceKind::Bitmap, control.bitmapId);
    QImage picture = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
    QColor face = colors.statics ? ToQColor(colors.statics->face) : parent->palette().color(QPalette::Window);
    bool sunken = (control.style & SS_SUNKEN) != 0 || (control.exStyle & WS_EX_STATICEDGE) != 0;
    return new StaticPicture(std::move(picture), face, sunken, parent);
}

QWidget* CreateListBox(const ControlTemplate& control, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    if ((control.style & LBS_DISABLENOSCROLL) != 0) {
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    return list;
}

// A frame around other controls, which come later in the template: below them, so the
// mouse reaches them through it as on Windows.
QWidget* CreateGroupBox(const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->lower();
    return group;
}

void ConnectNotifications(QWidget* widget, const NotifyDialog& notify) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QObject::connect(button, &QAbstractButton::clicked, button, [notify] { notify(BN_CLICKED); });
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        QObject::connect(list, &QListWidget::itemDoubleClicked, list, [notify] { notify(LBN_DBLCLK); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QObject::connect(edit, &QLineEdit::textChanged, edit, [notify] { notify(EN_CHANGE); });
    }
}

QWidget* CreateWidget(const ControlTemplate& control, const ControlColors& colors, QWidget* parent) {
    QString text = QString::fromLocal8Bit(control.text);
    switch (control.kind) {
    case ControlKind::PushButton:
        return new QPushButton(text, parent);
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, parent);
        button->setDefault(true);
        return button;
    }
    case ControlKind::Bitmap:
        return CreatePicture(control, colors, parent);
    case ControlKind::Text:
        return new QLabel(text, parent);
    case ControlKind::GroupBox:
        return CreateGroupBox(text, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::RadioButton:
        return new QRadioButton(text, parent);
    case ControlKind::Edit:
        return new QLineEdit(text, parent);
    case ControlKind::ListBox:
        return CreateListBox(control, parent);
    }
    return new QWidget(parent);
}

}  // namespace

QColor ToQColor(COLORREF colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, const ControlColors& colors,
                       const NotifyDialog& notify, QWidget* parent) {
    QWidget* widget = CreateWidget(control, colors, parent);
    widget->setObjectName(QString::number(control.id));
    widget->setGeometry(units.Rect(control.x, control.y, control.cx, control.cy));
    // The widths were measured for Windows' 13-pixel box; Qt's box and its spacing are
    // wider, and the label would lose its end.
    if (control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton) {
        widget->resize(std::max(widget->width(), widget->sizeHint().width()), widget->height());
    }
    widget->setVisible((control.style & WS_VISIBLE) != 0);
    if (IsStaticKind(control.kind)) {
        ApplyStaticColors(widget, colors);
    }
    ConnectNotifications(widget, notify);
    return widget;
}
