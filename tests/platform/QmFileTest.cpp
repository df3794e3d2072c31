#include "platform/QmFile.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Creates (or replaces) a file with the given bytes, without the code under test.
void PutFile(const std::wstring& path, const std::string& bytes = "")
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(bytes.size(), written);
}

// True when nobody holds the file open: an exclusive open succeeds.
bool IsClosed(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

class QmFileTest : public ::testing::Test {
protected:
    ScratchFolder folder_;
    QmFile file_;
};

TEST_F(QmFileTest, WriteTextFileLeavesMarkAndTextOnly)
{
    const struct {
        int encoding;
        std::string mark;
    } cases[] = {{2, "\xFF\xFE"}, {3, "\xFE\xFF"}, {4, "\xEF\xBB\xBF"}, {1, ""}};
    const std::wstring path = folder_.File(L"DT_2009_2_26_14_5_9.qmb");
    const std::string longText(300, 'L');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.encoding);
        DWORD written = 0;
        ASSERT_TRUE(file_.WriteTextFile(path.c_str(), c.encoding, longText.data(), 300, &written));
        EXPECT_EQ(300u, written);
        EXPECT_EQ(c.mark + longText, ReadFileBytes(path));
        // A shorter text over the longer one: nothing of the old tail may remain.
        ASSERT_TRUE(file_.WriteTextFile(path.c_str(), c.encoding, "0123456789", 10, &written));
        EXPECT_EQ(c.mark + "0123456789", ReadFileBytes(path));
        EXPECT_TRUE(IsClosed(path));
    }
}

TEST_F(QmFileTest, WriteTextFileFailures)
{
    DWORD written = 77;
    EXPECT_FALSE(file_.WriteTextFile(folder_.File(L"missing\\a.qmb").c_str(), 2, "ab", 2, &written));
    EXPECT_EQ(0u, written);
    // A file someone holds open without sharing cannot be written, and is left as it was.
    const std::wstring path = folder_.File(L"held.qmb");
    PutFile(path, "old");
    HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    EXPECT_FALSE(file_.WriteTextFile(path.c_str(), 2, "new", 3, nullptr));
    CloseHandle(holder);
    EXPECT_EQ("old", ReadFileBytes(path));
}

TEST_F(QmFileTest, CountFilesComparesWholeExtensionsIgnoringCaseAndWidth)
{
    for (const wchar_t* name : {L"a.qmb", L"B.QMB", L"a.qmb.txt", L"qmb", L"x.qmbb"})
        PutFile(folder_.File(name));
    ASSERT_TRUE(CreateDirectoryW(folder_.File(L"sub").c_str(), nullptr));
    PutFile(folder_.File(L"sub\\c.qmb"));
    PutFile(folder_.File(L"sub\\d.txt"));
    const wchar_t* top = folder_.Path().c_str();
    EXPECT_EQ(2, file_.CountFiles(top, false, L"qmb"));
    EXPECT_EQ(2, file_.CountFiles((folder_.Path() + L"\\").c_str(), false, L"\xFF31\xFF2D\xFF42"));  // "ＱＭｂ"
    EXPECT_EQ(0, file_.CountFiles(top, false, L"qm"));
    EXPECT_EQ(6, file_.CountFiles(top, false, L"*")) << "every entry, the subfolder among them, not . and ..";
    EXPECT_EQ(3, file_.CountFiles(top, true, L"qmb"));
    EXPECT_EQ(0, file_.CountFiles(folder_.File(L"absent").c_str(), false, L"*"));
    EXPECT_EQ(0, file_.CountFiles(folder_.File(L"a.qmb").c_str(), false, L"*"));
}

TEST_F(QmFileTest, FoldersAreMadeOnlyWhereMissing)
{
    const std::wstring backup = folder_.File(L"QM_Backup");
    EXPECT_TRUE(file_.MakeFolder(backup.c_str(), nullptr));
    EXPECT_EQ(1, file_.PathExists(backup.c_str()));
    EXPECT_FALSE(file_.MakeFolder(backup.c_str(), nullptr)) << "an existing folder is not created again";
    EXPECT_FALSE(file_.MakeFolder(folder_.File(L"no\\such").c_str(), nullptr));
    EXPECT_EQ(0, file_.PathExists(folder_.File(L"no").c_str()));
    // The current folder, as the backup folders are made under it.
    wchar_t before[1024] = {};
    GetCurrentDirectoryW(1024, before);
    ASSERT_TRUE(SetCurrentDirectoryW(backup.c_str()));
    const QmOwnedWide current = file_.GetCurrentFolder();
    SetCurrentDirectoryW(before);
    ASSERT_TRUE(current);
    EXPECT_EQ(0, lstrcmpiW(backup.c_str(), current.Get())) << current.Get();
}

TEST_F(QmFileTest, SearchesAndOpenFilesAreClosedByTheirOwner)
{
    PutFile(folder_.File(L"one.qmb"), "abc");
    PutFile(folder_.File(L"two.qmb"));
    ASSERT_EQ(1, file_.FindFirst(folder_.File(L"*.qmb").c_str()));
    std::wstring names = file_.FindData().cFileName;
    while (file_.FindNext())
        names += std::wstring(L"|") + file_.FindData().cFileName;
    EXPECT_TRUE(names == L"one.qmb|two.qmb" || names == L"two.qmb|one.qmb") << names;
    file_.FindClose();
    EXPECT_FALSE(file_.IsFindOpen());

    const std::wstring path = folder_.File(L"one.qmb");
    {
        QmFile reader;
        EXPECT_FALSE(reader.Open(folder_.File(L"absent").c_str(), true, true, true)) << "open-existing must not create";
        ASSERT_TRUE(reader.Open(path.c_str(), true, true, true));
        EXPECT_EQ(3, reader.GetSize());
        char buffer[8] = {};
        DWORD count = 0;
        ASSERT_TRUE(reader.Read(buffer, sizeof(buffer), &count));
        EXPECT_EQ("abc", std::string(buffer, count));
        EXPECT_FALSE(IsClosed(path));
    }
    EXPECT_TRUE(IsClosed(path)) << "the destructor closes";
    EXPECT_FALSE(FileExists(folder_.File(L"absent")));
    EXPECT_TRUE(file_.RemoveFile(path.c_str()));
    EXPECT_FALSE(FileExists(path));
}

}  // namespace
