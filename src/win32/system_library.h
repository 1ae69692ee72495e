#pragma once
#include <windows.h>

namespace modlatch::win32 {

// Keeps every later DLL load of this process out of the executable's folder and the current
// folder. Call it first, before anything can load a DLL.
void RestrictDllSearch();

// A system DLL by name ("comctl32.dll"), taken from the system folder and nowhere else.
HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace modlatch::win32
