// A dialog of one of the program's templates in a Qt window, recording what the window
// delivers to its message table.
#pragma once

#include "framework/Dialog.h"
#include "framework/PaintDC.h"
#include "framework/SystemServices.h"
#include "platform/qt/DialogWindow.h"
#include "resources/ResourceIds.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(UINT templateId) : CDialog(templateId) {}

    std::vector<UINT_PTR> commands;  // clicks, and EN_CHANGE as its code
    std::vector<UINT_PTR> ticks;
    std::vector<UINT> sizeTypes;
    std::vector<std::string> dropped;
    bool dropFinished = false;
    std::function<void(UINT_PTR)> onTick;
    std::function<void(CPaintDC&)> paint;

protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMap map(nullptr, {
            MapControl(EN_CHANGE, IDC_MINUTES, &RecordingDialog::OnEditChange),
            MapTimer(&RecordingDialog::OnTimer),
            MapSize(&RecordingDialog::OnSize),
            MapDropFiles(&RecordingDialog::OnDropFiles),
            MapPaint(&RecordingDialog::OnPaint),
        });
        return &map;
    }
    BOOL OnCommand(UINT_PTR id) override {
        commands.push_back(id);
        return TRUE;
    }

private:
    void OnEditChange() { commands.push_back(EN_CHANGE); }
    void OnSize(UINT type, int, int) { sizeTypes.push_back(type); }
    void OnDropFiles(HDROP drop) {
        for (UINT i = 0; !fw::DragQueryFileA(drop, i).empty(); ++i) {
            dropped.push_back(fw::DragQueryFileA(drop, i));
        }
        Default();
        dropFinished = drop->finished;
    }
    void OnTimer(UINT_PTR id) {
        ticks.push_back(id);
        if (onTick) {
            onTick(id);
        }
    }
    void OnPaint() {
        CPaintDC dc(this);
        if (paint) {
            paint(dc);
        }
    }
};

// The dialog's window lives for one test.
class QtDialogTest : public ::testing::Test {
protected:
    explicit QtDialogTest(UINT templateId)
        : dialog(templateId), window(new DialogWindow(dialog, FindDialogTemplate(templateId), nullptr)) {}
    ~QtDialogTest() override { delete window; }

    RecordingDialog dialog;
    DialogWindow* window;
};
