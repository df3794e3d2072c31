// Whatever the registry holds, every page shows a possible state and its apply changes only
// its own places, the same way twice. For a fixed set of seeds, every value and key any page
// reads on the system (learnt from the pages' own registry calls) is filled with random data
// of random types, or left out; then every page is shown, read and backed up, and applied
// twice.
#include "backup/Backup.h"
#include "backup/BackupReader.h"
#include "model/TweakRead.h"
#include "tests/hardening/ControlStates.h"
#include "tests/hardening/HardeningFixture.h"
#include "tests/support/RegistryFacts.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

const int kSeeds[] = {1, 2, 3, 4};

// Random data of every shape a registry value can take, and sometimes data the page itself
// writes there, so the matching branches of the reads run too. Draws straight from the
// engine, whose sequence is fixed for a seed on every platform.
class RandomRegistry {
public:
    RandomRegistry(unsigned seed, const PagePlaces& places) : random_(seed), places_(places) {}

    // The places the pages read, and those they write without reading (a shell entry's
    // command), so that the applies meet random data there too.
    void Fill()
    {
        std::set<std::wstring> values(places_.readValues), keys(places_.readKeys), keysWithValues;
        values.insert(places_.writtenValues.begin(), places_.writtenValues.end());
        keys.insert(places_.writtenKeys.begin(), places_.writtenKeys.end());
        for (const std::wstring& value : values) {
            FillValue(value);
            keysWithValues.insert(KeyOfPlace(value));
        }
        for (const std::wstring& key : keys) {
            HKEY root = nullptr;
            std::wstring path, name;
            if (!SplitPlace(key, root, path, name) || path.empty())
                continue;
            if (keysWithValues.count(key)) {
                if (Below(100) < 8) {
                    SHDeleteKeyW(root, path.c_str());  // the whole key missing
                    continue;
                }
            } else if (Below(2)) {
                testreg::CreateKey(root, path);  // a key whose existence is the setting
                if (Below(3) == 0)
                    FillValue(ValuePlace(root, path, L""));
            }
            // A subkey of someone else's keeps a key from being deleted.
            if (testreg::KeyExists(root, path) && Below(10) == 0)
                testreg::CreateKey(root, path + L"\\Zentrak fuzz");
        }
    }

private:
    uint32_t Next() { return static_cast<uint32_t>(random_()); }
    uint32_t Below(uint32_t bound) { return Next() % bound; }

    void Put(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const void* data, size_t bytes)
    {
        testreg::SetRaw(root, path, name, type, data, static_cast<DWORD>(bytes));
    }
    void PutText(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type, const std::wstring& text)
    {
        Put(root, path, name, type, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }

    void FillValue(const std::wstring& place)
    {
        HKEY root = nullptr;
        std::wstring path, name;
        if (!SplitPlace(place, root, path, name))
            return;
        const auto written = places_.writtenData.find(place);
        const uint32_t kind = Below(16);
        const DWORD number = Next();
        // Texts the pages look for, and texts that mean something in a backup file.
        const wchar_t* const words[] = {L"0",  L"1",   L"2",          L"yes",        L"no",     L"Y",
                                        L"N", L"5000", L"2147483648", L"a\r\nb", L"x\n</Data>", L"</DataArea>"};
        switch (kind) {
        case 0:
        case 1:
            break;  // missing
        case 2:
            Put(root, path, name, REG_DWORD, &number, 4);
            break;
        case 3: {
            const DWORD small = Below(4) == 0 ? 0xFFFFFFFFu : Below(4);
            Put(root, path, name, REG_DWORD, &small, 4);
            break;
        }
        case 4:
        case 5:
        case 6:
            if (written != places_.writtenData.end()) {
                const auto& data = written->second[Below(static_cast<uint32_t>(written->second.size()))];
                Put(root, path, name, data.first, data.second.data(), data.second.size());
            } else {
                PutText(root, path, name, REG_SZ, words[Below(12)]);
            }
            break;
        case 7: {
            const uint64_t wide = (static_cast<uint64_t>(Next()) << 32) | number;
            Put(root, path, name, REG_DWORD, &wide, Below(2) ? 8 : 1 + Below(3));  // damaged sizes
            break;
        }
        case 8:
            Put(root, path, name, REG_SZ, L"", Below(2) ? 2 : 0);  // empty, with or without terminator
            break;
        case 9: {
            std::wstring text(100000, L'x');
            for (wchar_t& c : text)
                c = static_cast<wchar_t>(L'0' + Below(75));
            PutText(root, path, name, REG_SZ, text);
            break;
        }
        case 10: {
            // No terminator: the bytes after the text in memory are not zero.
            const std::wstring text = std::wstring(words[Below(12)]) + L"Z";
            Put(root, path, name, REG_SZ, text.c_str(), (text.size() - 1) * sizeof(wchar_t));
            break;
        }
        case 11: {
            const std::wstring text = words[Below(12)];
            Put(root, path, name, REG_SZ, text.c_str(), text.size() * sizeof(wchar_t) + 1);  // odd byte count
            break;
        }
        case 12:
            PutText(root, path, name, REG_SZ, words[Below(12)]);
            break;
        case 13: {
            const uint64_t quad = (static_cast<uint64_t>(Next()) << 32) | Below(3);
            Put(root, path, name, REG_QWORD, &quad, 8);
            break;
        }
        case 14: {
            std::vector<BYTE> bytes(Below(64));
            for (BYTE& b : bytes)
                b = static_cast<BYTE>(Next());
            Put(root, path, name, REG_BINARY, bytes.data(), bytes.size());
            break;
        }
        default: {
            const wchar_t multi[] = L"1\0yes\0\0";
            if (Below(2))
                Put(root, path, name, REG_MULTI_SZ, multi, sizeof(multi));
            else
                PutText(root, path, name, Below(2) ? REG_EXPAND_SZ : REG_NONE, words[Below(12)]);
            break;
        }
        }
    }

    std::mt19937 random_;
    const PagePlaces& places_;
};

// What a backup of the page holds, item by item, against what the reads find now.
std::string BackupDifferences(const QmThisApp& app, int page)
{
    BackupList items;
    QmWString text;
    BackupFile file;
    BackupFileError error;
    if (!BackupItemsOf(app, page, items) || !BuildPageBackup(app, page, QmWString(L"2009_2_26_14_5_9"), text))
        return "no backup";
    if (!ParseBackupText(std::wstring(text.CStr()), file, error))
        return "unreadable backup, line " + std::to_string(error.line);
    if (file.items.size() != items.Items().size())
        return "items lost";
    std::string out;
    for (size_t i = 0; i < file.items.size(); ++i) {
        const BackupItem& item = items.Items()[i];
        const SavedItem& saved = file.items[i];
        int status = 0, exists = 0;
        DWORD number = 0;
        QmWString value;
        bool same = false;
        if (item.kind == BackupItem::Kind::Dword) {
            status = ReadDwordValue(number, item.root, item.keyPath, item.valueName);
            same = saved.number == number;
        } else if (item.kind == BackupItem::Kind::Text) {
            status = ReadStringValue(value, item.root, item.keyPath, item.valueName);
            same = saved.text == value.CStr();
        } else {
            status = ReadKeyExists(exists, item.root, item.keyPath);
            same = true;
        }
        if (saved.status != status || !same)
            out += "item " + std::to_string(i) + " differs\n";
    }
    return out;
}

class FuzzedRegistry : public HardeningTest, public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(FuzzedRegistry, PagesShowPossibleStatesAndApplyOnlyTheirOwnPlacesTwiceAlike)
{
    const int system = std::get<0>(GetParam());
    const PagesPlaces& learnt = PlacesOn(system);
    PagePlaces everyPage;
    for (int page = 0; page < kTweakPageCount; ++page) {
        everyPage.Merge(learnt[page]);
        AddKnownWrites(page, everyPage);
    }
    StartSystem(kTestSystems[system]);
    RandomRegistry(static_cast<unsigned>(std::get<1>(GetParam())), everyPage).Fill();

    for (int page = 0; page < kTweakPageCount; ++page) {
        ShowAndRead(page);
        EXPECT_EQ("", ImpossibleStates(Window())) << "page " << page;
        EXPECT_EQ("", BackupDifferences(App(), page)) << "page " << page;
    }
    for (int page = 0; page < kTweakPageCount; ++page) {
        ShowAndRead(page);
        const testreg::Snapshot before = testreg::TakeSnapshot();
        std::vector<RegistryInterceptor::Call> calls;
        {
            RegistryInterceptor registry;
            ASSERT_EQ(0, Apply()) << "page " << page;
            calls = registry.Calls();
        }
        const testreg::Snapshot once = testreg::TakeSnapshot();
        const PagePlaces records = Records(page);
        EXPECT_EQ("", WritesOutside(calls, records)) << "page " << page;
        PagePlaces allowed = records;
        allowed.AddWrites(calls);
        EXPECT_EQ("", ChangesOutside(before, once, allowed)) << "page " << page;
        EXPECT_EQ("", ImpossibleStates(Window())) << "page " << page << " after its apply";
        ASSERT_EQ(0, Apply()) << "page " << page;
        EXPECT_EQ("", testreg::Differences(once, testreg::TakeSnapshot())) << "page " << page << ", second apply";
    }
}

std::string Name(const ::testing::TestParamInfo<std::tuple<int, int>>& info)
{
    return std::string(kTestSystems[std::get<0>(info.param)].name) + "Seed" + std::to_string(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Seeds, FuzzedRegistry,
                         ::testing::Combine(::testing::Range(0, kTestSystemCount), ::testing::ValuesIn(kSeeds)), Name);

}  // namespace
