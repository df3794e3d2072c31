// Compiled with a Big5 execution character set: the entry texts are stored as Big5.
#include "app/ProgramList.h"

#include "model/SystemFacts.h"

namespace {
const uint32_t kWindowsFolder = 0;
const uint32_t kSystemFolder = 1;
}  // namespace

// index  text  image  selected  path  alternate path  command line  folder
const ProgramRecord kProgramsXp[kProgramCount] = {
    {0, "選擇執行程式", 10, 10, L"", L"", "", kSystemFolder},
    {1, "控制台", 30, 30, L"\\control.exe", L"", "", kSystemFolder},
    {2, "記事本", 73, 73, L"\\notepad.exe", L"\\notepad.exe", "", kSystemFolder},
    {3, "小算盤", 74, 74, L"\\calc.exe", L"", "", kSystemFolder},
    {4, "系統內容", 61, 61, L"", L"", "rundll32.exe shell32.dll Control_RunDLL sysdm.cpl @1", kSystemFolder},
    {5, "顯示內容", 38, 38, L"", L"", "rundll32.exe shell32.dll Control_RunDLL desk.cpl 0", kSystemFolder},
    {6, "群組原則", 19, 19, L"\\gpedit.msc", L"", "", kSystemFolder},
    {7, "清理磁碟", 17, 17, L"\\cleanmgr.exe", L"", "", kSystemFolder},
    {8, "系統還原", 75, 75, L"\\Restore\\rstrui.exe", L"", "", kSystemFolder},
    {9, "字元對應表", 21, 21, L"\\charmap.exe", L"", "", kSystemFolder},
    {10, "工作管理員", 10, 10, L"\\taskmgr.exe", L"", "", kSystemFolder},
    {11, "螢幕小鍵盤", 62, 62, L"\\osk.exe", L"", "", kSystemFolder},
    {12, "DVD 播放器", 6, 6, L"\\dvdplay.exe", L"", "", kSystemFolder},
    {13, "登錄編輯程式", 10, 10, L"\\regedt32.exe", L"", "", kSystemFolder},
    {14, "磁碟重組工具", 34, 34, L"\\dfrg.msc", L"", "", kSystemFolder},
    {15, "網際網路內容", 72, 72, L"", L"", "RunDLL32.exe Shell32.dll,Control_RunDLL InetCpl.cpl,,0", kSystemFolder},
    {16, "系統設定公用程式", 10, 10, L"\\pchealth\\helpctr\\binaries\\msconfig.exe", L"\\system32\\msconfig.exe", "",
     kWindowsFolder},
    {17, "新增或移除程式", 57, 57, L"", L"", "rundll32.exe shell32.dll Control_RunDLL appwiz.cpl 1", kSystemFolder},
    {18, "聲音及音訊裝置內容", 60, 60, L"", L"", "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,@0", kSystemFolder},
};

// index  text  image  selected  path  alternate path  command line  folder
const ProgramRecord kProgramsVista7[kProgramCount] = {
    {0, "選擇執行程式", 10, 10, L"", L"", "", kSystemFolder},
    {1, "聲音", 60, 60, L"", L"", "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,@0", kSystemFolder},
    {2, "控制台", 30, 30, L"\\control.exe", L"", "", kSystemFolder},
    {3, "記事本", 73, 73, L"\\notepad.exe", L"\\notepad.exe", "", kSystemFolder},
    {4, "小算盤", 74, 74, L"\\calc.exe", L"", "", kSystemFolder},
    {5, "系統內容", 61, 61, L"", L"", "rundll32.exe shell32.dll Control_RunDLL sysdm.cpl @1", kSystemFolder},
    {6, "系統設定", 10, 10, L"\\msconfig.exe", L"", "", kSystemFolder},
    {7, "顯示設定", 38, 38, L"", L"", "rundll32.exe shell32.dll Control_RunDLL desk.cpl 0", kSystemFolder},
    {8, "清理磁碟", 17, 17, L"\\cleanmgr.exe", L"", "", kSystemFolder},
    {9, "系統還原", 75, 75, L"\\rstrui.exe", L"", "", kSystemFolder},
    {10, "字元對應表", 21, 21, L"\\charmap.exe", L"", "", kSystemFolder},
    {11, "工作管理員", 10, 10, L"\\taskmgr.exe", L"", "", kSystemFolder},
    {12, "螢幕小鍵盤", 62, 62, L"\\osk.exe", L"", "", kSystemFolder},
    {13, "DVD 播放器", 6, 6, L"\\dvdplay.exe", L"", "", kSystemFolder},
    {14, "登錄編輯程式", 10, 10, L"\\regedt32.exe", L"", "", kSystemFolder},
    {15, "磁碟重組工具", 34, 34, L"\\dfrgui.exe", L"", "", kSystemFolder},
    {16, "網際網路內容", 72, 72, L"", L"", "RunDLL32.exe Shell32.dll,Control_RunDLL InetCpl.cpl,,0", kSystemFolder},
    {17, "群組原則編輯器", 19, 19, L"\\gpedit.msc", L"", "", kSystemFolder},
    {18, "新增或移除程式", 57, 57, L"", L"", "rundll32.exe shell32.dll Control_RunDLL appwiz.cpl 1", kSystemFolder},
};

const ProgramRecord* ProgramsFor(int osCode)
{
    if (osCode == kOsWindowsXp)
        return kProgramsXp;
    if (osCode == kOsWindowsVista || osCode == kOsWindows7)
        return kProgramsVista7;
    return nullptr;
}

ProgramKind KindOf(const ProgramRecord& program)
{
    if (program.commandLine[0])
        return ProgramKind::Command;
    if (!program.path[0])
        return ProgramKind::None;
    return program.alternatePath[0] ? ProgramKind::TwoPaths : ProgramKind::File;
}
