// The companion program run in-process: inside a registry sandbox, in a fresh current folder,
// with the system facts a test chooses, its lines collected.
#pragma once

#include "backup/Backup.h"
#include "backup/BackupTool.h"
#include "tests/backup/PageStates.h"
#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct CollectedOutput : ToolOutput {
    void Line(const std::wstring& text) override { out += text + L"\n"; }
    void ErrorLine(const std::wstring& text) override { err += text + L"\n"; }
    std::wstring out;
    std::wstring err;
};

// Windows version, Internet Explorer version and service pack: the conditions under which
// the pages' item lists differ.
struct Version {
    int osCode;
    int ie;
    int servicePack;
};
const Version kVersions[] = {{108, 6, 2}, {108, 7, 3}, {108, 8, 3}, {113, 7, 2}, {113, 8, 2}, {116, 8, 1}, {116, 9, 1}};

inline std::string Describe(const Version& version, int page)
{
    return "os " + std::to_string(version.osCode) + " ie " + std::to_string(version.ie) + " sp " +
           std::to_string(version.servicePack) + " page " + std::to_string(page);
}

class ToolTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        GetCurrentDirectoryW(MAX_PATH, saved_);
        ASSERT_TRUE(SetCurrentDirectoryW(folder_.Path().c_str()));
        Use(Version{108, 6, 2});
    }
    void TearDown() override
    {
        SetCurrentDirectoryW(saved_);
        RegistryTest::TearDown();
    }

    void Use(const Version& version, int language = 950)
    {
        facts_ = SystemFacts();
        facts_.osCode = version.osCode;
        facts_.ieMajorVersion = version.ie;
        facts_.servicePack = version.servicePack;
        facts_.language = language;
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

    static void Arrange(const BackupList& places, int state) { ArrangePlaces(places, state); }

    ScratchFolder folder_;
    wchar_t saved_[MAX_PATH] = {};
    SystemFacts facts_;
    QmThisApp app_;
    CollectedOutput output_;
};
