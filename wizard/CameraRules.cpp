#include "wizard/CameraRules.h"

#include "platform/Text.h"

const char* const kCameraCounts[13] = {
    "Single camera",      "1 Camera  (Vexo16)", "2 Cameras (Vexo16)", "3 Cameras (Vexo16)",
    "4 Cameras (Vexo16)", "1 Cameras (Vexo32)", "2 Cameras (Vexo32)", "3 Cameras Vexo32)",
    "4 Cameras (Vexo32)", "5 Cameras (Vexo32)", "6 Cameras (Vexo32)", "7 Cameras (Vexo32)",
    "8 Cameras (Vexo32)"};

namespace {

const char* const kWdmDevices[] = {"Microsoft WDM Image Capture",
                                   "Microsoft WDM Image Capture (Win32)"};
const char* const kUnsupportedDevices[] = {"Logitecn USB Video Camera", "Connectix QuickCam VC1"};

template <size_t N>
bool IsOneOf(const std::string& name, const char* const (&names)[N]) {
  for (const char* candidate : names)
    if (SameTextIgnoringCase(name, candidate)) return true;
  return false;
}

}  // namespace

bool IsWdmDevice(const std::string& name) { return IsOneOf(name, kWdmDevices); }

bool IsUnsupportedDevice(const std::string& name) { return IsOneOf(name, kUnsupportedDevices); }

std::string DriverFailureMessage(const std::string& name, const std::string& version) {
  return "Device:\n\n" + name + ", ver:" + version + "\ndoes not work properly." +
         "\nUpdate video capture device driver to a latest one" + "\nand start " + "Setup" +
         " again.";
}

std::string UnsupportedDeviceMessage(const std::string& device, const std::string& productName) {
  return "Selected video capture device: \"" + device + "\" currently does not support by " +
         productName + " Quelmar Ovistra";
}

PreviewPlace PlacePreview(int originX, int originY, int frameWidth, int frameHeight, int w, int h) {
  if (w != 0 && w <= frameWidth && h != 0 && h <= frameHeight)
    return {originX + (frameWidth - w) / 2, originY + (frameHeight - h) / 2};
  return {0, (3 * originY) / 4};
}
