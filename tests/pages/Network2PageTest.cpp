#include "tests/pages/PageTest.h"

namespace {

// The eighteen pairs (kBoxes, kCombos), numbered from 1 as the page numbers them: the value
// each writes first, and the length of its choice list.
const struct { HKEY root; const wchar_t* name; int choices; } kPairs[] = {
    {},
    {kMachine, L"MTU", 15}, {kMachine, L"DefaultTTL", 20}, {kMachine, L"TcpTimedWaitDelay", 271},
    {kMachine, L"ForwardBufferMemory", 100}, {kMachine, L"NumForwardPackets", 105}, {kMachine, L"KeepAliveTime", 7},
    {kMachine, L"KeepAliveInterval", 10}, {kMachine, L"TcpMaxDataRetransmissions", 31},
    {kMachine, L"TcpMaxConnectRetransmissions", 31}, {kMachine, L"IGMPLevel", 3}, {kMachine, L"TcpNumConnections", 41},
    {kUser, L"MaxConnectionsPerServer", 1000}, {kMachine, L"TcpWindowSize", 31}, {kUser, L"KeepAliveTimeout", 33},
    {kMachine, L"SynAttackProtect", 3}, {kMachine, L"TcpMaxPortsExhausted", 37}, {kMachine, L"TcpMaxHalfOpen", 23},
    {kMachine, L"TcpMaxHalfOpenRetried", 23},
};
const int kPairCount = 18;
const int kDownloads = 12;  // pairs with a second value
const int kTimeouts = 14;

const wchar_t* KeyOf(int pair)
{
    return kPairs[pair].root == kUser ? L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings" : kTcpip;
}
const wchar_t* SecondName(int pair)
{
    return pair == kDownloads ? L"MaxConnectionsPer1_0Server" : pair == kTimeouts ? L"ServerInfoTimeout" : nullptr;
}
void PutPair(int pair, const Data& first, const Data& second)
{
    Put(kPairs[pair].root, KeyOf(pair), kPairs[pair].name, first);
    if (SecondName(pair))
        Put(kPairs[pair].root, KeyOf(pair), SecondName(pair), second);
}
::testing::AssertionResult Holds(int pair, const Data& data, bool second = false)
{
    return Holds(kPairs[pair].root, KeyOf(pair), second ? SecondName(pair) : kPairs[pair].name, data);
}

class Network2Page : public PageTest {
protected:
    std::wstring Text(int pair, int position) { return App().Combo(kCombos[pair - 1])->GetItemText(position).CStr(); }
};

// A choice: its text and the number it writes.
struct Choice {
    int pair, position;
    const wchar_t* text;
    DWORD number;
};
const std::vector<Choice> kChoices = {
    {1, 0, L"68 KB (最小)", 68}, {1, 5, L"1.5 M", 1500}, {1, 14, L"預設值", 0xFFFFFFFF}, {2, 11, L"128 (XP 預設)", 128},
    {2, 19, L"255 (建議)", 255}, {3, 0, L"30", 30}, {3, 90, L"120 (IPv4 建議)", 120}, {3, 270, L"300", 300},
    {4, 0, L"74240 (預設)", 74240}, {4, 10, L"99840", 99840}, {4, 11, L"130560", 130560}, {4, 99, L"2608640", 2608640},
    {5, 5, L"290 *", 290}, {5, 104, L"10190", 10190}, {6, 6, L"2 小時 (預設)", 7200000}, {7, 9, L"10 秒", 10000},
    {8, 0, L"0次", 0}, {8, 30, L"30次", 30}, {9, 3, L"3次 (建議)", 3}, {10, 2, L"完全多點傳送 (預設)", 2},
    {11, 9, L"900", 900}, {11, 10, L"1000", 1000}, {11, 40, L"最大 (預設)", 16777214}, {12, 999, L"1000", 1000},
    {13, 15, L"65044", 65044}, {13, 16, L"縮放比例 0", 65535}, {13, 30, L"縮放比例 14", 1073725440},
    {14, 0, L"15 秒", 0x15000}, {14, 4, L"2 分鐘", 0x120000}, {14, 5, L"3 分鐘", 0x180000}, {14, 29, L"55 分鐘", 0x3300000},
    {14, 30, L"1 小時", 0x3600000}, {14, 32, L"2 小時", 119537664}, {15, 2, L"最好保護", 2},
    {16, 4, L"5 (建議)", 5}, {16, 27, L"100", 100}, {16, 28, L"200", 200}, {17, 4, L"100", 100}, {17, 5, L"150", 150},
    {18, 22, L"1000", 1000},
};

TEST_F(Network2Page, EveryChoiceListFollowsItsRuleAtItsEndsAndSteps)
{
    Start(kPageNetwork2, kWin7);
    for (int pair = 1; pair <= kPairCount; ++pair)
        EXPECT_EQ(kPairs[pair].choices, App().Combo(kCombos[pair - 1])->GetCount()) << "pair " << pair;
    for (const Choice& c : kChoices) {
        const std::string what = "pair " + std::to_string(c.pair) + " at " + std::to_string(c.position);
        PutPair(c.pair, Dw(7777777), Dw(7777777));  // in no list
        SetBox(kBoxes[c.pair - 1], true);
        Select(kCombos[c.pair - 1], c.position);
        EXPECT_EQ(c.text, Text(c.pair, c.position)) << what;
        ASSERT_EQ(0, Apply());
        EXPECT_TRUE(Holds(c.pair, Dw(c.number))) << what;
        if (SecondName(c.pair)) {  // the short timeouts go without the second value
            EXPECT_TRUE(Holds(c.pair, c.pair == kTimeouts && c.position < 5 ? kAbsent : Dw(c.number), true)) << what;
        }
        EXPECT_TRUE(BoxChecked(kBoxes[c.pair - 1]) && Selection(kCombos[c.pair - 1]) == c.position) << what << " read back";
    }
}

// What a pair shows for the values in the registry (-1: cleared, no choice).
struct Reading {
    int pair;
    Data first, second;
    int position;
};
const std::vector<Reading> kReadings = {
    {1, Dw(1492), kAbsent, -1}, {1, Sz(L"1500"), kAbsent, -1}, {3, Dw(29), kAbsent, -1}, {3, Dw(301), kAbsent, -1},
    {12, Dw(10), Dw(4), -1}, {12, Dw(10), kAbsent, -1}, {12, Dw(10), Dw(10), 9}, {5, Dw(290), kAbsent, 5},
    {14, Dw(0x30000), Dw(0x99), 1}, {14, Dw(0x300000), kAbsent, -1}, {14, Dw(0x300000), Dw(0x300000), 7},
    {14, Dw(0x300000), Dw(0x3600000), -1}, {14, kAbsent, Dw(0x30000), -1},
};

TEST_F(Network2Page, ReadsFindTheChoiceOrClearThePair)
{
    Start(kPageNetwork2, kWin7);
    for (const Reading& r : kReadings) {
        PutPair(r.pair, r.first, r.second);
        Reread();
        EXPECT_TRUE(BoxChecked(kBoxes[r.pair - 1]) == (r.position >= 0) && Selection(kCombos[r.pair - 1]) == r.position)
            << "pair " << r.pair << " expecting " << r.position;
        if (r.position >= 0)
            continue;
        // Applied cleared, a pair deletes its values, but the downloads pair; every second one is
        // checked without a choice instead, and writes nothing.
        const bool checked = (&r - kReadings.data()) % 2;
        SetBox(kBoxes[r.pair - 1], checked);
        ASSERT_EQ(0, Apply());
        const bool kept = checked || r.pair == kDownloads;
        EXPECT_TRUE(Holds(r.pair, kept ? r.first : kAbsent) && (!SecondName(r.pair) || Holds(r.pair, kept ? r.second : kAbsent, true)))
            << "pair " << r.pair << (checked ? " checked" : " cleared");
    }
}

}  // namespace
