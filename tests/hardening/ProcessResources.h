// What a running process holds: kernel handles, GDI objects and USER objects, so a test can
// see whether anything leaks. Where the system counts them (GetProcessHandleCount,
// GetGuiResources) its counts are taken. Wine answers 0 to both; there the handles come from
// the system's list of open handles, the GDI objects from the process's GDI handle table,
// and the USER objects are counted as the process's windows (Wine keeps its other USER
// objects out of sight; their bitmaps still show among the GDI objects).
#pragma once

#include <windows.h>

#include <string>

struct ProcessResources {
    long handles = -1;
    long gdiObjects = -1;
    long userObjects = -1;
};

ProcessResources MeasureProcess(HANDLE process, DWORD processId);
std::string Describe(const ProcessResources& resources);
