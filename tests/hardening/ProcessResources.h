// What a running process holds, so a test can see whether anything leaks: its kernel
// handles, GDI objects and USER objects. Where the system counts them (GetProcessHandleCount,
// GetGuiResources) its counts are taken. Wine answers 0 to both; there the handles come from
// the system's list of open handles, the GDI objects from the process's GDI handle table,
// and the USER objects are counted as the process's windows (Wine keeps its other USER
// objects out of sight; their bitmaps still show among the GDI objects).
#pragma once

#include <windows.h>

#include <array>

const char* const kResourceNames[] = {"handles", "GDI objects", "USER objects"};

// In the order of kResourceNames; -1 for a count that could not be taken.
std::array<long, 3> MeasureProcess(HANDLE process, DWORD processId);
