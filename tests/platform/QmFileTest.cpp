#include "platform/QmFile.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Creates (or replaces) a file with the given bytes, without the code under test.
void PutFile(const std::wstring& path, const std::string& bytes)
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
    struct Case {
        int encoding;
        std::string mark;
    };
    const Case cases[] = {
        {2, "\xFF\xFE"}, {3, "\xFE\xFF"}, {4, "\xEF\xBB\xBF"}, {1, ""}, {7, ""},
    };
    const std::wstring path = folder_.File(L"DT_2009_2_26_14_5_9.qmb");
    const std::string longText(300, 'L');
    const std::string shortText = "0123456789";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.encoding);
        DWORD written = 0;
        ASSERT_TRUE(file_.WriteTextFile(path.c_str(), c.encoding, longText.data(), 300, &written));
        EXPECT_EQ(300u, written);
        EXPECT_EQ(c.mark + longText, ReadFileBytes(path));
        // A shorter text over the longer one: nothing of the old tail may remain.
        ASSERT_TRUE(file_.WriteTextFile(path.c_str(), c.encoding, shortText.data(), 10, &written));
        EXPECT_EQ(10u, written);
        EXPECT_EQ(c.mark + shortText, ReadFileBytes(path));
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

    // An empty text still gets its mark.
    EXPECT_TRUE(file_.WriteTextFile(path.c_str(), 4, nullptr, 0, nullptr));
    EXPECT_EQ("\xEF\xBB\xBF", ReadFileBytes(path));
}

TEST_F(QmFileTest, CountFilesComparesWholeExtensionsIgnoringCaseAndWidth)
{
    PutFile(folder_.File(L"a.qmb"), "");
    PutFile(folder_.File(L"B.QMB"), "");
    PutFile(folder_.File(L"a.qmb.txt"), "");
    PutFile(folder_.File(L"qmb"), "");
    PutFile(folder_.File(L"x.qmbb"), "");
    ASSERT_TRUE(CreateDirectoryW(folder_.File(L"sub").c_str(), nullptr));
    PutFile(folder_.File(L"sub\\c.qmb"), "");
    PutFile(folder_.File(L"sub\\d.txt"), "");
    ASSERT_TRUE(CreateDirectoryW(folder_.File(L"sub\\deeper").c_str(), nullptr));
    PutFile(folder_.File(L"sub\\deeper\\e.Qmb"), "");

    const wchar_t* top = folder_.Path().c_str();
    EXPECT_EQ(2, file_.CountFiles(top, false, L"qmb"));
    EXPECT_EQ(2, file_.CountFiles(top, false, L"\xFF31\xFF2D\xFF42"));  // full-width "ＱＭｂ"
    EXPECT_EQ(2, file_.CountFiles((folder_.Path() + L"\\").c_str(), false, L"QMB"));
    EXPECT_EQ(1, file_.CountFiles(top, false, L"txt"));
    EXPECT_EQ(0, file_.CountFiles(top, false, L"qm"));
    // Every entry, the subfolder among them, but not "." and "..".
    EXPECT_EQ(6, file_.CountFiles(top, false, L"*"));

    EXPECT_EQ(4, file_.CountFiles(top, true, L"qmb"));
    EXPECT_EQ(10, file_.CountFiles(top, true, L"*"));

    EXPECT_EQ(0, file_.CountFiles(folder_.File(L"absent").c_str(), false, L"*"));
    EXPECT_EQ(0, file_.CountFiles(folder_.File(L"a.qmb").c_str(), false, L"*"));
}

TEST_F(QmFileTest, MakeFolderOnlyCreatesWhatIsMissing)
{
    const std::wstring backup = folder_.File(L"QM_Backup");
    EXPECT_TRUE(file_.MakeFolder(backup.c_str(), nullptr));
    EXPECT_EQ(1, file_.PathExists(backup.c_str()));
    SetLastError(0);
    EXPECT_FALSE(file_.MakeFolder(backup.c_str(), nullptr));
    EXPECT_EQ(0u, GetLastError()) << "an existing folder is not created again";
    EXPECT_FALSE(file_.MakeFolder(folder_.File(L"no\\such").c_str(), nullptr));

    const std::wstring tree = folder_.File(L"QM_Backup\\Win7/0\\deep\\");
    EXPECT_EQ(1, file_.MakeFolderTree(tree.c_str()));
    EXPECT_EQ(1, file_.PathExists(folder_.File(L"QM_Backup\\Win7\\0\\deep").c_str()));
    EXPECT_EQ(1, file_.MakeFolderTree(tree.c_str()));
    PutFile(folder_.File(L"plain"), "x");
    EXPECT_EQ(0, file_.MakeFolderTree(folder_.File(L"plain").c_str()));

    // The current folder, as the backup folders are made under it.
    wchar_t before[1024] = {};
    GetCurrentDirectoryW(1024, before);
    ASSERT_TRUE(file_.SetCurrentFolder(backup.c_str()));
    const QmOwnedWide current = file_.GetCurrentFolder();
    SetCurrentDirectoryW(before);
    ASSERT_TRUE(current);
    EXPECT_EQ(0, lstrcmpiW(backup.c_str(), current.Get())) << current.Get();

    const std::string narrow(backup.begin(), backup.end());  // the scratch path is ASCII
    EXPECT_EQ(1, file_.PathExists((narrow + "\\Win7").c_str()));
    EXPECT_EQ(0, file_.PathExists((narrow + "\\XP").c_str()));
}

TEST_F(QmFileTest, FindOperationsLeaveNoSearchOpen)
{
    PutFile(folder_.File(L"one.qmb"), "");
    PutFile(folder_.File(L"two.qmb"), "");
    ASSERT_EQ(1, file_.FindFirst(folder_.File(L"*.qmb").c_str()));
    std::wstring names = file_.FindData().cFileName;
    while (file_.FindNext())
        names += std::wstring(L"|") + file_.FindData().cFileName;
    EXPECT_TRUE(names == L"one.qmb|two.qmb" || names == L"two.qmb|one.qmb") << names;

    EXPECT_EQ(1, file_.FindExists(folder_.File(L"t*.qmb").c_str()));
    EXPECT_STREQ(L"two.qmb", file_.FindData().cFileName);
    EXPECT_FALSE(file_.IsFindOpen()) << "FindExists closes the earlier search and its own";
    EXPECT_EQ(0, file_.FindExists(folder_.File(L"*.txt").c_str()));
}

TEST_F(QmFileTest, OpenFilesAreClosedByTheirOwner)
{
    const std::wstring path = folder_.File(L"data.bin");
    EXPECT_FALSE(file_.Open(path.c_str(), false, false, true)) << "open-existing must not create";
    EXPECT_FALSE(FileExists(path));

    ASSERT_TRUE(file_.Open(path.c_str(), false, false, false));
    DWORD count = 0;
    ASSERT_TRUE(file_.Write("abcdefgh", 8, &count));
    EXPECT_EQ(3, file_.Seek(-5, FILE_END));
    EXPECT_TRUE(file_.SetEnd());
    EXPECT_EQ(3, file_.GetSize());
    EXPECT_FALSE(IsClosed(path)) << "opened without sharing";
    {
        QmFile other;
        EXPECT_FALSE(other.Open(path.c_str(), true, true, true));
        file_.Close();
        ASSERT_TRUE(other.Open(path.c_str(), true, false, true));
        char buffer[8] = {};
        ASSERT_TRUE(other.Read(buffer, sizeof(buffer), &count));
        EXPECT_EQ("abc", std::string(buffer, count));
        EXPECT_FALSE(other.Write("x", 1, &count)) << "read-only";
    }
    EXPECT_TRUE(IsClosed(path)) << "the destructor closes";
    EXPECT_TRUE(file_.RemoveFile(path.c_str()));
    EXPECT_FALSE(FileExists(path));
}

}  // namespace
