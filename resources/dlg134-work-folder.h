// Controls of the working folder page.
#pragma once

#define IDC_WORK_FOLDER_PICTURE 1340
#define IDC_FOLDER 1341
#define IDC_BROWSE 1342
