// Restart and power-off through a recording stand-in of the shutdown calls. The real
// calls never run here: for the whole program a guard answers any call no test expected.
#include "platform/QmSystem.h"
#include "platform/ShutdownApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HANDLE const kToken = reinterpret_cast<HANDLE>(0x1234);
const LUID kShutdownLuid = {19, 0};

// Records every step and what it was given; each step can be made to fail.
class RecordingShutdown : public ShutdownApi {
public:
    explicit RecordingShutdown(bool guard = false) : guard_(guard), previous_(ReplaceShutdownApi(this)) {}
    ~RecordingShutdown() override { ReplaceShutdownApi(previous_); }

    bool tokenOpens = true, privilegeKnown = true, accepted = true;
    DWORD enableAnswer = ERROR_SUCCESS;  // ERROR_NOT_ALL_ASSIGNED: the account lacks the privilege
    std::vector<std::string> steps;
    std::wstring message;
    DWORD timeout = 99;
    BOOL force = 99, restart = 99;

    BOOL OpenToken(DWORD access, HANDLE* token) override
    {
        EXPECT_EQ(DWORD(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY), access);
        if (tokenOpens)
            *token = kToken;
        return Step("open token") && tokenOpens;
    }
    BOOL LookupPrivilege(const wchar_t* name, LUID* luid) override
    {
        EXPECT_STREQ(L"SeShutdownPrivilege", name);
        *luid = kShutdownLuid;
        return Step("look up") && privilegeKnown;
    }
    DWORD AdjustPrivileges(HANDLE token, TOKEN_PRIVILEGES& state) override
    {
        EXPECT_TRUE(token == kToken && state.PrivilegeCount == 1 && state.Privileges[0].Luid.LowPart == kShutdownLuid.LowPart);
        const bool enable = state.Privileges[0].Attributes == SE_PRIVILEGE_ENABLED;
        Step(enable ? "enable" : "disable");
        return enable ? enableAnswer : ERROR_SUCCESS;
    }
    BOOL InitiateShutdown(wchar_t* text, DWORD seconds, BOOL forceAppsClosed, BOOL reboot) override
    {
        message = text ? text : L"(null)";
        timeout = seconds, force = forceAppsClosed, restart = reboot;
        return Step("shut down") && accepted;
    }
    BOOL AbortShutdown() override { return Step("abort"); }
    BOOL ExitSession(UINT, DWORD) override { return Step("exit"); }
    BOOL CloseToken(HANDLE token) override { return Step(token == kToken ? "close token" : "close another handle"); }

private:
    BOOL Step(const char* name)
    {
        steps.push_back(name);
        if (guard_)
            ADD_FAILURE() << name << " reached the guard: the real call would have run";
        return !guard_;
    }
    bool guard_;
    ShutdownApi* previous_;
};

// Stands in for the real calls while this program runs.
RecordingShutdown guard(true);

using Steps = std::vector<std::string>;

TEST(Shutdown, EnablesThePrivilegeOnlyWhileAsking)
{
    const wchar_t restartText[] = L"\x91CD\x65B0\x555F\x52D5";
    for (bool restart : {true, false}) {
        RecordingShutdown calls;
        QmSystemBase system;
        EXPECT_EQ(1, restart ? system.Shutdown(true, restartText, 0, false) : system.Shutdown(false, nullptr, 30, true));
        EXPECT_EQ((Steps{"open token", "look up", "enable", "shut down", "disable", "close token"}), calls.steps);
        EXPECT_EQ(restart ? restartText : L"(null)", calls.message);
        EXPECT_EQ(restart ? 0u : 30u, calls.timeout);
        EXPECT_EQ(BOOL(!restart), calls.force);
        EXPECT_EQ(BOOL(restart), calls.restart);
    }
}

TEST(Shutdown, EveryFailureStopsAndCleansUp)
{
    struct Case {
        const char* what;
        void (*arrange)(RecordingShutdown&);
        Steps steps;
    } cases[] = {
        {"token cannot be opened", [](RecordingShutdown& c) { c.tokenOpens = false; }, {"open token"}},
        {"privilege unknown", [](RecordingShutdown& c) { c.privilegeKnown = false; },
         {"open token", "look up", "close token"}},
        {"privilege not held", [](RecordingShutdown& c) { c.enableAnswer = ERROR_NOT_ALL_ASSIGNED; },
         {"open token", "look up", "enable", "close token"}},
        {"shutdown refused", [](RecordingShutdown& c) { c.accepted = false; },
         {"open token", "look up", "enable", "shut down", "disable", "close token"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingShutdown calls;
        c.arrange(calls);
        QmSystemBase system;
        EXPECT_EQ(0, system.Shutdown(true, L"", 0, false));
        EXPECT_EQ(c.steps, calls.steps);
    }
}

}  // namespace
