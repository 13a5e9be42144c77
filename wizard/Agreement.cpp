#include "wizard/Agreement.h"

#include <cstdio>
#include <vector>

#include "platform/DataExchange.h"
#include "platform/DialogKeys.h"
#include "resources/dlg150-agreement.h"
#include "resources/resource.h"
#include "wizard/AgreementText.h"
#include "wizard/PageFrame.h"

namespace {

constexpr size_t kMaxAgreementBytes = 32000;
// While this page is shown the wizard's frame bears its title.
constexpr char kFrameCaption[] = "LICENSE AGREEMENT";

// The distribution's own agreement, its bytes as they are; empty when there
// is none.
std::string ReadAgreementFile() {
  FILE* file = std::fopen("agreement.txt", "rb");
  if (!file) return std::string();
  std::vector<char> bytes(kMaxAgreementBytes);
  const size_t count = std::fread(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return std::string(bytes.data(), count);
}

// Gives the frame's button that bears exactly `from` the caption `to`.
void RelabelButton(HWND frame, const char* from, const char* to) {
  if (HWND button = FindWindowExA(frame, nullptr, nullptr, from)) SetWindowTextA(button, to);
}

HWND FindFrame() { return FindWindowExA(nullptr, nullptr, nullptr, kFrameCaption); }

}  // namespace

CAgreement::CAgreement() : CPropertyPage(IDD_AGREEMENT) {}

BOOL CAgreement::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  std::string text = ReadAgreementFile();
  if (text.empty()) text = BuiltInAgreementText();
  SetDlgItemText(IDC_AGREEMENT_TEXT, text.c_str());
  // Enter accepts and Escape declines wherever the focus is, as on the
  // other pages.
  LeaveDialogKeysToDialog(GetDlgItem(IDC_AGREEMENT_TEXT));
  return TRUE;
}

void CAgreement::DoDataExchange(CDataExchange* dx) { DDX_Text(dx, IDC_AGREEMENT_TEXT, m_strText); }

BOOL CAgreement::OnSetActive() {
  RequestWizardButtons(PSWIZB_NEXT);
  SetTimer(ID_TIMER_CAPTIONS, 200);
  return CPropertyPage::OnSetActive();
}

void CAgreement::OnTimer(UINT_PTR) {
  if (HWND frame = FindFrame()) {
    RelabelButton(frame, "Ne&xt >", "I &Accept >");
    RelabelButton(frame, "&Next >", "I &Accept >");
    RelabelButton(frame, "Cancel", "I &Decline");
  }
  KillTimer(ID_TIMER_CAPTIONS);
}

BOOL CAgreement::OnKillActive() {
  if (HWND frame = FindFrame()) {
    RelabelButton(frame, "I &Accept >", "Ne&xt >");
    RelabelButton(frame, "I &Decline", "Cancel");
  }
  return CPropertyPage::OnKillActive();
}
