// The calls that restart the computer or end the session, behind one narrow seam so that no
// test ever runs the real ones: a test installs its own instance and sees every step.
#pragma once

#include <windows.h>

class ShutdownApi {
public:
    virtual ~ShutdownApi() = default;

    // OpenProcessToken of this process.
    virtual BOOL OpenToken(DWORD access, HANDLE* token) = 0;
    // LookupPrivilegeValueW on this computer.
    virtual BOOL LookupPrivilege(const wchar_t* name, LUID* luid) = 0;
    // AdjustTokenPrivileges, then GetLastError: ERROR_SUCCESS only when every privilege of
    // `state` was set (ERROR_NOT_ALL_ASSIGNED when the account does not hold one).
    virtual DWORD AdjustPrivileges(HANDLE token, TOKEN_PRIVILEGES& state) = 0;
    // InitiateSystemShutdownW and AbortSystemShutdownW for this computer.
    virtual BOOL InitiateShutdown(wchar_t* message, DWORD timeoutSeconds, BOOL forceAppsClosed, BOOL restart) = 0;
    virtual BOOL AbortShutdown() = 0;
    // ExitWindowsEx.
    virtual BOOL ExitSession(UINT flags, DWORD reason) = 0;
    virtual BOOL CloseToken(HANDLE token) = 0;
};

class Win32ShutdownApi : public ShutdownApi {
public:
    constexpr Win32ShutdownApi() = default;

    BOOL OpenToken(DWORD access, HANDLE* token) override;
    BOOL LookupPrivilege(const wchar_t* name, LUID* luid) override;
    DWORD AdjustPrivileges(HANDLE token, TOKEN_PRIVILEGES& state) override;
    BOOL InitiateShutdown(wchar_t* message, DWORD timeoutSeconds, BOOL forceAppsClosed, BOOL restart) override;
    BOOL AbortShutdown() override;
    BOOL ExitSession(UINT flags, DWORD reason) override;
    BOOL CloseToken(HANDLE token) override;
};

// The instance QmSystemBase uses; the real one unless a test replaced it.
ShutdownApi& CurrentShutdownApi();
// Installs `api` (null: the real one again) and returns the instance it replaces. Only for tests.
ShutdownApi* ReplaceShutdownApi(ShutdownApi* api);
