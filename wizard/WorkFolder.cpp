#include "wizard/WorkFolder.h"

#include <commdlg.h>

#include <string>

#include "core/FolderPath.h"
#include "core/RunningSetup.h"
#include "platform/DataExchange.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/ModalOwner.h"
#include "resources/dlg134-work-folder.h"
#include "resources/resource.h"
#include "wizard/FolderRules.h"
#include "wizard/PageFrame.h"
#include "wizard/PagePicture.h"

CWorkFolder::CWorkFolder() : CPropertyPage(IDD_WORK_FOLDER) {}

BOOL CWorkFolder::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  ShowPagePicture(m_hWnd, IDC_WORK_FOLDER_PICTURE, "KQSetup4.jpg", m_hPicture);
  SetDlgItemText(IDC_FOLDER, kDefaultFolder);
  // Typing stops at the length the readers can take; a longer folder from
  // the file dialog is refused on Next.
  SendDlgItemMessageA(m_hWnd, IDC_FOLDER, EM_LIMITTEXT, kMaxFolderLength, 0);
  return TRUE;
}

void CWorkFolder::DoDataExchange(CDataExchange* dx) { DDX_Text(dx, IDC_FOLDER, m_strFolder); }

BOOL CWorkFolder::OnSetActive() {
  RequestWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return CPropertyPage::OnSetActive();
}

LRESULT CWorkFolder::OnWizardNext() {
  // The pages after this one and the installation build paths on the folder
  // as a drive-rooted path without a trailing backslash.
  const std::string folder = NormalizedFolder(GetDlgItemText(IDC_FOLDER));
  if (folder.size() > kMaxFolderLength) {
    AfxMessageBox(FolderTooLongMessage().c_str());
    return -1;
  }
  if (RealFileOps().SameFile(folder, RunningSetup().m_szSetupDir)) {
    AfxMessageBox(kSetupFolderRefusal);
    return -1;
  }
  SetDlgItemText(IDC_FOLDER, folder.c_str());
  return CPropertyPage::OnWizardNext();
}

BOOL CWorkFolder::OnQueryCancel() { return ConfirmExit(); }

bool CWorkFolder::OnCommand(WORD id, WORD code) {
  if (id != IDC_BROWSE || code != BN_CLICKED) return CPropertyPage::OnCommand(id, code);
  OnBrowse();
  return true;
}

void CWorkFolder::OnBrowse() {
  char path[kTextSize] = ".";
  const std::string initialFolder = GetDlgItemText(IDC_FOLDER);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  // Owned by the sheet, which it blocks: a page change behind it would
  // lose the folder chosen.
  dialog.hwndOwner = AfxGetModalOwner(m_hWnd);
  dialog.lpstrFilter = "Select Folder\0 *.exe\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrInitialDir = initialFolder.c_str();
  dialog.lpstrTitle = "Select Working folder";
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOVALIDATE | OFN_NONETWORKBUTTON | OFN_EXPLORER;
  dialog.lpstrDefExt = "exe";
  // The file dialog makes the folder it shows current, even when cancelled;
  // the pictures and the installation read the distribution from there.
  const CurrentFolderKeeper keeper;
  if (!GetSaveFileNameA(&dialog)) return;

  std::string folder;
  if (FolderOfChosenFile(path, folder)) SetDlgItemText(IDC_FOLDER, folder.c_str());
}
