#include "dialogs/OptionsDlg.h"

#include "common/AppCaption.h"
#include "core/Schedule.h"
#include "core/SettingText.h"
#include "dialogs/HelpDocuments.h"
#include "dialogs/WindowColours.h"
#include "resources/ResourceIds.h"

using namespace core;

namespace {

constexpr const char* SETTINGS_NOTE =
    "NOTE: Not all settings will take effect until next session.\r\n"
    "Alternatively, you can restart Kaleidra to use the latest settings immediately.";
// What the minutes field's 30-byte buffer holds, without its terminating zero.
constexpr std::size_t MINUTES_CHARS = 29;

}  // namespace

COptionsDlg::COptionsDlg(CWnd* pParent) : CDialog(IDD_OPTIONS, pParent) {}

const MessageMap* COptionsDlg::GetMessageMap() const {
    static const MessageMap map(nullptr, {
        MapCommand(IDC_EVERY_MINUTES, &COptionsDlg::OnMinutes),
        MapCommand(IDC_ONCE_A_DAY, &COptionsDlg::OnOnceADay),
        MapCommand(IDC_EVERY_RUN, &COptionsDlg::OnEveryRun),
        MapCommand(ID_HELP_TOPICS, &COptionsDlg::OnHelpButton),
        MapHelpInfo(&COptionsDlg::OnHelpInfo),
        MapCtlColor(&COptionsDlg::OnCtlColor),
    });
    return &map;
}

BOOL COptionsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CheckDlgButton(IDC_RANDOM_PICK, m_nPick == PICK_RANDOM ? BST_CHECKED : BST_UNCHECKED);
    CWnd* minutes = GetDlgItem(IDC_MINUTES);
    if (m_nFreq == FREQ_MINUTES) {
        CheckRadioButton(IDC_EVERY_MINUTES, IDC_EVERY_RUN, IDC_EVERY_MINUTES);
        minutes->EnableWindow(TRUE);
        minutes->SetWindowTextA(FormatSettingFloat(m_fMins).c_str());
    } else {
        CheckRadioButton(IDC_EVERY_MINUTES, IDC_EVERY_RUN, m_nFreq == FREQ_DAILY ? IDC_ONCE_A_DAY : IDC_EVERY_RUN);
        minutes->EnableWindow(FALSE);
    }
    return TRUE;
}

// Nothing is checked: the minutes are read whatever the mode, even from a disabled field.
void COptionsDlg::OnOK() {
    m_nPick = GetPickChoice();
    m_nFreq = GetFreqChoice();
    m_fMins = static_cast<float>(GetMinutesEntry());
    MessageBoxA(SETTINGS_NOTE, g_strAppName.c_str(), MB_OK | MB_ICONINFORMATION);
    EndDialog(IDOK);
}

void COptionsDlg::OnMinutes() {
    CWnd* minutes = GetDlgItem(IDC_MINUTES);
    minutes->EnableWindow(TRUE);
    minutes->SetFocus();
}

void COptionsDlg::OnOnceADay() {
    GetDlgItem(IDC_MINUTES)->EnableWindow(FALSE);
}

void COptionsDlg::OnEveryRun() {
    GetDlgItem(IDC_MINUTES)->EnableWindow(FALSE);
}

void COptionsDlg::OnHelpButton() {
    OpenHelpDocument(OPTIONS_DOCUMENT);
}

BOOL COptionsDlg::OnHelpInfo(HELPINFO*) {
    OnHelpButton();
    return TRUE;
}

std::optional<CtlColor> COptionsDlg::OnCtlColor(CWnd*, UINT nCtlColor) {
    return WhiteFaceBlueText(nCtlColor);
}

int COptionsDlg::GetPickChoice() const {
    return IsDlgButtonChecked(IDC_RANDOM_PICK) == BST_CHECKED ? PICK_RANDOM : PICK_SEQUENTIAL;
}

int COptionsDlg::GetFreqChoice() const {
    if (IsDlgButtonChecked(IDC_EVERY_MINUTES) == BST_CHECKED) {
        return FREQ_MINUTES;
    }
    return IsDlgButtonChecked(IDC_ONCE_A_DAY) == BST_CHECKED ? FREQ_DAILY : FREQ_EVERYRUN;
}

double COptionsDlg::GetMinutesEntry() const {
    std::string text = GetDlgItem(IDC_MINUTES)->GetWindowTextA();
    return ParseSettingFloat(std::string_view(text).substr(0, MINUTES_CHARS));
}
