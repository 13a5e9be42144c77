// Controls of the Internet connection page.
#pragma once

#define IDC_INTERNET_PICTURE 1310
#define IDC_USE_DIALUP 1311
#define IDC_RAS_ENTRIES 1312
#define IDC_RAS_USER 1313
#define IDC_RAS_PASSWORD 1314
#define IDC_RAS_PHONE 1315
#define IDC_USE_PROXY 1316
#define IDC_PROXY 1317
#define IDC_USE_AOL 1318
#define IDC_USE_LAN 1319
