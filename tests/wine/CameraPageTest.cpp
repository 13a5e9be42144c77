// The camera settings page as the user meets it, over capture drivers of
// the test's making: the device list, the test with its capture messages
// and preview placement, the WDM source dialog, the messages, and the
// capture window closed on every way out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/dlg132-camera.h"
#include "tests/fakes/FakeCaptureDevices.h"
#include "tests/wine/WizardRun.h"

namespace {

using ui::Driver;
using ui::WizardButton;
using Log = std::vector<std::string>;

const std::string kTitle = "Step4--Camera settings";
const std::string kNextTitle = "Step 5--Working folder";
const std::string kNoDevice =
    "Error accessing video capturing device. No device has been found. Please check the "
    "connection and run the setup again.";
const std::string kTestFirst = "Please test your camera/video capture device connection first.";
const std::string kContinueAnyway =
    "Your camera / video capture device does not work properly, continue anyway?";
constexpr UINT kCameraPage = 3;

// The capture messages of one successful opening, after the connection.
const Log kOpened = {"caps 44",       "get sequence 96", "set sequence 96 666670 0 1 1 0 5",
                     "get format 44", "preview rate 66", "preview 1",
                     "status 76"};
const Log kClosed = {"stop", "preview 0", "disconnect"};
const std::string kUnknownFailure =
    "Device:\n\nUnknown device, ver: Unknown\ndoes not work properly.\nUpdate video capture "
    "device driver to a latest one\nand start Setup again.";

Log Join(std::initializer_list<Log> parts) {
  Log all;
  for (const Log& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

struct Frame {
  int x, y, width, height;
};
// The preview origin and frame size as the page measures them.
Frame PreviewFrame(HWND page) {
  RECT pageRect, frame;
  GetWindowRect(page, &pageRect);
  GetWindowRect(Driver::Control(page, IDC_PREVIEW_FRAME), &frame);
  return {frame.left - pageRect.left, frame.top - pageRect.top + 1, frame.right - frame.left,
          frame.bottom - frame.top};
}

std::string Created(const Frame& f) {
  return "create " + std::to_string(f.x) + "," + std::to_string(f.y) +
         " 320x240 Video Capture Window";
}

// The capture window's place and size in the page, "x,y wxh".
std::string Placement(HWND page, HWND capture) {
  RECT rect;
  GetWindowRect(capture, &rect);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
         std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

std::string AnswerBox(const Driver& user, int button = IDOK) {
  const ui::MessageBoxView box = user.WaitMessageBox();
  user.Answer(box, button);
  return box.text;
}

class CameraPage : public ::testing::Test {
 protected:
  INT_PTR Run(const std::function<void(const Driver&, HWND sheet, HWND page)>& user) {
    return wizard_run::Run(m_wizard, kTitle, [&](const Driver& driver, HWND sheet) {
      user(driver, sheet, Driver::ActivePage(sheet));
    });
  }
  // Waits until the log holds `count` entries (the page works off a posted
  // click after the driver's sync may have returned).
  void WaitLog(const Driver& user, size_t count) const {
    try {
      user.WaitUntil([&] { return m_devices.m_log.size() >= count; }, "capture messages");
    } catch (const ui::Failure&) {
    }
  }
  void Test(const Driver& user, HWND page, size_t expectedLog) const {
    user.Click(page, IDC_TEST_CONNECTION);
    WaitLog(user, expectedLog);
  }
  void ExpectClosed(const Driver& user) const {
    ASSERT_FALSE(m_devices.m_windows.empty());
    HWND capture = m_devices.m_windows.back();
    EXPECT_NO_THROW(user.WaitUntil([&] { return !IsWindow(capture); }, "capture window closed"));
  }

  FakeCaptureDevices m_devices;
  CProp m_wizard{wizard_run::kCaption, nullptr, kCameraPage};
};

TEST_F(CameraPage, CountListHoldsItsThirteenEntriesAndHandsOnSingleCamera) {
  Run([](const Driver& user, HWND sheet, HWND page) {
    EXPECT_EQ(Driver::ComboEntries(page, IDC_CAMERA_COUNT),
              (std::vector<std::string>{
                  "Single camera", "1 Camera  (Vexo16)", "2 Cameras (Vexo16)", "3 Cameras (Vexo16)",
                  "4 Cameras (Vexo16)", "1 Cameras (Vexo32)", "2 Cameras (Vexo32)",
                  "3 Cameras Vexo32)", "4 Cameras (Vexo32)", "5 Cameras (Vexo32)",
                  "6 Cameras (Vexo32)", "7 Cameras (Vexo32)", "8 Cameras (Vexo32)"}));
    EXPECT_EQ(Driver::Text(page, IDC_CAMERA_COUNT), "Single camera");
    for (int id : {IDC_CAMERA_COUNT, IDC_CAMERA_COUNT_LABEL, IDC_CAMERA_PROMPT})
      EXPECT_FALSE(Driver::IsEnabled(page, id)) << id;
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(CameraPage, WithoutDriversTheTestFailsTwiceOverAndNextAsks) {
  Run([&](const Driver& user, HWND sheet, HWND page) {
    for (int id : {IDC_DEVICES, IDC_DEVICES_LABEL, IDC_WDM_SETUP})
      EXPECT_FALSE(Driver::IsVisible(page, id)) << id;
    user.Press(sheet, WizardButton::Next);
    EXPECT_EQ(AnswerBox(user), kTestFirst);
    user.Click(page, IDC_TEST_CONNECTION);
    EXPECT_EQ(AnswerBox(user), kUnknownFailure);
    EXPECT_EQ(AnswerBox(user), kNoDevice);
    EXPECT_EQ(m_devices.m_log, (Log{Created(PreviewFrame(page)), "connect -1"}));
    ExpectClosed(user);
    user.Press(sheet, WizardButton::Next);
    EXPECT_EQ(AnswerBox(user, IDNO), kContinueAnyway);
    EXPECT_EQ(Driver::ActivePageTitle(sheet), kTitle);
    user.Press(sheet, WizardButton::Next);
    EXPECT_EQ(AnswerBox(user, IDYES), kContinueAnyway);
    user.WaitPage(sheet, kNextTitle);
    wizard_run::CancelAndExit(user, sheet);
  });
  EXPECT_EQ(m_wizard.m_pageCamera.m_strCameraCount, "Single camera");
}

TEST_F(CameraPage, ListedDevicesAreConnectedByTheirOwnDriverIndex) {
  m_devices.m_drivers = {{0, "Cam Zero", "1.0"}, {2, "Cam Two", "2.0", false}};
  Run([&](const Driver& user, HWND sheet, HWND page) {
    EXPECT_TRUE(Driver::IsVisible(page, IDC_DEVICES));
    EXPECT_TRUE(Driver::IsVisible(page, IDC_DEVICES_LABEL));
    EXPECT_FALSE(Driver::IsVisible(page, IDC_WDM_SETUP));
    EXPECT_EQ(Driver::ComboEntries(page, IDC_DEVICES),
              (std::vector<std::string>{"Cam Zero", "Cam Two"}));
    user.PickCombo(page, IDC_DEVICES, "Cam Two");
    Test(user, page, 2);
    EXPECT_EQ(m_devices.m_log.at(1), "connect 2");
    // The failure names the device that was picked.
    EXPECT_EQ(AnswerBox(user),
              "Device:\n\nCam Two, ver:2.0\ndoes not work properly.\nUpdate video capture "
              "device driver to a latest one\nand start Setup again.");
    EXPECT_EQ(AnswerBox(user), kNoDevice);
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(CameraPage, TestOpensThePreviewCentredAndNextClosesIt) {
  m_devices.m_drivers = {{0, "Small Cam", "3.1", true, 160, 120}};
  Run([&](const Driver& user, HWND sheet, HWND page) {
    const Frame frame = PreviewFrame(page);
    Test(user, page, 1 + 1 + kOpened.size());
    EXPECT_EQ(m_devices.m_log, Join({{Created(frame), "connect 0"}, kOpened}));
    HWND capture = m_devices.m_windows.at(0);
    EXPECT_EQ(Placement(page, capture), std::to_string(frame.x + (frame.width - 160) / 2) + "," +
                                            std::to_string(frame.y + (frame.height - 120) / 2) +
                                            " 160x120");
    wizard_run::Screenshot(user, sheet, "page-camera");
    // A second press while the preview runs does nothing.
    user.Click(page, IDC_TEST_CONNECTION);
    EXPECT_EQ(m_devices.m_log.size(), 2 + kOpened.size());
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kNextTitle);
    EXPECT_EQ(Log(m_devices.m_log.end() - 3, m_devices.m_log.end()), kClosed);
    ExpectClosed(user);
    // Back from the next page: no preview, but the test is remembered.
    user.Press(sheet, WizardButton::Back);
    user.WaitPage(sheet, kTitle);
    user.Press(sheet, WizardButton::Next);
    EXPECT_EQ(AnswerBox(user, IDNO), kContinueAnyway);
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(CameraPage, APictureLargerThanTheFrameGoesToTheLeftEdge) {
  m_devices.m_drivers = {{0, "Big Cam", "1.0", true, 640, 480}};
  Run([&](const Driver& user, HWND sheet, HWND page) {
    const Frame frame = PreviewFrame(page);
    Test(user, page, 2 + kOpened.size());
    ASSERT_EQ(m_devices.m_windows.size(), 1u);
    EXPECT_EQ(Placement(page, m_devices.m_windows[0]),
              "0," + std::to_string(3 * frame.y / 4) + " 640x480");
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(CameraPage, BackForgetsTheTest) {
  m_devices.m_drivers = {{0, "Cam", "1.0"}};
  Run([&](const Driver& user, HWND sheet, HWND page) {
    Test(user, page, 2 + kOpened.size());
    user.Press(sheet, WizardButton::Back);
    user.WaitPage(sheet, "Step3--Internet connection");
    EXPECT_EQ(Log(m_devices.m_log.end() - 3, m_devices.m_log.end()), kClosed);
    ExpectClosed(user);
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kTitle);
    user.Press(sheet, WizardButton::Next);
    EXPECT_EQ(AnswerBox(user), kTestFirst);
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(CameraPage, ConnectionFailureNamesTheDriver) {
  m_devices.m_drivers = {{0, "Broken Cam", "4.2", false}};
  Run([&](const Driver& user, HWND sheet, HWND page) {
    user.Click(page, IDC_TEST_CONNECTION);
    EXPECT_EQ(AnswerBox(user),
              "Device:\n\nBroken Cam, ver:4.2\ndoes not work properly.\nUpdate video capture "
              "device driver to a latest one\nand start Setup again.");
    EXPECT_EQ(AnswerBox(user), kNoDevice);
    ExpectClosed(user);
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(CameraPage, NoCaptureWindowShowsTheNoDeviceMessageOnly) {
  m_devices.m_drivers = {{0, "Cam", "1.0"}};
  m_devices.m_bCreateFails = true;
  Run([&](const Driver& user, HWND sheet, HWND page) {
    user.Click(page, IDC_TEST_CONNECTION);
    EXPECT_EQ(AnswerBox(user), kNoDevice);
    EXPECT_EQ(m_devices.m_log.size(), 1u);
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(CameraPage, UnsupportedDeviceIsNamedWhenPickedButStillConnects) {
  // A reseller's product name goes before the maker's.
  const std::string savedName = theApp.m_szProductName;
  lstrcpynA(theApp.m_szProductName, "Acme Webcaster", kTextSize);
  m_devices.m_drivers = {{0, "Connectix QuickCam VC1", "1.0"},
                         {1, "LOGITECN USB VIDEO CAMERA", "2"}};
  Run([&](const Driver& user, HWND sheet, HWND page) {
    user.PickCombo(page, IDC_DEVICES, "LOGITECN USB VIDEO CAMERA");
    EXPECT_EQ(AnswerBox(user),
              "Selected video capture device: \"LOGITECN USB VIDEO CAMERA\" currently does not "
              "support by Acme Webcaster Quelmar Ovistra");
    user.PickCombo(page, IDC_DEVICES, "Connectix QuickCam VC1");
    EXPECT_EQ(AnswerBox(user),
              "Selected video capture device: \"Connectix QuickCam VC1\" currently does not "
              "support by Acme Webcaster Quelmar Ovistra");
    Test(user, page, 2 + kOpened.size());
    EXPECT_EQ(m_devices.m_log.at(1), "connect 0");
    wizard_run::CancelAndExit(user, sheet);
  });
  lstrcpynA(theApp.m_szProductName, savedName.c_str(), kTextSize);
}

TEST_F(CameraPage, WdmDeviceShowsItsSourceDialogOnceAndAgainThroughItsButton) {
  m_devices.m_drivers = {{0, "microsoft wdm image capture (win32)", "5.1"}};
  Run([&](const Driver& user, HWND sheet, HWND page) {
    EXPECT_TRUE(Driver::IsVisible(page, IDC_WDM_SETUP));
    const std::string created = Created(PreviewFrame(page));
    Test(user, page, 3 + kOpened.size());
    EXPECT_EQ(m_devices.m_log, Join({{created, "connect 0", "source dialog"}, kOpened}));
    // Next and Back: the next test opens no source dialog.
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kNextTitle);
    user.Press(sheet, WizardButton::Back);
    user.WaitPage(sheet, kTitle);
    m_devices.m_log.clear();
    Test(user, page, 2 + kOpened.size());
    EXPECT_EQ(m_devices.m_log, Join({{created, "connect 0"}, kOpened}));
    // The button with the preview running: source dialog, close, reopen.
    m_devices.m_log.clear();
    user.Click(page, IDC_WDM_SETUP);
    WaitLog(user, 1 + kClosed.size() + 2 + kOpened.size());
    EXPECT_EQ(m_devices.m_log, Join({{"source dialog"}, kClosed, {created, "connect 0"}, kOpened}));
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(CameraPage, CancelKeepsThePreviewOnContinueAndClosesItOnExit) {
  m_devices.m_drivers = {{0, "Cam", "1.0"}};
  Run([&](const Driver& user, HWND sheet, HWND page) {
    Test(user, page, 2 + kOpened.size());
    user.Press(sheet, WizardButton::Cancel);
    HWND question = user.WaitWindow("Setup");
    user.Click(question, IDOK);
    user.WaitGone(question);
    EXPECT_TRUE(IsWindow(m_devices.m_windows.at(0)));
    EXPECT_EQ(m_devices.m_log.size(), 2 + kOpened.size());
    wizard_run::CancelAndExit(user, sheet);
  });
  EXPECT_EQ(Log(m_devices.m_log.end() - 3, m_devices.m_log.end()), kClosed);
}

}  // namespace
