// The backup operations and the companion program run in-process: inside a registry sandbox,
// in a fresh current folder, with the system facts a test chooses, the program's lines
// collected. Also the registry states the round trips put a page's places in, which the test
// of the real program uses in the end-to-end prefix.
#pragma once

#include "backup/Backup.h"
#include "backup/BackupTool.h"
#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

inline size_t Count(const std::wstring& text, const std::wstring& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

inline std::string Utf16Bytes(const std::wstring& text)
{
    return std::string("\xFF\xFE", 2) + std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

// The files and folders in `folder`.
inline size_t FilesIn(const std::wstring& folder) { return std::distance(std::filesystem::directory_iterator(folder), {}); }

// A text a guarded place takes back: the record's command moved to another drive, as the
// program writes it on a system whose Windows folder is there.
inline std::wstring ProgramText(const StringToggle& record)
{
    std::wstring text(record.onText, record.onText + strlen(record.onText));
    if (text.size() > 3 && text[1] == L':' && text[2] == L'\\')
        text[0] = L'D';
    return text;
}

// Two states of a page's places that differ in every place: state 0 has values, missing
// values (under existing keys), empty and multi-line texts and keys; state 1 changes each
// (other data, another type, values that were missing, keys the other way round).
inline void ArrangePlaces(const BackupList& places, int state)
{
    int i = 0;
    for (const BackupItem& place : places.Items()) {
        const HKEY root = RootKey(place.root);
        const std::wstring path = place.keyPath, name = place.valueName ? place.valueName : L"";
        const int pattern = i++ % 3;
        if (place.kind == BackupItem::Kind::Key) {
            testreg::CreateKey(root, path.substr(0, path.rfind(L'\\')));
            if ((pattern % 2 == 0) != (state == 0))
                testreg::DeleteKey(root, path);
            else if (state == 0)
                testreg::CreateKey(root, path);
            else
                testreg::SetString(root, path, L"", L"");  // removable: what the program makes there
            continue;
        }
        const bool dword = place.kind == BackupItem::Kind::Dword;
        testreg::CreateKey(root, path);
        if (state == 0 && pattern == 1)
            testreg::RemoveValue(root, path, name);
        else if (state == 0 && dword)
            testreg::SetDword(root, path, name, pattern == 0 ? 0x100u + i : 0xFFFFFFFFu - i);
        else if (state == 0 && place.record)
            testreg::SetString(root, path, name, pattern == 0 ? ProgramText(*place.record) : L"");
        else if (state == 0)
            testreg::SetString(root, path, name, pattern == 0 ? L"a\"\\<&>\n</Data>\nz" + std::to_wstring(i) : L"");
        else if (pattern == 1 && dword)
            testreg::SetDword(root, path, name, 7);
        else if (pattern == 0 || pattern == 1)
            testreg::SetString(root, path, name, pattern == 1 ? L"new" : dword ? L"1" : L"changed");
        else
            testreg::SetDword(root, path, name, dword ? 0 : 1);
    }
}

struct CollectedOutput : ToolOutput {
    void Line(const std::wstring& text) override { out += text + L"\n"; }
    void ErrorLine(const std::wstring& text) override { err += text + L"\n"; }
    std::wstring out, err;
};

// Windows version, Internet Explorer version and service pack.
struct Version { int osCode, ie, servicePack; };
const Version kXpSp2 = {108, 6, 2};
const Version kSeven = {116, 8, 1};

class ToolTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        GetCurrentDirectoryW(MAX_PATH, saved_);
        ASSERT_TRUE(SetCurrentDirectoryW(folder_.Path().c_str()));
        Use(kXpSp2);
    }
    void TearDown() override { SetCurrentDirectoryW(saved_), RegistryTest::TearDown(); }

    void Use(const Version& version, int language = 950)
    {
        facts_ = SystemFacts();
        facts_.osCode = version.osCode, facts_.ieMajorVersion = version.ie, facts_.servicePack = version.servicePack, facts_.language = language;
        app_.SetFacts(facts_);
    }

    int Run(std::vector<std::wstring> arguments)
    {
        output_ = CollectedOutput();
        return RunBackupTool(arguments, facts_, output_);
    }

    BackupList Places(int page) const
    {
        BackupList places;
        EXPECT_TRUE(BackupItemsOf(app_, page, places));
        return places;
    }

    // Backs up `page` through the program; the path it printed.
    std::wstring BackUp(int page)
    {
        EXPECT_EQ(kToolSuccess, Run({L"backup", std::to_wstring(page)})) << testreg::Narrow(output_.err);
        const std::wstring& out = output_.out;
        const size_t start = out.find(L' ');
        return start == std::wstring::npos ? std::wstring() : out.substr(start + 1, out.size() - start - 2);
    }

    ScratchFolder folder_;
    wchar_t saved_[MAX_PATH] = {};
    SystemFacts facts_;
    QmThisApp app_;
    CollectedOutput output_;
};
