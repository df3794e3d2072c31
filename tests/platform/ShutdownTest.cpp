// Restart, abort and log-off through a recording stand-in of the shutdown calls. The real
// calls never run here: for the whole program a guard answers any call no test expected.
#include "platform/QmSystem.h"
#include "platform/ShutdownApi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HANDLE const kToken = reinterpret_cast<HANDLE>(0x1234);
const LUID kShutdownLuid = {19, 0};

// Records every step; each can be made to fail.
class RecordingShutdown : public ShutdownApi {
public:
    RecordingShutdown() : previous_(ReplaceShutdownApi(this)) {}
    ~RecordingShutdown() override { ReplaceShutdownApi(previous_); }

    bool tokenOpens = true;
    bool privilegeKnown = true;
    DWORD enableAnswer = ERROR_SUCCESS;  // ERROR_NOT_ALL_ASSIGNED: the account lacks the privilege
    bool shutdownAccepted = true;
    bool abortAccepted = true;
    std::vector<std::string> steps;
    std::wstring message;
    DWORD timeout = 99;
    BOOL force = 99, restart = 99;
    UINT exitFlags = 99;

    BOOL OpenToken(DWORD access, HANDLE* token) override
    {
        EXPECT_EQ(DWORD(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY), access);
        steps.push_back("open token");
        if (!tokenOpens)
            return FALSE;
        *token = kToken;
        return TRUE;
    }
    BOOL LookupPrivilege(const wchar_t* name, LUID* luid) override
    {
        EXPECT_EQ(std::wstring(L"SeShutdownPrivilege"), name);
        steps.push_back("look up");
        if (!privilegeKnown)
            return FALSE;
        *luid = kShutdownLuid;
        return TRUE;
    }
    DWORD AdjustPrivileges(HANDLE token, TOKEN_PRIVILEGES& state) override
    {
        EXPECT_EQ(kToken, token);
        EXPECT_EQ(1u, state.PrivilegeCount);
        EXPECT_EQ(kShutdownLuid.LowPart, state.Privileges[0].Luid.LowPart);
        const bool enable = state.Privileges[0].Attributes == SE_PRIVILEGE_ENABLED;
        steps.push_back(enable ? "enable" : "disable");
        return enable ? enableAnswer : ERROR_SUCCESS;
    }
    BOOL InitiateShutdown(wchar_t* text, DWORD seconds, BOOL forceAppsClosed, BOOL reboot) override
    {
        steps.push_back("shut down");
        message = text ? text : L"(null)";
        timeout = seconds;
        force = forceAppsClosed;
        restart = reboot;
        return shutdownAccepted;
    }
    BOOL AbortShutdown() override
    {
        steps.push_back("abort");
        return abortAccepted;
    }
    BOOL ExitSession(UINT flags, DWORD) override
    {
        steps.push_back("exit");
        exitFlags = flags;
        return TRUE;
    }
    BOOL CloseToken(HANDLE token) override
    {
        EXPECT_EQ(kToken, token);
        steps.push_back("close token");
        return TRUE;
    }

private:
    ShutdownApi* previous_;
};

// Stands in for the real calls while this program runs; any call reaching it is a fault.
class NoRealShutdown : public ShutdownApi {
public:
    BOOL OpenToken(DWORD, HANDLE*) override { return Refuse("OpenProcessToken"); }
    BOOL LookupPrivilege(const wchar_t*, LUID*) override { return Refuse("LookupPrivilegeValueW"); }
    DWORD AdjustPrivileges(HANDLE, TOKEN_PRIVILEGES&) override { return Refuse("AdjustTokenPrivileges"); }
    BOOL InitiateShutdown(wchar_t*, DWORD, BOOL, BOOL) override { return Refuse("InitiateSystemShutdownW"); }
    BOOL AbortShutdown() override { return Refuse("AbortSystemShutdownW"); }
    BOOL ExitSession(UINT, DWORD) override { return Refuse("ExitWindowsEx"); }
    BOOL CloseToken(HANDLE) override { return Refuse("CloseHandle"); }

private:
    BOOL Refuse(const char* function)
    {
        ADD_FAILURE() << function << " reached without a stand-in";
        return FALSE;
    }
};

class ShutdownGuard : public ::testing::Environment {
public:
    void SetUp() override { previous_ = ReplaceShutdownApi(&guard_); }
    void TearDown() override { ReplaceShutdownApi(previous_); }

private:
    NoRealShutdown guard_;
    ShutdownApi* previous_ = nullptr;
};

::testing::Environment* const kGuard = ::testing::AddGlobalTestEnvironment(new ShutdownGuard);

using Steps = std::vector<std::string>;

TEST(Shutdown, RestartEnablesThePrivilegeOnlyWhileAsking)
{
    RecordingShutdown calls;
    QmSystemBase system;
    EXPECT_EQ(1, system.Shutdown(true, L"\x91CD\x65B0\x555F\x52D5", 0, false));
    EXPECT_EQ((Steps{"open token", "look up", "enable", "shut down", "disable", "close token"}), calls.steps);
    EXPECT_EQ(L"\x91CD\x65B0\x555F\x52D5", calls.message);
    EXPECT_EQ(0u, calls.timeout);
    EXPECT_EQ(FALSE, calls.force);
    EXPECT_EQ(TRUE, calls.restart);
}

TEST(Shutdown, PowerOffWithForceAndNoMessage)
{
    RecordingShutdown calls;
    QmSystemBase system;
    EXPECT_EQ(1, system.Shutdown(false, nullptr, 30, true));
    EXPECT_EQ(L"(null)", calls.message);
    EXPECT_EQ(30u, calls.timeout);
    EXPECT_TRUE(calls.force && !calls.restart);
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
        {"token refuses the change", [](RecordingShutdown& c) { c.enableAnswer = ERROR_ACCESS_DENIED; },
         {"open token", "look up", "enable", "close token"}},
        {"shutdown refused", [](RecordingShutdown& c) { c.shutdownAccepted = false; },
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

TEST(Shutdown, AbortTakesTheSameSteps)
{
    {
        RecordingShutdown calls;
        QmSystemBase system;
        EXPECT_EQ(1, system.AbortShutdown());
        EXPECT_EQ((Steps{"open token", "look up", "enable", "abort", "disable", "close token"}), calls.steps);
    }
    {
        RecordingShutdown calls;
        calls.enableAnswer = ERROR_NOT_ALL_ASSIGNED;
        QmSystemBase system;
        EXPECT_EQ(0, system.AbortShutdown());
        EXPECT_EQ((Steps{"open token", "look up", "enable", "close token"}), calls.steps);
    }
}

TEST(Shutdown, LogOffEndsTheSession)
{
    RecordingShutdown calls;
    QmSystemBase system;
    EXPECT_EQ(TRUE, system.LogOff());
    EXPECT_EQ((Steps{"exit"}), calls.steps);
    EXPECT_EQ(UINT(EWX_LOGOFF), calls.exitFlags);
}

}  // namespace
