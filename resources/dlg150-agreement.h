// Controls of the licence agreement page.
#pragma once

#define IDC_AGREEMENT_TEXT 1500
