#include "wizard/CIntern.h"

#include <string>

#include "core/Scramble.h"
#include "platform/DataExchange.h"
#include "platform/MessageBox.h"
#include "platform/Phonebook.h"
#include "platform/Registry.h"
#include "resources/dlg131-internet.h"
#include "resources/resource.h"
#include "wizard/AddressRecord.h"
#include "wizard/PageFrame.h"
#include "wizard/PagePicture.h"

namespace {
constexpr DWORD kAddressRecordSize = 2048;
constexpr const char kAddressesKey[] = "RemoteAccess\\Addresses";

bool IsChecked(const CWnd& box) { return box.SendMessage(BM_GETCHECK) != BST_UNCHECKED; }

void SetChecked(CWnd& box, bool checked) {
  box.SendMessage(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

// The system fills the records it is given; nothing it leaves in a field
// may run past that field.
template <size_t N>
void Terminate(char (&text)[N]) {
  text[N - 1] = '\0';
}

// The phone number of the entry's address record, when it holds one.
bool ReadAddressPhone(const char* entryName, std::string& phone) {
  unsigned char record[kAddressRecordSize];
  DWORD size = sizeof record;
  if (!RegistryRead(HKEY_CURRENT_USER, kAddressesKey, entryName, record, &size)) return false;
  return PhoneFromAddressRecord(record, size, RAS_MaxPhoneNumber, phone);
}
}  // namespace

CCIntern::CCIntern() : CPropertyPage(IDD_INTERNET), m_entries(), m_dialParams() {
  m_entries[0].dwSize = sizeof(RasEntryName95);
  m_dialParams.dwSize = sizeof m_dialParams;
}

BOOL CCIntern::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  ShowPagePicture(m_hWnd, IDC_INTERNET_PICTURE, "KQSetup3.jpg", m_hPicture);
  SetMode(ConnectionMode::DialUp);
  LoadEntry(0);
  m_cbEntries.SendMessage(CB_SETCURSEL, 0);
  return TRUE;
}

void CCIntern::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_USE_LAN, m_chkLan);
  DDX_Control(dx, IDC_RAS_ENTRIES, m_cbEntries);
  DDX_Control(dx, IDC_USE_PROXY, m_chkProxy);
  DDX_Control(dx, IDC_USE_DIALUP, m_chkDialUp);
  DDX_Control(dx, IDC_USE_AOL, m_chkAol);
  DDX_Text(dx, IDC_RAS_PHONE, m_strRasPhone);
  LimitDialUpText(dx, m_strRasPhone);
  DDX_Text(dx, IDC_RAS_PASSWORD, m_strRasPassword);
  LimitDialUpText(dx, m_strRasPassword);
  DDX_Text(dx, IDC_RAS_USER, m_strRasUser);
  LimitDialUpText(dx, m_strRasUser);
  DDX_Text(dx, IDC_PROXY, m_strProxy);
  // The scrambled value keeps no more of the address than this.
  DDV_MaxChars(dx, m_strProxy, static_cast<int>(kScrambleMaxText));
}

void CCIntern::LimitDialUpText(CDataExchange* dx, const CString& value) {
  // A long phonebook text in a field that the chosen way to connect does
  // not use (so disabled, out of the user's reach) must not hold the page,
  // nor may anything on the way back.
  if (dx->m_bSaveAndValidate && (!m_bLeavingForward || !IsWindowEnabled(dx->m_hWndLastControl)))
    return;
  DDV_MaxChars(dx, value, kMaxDialUpText);
}

BOOL CCIntern::OnSetActive() {
  RequestWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return CPropertyPage::OnSetActive();
}

BOOL CCIntern::OnKillActive() {
  // A refused text (a phonebook value over the limit) keeps the page, so
  // that no field behind it in the exchange is left with an old text.
  const BOOL exchanged = CPropertyPage::OnKillActive();
  return exchanged && m_bAllowLeave;
}

LRESULT CCIntern::OnWizardBack() {
  m_bLeavingForward = false;
  m_bAllowLeave = 1;
  return 0;
}

LRESULT CCIntern::OnWizardNext() {
  const ConnectionTexts texts = {GetDlgItemText(IDC_RAS_USER), GetDlgItemText(IDC_RAS_PASSWORD),
                                 GetDlgItemText(IDC_RAS_PHONE), GetDlgItemText(IDC_PROXY)};
  m_bLeavingForward = true;
  m_bUseDialUp = IsChecked(m_chkDialUp);
  // One message for each ticked way that lacks a text.
  m_bAllowLeave = 1;
  for (const ConnectionField lacking : {FirstMissingField(m_bUseDialUp, false, texts),
                                        FirstMissingField(false, IsChecked(m_chkProxy), texts)}) {
    if (lacking == ConnectionField::None) continue;
    AfxMessageBox(MissingFieldMessage(lacking));
    m_bAllowLeave = 0;
  }
  m_bUseAol = IsChecked(m_chkAol);
  m_bUseLan = IsChecked(m_chkLan);
  return 0;
}

BOOL CCIntern::OnQueryCancel() { return ConfirmExit(); }

bool CCIntern::OnCommand(WORD id, WORD code) {
  if (id == IDC_RAS_ENTRIES) {
    if (code == CBN_SELCHANGE) LoadEntry(static_cast<int>(m_cbEntries.SendMessage(CB_GETCURSEL)));
    return true;
  }
  ConnectionMode box;
  switch (id) {
    case IDC_USE_DIALUP:
      box = ConnectionMode::DialUp;
      break;
    case IDC_USE_PROXY:
      box = ConnectionMode::Proxy;
      break;
    case IDC_USE_AOL:
      box = ConnectionMode::Aol;
      break;
    case IDC_USE_LAN:
      box = ConnectionMode::Lan;
      break;
    default:
      return CPropertyPage::OnCommand(id, code);
  }
  if (code == BN_CLICKED)
    SetMode(
        ModeAfterClick(box, SendDlgItemMessageA(m_hWnd, id, BM_GETCHECK, 0, 0) != BST_UNCHECKED));
  return true;
}

void CCIntern::SetMode(ConnectionMode mode) {
  const ConnectionView view = ViewOfMode(mode);
  SetChecked(m_chkDialUp, view.dialUpChecked);
  SetChecked(m_chkProxy, view.proxyChecked);
  SetChecked(m_chkAol, view.aolChecked);
  SetChecked(m_chkLan, view.lanChecked);
  for (int id : {IDC_RAS_ENTRIES, IDC_RAS_USER, IDC_RAS_PASSWORD, IDC_RAS_PHONE})
    EnableWindow(GetDlgItem(id), view.dialUpFieldsEnabled);
  EnableWindow(GetDlgItem(IDC_PROXY), view.proxyAddressEnabled);
}

int CCIntern::LoadEntry(int position) {
  Phonebook& phonebook = GetPhonebook();
  if (m_nEntries == -1) {
    m_entries[0].dwSize = sizeof(RasEntryName95);
    DWORD bytes = sizeof m_entries;
    DWORD count = 0;
    if (phonebook.EnumEntries(reinterpret_cast<RASENTRYNAMEA*>(m_entries), &bytes, &count) != 0) {
      m_nEntries = -1;
    } else {
      m_nEntries = static_cast<int>(count);
      // A phonebook too full to use is read again on every pick; the list
      // shows what the last reading gave, each entry once.
      const LRESULT picked = m_cbEntries.SendMessage(CB_GETCURSEL);
      m_cbEntries.SendMessage(CB_RESETCONTENT);
      for (DWORD i = 0; i < count && i < kMaxEntries; ++i) {
        Terminate(m_entries[i].szEntryName);
        m_cbEntries.SendMessage(CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(m_entries[i].szEntryName));
      }
      m_cbEntries.SendMessage(CB_SETCURSEL, picked);
    }
  }
  // Also takes in -1: the phonebook could not be read.
  if (static_cast<unsigned>(m_nEntries) == 0 || static_cast<unsigned>(m_nEntries) >= kMaxEntries) {
    m_nEntries = -1;
    SetLanMode();
    return 0;
  }
  if (position < 0 || position >= m_nEntries) return 0;

  m_dialParams.dwSize = sizeof m_dialParams;
  lstrcpynA(m_dialParams.szEntryName, m_entries[position].szEntryName,
            sizeof m_dialParams.szEntryName);
  m_dialParams.szPhoneNumber[0] = '\0';
  m_bPasswordReturned = 1;
  const bool queried =
      phonebook.GetEntryDialParams(reinterpret_cast<RASDIALPARAMSA*>(&m_dialParams),
                                   &m_bPasswordReturned) == 0;
  Terminate(m_dialParams.szPhoneNumber);
  Terminate(m_dialParams.szUserName);
  Terminate(m_dialParams.szPassword);
  if (!queried) {
    // Whatever the record still holds belongs to another entry.
    m_dialParams.szUserName[0] = '\0';
    m_dialParams.szPassword[0] = '\0';
  }
  SetDlgItemText(IDC_RAS_USER, m_dialParams.szUserName);

  std::string phone;
  if (m_dialParams.szPhoneNumber[0] != '\0') {
    SetDlgItemText(IDC_RAS_PHONE, m_dialParams.szPhoneNumber);
  } else if (ReadAddressPhone(m_dialParams.szEntryName, phone)) {
    lstrcpynA(m_dialParams.szPhoneNumber, phone.c_str(), sizeof m_dialParams.szPhoneNumber);
    SetDlgItemText(IDC_RAS_PHONE, m_dialParams.szPhoneNumber);
  } else if (!queried) {
    SetDlgItemText(IDC_RAS_PHONE, "");
  }
  SetDlgItemText(IDC_RAS_PASSWORD, m_dialParams.szPassword);
  return 1;
}
