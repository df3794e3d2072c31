// Which Windows the program runs on, from version facts a test gives and from the registry;
// and restart through a recording stand-in of the shutdown calls (the real calls never run
// here: for the whole program a guard fails any call no test expected).
#include "platform/OsIdentity.h"
#include "platform/QmSystem.h"
#include "platform/ShutdownApi.h"

#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistrySandbox.h"

#include <cwchar>
#include <string>
#include <vector>

namespace {

const BYTE kWs = VER_NT_WORKSTATION, kSrv = VER_NT_SERVER;
const WORD kX86 = 0, kAmd64 = 9;

OsVersionFacts Facts(DWORD major, DWORD minor, BYTE productType, WORD suite = 0x100, WORD architecture = kX86,
                     bool serverR2 = false, const wchar_t* servicePack = L"")
{
    OsVersionFacts facts;
    facts.platformId = VER_PLATFORM_WIN32_NT;
    facts.majorVersion = major;
    facts.minorVersion = minor;
    facts.buildNumber = 2600;
    facts.extended = true;
    facts.productType = productType;
    facts.suiteMask = suite;
    facts.processorArchitecture = architecture;
    facts.serverR2 = serverR2;
    wcsncpy(facts.servicePack, servicePack, 127);
    return facts;
}

int CodeOf(const OsVersionFacts& facts)
{
    OsIdentity identity;
    EXPECT_EQ(1, DescribeOs(facts, identity));
    return OsCodeFromProductName(identity.productName);
}

// Only XP (108), Vista (113) and 7 (116) pass the version gate; their neighbours must not.
TEST(OsIdentity, EachWindowsGetsItsCode)
{
    // what  facts  code
    const struct {
        const char* what;
        OsVersionFacts facts;
        int code;
    } cases[] = {
        {"XP", Facts(5, 1, kWs), 108},
        {"XP Professional x64", Facts(5, 2, kWs, 0x100, kAmd64), 109},
        {"Server 2003 R2", Facts(5, 2, kSrv, 0x112, kX86, true), 111},
        {"Vista x64", Facts(6, 0, kWs, 0x300, kAmd64), 113},
        {"Server 2008", Facts(6, 0, kSrv, 0x112), 114},
        {"7", Facts(6, 1, kWs), 116},
        {"Server 2008 R2", Facts(6, 1, kSrv, 0x110, kAmd64), 115},
        {"8", Facts(6, 2, kWs), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, CodeOf(c.facts)) << c.what;
    // Names compare ignoring case and width, never by a prefix.
    EXPECT_EQ(108, OsCodeFromProductName(L"MICROSOFT WINDOWS XP"));
    EXPECT_EQ(0, OsCodeFromProductName(L"Windows 7 "));
}

TEST(OsIdentity, ALongServicePackTextIsCut)
{
    OsIdentity identity;
    EXPECT_EQ(1, DescribeOs(Facts(5, 1, kWs, 0x100, kX86, false, std::wstring(127, L'x').c_str()), identity));
    EXPECT_EQ(L"(Build: " + std::wstring(119, L'x'), identity.servicePackText);
}

// A system whose version facts are given by the test; the registry facts come from the sandbox.
class GivenSystem : public QmSystem {
public:
    bool readable = true;
    OsVersionFacts given = Facts(6, 1, kWs);

protected:
    bool ReadVersionFacts(OsVersionFacts& facts) override
    {
        facts = given;
        return readable;
    }
};

using QmSystemRegistry = RegistryTest;

TEST_F(QmSystemRegistry, TheVersionServicePackAndBrowserOfTheSystem)
{
    const wchar_t kNtKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    const wchar_t kIeKey[] = L"SOFTWARE\\Microsoft\\Internet Explorer";
    GivenSystem system;
    EXPECT_EQ(116, system.GetOsCode());
    EXPECT_EQ(0, system.GetServicePackNumber());  // no values
    EXPECT_EQ(0, system.GetIeMajorVersion());
    testreg::SetString(HKEY_LOCAL_MACHINE, kNtKey, L"CSDVersion", L"Service Pack 3");
    testreg::SetString(HKEY_LOCAL_MACHINE, kIeKey, L"Version", L"8.0.6001.18702");
    EXPECT_EQ(3, system.GetServicePackNumber());
    EXPECT_EQ(8, system.GetIeMajorVersion());
    // An unreadable version names nothing.
    GivenSystem unknown;
    unknown.readable = false;
    EXPECT_EQ(0, unknown.GetOsCode());
    EXPECT_EQ(L"", std::wstring(unknown.ProductName()));
}

HANDLE const kToken = reinterpret_cast<HANDLE>(0x1234);

// Records every step and what it was given as one line each; each step can be made to fail.
// The guard stands in for the real calls while this program runs and fails any test that
// would reach them.
class RecordingShutdown : public ShutdownApi {
public:
    explicit RecordingShutdown(bool guard = false) : guard_(guard), previous_(ReplaceShutdownApi(this)) {}
    ~RecordingShutdown() override { ReplaceShutdownApi(previous_); }

    std::string failing;  // the step that fails
    std::vector<std::string> steps;

    BOOL OpenToken(DWORD access, HANDLE* token) override
    {
        const BOOL opened = Step("open token " + std::to_string(access == (TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY)));
        if (opened)
            *token = kToken;
        return opened;
    }
    BOOL LookupPrivilege(const wchar_t* name, LUID* luid) override
    {
        *luid = LUID{19, 0};
        return Step("look up " + testreg::Narrow(name));
    }
    DWORD AdjustPrivileges(HANDLE token, TOKEN_PRIVILEGES& state) override
    {
        const bool ours = token == kToken && state.PrivilegeCount == 1 && state.Privileges[0].Luid.LowPart == 19;
        const bool enable = state.Privileges[0].Attributes == SE_PRIVILEGE_ENABLED;
        return Step(std::string(enable ? "enable" : "disable") + (ours ? "" : " something else")) ? ERROR_SUCCESS
                                                                                                    : ERROR_NOT_ALL_ASSIGNED;
    }
    BOOL InitiateShutdown(wchar_t* text, DWORD seconds, BOOL force, BOOL restart) override
    {
        return Step("shut down " + testreg::Narrow(text ? text : L"(null)") + " " + std::to_string(seconds) + " s" +
                    (force ? " forced" : "") + (restart ? " restart" : ""));
    }
    BOOL AbortShutdown() override { return Step("abort"); }
    BOOL ExitSession(UINT, DWORD) override { return Step("exit"); }
    BOOL CloseToken(HANDLE token) override { return Step(token == kToken ? "close token" : "close another handle"); }

private:
    BOOL Step(const std::string& step)
    {
        steps.push_back(step);
        if (guard_)
            ADD_FAILURE() << step << " reached the guard: the real call would have run";
        return !guard_ && step.compare(0, failing.size() ? failing.size() : std::string::npos, failing) != 0;
    }
    bool guard_;
    ShutdownApi* previous_;
};

RecordingShutdown guard(true);

using Steps = std::vector<std::string>;

// The privilege is enabled only while asking, the token always closed; a failed step stops.
TEST(Shutdown, EnablesThePrivilegeOnlyWhileAskingAndStopsAtAFailure)
{
    const Steps whole = {"open token 1", "look up SeShutdownPrivilege", "enable", "shut down 重新啟動 0 s restart", "disable",
                         "close token"};
    RecordingShutdown restart;
    EXPECT_EQ(1, QmSystemBase().Shutdown(true, L"\x91CD\x65B0\x555F\x52D5", 0, false));
    EXPECT_EQ(whole, restart.steps);
    RecordingShutdown powerOff;
    EXPECT_EQ(1, QmSystemBase().Shutdown(false, nullptr, 30, true));
    EXPECT_EQ("shut down (null) 30 s forced", powerOff.steps[3]);
    // the failing step  the steps taken
    const struct {
        const char* failing;
        Steps steps;
    } cases[] = {
        {"enable", {whole[0], whole[1], whole[2], whole[5]}},
        {"shut down", whole},
    };
    for (const auto& c : cases) {
        RecordingShutdown calls;
        calls.failing = c.failing;
        EXPECT_EQ(0, QmSystemBase().Shutdown(true, L"\x91CD\x65B0\x555F\x52D5", 0, false)) << c.failing;
        EXPECT_EQ(c.steps, calls.steps) << c.failing;
    }
}

}  // namespace
