// Backup files that must not be restored: cut, edited, of another system or program, too
// large, or holding what the program itself never writes where Windows runs or loads it.
#include "backup/BackupRestore.h"
#include "backup/RegExport.h"
#include "tests/backup/ToolFixture.h"

namespace {

using testreg::Narrow;
using Lines = std::vector<std::wstring>;

std::wstring Join(const Lines& lines)
{
    std::wstring text;
    for (const std::wstring& line : lines)
        text += line + L"\n";
    return text;
}

// The desktop page's backup on Windows XP: 12 items, item k's lines at 9 + 4k to 12 + 4k, then
// </DataArea> at 57, the total at 58, the flag at 59, the end at 60.
class DamagedFiles : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        const BackupList places = Places(0);
        ArrangePlaces(places, 0);
        int index = 0;  // single-line texts, so that every item is four lines
        for (const BackupItem& place : places.Items())
            if (place.kind == BackupItem::Kind::Text)
                testreg::SetString(RootKey(place.root), place.keyPath, place.valueName, L"t" + std::to_wstring(index++));
        testreg::SetDword(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"NoSaveSettings", 5);
        QmWString text;
        ASSERT_TRUE(BuildPageBackup(app_, 0, QmWString(L"2009_2_26_14_5_9"), text));
        for (std::wstring rest = text.CStr(); !rest.empty(); rest.erase(0, rest.find(L'\n') + 1))
            good_.push_back(rest.substr(0, rest.find(L'\n')));
        ASSERT_TRUE(good_.size() == 60u && good_[56] == L"</DataArea>");
        ArrangePlaces(places, 1);
        changed_ = testreg::TakeSnapshot();
    }

    // Restores `bytes` as a file: refused naming `line` (0: no line), the registry untouched, and
    // the file's own text shown escaped, so that it can never move the cursor or fake a line.
    void ExpectRefused(const std::string& bytes, int line, const std::string& what)
    {
        SCOPED_TRACE(what);
        WriteFileBytes(folder_.File(L"damaged.qmb"), bytes);
        EXPECT_EQ(kToolBadFile, Run({L"restore", folder_.File(L"damaged.qmb")}));
        EXPECT_TRUE(line == 0 || output_.err.find(L"第 " + std::to_wstring(line) + L" 行") != std::wstring::npos) << Narrow(output_.err);
        EXPECT_NE(std::wstring::npos, output_.err.find(L"未寫入任何值")) << Narrow(output_.err);
        EXPECT_TRUE(std::none_of(output_.err.begin(), output_.err.end(), [](wchar_t c) { return c < 0x20 && c != L'\n'; }));
        EXPECT_EQ(L"", output_.out);
        EXPECT_EQ("", testreg::Differences(changed_, testreg::TakeSnapshot()));
    }
    void ExpectRefused(const Lines& lines, int line, const std::string& what) { ExpectRefused(Utf16Bytes(Join(lines)), line, what); }
    Lines With(size_t index, const std::wstring& line) const { Lines lines = good_; lines[index] = line; return lines; }

    Lines good_;
    testreg::Snapshot changed_;
};

TEST_F(DamagedFiles, AFileOverOneMegabyteIsNotReadAndItsTextIsShownEscaped)
{
    // A good header and blank lines: the size alone decides whether it is read.
    for (const size_t size : {size_t(1) << 20, (size_t(1) << 20) + 2}) {
        std::string bytes = Utf16Bytes(Join(Lines(good_.begin(), good_.begin() + 8)));
        while (bytes.size() < size)
            bytes += std::string("\n\0", 2);
        ExpectRefused(bytes, size > (size_t(1) << 20) ? 0 : 9, std::to_string(size) + " bytes");
        EXPECT_EQ(size > (size_t(1) << 20), output_.err.find(L"檔案過大") != std::wstring::npos) << Narrow(output_.err);
    }
    ExpectRefused(With(3, L"<System_Version>XP\r\x1b[2K已還原 20 項</System_Version>"), 4, "a system name that rewrites the console line");
    EXPECT_NE(std::wstring::npos, output_.err.find(L"\"XP\\r\\x1B[2K已還原 20 項\"")) << Narrow(output_.err);
}

TEST_F(DamagedFiles, EveryEditOrCutIsRefusedByLineAndTheUntouchedFileTaken)
{
    // what  line  new content (line 0: after the end)  the line named
    const struct { const char* what; int line; const wchar_t* content; int reported; } kEdits[] = {
        {"format version", 3, L"<BackupFile_Version>2.0</BackupFile_Version>", 3},
        {"program version", 2, L"<Zentrak_Version>new</Zentrak_Version>", 2},
        {"unknown system", 4, L"<System_Version>Windows 8</System_Version>", 4},
        {"page out of range", 5, L"<Page_Index>9</Page_Index>", 5},
        {"page and code disagree", 6, L"<Page_Name>SM</Page_Name>", 6},
        {"impossible month", 7, L"<DateTime>2009_13_26_14_5_9</DateTime>", 7},
        {"impossible day", 7, L"<DateTime>2009_2_30_14_5_9</DateTime>", 7},
        {"no leap day", 7, L"<DateTime>2100_2_29_14_5_9</DateTime>", 7},
        {"index skipped", 9, L"<DataIndex>1</DataIndex>", 9},
        {"unknown kind", 10, L"<DataType>QWORD</DataType>", 10},
        {"kind changed", 10, L"<DataType>SZ</DataType>", 10},
        {"a status no item has", 11, L"<DataErrorCode>2</DataErrorCode>", 11},
        {"status with a plus", 11, L"<DataErrorCode>+1</DataErrorCode>", 11},
        {"seven digits", 12, L"<Data>0000005</Data>", 12},
        {"missing value with data", 11, L"<DataErrorCode>-1</DataErrorCode>", 12},
        {"line with a carriage return", 8, L"<DataArea>\r", 8},
        {"total off by one", 58, L"<DataTotal>12</DataTotal>", 58},
        {"incomplete flag", 59, L"<BackupFile_Flag>0</BackupFile_Flag>", 59},
        {"text after the end", 0, L"<DataArea>", 61},
    };
    for (const auto& edit : kEdits) {
        Lines lines = good_;
        edit.line ? void(lines[static_cast<size_t>(edit.line - 1)] = edit.content) : lines.push_back(edit.content);
        ExpectRefused(lines, edit.reported, edit.what);
    }
    // Item k's lines start at index 8 + 4k.
    auto item = [](Lines& lines, int k) { return lines.begin() + 8 + 4 * k; };
    Lines swapped = good_, renumbered = good_, header = good_, missing = good_;
    std::swap_ranges(item(swapped, 0), item(swapped, 1), item(swapped, 1));
    ExpectRefused(swapped, 9, "items swapped: out of sequence");
    std::swap_ranges(item(renumbered, 8) + 1, item(renumbered, 9), item(renumbered, 9) + 1);
    ExpectRefused(renumbered, 42, "items swapped and renumbered: a text where the page has a number");
    std::swap(header[4], header[5]);
    ExpectRefused(header, 5, "header lines swapped");
    missing.erase(item(missing, 5), item(missing, 6));
    ExpectRefused(missing, 29, "item 5 left out");
    // One item more, numbered and totalled as if it belonged there.
    Lines extra(good_.begin(), item(good_, 12));
    extra.insert(extra.end(), item(good_, 11), item(good_, 12));
    extra[56] = L"<DataIndex>12</DataIndex>";
    extra.insert(extra.end(), {L"</DataArea>", L"<DataTotal>12</DataTotal>", good_[58], good_[59]});
    ExpectRefused(extra, 57, "an item more");
    // Cut after any line (after none: only the mark), or inside the next; the last line whole but without its line feed.
    for (size_t kept = 0; kept < good_.size(); ++kept) {
        const std::wstring text = Join(Lines(good_.begin(), good_.begin() + kept));
        ExpectRefused(Utf16Bytes(text), static_cast<int>(kept) + 1, "cut after line " + std::to_string(kept));
        ExpectRefused(Utf16Bytes(text + good_[kept].substr(0, kept + 1 < good_.size() ? good_[kept].size() / 2 : std::wstring::npos)),
                      static_cast<int>(kept) + 1, "cut inside the next");
    }
    // The untouched file, dated a leap day, is taken.
    WriteFileBytes(folder_.File(L"good.qmb"), Utf16Bytes(Join(With(6, L"<DateTime>2008_2_29_23_59_59</DateTime>"))));
    EXPECT_EQ(kToolSuccess, Run({L"restore", folder_.File(L"good.qmb")})) << Narrow(output_.err);
    EXPECT_NE("", testreg::Differences(changed_, testreg::TakeSnapshot()));
}

TEST_F(DamagedFiles, FilesOfOtherSystemsOrProgramsAreRefused)
{
    const Lines seven = With(3, L"<System_Version>Windows 7</System_Version>");
    ExpectRefused(seven, 4, "made on Windows 7");
    EXPECT_NE(std::wstring::npos, output_.err.find(L"Windows 7")) << Narrow(output_.err);
    Use(kSeven);  // where the desktop page has no clock items: 10 items, so the 11th is one too many
    ExpectRefused(seven, 9 + 4 * 10, "XP items on Windows 7");
    Use(kXpSp2);
    const std::wstring whole = Join(good_);
    std::wstring crlf, withNull = whole;
    std::string narrow;
    for (wchar_t c : whole) {
        crlf += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
        narrow += static_cast<char>(c < 0x80 ? c : '?');
    }
    withNull[withNull.find(L"00000005")] = L'\0';
    ExpectRefused(Utf16Bytes(crlf), 1, "saved with CR LF");
    ExpectRefused(narrow, 0, "no byte-order mark");
    ExpectRefused(std::string(), 0, "an empty file");
    ExpectRefused(Utf16Bytes(whole).substr(1), 0, "an odd number of bytes");
    ExpectRefused(Utf16Bytes(withNull), 12, "a null character");
    EXPECT_EQ(kToolBadFile, Run({L"restore", folder_.File(L"none.qmb")}));
    EXPECT_EQ(kToolBadFile, Run({L"export-reg", folder_.File(L"none.qmb"), folder_.File(L"out.reg")}));
    EXPECT_FALSE(FileExists(folder_.File(L"out.reg")) || FileExists(folder_.File(L"none.qmb")));
}

// Where Windows runs or loads the text (a command line, a class identifier), a file may put
// back only what the program writes there; and no text longer than 4,096 characters.
TEST_F(ToolTest, CommandsClassIdentifiersAndLongTextsAreTakenOnlyAsTheProgramWritesThem)
{
    const std::wstring shell = L"SOFTWARE\\Classes\\*\\shell\\", handlers = L"SOFTWARE\\Classes\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\";
    const std::wstring wordPad = L"Q:\\Program Files\\Windows NT\\Accessories\\wordpad.exe \"%1\"", copyTo = L"{C2FBB630-2971-11D1-A18C-00C04FD75D13}";
    // page  root  key  value  text in the file  taken
    const struct { int page; HKEY root; std::wstring key; const wchar_t* name; std::wstring text; bool taken; } kCases[] = {
        {4, HKEY_LOCAL_MACHINE, shell + L"OpenInNotepad\\command", L"", L"cmd.exe /c calc.exe & \"%1\"", false},
        {4, HKEY_LOCAL_MACHINE, shell + L"OpenInWordPad\\command", L"", wordPad, true},
        {4, HKEY_LOCAL_MACHINE, shell + L"OpenInWordPad\\command", L"", wordPad + L" & calc.exe", false},
        {4, HKEY_LOCAL_MACHINE, handlers + L"Copy To", L"", copyTo, true},
        {4, HKEY_LOCAL_MACHINE, handlers + L"Move To", L"", copyTo, false},
        {0, HKEY_USERS, L".DEFAULT\\Control Panel\\Desktop", L"ScreenSaveActive", std::wstring(4096, L'1'), true},
        {0, HKEY_USERS, L".DEFAULT\\Control Panel\\Desktop", L"ScreenSaveActive", std::wstring(4097, L'1'), false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(Narrow(c.key + L" " + c.text.substr(0, 60)));
        testreg::SetString(c.root, c.key, c.name, c.text);
        QmWString text;
        ASSERT_TRUE(BuildPageBackup(app_, c.page, QmWString(L"2009_2_26_14_5_9"), text));
        const std::wstring file = folder_.File(L"crafted.qmb"), reg = folder_.File(L"crafted.reg");
        WriteFileBytes(file, Utf16Bytes(text.CStr()));
        testreg::SetString(c.root, c.key, c.name, L"now");
        const testreg::Snapshot now = testreg::TakeSnapshot();
        EXPECT_EQ(c.taken ? kToolSuccess : kToolBadFile, Run({L"restore", file}));
        if (c.taken) {
            EXPECT_TRUE(testreg::Get(c.root, c.key, c.name).IsString(c.text));
        } else {
            EXPECT_NE(std::wstring::npos, output_.err.find(c.key)) << Narrow(output_.err);
            EXPECT_EQ("", testreg::Differences(now, testreg::TakeSnapshot()));
            EXPECT_EQ(kToolBadFile, Run({L"export-reg", file, reg}));
            EXPECT_FALSE(FileExists(reg));
        }
        testreg::RemoveValue(c.root, c.key, c.name);
    }
}

// A key that did not exist at backup time goes only while it holds nothing but what this
// program makes there; anything another program put in keeps it, and the restore says so.
TEST_F(ToolTest, AKeyThatDidNotExistGoesOnlyWhileItHoldsNothingElse)
{
    const BackupList places = Places(7);
    const std::wstring file = BackUp(7);  // no key of the page exists
    auto key = [&places](size_t i) { return std::wstring(places.Items()[i].keyPath); };  // the first four items are keys
    testreg::SetString(HKEY_CURRENT_USER, key(0), L"", L"");
    testreg::SetString(HKEY_CURRENT_USER, key(1), L"UserData", L"another program's");
    testreg::CreateKey(HKEY_CURRENT_USER, key(2) + L"\\Sub");
    testreg::SetString(HKEY_CURRENT_USER, key(3), L"", L"text");
    EXPECT_EQ(kToolNotRestored, Run({L"restore", file}));
    EXPECT_FALSE(testreg::KeyExists(HKEY_CURRENT_USER, key(0)));
    EXPECT_TRUE(testreg::ValueExists(HKEY_CURRENT_USER, key(1), L"UserData"));
    EXPECT_TRUE(testreg::KeyExists(HKEY_CURRENT_USER, key(2) + L"\\Sub"));
    EXPECT_TRUE(testreg::Get(HKEY_CURRENT_USER, key(3), L"").IsString(L"text"));
    for (size_t i = 1; i < 4; ++i)
        EXPECT_NE(std::wstring::npos, output_.err.find(L"保留機碼 HKEY_CURRENT_USER\\" + key(i))) << Narrow(output_.err);
}

// What Wine's regedit cannot check (the end-to-end test imports every page's export): an
// unreadable item is left out, and a registry file that cannot be written says so.
TEST(RegExport, ARegistryFileSaysWhatARestoreDoes)
{
    BackupList places;
    places.AddDword(kRootCurrentUser, L"Control Panel\\Desktop", L"A");
    places.AddDword(kRootCurrentUser, L"Control Panel\\Desktop", L"B");
    places.AddText(kRootCurrentUser, L"Control Panel\\Desktop", L"");
    places.AddText(kRootUsers, L".DEFAULT\\Z", L"say \"hi\"");
    places.AddKey(kRootLocalMachine, L"Software\\Z\\{1}");
    places.AddKey(kRootLocalMachine, L"Software\\Z\\{2}");
    places.AddDword(kRootCurrentUser, L"Software\\Z", L"Unreadable");
    using Kind = BackupItem::Kind;
    BackupFile file;
    file.items = {{Kind::Dword, 1, 0xFFFFFFFFu, L"", 0, 0}, {Kind::Dword, -1, 0, L"", 0, 0}, {Kind::Text, 1, 0, L"C:\\Path", 0, 0},
                  {Kind::Text, 1, 0, L"a\nb", 0, 0}, {Kind::Key, 1, 0, L"", 0, 0}, {Kind::Key, -1, 0, L"", 0, 0}, {Kind::Dword, -3, 0, L"", 0, 0}};
    std::wstring text;
    ASSERT_TRUE(BuildRegExport(places, file, text));
    EXPECT_EQ(L"Windows Registry Editor Version 5.00\r\n"
              L"\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
              L"\"A\"=dword:ffffffff\r\n\"B\"=-\r\n@=\"C:\\\\Path\"\r\n"
              L"\r\n[HKEY_USERS\\.DEFAULT\\Z]\r\n\"say \\\"hi\\\"\"=hex(1):61,00,0a,00,62,00,00,00\r\n"
              L"\r\n[HKEY_LOCAL_MACHINE\\Software\\Z\\{1}]\r\n"
              L"\r\n[-HKEY_LOCAL_MACHINE\\Software\\Z\\{2}]\r\n"
              L"\r\n",
              text);
    ScratchFolder folder;
    ASSERT_TRUE(WriteRegExport(folder.File(L"x.reg").c_str(), text));
    EXPECT_EQ(Utf16Bytes(text), ReadFileBytes(folder.File(L"x.reg")));
    EXPECT_FALSE(WriteRegExport(folder.File(L"no\\such\\folder.reg").c_str(), text));
}

}  // namespace
