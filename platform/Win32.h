// The Windows headers as the whole program needs them, in one place.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
