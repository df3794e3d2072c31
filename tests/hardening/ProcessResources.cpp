#include "tests/hardening/ProcessResources.h"

#include <winternl.h>

#include <sstream>
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

using QuerySystemInformation = NTSTATUS(NTAPI*)(ULONG, void*, ULONG, ULONG*);
using QueryInformationProcess = NTSTATUS(NTAPI*)(HANDLE, ULONG, void*, ULONG, ULONG*);

template <class Function>
Function NtFunction(const char* name)
{
    // Through a plain function pointer: FARPROC converts to no other function type directly.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name)));
}

long CountHandles(DWORD processId)
{
    auto query = NtFunction<QuerySystemInformation>("NtQuerySystemInformation");
    if (!query)
        return -1;
    std::vector<BYTE> buffer(1 << 20);
    ULONG length = 0;
    NTSTATUS status;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &length)) ==
               kInfoLengthMismatch &&
           buffer.size() < (64u << 20))
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return -1;
    const HandleList* list = reinterpret_cast<const HandleList*>(buffer.data());
    long count = 0;
    for (ULONG i = 0; i < list->count; ++i)
        count += list->entries[i].ownerProcessId == processId;
    return count;
}

// One entry of the GDI handle table the process environment block points to (64-bit).
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
const size_t kGdiTableOffsetInPeb = 0xF8;

long CountGdiObjects(HANDLE process)
{
    auto query = NtFunction<QueryInformationProcess>("NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic = {};
    ULONG length = 0;
    if (!query || query(process, 0 /* ProcessBasicInformation */, &basic, sizeof(basic), &length) != 0)
        return -1;
    void* table = nullptr;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, static_cast<BYTE*>(static_cast<void*>(basic.PebBaseAddress)) + kGdiTableOffsetInPeb,
                           &table, sizeof(table), &read) ||
        !table)
        return -1;
    std::vector<GdiEntry> entries(kGdiTableEntries);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiEntry), &read))
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

BOOL CALLBACK CountChild(HWND, LPARAM param)
{
    ++reinterpret_cast<WindowCount*>(param)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param)
{
    WindowCount* windows = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == windows->processId) {
        ++windows->count;
        EnumChildWindows(window, CountChild, param);
    }
    return TRUE;
}

long CountWindows(DWORD processId)
{
    WindowCount windows{processId, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows.count;
}

}  // namespace

ProcessResources MeasureProcess(HANDLE process, DWORD processId)
{
    ProcessResources resources;
    DWORD handles = 0;
    resources.handles = GetProcessHandleCount(process, &handles) && handles ? static_cast<long>(handles)
                                                                           : CountHandles(processId);
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    resources.gdiObjects = gdi ? static_cast<long>(gdi) : CountGdiObjects(process);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    resources.userObjects = user ? static_cast<long>(user) : CountWindows(processId);
    return resources;
}

std::string Describe(const ProcessResources& resources)
{
    std::ostringstream out;
    out << resources.handles << " handles, " << resources.gdiObjects << " GDI objects, " << resources.userObjects
        << " USER objects";
    return out.str();
}
