#include "tests/hardening/ProcessResources.h"

#include <winternl.h>

#include <vector>

namespace {

// The system's list of open handles (SystemHandleInformation), as Wine and Windows lay it out.
struct HandleEntry {
    ULONG ownerProcessId;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    void* object;
    ULONG access;
};
struct HandleList {
    ULONG count;
    HandleEntry entries[1];
};
const ULONG kSystemHandleInformation = 16;
const NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

// One entry of the GDI handle table the process environment block points to (Wine lays the
// entries out alike for 32-bit and 64-bit processes).
#pragma pack(push, 1)
struct GdiEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;  // 0 for a free entry
    UCHAR flags;
    UINT64 user;
};
#pragma pack(pop)
static_assert(sizeof(GdiEntry) == 24, "the table's entry size");
const size_t kGdiTableEntries = 0x10000;
// GdiSharedHandleTable in the PEB of a process of this test's own bitness.
const size_t kGdiTableOffsetInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;

template <class Function>
Function NtFunction(const char* name)
{
    // Through a plain function pointer: FARPROC converts to no other function type directly.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name)));
}

long CountHandles(DWORD processId)
{
    auto query = NtFunction<NTSTATUS(NTAPI*)(ULONG, void*, ULONG, ULONG*)>("NtQuerySystemInformation");
    std::vector<BYTE> buffer(1 << 20);
    ULONG length = 0;
    NTSTATUS status = kInfoLengthMismatch;
    while (query && buffer.size() < (64u << 20) &&
           (status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &length)) ==
               kInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return -1;
    const HandleList* list = reinterpret_cast<const HandleList*>(buffer.data());
    long count = 0;
    for (ULONG i = 0; i < list->count; ++i)
        count += list->entries[i].ownerProcessId == processId;
    return count;
}

long CountGdiObjects(HANDLE process)
{
    auto query = NtFunction<NTSTATUS(NTAPI*)(HANDLE, ULONG, void*, ULONG, ULONG*)>("NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic = {};
    ULONG length = 0;
    void* table = nullptr;
    SIZE_T read = 0;
    std::vector<GdiEntry> entries(kGdiTableEntries);
    if (!query || query(process, 0 /* ProcessBasicInformation */, &basic, sizeof(basic), &length) != 0 ||
        !ReadProcessMemory(process, static_cast<BYTE*>(static_cast<void*>(basic.PebBaseAddress)) + kGdiTableOffsetInPeb,
                           &table, sizeof(table), &read) ||
        !table || !ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiEntry), &read))
        return -1;
    long count = 0;
    for (const GdiEntry& entry : entries)
        count += entry.type != 0;
    return count;
}

struct WindowCount {
    DWORD processId;
    long count;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM param)
{
    WindowCount* windows = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    windows->count += owner == windows->processId;
    return TRUE;
}

}  // namespace

std::array<long, 3> MeasureProcess(HANDLE process, DWORD processId)
{
    DWORD handles = 0;
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS), user = GetGuiResources(process, GR_USEROBJECTS);
    // Below the desktop: every top-level window and, in turn, every window inside one.
    WindowCount windows{processId, 0};
    if (!user)
        EnumChildWindows(GetDesktopWindow(), CountWindow, reinterpret_cast<LPARAM>(&windows));
    return {GetProcessHandleCount(process, &handles) && handles ? static_cast<long>(handles) : CountHandles(processId),
            gdi ? static_cast<long>(gdi) : CountGdiObjects(process), user ? static_cast<long>(user) : windows.count};
}
