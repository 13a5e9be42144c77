// The working folder page: the folder the product is installed into, typed
// or picked with the save-file dialog.
#pragma once

#include "platform/PropertySheet.h"

class CWorkFolder : public CPropertyPage {
 public:
  CWorkFolder();
  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;
  BOOL OnQueryCancel() override;

  HBITMAP m_hPicture = nullptr;
  CString m_strFolder;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  bool OnCommand(WORD id, WORD code) override;
  void OnBrowse();
};
