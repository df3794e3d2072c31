#include "tests/hardening/ProcessResources.h"

#include <winternl.h>

#include <vector>

namespace {

template <class Function>
Function NtFunction(const char* name)
{
    // Through a plain function pointer: FARPROC converts to no other function type directly.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name)));
}

// The process's entries in the system's list of open handles (SystemHandleInformation, 16),
// as Wine and Windows lay it out.
long CountHandles(DWORD processId)
{
    struct Entry {
        ULONG ownerProcessId;
        BYTE objectType, flags;
        USHORT handle;
        void* object;
        ULONG access;
    };
    auto query = NtFunction<NTSTATUS(NTAPI*)(ULONG, void*, ULONG, ULONG*)>("NtQuerySystemInformation");
    std::vector<BYTE> buffer(1 << 20);
    NTSTATUS status = -1;
    for (ULONG length = 0; query && buffer.size() < (64u << 20); buffer.resize(buffer.size() * 2))
        if ((status = query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &length)) != static_cast<NTSTATUS>(0xC0000004L))
            break;  // not STATUS_INFO_LENGTH_MISMATCH
    if (status != 0)
        return -1;
    const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
    const Entry* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(void*));
    long owned = 0;
    for (ULONG i = 0; i < count; ++i)
        owned += entries[i].ownerProcessId == processId;
    return owned;
}

// The used entries of the GDI handle table the process environment block points to (Wine
// lays the 24-byte entries out alike for 32-bit and 64-bit processes; the type byte is 0 for a
// free one).
long CountGdiObjects(HANDLE process)
{
    auto query = NtFunction<NTSTATUS(NTAPI*)(HANDLE, ULONG, void*, ULONG, ULONG*)>("NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic = {};
    ULONG length = 0;
    void* table = nullptr;
    SIZE_T read = 0;
    std::vector<BYTE> entries(0x10000 * 24);
    const size_t tableOffsetInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;
    if (!query || query(process, 0 /* ProcessBasicInformation */, &basic, sizeof(basic), &length) != 0 ||
        !ReadProcessMemory(process, reinterpret_cast<BYTE*>(basic.PebBaseAddress) + tableOffsetInPeb, &table, sizeof(table), &read) ||
        !table || !ReadProcessMemory(process, table, entries.data(), entries.size(), &read))
        return -1;
    long count = 0;
    for (size_t entry = 0; entry < entries.size(); entry += 24)
        count += entries[entry + 14] != 0;
    return count;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM param)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    reinterpret_cast<std::pair<DWORD, long>*>(param)->second += owner == reinterpret_cast<std::pair<DWORD, long>*>(param)->first;
    return TRUE;
}

}  // namespace

std::array<long, 3> MeasureProcess(HANDLE process, DWORD processId)
{
    DWORD handles = 0;
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS), user = GetGuiResources(process, GR_USEROBJECTS);
    // Below the desktop: every top-level window and, in turn, every window inside one.
    std::pair<DWORD, long> windows{processId, 0};
    if (!user)
        EnumChildWindows(GetDesktopWindow(), CountWindow, reinterpret_cast<LPARAM>(&windows));
    return {GetProcessHandleCount(process, &handles) && handles ? static_cast<long>(handles) : CountHandles(processId),
            gdi ? static_cast<long>(gdi) : CountGdiObjects(process), user ? static_cast<long>(user) : windows.second};
}
