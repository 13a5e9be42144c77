// The camera page's names, messages and preview placement.
#include <gtest/gtest.h>

#include "wizard/CameraRules.h"

namespace {

TEST(CameraRules, DeviceNamesMatchWholeAndWithoutRegardToCase) {
  struct Case {
    const char* name;
    bool wdm;
    bool unsupported;
  };
  const Case cases[] = {
      {"Microsoft WDM Image Capture", true, false},
      {"MICROSOFT WDM IMAGE CAPTURE (WIN32)", true, false},
      {"Microsoft WDM Image Capture (Win32", false, false},
      {"Microsoft WDM Image Capture ", false, false},
      {"Logitecn USB Video Camera", false, true},
      {"connectix quickcam vc1", false, true},
      {"Connectix QuickCam VC", false, false},
      {"Logitech USB Video Camera", false, false},
      {"", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsWdmDevice(c.name), c.wdm) << c.name;
    EXPECT_EQ(IsUnsupportedDevice(c.name), c.unsupported) << c.name;
  }
}

TEST(CameraRules, MessagesAreComposedInOrder) {
  EXPECT_EQ(DriverFailureMessage("Cam", " 1.2"),
            "Device:\n\nCam, ver: 1.2\ndoes not work properly.\nUpdate video capture device "
            "driver to a latest one\nand start Setup again.");
  EXPECT_EQ(UnsupportedDeviceMessage("Connectix QuickCam VC1", "Quelmar Ovistra"),
            "Selected video capture device: \"Connectix QuickCam VC1\" currently does not "
            "support by Quelmar Ovistra Quelmar Ovistra");
}

TEST(CameraRules, PreviewIsCentredWhenItFitsTheFrame) {
  struct Case {
    int w, h, x, y;
  };
  // Origin (10, 27), frame 319 x 240.
  const Case cases[] = {
      {160, 120, 10 + 79, 27 + 60},  // (319 - 160) / 2 truncates
      {319, 240, 10, 27},
      {320, 240, 0, 20},  // one pixel too wide
      {319, 241, 0, 20},
      {0, 120, 0, 20},
      {160, 0, 0, 20},
      {640, 480, 0, 20},
      {-20, 100, 10 + 169, 27 + 70},
  };
  for (const Case& c : cases) {
    const PreviewPlace place = PlacePreview(10, 27, 319, 240, c.w, c.h);
    EXPECT_EQ(place.x, c.x) << c.w << "x" << c.h;
    EXPECT_EQ(place.y, c.y) << c.w << "x" << c.h;
  }
}

TEST(CameraRules, CountEntriesKeepTheirExactTexts) {
  EXPECT_STREQ(kCameraCounts[0], "Single camera");
  EXPECT_STREQ(kCameraCounts[1], "1 Camera  (Vexo16)");
  EXPECT_STREQ(kCameraCounts[7], "3 Cameras Vexo32)");
  EXPECT_STREQ(kCameraCounts[12], "8 Cameras (Vexo32)");
}

}  // namespace
