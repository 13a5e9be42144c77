// The camera settings page: lists the capture drivers, tests the selected
// one with a live preview inside the page, and records the camera count.
#pragma once

#include "platform/PropertySheet.h"

class CCamera : public CPropertyPage {
 public:
  CCamera();
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  LRESULT OnWizardBack() override;
  LRESULT OnWizardNext() override;
  BOOL OnQueryCancel() override;

  int m_bAllowLeave = 0;
  int m_nDevice = -1;
  int m_nDriverCount = 0;
  int m_bSourceDialogDone = 0;
  int m_bTested = 0;
  CWnd m_cbDevices;
  CString m_strCameraCount;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  bool OnCommand(WORD id, WORD code) override;
  void OnDestroy() override;

 private:
  void OnTestConnection();
  void OnDeviceChanged();
  void OnWdmSetup();
  // The capture window for `driver`, previewing inside the page, or none
  // (after telling the user why the driver failed).
  HWND OpenCapture(HWND parent, int driver);
  // Stops and closes the one capture window of the program, if any.
  static void CloseCapture();
  // Opens the capture window, or says that no device was found.
  void OpenOrComplain();
  // The capture driver index of list entry `position`; -1 for none.
  int DriverIndex(int position) const;
  CString DeviceText(int position) const;
  void ShowWdmButton(const CString& device);
};
