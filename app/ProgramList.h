// The built-in programs and control-panel applets of the program list (combo box 2092).
#pragma once

#include <cstdint>

const int kProgramCount = 19;

struct ProgramRecord {
    uint32_t index;
    char text[128];            // Big5
    uint32_t image;            // picture index in the image lists
    uint32_t selectedImage;
    wchar_t path[128];         // below `folder`, starting with a backslash
    wchar_t alternatePath[128];  // tried when the first launch fails
    char commandLine[128];     // for WinExec (control-panel applets)
    uint32_t folder;           // 0: the Windows folder; otherwise the system folder
};

extern const ProgramRecord kProgramsXp[kProgramCount];
extern const ProgramRecord kProgramsVista7[kProgramCount];

// The table for a Windows product code, or null for codes without a program list.
const ProgramRecord* ProgramsFor(int osCode);

enum class ProgramKind { None, File, TwoPaths, Command };
ProgramKind KindOf(const ProgramRecord& program);
