// zentrak-backup.exe, the companion console program: backs up pages with the application's
// own backup code, lists and shows backup files, restores a file's values and exports a file
// as a registry file. Everything it does is in RunBackupTool, which takes the arguments, the
// facts of the system it runs on and an output; the entry point only gathers those three.
//
//   zentrak-backup backup PAGE|all
//   zentrak-backup list [PAGE]
//   zentrak-backup show FILE
//   zentrak-backup restore FILE [--dry-run]
//   zentrak-backup undo PAGE [--dry-run]      restore the page's newest backup
//   zentrak-backup export-reg FILE OUT.reg
//   zentrak-backup --help
//
// PAGE is 0 to 8 or a page code (DT SM SG CN HW W1 W2 IC IE, any case).
#pragma once

#include "app/QmThisApp.h"

#include <string>
#include <vector>

// Where the program's lines go. A text may hold line feeds; each call ends a line.
class ToolOutput {
public:
    virtual ~ToolOutput() = default;
    virtual void Line(const std::wstring& text) = 0;
    virtual void ErrorLine(const std::wstring& text) = 0;
};

// Exit codes.
const int kToolSuccess = 0;
const int kToolUsageError = 1;   // unknown command, missing or extra argument, bad page
const int kToolBadFile = 2;      // the backup file cannot be used here; nothing was written
const int kToolNotRestored = 3;  // a restore wrote, but some places do not hold their values
const int kToolFailed = 4;       // unsupported Windows, or a file that could not be written

// Language variant, Windows product code, Internet Explorer version and service pack of the
// running system, found as the application finds them at start-up.
SystemFacts RunningSystemFacts();

// `arguments` without the program's own name.
int RunBackupTool(const std::vector<std::wstring>& arguments, const SystemFacts& facts, ToolOutput& output);
