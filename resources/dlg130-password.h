// Controls of the user password page.
#pragma once

#define IDC_PASSWORD_PICTURE 1300
#define IDC_PASSWORD 1301
#define IDC_CONFIRM 1302
