// Whatever the registry holds, every page shows a possible state and its apply changes only
// its own places, the same way twice. For a fixed set of seeds, every value and key any page
// reads on the system (learnt from the pages' own registry calls) is filled with random data
// of random types, or left out; then every page is shown, read and backed up, and applied
// twice.
#include "backup/Backup.h"
#include "backup/BackupRestore.h"
#include "tests/hardening/ControlStates.h"
#include "tests/hardening/HardeningFixture.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <cstdint>
#include <iterator>
#include <random>
#include <tuple>

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
        std::set<std::wstring> places(places_.read), keysWithValues;
        places.insert(places_.written.begin(), places_.written.end());
        for (const std::wstring& value : places)
            if (IsValuePlace(value)) {
                FillValue(value);
                keysWithValues.insert(KeyOfPlace(value));
            }
        for (const std::wstring& key : places) {
            HKEY root = nullptr;
            std::wstring path, name;
            if (IsValuePlace(key) || !SplitPlace(key, root, path, name) || path.empty())
                continue;
            if (keysWithValues.count(key)) {
                if (Below(100) < 8) {
                    SHDeleteKeyW(root, path.c_str());  // the whole key missing
                    continue;
                }
            } else if (Below(2)) {
                testreg::CreateKey(root, path);  // a key whose existence is the setting
                if (Below(3) == 0)
                    FillValue(Place(root, path, L""));
            }
            // A subkey of someone else's keeps a key from being deleted.
            if (testreg::KeyExists(root, path) && Below(10) == 0)
                testreg::CreateKey(root, path + L"\\Zentrak fuzz");
        }
    }

private:
    uint32_t Next() { return static_cast<uint32_t>(random_()); }
    uint32_t Below(uint32_t bound) { return Next() % bound; }

    void FillValue(const std::wstring& place)
    {
        HKEY root = nullptr;
        std::wstring path, name;
        if (!SplitPlace(place, root, path, name))
            return;
        auto put = [&](DWORD type, const void* data, size_t bytes) {
            testreg::SetRaw(root, path, name, type, data, static_cast<DWORD>(bytes));
        };
        auto putText = [&](DWORD type, const std::wstring& text) { put(type, text.c_str(), (text.size() + 1) * 2); };
        // Texts the pages look for, and texts that mean something in a backup file.
        const wchar_t* const words[] = {L"0", L"1",    L"2",          L"yes",    L"no",         L"Y",
                                        L"N", L"5000", L"2147483648", L"a\r\nb", L"x\n</Data>", L"</DataArea>"};
        const std::wstring word = words[Below(12)];
        const uint64_t number = static_cast<uint64_t>(Next()) << 32 | Next();
        const auto written = places_.writtenData.find(place);
        switch (Below(16)) {
        case 0:
        case 1:
            break;  // missing
        case 2:
            put(REG_DWORD, &number, 4);
            break;
        case 3: {
            const DWORD small = Below(4) == 0 ? 0xFFFFFFFFu : Below(4);
            put(REG_DWORD, &small, 4);
            break;
        }
        case 4:
        case 5:
        case 6:
            if (written == places_.writtenData.end()) {
                putText(REG_SZ, word);
            } else {
                const auto& data =
                    *std::next(written->second.begin(), Below(static_cast<uint32_t>(written->second.size())));
                put(data.first, data.second.data(), data.second.size());
            }
            break;
        case 7:
            put(REG_DWORD, &number, Below(2) ? 8 : 1 + Below(3));  // damaged sizes
            break;
        case 8:
            put(REG_SZ, L"", Below(2) ? 2 : 0);  // empty, with or without terminator
            break;
        case 9: {
            std::wstring text(100000, L'x');
            for (wchar_t& c : text)
                c = static_cast<wchar_t>(L'0' + Below(75));
            putText(REG_SZ, text);
            break;
        }
        case 10:
            put(REG_SZ, (word + L"Z").c_str(), word.size() * 2);  // no terminator, and no zero after it
            break;
        case 11:
            put(REG_SZ, word.c_str(), word.size() * 2 + 1);  // odd byte count
            break;
        case 12:
            putText(REG_SZ, word);
            break;
        case 13: {
            const uint64_t quad = (number & ~0xFFFFFFFFull) | Below(3);  // a small number in the low half
            put(REG_QWORD, &quad, 8);
            break;
        }
        case 14: {
            std::vector<BYTE> bytes(Below(64));
            for (BYTE& b : bytes)
                b = static_cast<BYTE>(Next());
            put(REG_BINARY, bytes.data(), bytes.size());
            break;
        }
        default:
            if (Below(2))
                put(REG_MULTI_SZ, L"1\0yes\0", 14);
            else
                putText(Below(2) ? REG_EXPAND_SZ : REG_NONE, word);
            break;
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
    const bool read = ParseBackupText(std::wstring(text.CStr()), file, error);
    // A text longer than a backup may hold ends the file there: the backup writer refuses
    // such a page. Every item before it must still have been saved as it reads.
    const size_t stop = file.items.size();
    const bool tooLong = !read && error.problem == BackupProblem::kTextTooLong && stop < items.Items().size() &&
                         ReadCurrentState(items.Items()[stop]).text.size() > kMaxBackupTextLength;
    if (!read && !tooLong)
        return "unreadable backup, line " + std::to_string(error.line);
    if (read && file.items.size() != items.Items().size())
        return "items lost";
    std::string out;
    for (size_t i = 0; i < file.items.size(); ++i) {
        const CurrentState now = ReadCurrentState(items.Items()[i]);
        if (file.items[i].status != now.status || !HoldsSavedState(file.items[i], now))
            out += "item " + std::to_string(i) + " differs\n";
    }
    return out;
}

class FuzzedRegistry : public HardeningTest, public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(FuzzedRegistry, PagesShowPossibleStatesAndApplyOnlyTheirOwnPlacesTwiceAlike)
{
    const int system = std::get<0>(GetParam());
    PagePlaces everyPage;
    for (int page = 0; page < kTweakPageCount; ++page) {
        everyPage.Merge(PlacesOn(system)[page]);
        for (const std::wstring& place : KnownWrites(page))
            everyPage.written.insert(place);
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
        ASSERT_EQ(0, Apply()) << "page " << page;
        const testreg::Snapshot once = testreg::TakeSnapshot();
        EXPECT_EQ("", ChangesOutside(before, once, PlacesNamedBy(page))) << "page " << page;
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
