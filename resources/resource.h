// Resource numbers shared by the program and its templates.
#pragma once

#define IDI_SETUP 128
#define IDD_SETUP 102
#define IDD_PASSWORD 130
#define IDD_INTERNET 131
#define IDD_CAMERA 132
#define IDD_WORK_FOLDER 134
#define IDB_PASSWORD 138
#define IDB_INTERNET 139
#define IDB_WORK_FOLDER 141
#define IDD_PASSWORD_MISMATCH 142
#define IDD_NOT_COMPLETE 145
#define IDB_MESSAGE 148
#define IDD_INSTALL 149
#define IDB_BONUS 149
#define IDD_AGREEMENT 150
#define IDD_BONUS 151
