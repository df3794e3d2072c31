#include "backup/Backup.h"
#include "backup/BackupFormat.h"
#include "platform/QmFile.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Utf16File(const std::wstring& text)
{
    std::string bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return bytes;
}

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
    const std::wstring expected =
        L"<Zentrak_Backup_File>\n<Zentrak_Version>1.3.1.2</Zentrak_Version>\n"
        L"<BackupFile_Version>1.0</BackupFile_Version>\n<System_Version>XP</System_Version>\n"
        L"<Page_Index>0</Page_Index>\n<Page_Name>DT</Page_Name>\n<DateTime>2009_2_26_14_5_9</DateTime>\n"
        L"<DataArea>\n"
        L"<DataIndex>0</DataIndex>\n<DataType>DWORD</DataType>\n<DataErrorCode>1</DataErrorCode>\n<Data>00000001</Data>\n"
        L"<DataIndex>1</DataIndex>\n<DataType>DWORD</DataType>\n<DataErrorCode>-1</DataErrorCode>\n<Data>00000000</Data>\n"
        L"<DataIndex>2</DataIndex>\n<DataType>SZ</DataType>\n<DataErrorCode>1</DataErrorCode>\n<Data>2</Data>\n"
        L"</DataArea>\n<DataTotal>2</DataTotal>\n<BackupFile_Flag>1</BackupFile_Flag>\n</Zentrak_Backup_File>\n";
    EXPECT_EQ(expected, text.CStr());

    ScratchFolder folder;
    QmFile files;
    const std::wstring path = folder.File(L"DT_2009_2_26_14_5_9.qmb");
    ASSERT_TRUE(files.WriteTextFile(path.c_str(), QmFile::kUtf16LittleEndian, text.CStr(),
                                    static_cast<DWORD>(text.Length() * sizeof(wchar_t)), nullptr));
    EXPECT_EQ(Utf16File(expected), ReadFileBytes(path));
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
    const std::wstring written = text.CStr();
    for (const wchar_t* line : {L"<Data>FFFFFFFF</Data>\n", L"<Data>0000000A</Data>\n",
                                L"<DataErrorCode>-3</DataErrorCode>\n<Data>00000000</Data>\n",
                                L"<Data>a<b & c\nd</Data>\n", L"<DataErrorCode>-3</DataErrorCode>\n<Data></Data>\n",
                                L"<DataType>Key</DataType>\n<DataErrorCode>1</DataErrorCode>\n<Data>1</Data>\n",
                                L"<DataErrorCode>-1</DataErrorCode>\n<Data>0</Data>\n"})
        EXPECT_NE(std::wstring::npos, written.find(line)) << testreg::Narrow(line);
    EXPECT_EQ(std::wstring::npos, written.find(L'\r'));

    QmWString one;
    AppendBackupEnd(one, 0);
    EXPECT_NE(std::wstring::npos, std::wstring(one.CStr()).find(L"<DataTotal>0</DataTotal>"));
    QmWString unknown;
    EXPECT_TRUE(AppendBackupHeader(unknown, 116, 12, QmWString(L"s")));
    EXPECT_NE(std::wstring::npos, std::wstring(unknown.CStr()).find(L"<Page_Index>-1</Page_Index>\n<Page_Name>UnKnown</Page_Name>"));
    EXPECT_NE(std::wstring::npos, std::wstring(unknown.CStr()).find(L"<System_Version>Windows 7</System_Version>"));
    QmWString server;
    EXPECT_FALSE(AppendBackupHeader(server, 114, 0, QmWString(L"s")));
    EXPECT_EQ(0, server.Length());
}

// The backup file names `prefix` gets in this second and the next two.
std::vector<std::wstring> NamesForTheNextSeconds(const std::wstring& folder, const wchar_t* prefix)
{
    std::vector<std::wstring> names;
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME start;
    SystemTimeToFileTime(&now, &start);
    for (int ahead = 0; ahead < 3; ++ahead) {
        ULARGE_INTEGER t;
        t.LowPart = start.dwLowDateTime;
        t.HighPart = start.dwHighDateTime;
        t.QuadPart += ahead * 10000000ull;
        FILETIME moment = {t.LowPart, t.HighPart};
        SYSTEMTIME later;
        FileTimeToSystemTime(&moment, &later);
        names.push_back(folder + L"\\" + prefix + BackupStamp(later).CStr() + L".qmb");
    }
    return names;
}

// A page backup in a fresh current folder, inside a registry sandbox.
class BackupOperations : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        GetCurrentDirectoryW(MAX_PATH, saved_);
        ASSERT_TRUE(SetCurrentDirectoryW(folder_.Path().c_str()));
    }
    void TearDown() override
    {
        SetCurrentDirectoryW(saved_);
        RegistryTest::TearDown();
    }
    void Use(int osCode)
    {
        SystemFacts facts;
        facts.osCode = osCode;
        facts.language = 950;
        app_.SetFacts(facts);
    }
    std::wstring Folder(const wchar_t* system, int page)
    {
        return folder_.File(std::wstring(L"QM_Backup\\") + system + L"\\" + std::to_wstring(page));
    }

    ScratchFolder folder_;
    wchar_t saved_[MAX_PATH] = {};
    QmThisApp app_;
};

TEST_F(BackupOperations, TheFirstBackupMakesEveryFolderAndAFileOfThePage)
{
    Use(108);
    testreg::SetDword(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"PaintDesktopVersion", 1);
    QmWString path;
    ASSERT_TRUE(BackUpPage(app_, 0, &path));
    for (int page = 0; page < 9; ++page)
        EXPECT_TRUE(FileExists(Folder(L"XP", page))) << page;
    const std::wstring written = path.CStr();
    EXPECT_EQ(0u, written.find(Folder(L"XP", 0) + L"\\DT_"));
    EXPECT_EQ(written.size() - 4, written.rfind(L".qmb"));
    // The file holds exactly what the page's backup text is for the stamp in its name.
    const std::wstring name = written.substr(written.rfind(L'\\') + 1);
    const QmWString stamp(name.substr(3, name.size() - 7).c_str());
    QmWString text;
    ASSERT_TRUE(BuildPageBackup(app_, 0, stamp, text));
    EXPECT_EQ(Utf16File(text.CStr()), ReadFileBytes(written));
    EXPECT_NE(std::wstring::npos, std::wstring(text.CStr()).find(L"<DataErrorCode>1</DataErrorCode>\n<Data>00000001</Data>"));
    EXPECT_NE(std::wstring::npos, std::wstring(text.CStr()).find(L"<DataErrorCode>-1</DataErrorCode>\n<Data>00000000</Data>"));
}

TEST_F(BackupOperations, AnUnsupportedWindowsWritesNothing)
{
    Use(114);
    EXPECT_FALSE(BackUpPage(app_, 0));
    EXPECT_TRUE(FileExists(folder_.File(L"QM_Backup")));
    EXPECT_EQ(0, QmFile().CountFiles(folder_.File(L"QM_Backup").c_str(), true, L"*"));
}

TEST_F(BackupOperations, AllPagesWriteOneFileEach)
{
    Use(116);
    EXPECT_TRUE(BackUpAllPages(app_));
    QmFile files;
    for (int page = 0; page < 9; ++page)
        EXPECT_EQ(1, files.CountFiles(Folder(L"Win7", page).c_str(), false, L"qmb")) << page;
}

TEST_F(BackupOperations, AFolderThatCannotBeMadeOrAFileThatCannotBeWrittenFails)
{
    Use(113);
    // "QM_Backup" already taken by a file: no folder tree, no backup.
    HANDLE blocker = CreateFileW(folder_.File(L"QM_Backup").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, blocker);
    CloseHandle(blocker);
    EXPECT_EQ(0, PrepareBackupFolders(app_));
    EXPECT_FALSE(BackUpPage(app_, 0));
    DeleteFileW(folder_.File(L"QM_Backup").c_str());

    // The backup file held open by another program cannot be written; nothing crashes.
    ASSERT_EQ(1, PrepareBackupFolders(app_));
    std::vector<HANDLE> held;
    for (const std::wstring& path : NamesForTheNextSeconds(Folder(L"Vista", 3), L"CN_"))
        held.push_back(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_FALSE(BackUpPage(app_, 3));
    for (HANDLE handle : held)
        CloseHandle(handle);
}

TEST_F(BackupOperations, ABackupInTheSameSecondLeavesACompleteFile)
{
    Use(108);
    // Whatever second the backup falls in, an older, longer file of that name is replaced.
    ASSERT_EQ(1, PrepareBackupFolders(app_));
    const std::string junk(20000, 'x');
    for (const std::wstring& path : NamesForTheNextSeconds(Folder(L"XP", 0), L"DT_")) {
        HANDLE old = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD done = 0;
        WriteFile(old, junk.data(), static_cast<DWORD>(junk.size()), &done, nullptr);
        CloseHandle(old);
    }
    QmWString path;
    ASSERT_TRUE(BackUpPage(app_, 0, &path));
    const std::string bytes = ReadFileBytes(path.CStr());
    EXPECT_EQ(std::string::npos, bytes.find("xx")) << "an old tail survived";
    EXPECT_NE(std::string::npos, bytes.find(std::string("<\0/\0Z\0", 6)));
}

TEST_F(BackupOperations, ListingShowsTheFolderTheErrorAndTheCount)
{
    Use(108);
    ASSERT_EQ(1, PrepareBackupFolders(app_));
    MessageBoxAnswerer answerer({IDOK, IDOK, IDOK});
    EXPECT_TRUE(ListRestoreFiles(app_, nullptr));
    const auto boxes = answerer.Seen();
    ASSERT_EQ(3u, boxes.size());
    EXPECT_EQ(L"CountFilesW 1", boxes[0].caption);
    EXPECT_EQ(Folder(L"XP", 0), boxes[0].text);
    EXPECT_EQ(L"CountFilesW 2", boxes[1].caption);
    EXPECT_EQ(L"IDC_BTN_RESTORE", boxes[2].caption);
    EXPECT_EQ(L"0", boxes[2].text);
}

}  // namespace
