#include "wizard/Camera.h"

#include <vfw.h>

#include <cstring>

#include "core/RunningSetup.h"
#include "platform/CaptureDevices.h"
#include "platform/DataExchange.h"
#include "platform/MessageBox.h"
#include "resources/dlg132-camera.h"
#include "resources/resource.h"
#include "wizard/CameraRules.h"
#include "wizard/PageFrame.h"

namespace {

constexpr int kDriverIndices = 9;
constexpr int kDescriptionSize = 260;
constexpr int kCreationWidth = 320;
constexpr int kCreationHeight = 240;
constexpr int kMaxCountText = 15;
// Sizes of the capture records as the capture messages are told them.
constexpr WPARAM kDriverCapsSize = 44;
constexpr WPARAM kStatusSize = 76;
constexpr WPARAM kSequenceSize = 96;
constexpr WPARAM kVideoFormatSize = 44;
static_assert(sizeof(CAPDRIVERCAPS) >= kDriverCapsSize, "driver caps record");
static_assert(sizeof(CAPSTATUS) >= kStatusSize, "status record");
static_assert(sizeof(CAPTUREPARMS) >= kSequenceSize, "sequence record");

constexpr char kNoDevice[] =
    "Error accessing video capturing device. No device has been found. Please check the "
    "connection and run the setup again.";

// One capture window for the whole program, whichever page object opened it.
struct CaptureState {
  HWND window = nullptr;
  int originX = 10;
  int originY = 40;
  int frameWidth = 320;
  int frameHeight = 240;
  // A bitmap information header and one colour entry.
  unsigned char videoFormat[kVideoFormatSize] = {};
};
CaptureState g_capture;

// Sends a capture message while the window still exists; false when it
// is gone, so the message counts as not sent.
bool SendCapture(HWND capture, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result = nullptr) {
  if (!IsWindow(capture)) return false;
  const LRESULT answer = GetCaptureDevices().Send(capture, msg, wp, lp);
  if (result) *result = answer;
  return true;
}

template <class Record>
LPARAM Address(Record& record) {
  return reinterpret_cast<LPARAM>(&record);
}

}  // namespace

CCamera::CCamera() : CPropertyPage(IDD_CAMERA) {}

BOOL CCamera::OnInitDialog() {
  // The list's entries are part of the page, there before its own set-up.
  for (const char* entry : kCameraCounts)
    SendDlgItemMessageA(m_hWnd, IDC_CAMERA_COUNT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  CPropertyPage::OnInitDialog();
  SendDlgItemMessageA(m_hWnd, IDC_CAMERA_COUNT, CB_SETCURSEL, 0, 0);

  RECT page;
  RECT frame;
  GetWindowRect(m_hWnd, &page);
  GetWindowRect(GetDlgItem(IDC_PREVIEW_FRAME), &frame);
  g_capture.originX = frame.left - page.left;
  g_capture.originY = frame.top - page.top + 1;
  g_capture.frameWidth = frame.right - frame.left;
  g_capture.frameHeight = frame.bottom - frame.top;

  CaptureDevices& devices = GetCaptureDevices();
  char name[kDescriptionSize];
  char version[kDescriptionSize];
  m_nDriverCount = 0;
  m_nDevice = 0;
  for (WORD index = 0; index < kDriverIndices; ++index)
    if (devices.GetDriverDescription(index, name, sizeof name, version, sizeof version))
      ++m_nDriverCount;
  if (m_nDriverCount > 0) {
    ShowWindow(GetDlgItem(IDC_DEVICES), SW_SHOW);
    ShowWindow(GetDlgItem(IDC_DEVICES_LABEL), SW_SHOW);
    // Driver indices can have gaps: each entry keeps its own.
    for (WORD index = 0; index < kDriverIndices; ++index) {
      if (!devices.GetDriverDescription(index, name, sizeof name, version, sizeof version))
        continue;
      const LRESULT entry =
          m_cbDevices.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
      m_cbDevices.SendMessage(CB_SETITEMDATA, entry, index);
    }
    m_cbDevices.SendMessage(CB_SETCURSEL, m_nDevice);
  }
  m_bSourceDialogDone = 0;
  m_nDevice = static_cast<int>(m_cbDevices.SendMessage(CB_GETCURSEL));
  if (IsWdmDevice(DeviceText(m_nDevice))) ShowWindow(GetDlgItem(IDC_WDM_SETUP), SW_SHOW);
  return TRUE;
}

void CCamera::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_DEVICES, m_cbDevices);
  DDX_CBString(dx, IDC_CAMERA_COUNT, m_strCameraCount);
  DDV_MaxChars(dx, m_strCameraCount, kMaxCountText);
}

BOOL CCamera::OnSetActive() {
  RequestWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return CPropertyPage::OnSetActive();
}

BOOL CCamera::OnKillActive() {
  // The count is always a list entry; the exchange does not decide.
  UpdateData(TRUE);
  CloseCapture();
  return m_bAllowLeave;
}

LRESULT CCamera::OnWizardBack() {
  m_bAllowLeave = 1;
  m_bTested = 0;
  CloseCapture();
  return 0;
}

LRESULT CCamera::OnWizardNext() {
  if (g_capture.window) {
    m_bAllowLeave = 1;
    CloseCapture();
  } else if (m_bTested) {
    m_bAllowLeave = AfxMessageBox(
                        "Your camera / video capture device does not work properly, continue "
                        "anyway?",
                        MB_YESNO) == IDYES;
  } else {
    AfxMessageBox("Please test your camera/video capture device connection first.", MB_OK);
    m_bAllowLeave = 0;
  }
  return 0;
}

BOOL CCamera::OnQueryCancel() {
  if (!ConfirmExit()) return FALSE;
  CloseCapture();
  return TRUE;
}

void CCamera::OnDestroy() { CloseCapture(); }

bool CCamera::OnCommand(WORD id, WORD code) {
  switch (id) {
    case IDC_TEST_CONNECTION:
      if (code == BN_CLICKED) OnTestConnection();
      return true;
    case IDC_DEVICES:
      if (code == CBN_SELCHANGE) OnDeviceChanged();
      return true;
    case IDC_WDM_SETUP:
      if (code == BN_CLICKED) OnWdmSetup();
      return true;
    default:
      return CPropertyPage::OnCommand(id, code);
  }
}

void CCamera::OnTestConnection() {
  m_bTested = 1;
  if (!g_capture.window) OpenOrComplain();
}

void CCamera::OnDeviceChanged() {
  m_nDevice = static_cast<int>(m_cbDevices.SendMessage(CB_GETCURSEL));
  const CString device = DeviceText(m_nDevice);
  if (IsUnsupportedDevice(device))
    AfxMessageBox(UnsupportedDeviceMessage(device, RunningSetup().m_szProductName).c_str(), MB_OK);
  ShowWdmButton(device);
}

void CCamera::OnWdmSetup() {
  m_bSourceDialogDone = 0;
  if (!g_capture.window) {
    OpenOrComplain();
    return;
  }
  if (m_nDriverCount <= 0) return;
  m_bSourceDialogDone = 1;
  if (!IsWdmDevice(DeviceText(m_nDevice))) return;
  SendCapture(g_capture.window, WM_CAP_DLG_VIDEOSOURCE, 0, 0);
  CloseCapture();
  OpenOrComplain();
}

void CCamera::OpenOrComplain() {
  g_capture.window = OpenCapture(m_hWnd, DriverIndex(m_nDevice));
  if (!g_capture.window) AfxMessageBox(kNoDevice, MB_OK);
}

HWND CCamera::OpenCapture(HWND parent, int driver) {
  CaptureDevices& devices = GetCaptureDevices();
  HWND capture =
      devices.CreateCaptureWindow("Video Capture Window", WS_CHILD | WS_VISIBLE, g_capture.originX,
                                  g_capture.originY, kCreationWidth, kCreationHeight, parent, 0);
  if (!capture) return nullptr;

  LRESULT connected = 0;
  if (!SendCapture(capture, WM_CAP_DRIVER_CONNECT, static_cast<WPARAM>(driver), 0, &connected) ||
      !connected) {
    char name[kDescriptionSize];
    char version[kDescriptionSize];
    if (!devices.GetDriverDescription(static_cast<WORD>(driver), name, sizeof name, version,
                                      sizeof version)) {
      std::strcpy(name, "Unknown device");
      std::strcpy(version, " Unknown");
    }
    AfxMessageBox(DriverFailureMessage(name, version).c_str(), MB_OK);
    ::PostMessageA(capture, WM_CLOSE, 0, 0);
    return nullptr;
  }

  if (m_nDriverCount > 0 && !m_bSourceDialogDone) {
    m_bSourceDialogDone = 1;
    if (IsWdmDevice(DeviceText(static_cast<int>(m_cbDevices.SendMessage(CB_GETCURSEL)))))
      SendCapture(capture, WM_CAP_DLG_VIDEOSOURCE, 0, 0);
  }

  CAPDRIVERCAPS caps = {};
  SendCapture(capture, WM_CAP_DRIVER_GET_CAPS, kDriverCapsSize, Address(caps));
  CAPTUREPARMS sequence = {};
  SendCapture(capture, WM_CAP_GET_SEQUENCE_SETUP, kSequenceSize, Address(sequence));
  sequence.dwRequestMicroSecPerFrame = 666670;  // about 1.5 frames per second
  sequence.fYield = FALSE;
  sequence.fAbortLeftMouse = TRUE;
  sequence.fAbortRightMouse = TRUE;
  sequence.fLimitEnabled = FALSE;
  SendCapture(capture, WM_CAP_SET_SEQUENCE_SETUP, kSequenceSize, Address(sequence));

  SendCapture(capture, WM_CAP_GET_VIDEOFORMAT, kVideoFormatSize, Address(g_capture.videoFormat));
  BITMAPINFOHEADER format;
  std::memcpy(&format, g_capture.videoFormat, sizeof format);
  const int w = format.biWidth;
  const int h = format.biHeight;

  SendCapture(capture, WM_CAP_SET_PREVIEWRATE, 66, 0);
  SendCapture(capture, WM_CAP_SET_PREVIEW, TRUE, 0);
  CAPSTATUS status = {};
  SendCapture(capture, WM_CAP_GET_STATUS, kStatusSize, Address(status));

  const PreviewPlace place = PlacePreview(g_capture.originX, g_capture.originY,
                                          g_capture.frameWidth, g_capture.frameHeight, w, h);
  SetWindowPos(capture, nullptr, place.x, place.y, w, h, SWP_NOZORDER);
  return capture;
}

void CCamera::CloseCapture() {
  HWND capture = g_capture.window;
  if (!capture) return;
  SendCapture(capture, WM_CAP_STOP, 0, 0);
  SendCapture(capture, WM_CAP_SET_PREVIEW, FALSE, 0);
  SendCapture(capture, WM_CAP_DRIVER_DISCONNECT, 0, 0);
  // Posted: the window goes once the capture layer has let go of it.
  ::PostMessageA(capture, WM_CLOSE, 0, 0);
  g_capture.window = nullptr;
}

int CCamera::DriverIndex(int position) const {
  // No entry: the capture layer is asked for driver -1 and refuses it.
  if (position < 0) return -1;
  return static_cast<int>(m_cbDevices.SendMessage(CB_GETITEMDATA, position));
}

CString CCamera::DeviceText(int position) const {
  if (position < 0) return CString();
  const LRESULT length = m_cbDevices.SendMessage(CB_GETLBTEXTLEN, position);
  if (length == CB_ERR) return CString();
  CString text(static_cast<size_t>(length) + 1, '\0');
  m_cbDevices.SendMessage(CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(length));
  return text;
}

void CCamera::ShowWdmButton(const CString& device) {
  ShowWindow(GetDlgItem(IDC_WDM_SETUP), IsWdmDevice(device) ? SW_SHOW : SW_HIDE);
}
