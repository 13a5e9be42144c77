// Controls of the installation progress dialog.
#pragma once

#define IDC_INSTALL_PROGRESS 1490
