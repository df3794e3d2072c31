#include "platform/ShutdownApi.h"

namespace {

Win32ShutdownApi g_realShutdown;
ShutdownApi* volatile g_currentShutdown = &g_realShutdown;

}  // namespace

ShutdownApi& CurrentShutdownApi()
{
    return *g_currentShutdown;
}

ShutdownApi* ReplaceShutdownApi(ShutdownApi* api)
{
    ShutdownApi* previous = g_currentShutdown;
    g_currentShutdown = api ? api : &g_realShutdown;
    return previous;
}

BOOL Win32ShutdownApi::OpenToken(DWORD access, HANDLE* token)
{
    return OpenProcessToken(GetCurrentProcess(), access, token);
}

BOOL Win32ShutdownApi::LookupPrivilege(const wchar_t* name, LUID* luid)
{
    return LookupPrivilegeValueW(nullptr, name, luid);
}

DWORD Win32ShutdownApi::AdjustPrivileges(HANDLE token, TOKEN_PRIVILEGES& state)
{
    SetLastError(ERROR_SUCCESS);
    if (!AdjustTokenPrivileges(token, FALSE, &state, 0, nullptr, nullptr)) {
        const DWORD error = GetLastError();
        return error ? error : ERROR_GEN_FAILURE;
    }
    // Success may still mean that the account does not hold the privilege.
    return GetLastError();
}

BOOL Win32ShutdownApi::InitiateShutdown(wchar_t* message, DWORD timeoutSeconds, BOOL forceAppsClosed, BOOL restart)
{
    return InitiateSystemShutdownW(nullptr, message, timeoutSeconds, forceAppsClosed, restart);
}

BOOL Win32ShutdownApi::AbortShutdown()
{
    return AbortSystemShutdownW(nullptr);
}

BOOL Win32ShutdownApi::ExitSession(UINT flags, DWORD reason)
{
    return ExitWindowsEx(flags, reason);
}

BOOL Win32ShutdownApi::CloseToken(HANDLE token)
{
    return CloseHandle(token);
}
