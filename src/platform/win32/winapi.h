#pragma once
// windows.h without the macros that would rename our own functions of the same names
// (MessageBox, CopyFile, DeleteFile become ...W otherwise).

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef MessageBox
#undef CopyFile
#undef DeleteFile
