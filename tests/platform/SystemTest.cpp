// Which Windows the program runs on, from the version facts a test gives: the servers and
// 64-bit XP that the real runs under Wine cannot show must not pass the version gate. Then the
// other texts of the system that the program decides by, and the restart it asks for.
#include "platform/OsIdentity.h"
#include "platform/QmLocale.h"
#include "platform/QmSystem.h"
#include "platform/ShutdownApi.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <tuple>

namespace {

const BYTE kWs = VER_NT_WORKSTATION, kSrv = VER_NT_SERVER;
const WORD kX86 = 0, kAmd64 = 9;

OsVersionFacts Facts(DWORD major, DWORD minor, BYTE productType, WORD suite = 0x100, WORD architecture = kX86, bool serverR2 = false)
{
    return {VER_PLATFORM_WIN32_NT, major, minor, 2600, L"", true, suite, productType, architecture, serverR2};
}

// Only XP (108), Vista (113) and 7 (116) pass the version gate; their neighbours must not.
TEST(OsIdentity, EachWindowsGetsItsCodeAndALongServicePackIsCut)
{
    const std::pair<OsVersionFacts, int> cases[] = {
        {Facts(5, 2, kWs, 0x100, kAmd64), 109},       // XP Professional x64
        {Facts(5, 2, kSrv, 0x112, kX86, true), 111},  // Server 2003 R2
        {Facts(6, 0, kWs, 0x300, kAmd64), 113},       // Vista x64
        {Facts(6, 1, kSrv, 0x110, kAmd64), 115},      // Server 2008 R2
    };
    OsIdentity identity;
    for (const auto& c : cases) {
        EXPECT_EQ(1, DescribeOs(c.first, identity));
        EXPECT_EQ(c.second, OsCodeFromProductName(identity.productName)) << "case " << &c - cases;
    }
    // Names compare ignoring case and width, as every text comparison of the program, and
    // never by a prefix.
    EXPECT_EQ(108, OsCodeFromProductName(L"MICROSOFT WINDOWS \xFF38\xFF30"));  // full-width "XP"
    EXPECT_EQ(0, OsCodeFromProductName(L"Windows 7 "));
    // A service-pack text as long as the system's field is cut to fit the program's.
    OsVersionFacts facts = Facts(5, 1, kWs);
    wcsncpy(facts.servicePack, std::wstring(127, L'x').c_str(), 127);
    EXPECT_EQ(1, DescribeOs(facts, identity));
    EXPECT_EQ(L"(Build: " + std::wstring(119, L'x'), identity.servicePackText);
}

// Each text through every reader of such texts: a service-pack number only from "Service Pack
// 1" to "5" (rows depend on it), the browser's major version from its first digit, a code page
// only from at most five decimal digits (any other locale field refuses the program).
TEST(SystemTexts, AreReadStrictly)
{
    // text  service pack, browser, code page
    const std::pair<const wchar_t*, std::tuple<int, int, int>> cases[] = {
        {L"Service Pack 1", {1, 0, -1}}, {L"service pack 5", {5, 0, -1}}, {L"Service Pack 6a", {0, 0, -1}},
        {L"Service Pack 3, v.3311", {0, 0, -1}}, {L"9.11.9600.18376", {0, 9, -1}}, {L"10.0", {0, 1, -1}}, {L"950", {0, 9, 950}},
        {L"65001", {0, 6, 65001}}, {L"95a", {0, 9, -1}}, {L"+950", {0, 0, -1}}, {L"950 ", {0, 9, -1}}, {L"999999", {0, 9, -1}},
        {L"\xFF19\xFF15\xFF10", {0, 0, -1}}, {L"", {0, 0, -1}}, {nullptr, {0, 0, -1}}};
    for (const auto& c : cases)
        EXPECT_EQ(c.second, std::make_tuple(ServicePackNumberFromText(c.first), IeMajorVersionFromText(c.first), ParseCodePage(c.first)))
            << "case " << &c - cases;
}

// Every shutdown call answered here and written down; the step named `failing` fails. Nothing
// really shuts down.
struct ShutdownSteps : ShutdownApi {
    explicit ShutdownSteps(const wchar_t* fail) : failing(fail), previous(ReplaceShutdownApi(this)) {}
    ~ShutdownSteps() override { ReplaceShutdownApi(previous); }
    BOOL Step(const std::wstring& step) { return steps += step + L" ", step != failing; }
    BOOL OpenToken(DWORD, HANDLE* token) override { return (*token = Step(L"open") ? this : nullptr) != nullptr; }
    BOOL LookupPrivilege(const wchar_t* name, LUID* luid) override { return *luid = {19, 7}, Step(name); }
    DWORD AdjustPrivileges(HANDLE token, TOKEN_PRIVILEGES& set) override
    {
        const bool ours = token == this && set.PrivilegeCount == 1 && set.Privileges[0].Luid.HighPart == 7;
        return Step(ours ? L"set" + std::to_wstring(set.Privileges[0].Attributes) : L"set?") ? ERROR_SUCCESS : ERROR_NOT_ALL_ASSIGNED;
    }
    BOOL InitiateShutdown(wchar_t* text, DWORD seconds, BOOL force, BOOL restart) override
    {
        return Step(std::wstring(text ? text : L"") + L"/" + std::to_wstring(seconds) + (force ? L"/force" : L"") + (restart ? L"/restart" : L""));
    }
    BOOL AbortShutdown() override { return Step(L"abort"); }
    BOOL ExitSession(UINT, DWORD) override { return Step(L"logoff"); }
    BOOL CloseToken(HANDLE token) override { return Step(token == this ? L"close" : L"close?"); }
    std::wstring steps, failing;
    ShutdownApi* previous;
};

// The restart: the privilege is on only while asking, and a step that fails ends the request
// with the privilege off again and the token closed.
TEST(Shutdown, ThePrivilegeIsOnOnlyWhileAskingAndAFailedStepEndsTheRequest)
{
    const wchar_t all[] = L"open SeShutdownPrivilege set2 Zentrak/0/restart set0 close ";
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"", all}, {L"open", L"open "}, {L"SeShutdownPrivilege", L"open SeShutdownPrivilege close "},
        {L"set2", L"open SeShutdownPrivilege set2 close "}, {L"Zentrak/0/restart", all}};
    for (const auto& c : cases) {
        ShutdownSteps calls(c.first);
        EXPECT_EQ(*c.first ? 0 : 1, QmSystemBase().Shutdown(true, L"Zentrak", 0, false)) << "failing: " << c.first;
        EXPECT_EQ(c.second, calls.steps);
    }
}

}  // namespace
