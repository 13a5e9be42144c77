// Controls of the connection optimisation page.
#pragma once

#define IDC_BONUS_PICTURE 1510
#define IDC_OPTIMIZE 1511
#define IDC_NO_OPTIMIZE 1512
