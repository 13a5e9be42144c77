// What the camera page knows without a window: its list texts, the device
// names it treats specially, its messages and where the preview goes.
#pragma once

#include <string>

// The "Number of devices" entries, in list order.
extern const char* const kCameraCounts[13];

// Names compare whole and without regard to ASCII case.
bool IsWdmDevice(const std::string& name);
bool IsUnsupportedDevice(const std::string& name);

std::string DriverFailureMessage(const std::string& name, const std::string& version);
std::string UnsupportedDeviceMessage(const std::string& device, const std::string& productName);

struct PreviewPlace {
  int x;
  int y;
};
// Centred in the frame when the picture (width w, height h) fits it;
// otherwise at the left edge, three quarters of the way down to the origin.
PreviewPlace PlacePreview(int originX, int originY, int frameWidth, int frameHeight, int w, int h);
