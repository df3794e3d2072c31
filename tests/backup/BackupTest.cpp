// The backup file format, and page backups and their folders.
#include "backup/BackupFormat.h"
#include "tests/backup/ToolFixture.h"

namespace {

using testreg::Narrow;

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time = {};
    time.wYear = year, time.wMonth = month, time.wDay = day, time.wHour = hour, time.wMinute = minute,
    time.wSecond = second;
    return time;
}

TEST(BackupFormat, TheWorkedExampleByteForByte)
{
    QmWString text;
    ASSERT_TRUE(AppendBackupHeader(text, 108, 0, BackupStamp(Time(2009, 2, 26, 14, 5, 9))));
    ASSERT_TRUE(AppendDataAreaStart(text));
    ASSERT_TRUE(AppendDwordItem(text, 0, 1, 1));
    ASSERT_TRUE(AppendDwordItem(text, 1, -1, 0));
    ASSERT_TRUE(AppendTextItem(text, 2, 1, QmWString(L"2")));
    ASSERT_TRUE(AppendBackupEnd(text, 2));
    EXPECT_STREQ(
        L"<Zentrak_Backup_File>\n<Zentrak_Version>1.3.1.2</Zentrak_Version>\n"
        L"<BackupFile_Version>1.0</BackupFile_Version>\n<System_Version>XP</System_Version>\n"
        L"<Page_Index>0</Page_Index>\n<Page_Name>DT</Page_Name>\n<DateTime>2009_2_26_14_5_9</DateTime>\n"
        L"<DataArea>\n"
        L"<DataIndex>0</DataIndex>\n<DataType>DWORD</DataType>\n<DataErrorCode>1</DataErrorCode>\n<Data>00000001</Data>\n"
        L"<DataIndex>1</DataIndex>\n<DataType>DWORD</DataType>\n<DataErrorCode>-1</DataErrorCode>\n<Data>00000000</Data>\n"
        L"<DataIndex>2</DataIndex>\n<DataType>SZ</DataType>\n<DataErrorCode>1</DataErrorCode>\n<Data>2</Data>\n"
        L"</DataArea>\n<DataTotal>2</DataTotal>\n<BackupFile_Flag>1</BackupFile_Flag>\n</Zentrak_Backup_File>\n",
        text.CStr());
}

TEST(BackupFormat, ValuesAreWrittenAsTheyAre)
{
    EXPECT_STREQ(L"9_5_0", BackupStamp(Time(2026, 12, 6, 9, 5, 0)).CStr() + 10);
    QmWString text;
    AppendDwordItem(text, 0, 1, 0xFFFFFFFFu);
    AppendDwordItem(text, 1, 1, 10);
    AppendDwordItem(text, 2, -3, 77);  // a failed read shows no stale number
    AppendTextItem(text, 3, 1, QmWString(L"a<b & c\nd"));
    AppendTextItem(text, 4, -3, QmWString(L"ignored"));
    AppendKeyItem(text, 5, 1);
    AppendKeyItem(text, 6, -1);
    AppendBackupEnd(text, 6);
    const std::wstring written = text.CStr();
    for (const wchar_t* line : {L"<Data>FFFFFFFF</Data>\n", L"<Data>0000000A</Data>\n",
                                L"<DataErrorCode>-3</DataErrorCode>\n<Data>00000000</Data>\n",
                                L"<Data>a<b & c\nd</Data>\n", L"<DataErrorCode>-3</DataErrorCode>\n<Data></Data>\n",
                                L"<DataType>Key</DataType>\n<DataErrorCode>1</DataErrorCode>\n<Data>1</Data>\n",
                                L"<DataErrorCode>-1</DataErrorCode>\n<Data>0</Data>\n", L"<DataTotal>6</DataTotal>"})
        EXPECT_NE(std::wstring::npos, written.find(line)) << Narrow(line);
    EXPECT_EQ(std::wstring::npos, written.find(L'\r'));

    QmWString header, server;
    EXPECT_TRUE(AppendBackupHeader(header, 116, 12, QmWString(L"s")));
    EXPECT_NE(std::wstring::npos, std::wstring(header.CStr()).find(L"<System_Version>Windows 7</System_Version>\n"
                                                                   L"<Page_Index>-1</Page_Index>\n<Page_Name>UnKnown<"));
    EXPECT_TRUE(!AppendBackupHeader(server, 114, 0, QmWString(L"s")) && server.Length() == 0) << "a server has no name in the format";
}

// The backup file names `prefix` gets in this second and the next two.
std::vector<std::wstring> NamesForTheNextSeconds(const std::wstring& folder, const wchar_t* prefix)
{
    std::vector<std::wstring> names;
    SYSTEMTIME now;
    GetLocalTime(&now);
    ULARGE_INTEGER moment;
    SystemTimeToFileTime(&now, reinterpret_cast<FILETIME*>(&moment));
    for (int ahead = 0; ahead < 3; ++ahead, moment.QuadPart += 10000000ull) {
        SYSTEMTIME later;
        FileTimeToSystemTime(reinterpret_cast<FILETIME*>(&moment), &later);
        names.push_back(folder + L"\\" + prefix + BackupStamp(later).CStr() + L".qmb");
    }
    return names;
}

// Page backups in a fresh current folder, inside a registry sandbox.
using PageBackups = ToolTest;

TEST_F(PageBackups, TheFirstBackupMakesEveryFolderAndReplacesAFileOfTheSameSecondWhole)
{
    const std::wstring desktop = folder_.File(L"QM_Backup\\XP\\0");
    for (const wchar_t* folder : {L"QM_Backup", L"QM_Backup\\XP", L"QM_Backup\\XP\\0"})
        CreateDirectoryW(folder_.File(folder).c_str(), nullptr);
    // An older, longer file of the name the backup gets, whatever second it falls in.
    for (const std::wstring& path : NamesForTheNextSeconds(desktop, L"DT_"))
        WriteFileBytes(path, std::string(20000, 'x'));
    QmWString path;
    ASSERT_TRUE(BackUpPage(app_, 0, &path));
    for (int page = 1; page < kTweakPageCount; ++page)
        EXPECT_TRUE(FileExists(folder_.File(L"QM_Backup\\XP\\" + std::to_wstring(page)))) << page;
    const std::wstring written = path.CStr();
    const std::wstring stamp = written.substr(desktop.size() + 4, written.size() - desktop.size() - 8);
    ASSERT_EQ(desktop + L"\\DT_" + stamp + L".qmb", written);
    // The file holds exactly the page's backup text for the stamp in its name.
    QmWString text;
    ASSERT_TRUE(BuildPageBackup(app_, 0, QmWString(stamp.c_str()), text));
    EXPECT_EQ(Utf16Bytes(text.CStr()), ReadFileBytes(written));
}

// A value the reader would not give back as it was read: the backup fails, says which item,
// and leaves nothing in the page's folder.
TEST_F(PageBackups, AValueThatWouldNotReadBackFailsTheBackupAndLeavesNoFile)
{
    const wchar_t* const kCommand = L"SOFTWARE\\Classes\\*\\shell\\OpenInNotepad\\command";
    // page  root  key  value  text
    const struct {
        int page;
        HKEY root;
        const wchar_t* key;
        const wchar_t* name;
        std::wstring text;
    } kCases[] = {
        {2, HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"AutoEndTasks", L"0</Data>\n<DataIndex>6</DataIndex>\n"},
        {2, HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"AutoEndTasks", std::wstring(4097, L'1')},
        {4, HKEY_LOCAL_MACHINE, kCommand, L"", L"cmd.exe /c calc.exe & \"%1\""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(Narrow(c.text.substr(0, 40)));
        testreg::SetString(c.root, c.key, c.name, c.text);
        EXPECT_EQ(kToolFailed, Run({L"backup", std::to_wstring(c.page)}));
        EXPECT_NE(std::wstring::npos, output_.err.find(std::wstring(c.key) + L"  " +
                                                       (c.name[0] ? L"\"" + std::wstring(c.name) + L"\"" : L"（預設值）")))
            << Narrow(output_.err);
        EXPECT_EQ(0u, FilesIn(folder_.File(L"QM_Backup\\XP\\" + std::to_wstring(c.page))));
        // Without it the page backs up.
        testreg::RemoveValue(c.root, c.key, c.name);
        EXPECT_TRUE(DeleteFileW(BackUp(c.page).c_str()));
    }
}

}  // namespace
