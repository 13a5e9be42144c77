// Controls of the camera settings page.
#pragma once

#define IDC_PREVIEW_FRAME 1320
#define IDC_DEVICES_LABEL 1321
#define IDC_DEVICES 1322
#define IDC_WDM_SETUP 1323
#define IDC_CAMERA_PROMPT 1324
#define IDC_CAMERA_COUNT_LABEL 1325
#define IDC_CAMERA_COUNT 1326
#define IDC_TEST_CONNECTION 1327
