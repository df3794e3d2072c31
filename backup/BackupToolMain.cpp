// zentrak-backup.exe: the arguments, the running system's facts and the console, handed to
// the program's one function.
#include "backup/BackupTool.h"
#include "backup/ToolConsole.h"

int wmain(int argc, wchar_t** argv)
{
    std::vector<std::wstring> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(argv[i]);
    ConsoleOutput output;
    return RunBackupTool(arguments, RunningSystemFacts(), output);
}
