#include "platform/QmSystem.h"

#include "platform/QmCReg.h"
#include "platform/ShutdownApi.h"

#include <cstring>
#include <cwchar>
#include <vector>

namespace {

const wchar_t kIeKey[] = L"SOFTWARE\\Microsoft\\Internet Explorer";
const wchar_t kNtVersionKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const wchar_t kSp6aHotfixKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009";
const wchar_t kProductOptionsKey[] = L"SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
const DWORD kMaxProductOptionsBytes = 160;
const int kServerR2Metric = 89;  // SM_SERVERR2

template <size_t N>
void CopyTerminated(wchar_t (&to)[N], const wchar_t* from)
{
    wcsncpy(to, from, N - 1);
    to[N - 1] = 0;
}

// Reads a REG_SZ of HKEY_LOCAL_MACHINE into `text` (cleared first); null when it cannot be read.
template <size_t N>
const wchar_t* ReadMachineText(const wchar_t* path, const wchar_t* name, wchar_t (&text)[N])
{
    memset(text, 0, sizeof(text));
    QmCReg reg;
    if (reg.ReadString(HKEY_LOCAL_MACHINE, path, name) != qmreg::kSuccess)
        return nullptr;
    reg.CopyDataTo(text, N);
    return text;
}

using GetNativeSystemInfoFunction = void(WINAPI*)(LPSYSTEM_INFO);

// The machine's processor, not the 32-bit view WOW64 gives the process. Windows 2000 lacks
// GetNativeSystemInfo.
WORD MachineArchitecture()
{
    SYSTEM_INFO info = {};
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto native = kernel ? reinterpret_cast<GetNativeSystemInfoFunction>(
                               reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetNativeSystemInfo")))
                         : nullptr;
    if (native)
        native(&info);
    else
        GetSystemInfo(&info);
    return info.wProcessorArchitecture;
}

// The process token; closed on every path.
class Token {
public:
    explicit Token(ShutdownApi& api) : api_(api) {}
    ~Token()
    {
        if (handle_)
            api_.CloseToken(handle_);
    }
    Token(const Token&) = delete;
    Token& operator=(const Token&) = delete;
    bool Open() { return api_.OpenToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &handle_) && handle_; }
    HANDLE Get() const { return handle_; }

private:
    ShutdownApi& api_;
    HANDLE handle_ = nullptr;
};

// The shutdown privilege, enabled for the life of the object once Enable succeeded.
class ShutdownPrivilege {
public:
    ShutdownPrivilege(ShutdownApi& api, HANDLE token) : api_(api), token_(token) {}
    ~ShutdownPrivilege()
    {
        if (enabled_)
            Set(0);
    }
    ShutdownPrivilege(const ShutdownPrivilege&) = delete;
    ShutdownPrivilege& operator=(const ShutdownPrivilege&) = delete;

    bool Enable()
    {
        if (!api_.LookupPrivilege(SE_SHUTDOWN_NAME, &luid_))
            return false;
        // ERROR_NOT_ALL_ASSIGNED: the account does not hold the privilege; nothing changed.
        enabled_ = Set(SE_PRIVILEGE_ENABLED) == ERROR_SUCCESS;
        return enabled_;
    }

private:
    DWORD Set(DWORD attributes)
    {
        TOKEN_PRIVILEGES state = {};
        state.PrivilegeCount = 1;
        state.Privileges[0].Luid = luid_;
        state.Privileges[0].Attributes = attributes;
        return api_.AdjustPrivileges(token_, state);
    }

    ShutdownApi& api_;
    HANDLE token_;
    LUID luid_ = {};
    bool enabled_ = false;
};

}  // namespace

QmSystemBase::QmSystemBase()
{
    memset(userName_, 0, sizeof(userName_));
    memset(computerName_, 0, sizeof(computerName_));
    memset(ieVersion_, 0, sizeof(ieVersion_));
    memset(csdVersion_, 0, sizeof(csdVersion_));
    memset(&systemInfo_, 0, sizeof(systemInfo_));
    memset(volumeLabel_, 0, sizeof(volumeLabel_));
    memset(fileSystemName_, 0, sizeof(fileSystemName_));
}

DWORD QmSystemBase::QueryUserName()
{
    memset(userName_, 0, sizeof(userName_));
    DWORD length = kNameCapacity;
    if (!GetUserNameW(userName_, &length))
        return 0;
    userName_[kNameCapacity - 1] = 0;
    return length;
}

DWORD QmSystemBase::QueryComputerName()
{
    memset(computerName_, 0, sizeof(computerName_));
    DWORD length = kNameCapacity;
    if (!GetComputerNameW(computerName_, &length))
        return 0;
    computerName_[kNameCapacity - 1] = 0;
    return length;
}

const SYSTEM_INFO* QmSystemBase::QuerySystemInfo()
{
    memset(&systemInfo_, 0, sizeof(systemInfo_));
    GetSystemInfo(&systemInfo_);
    return &systemInfo_;
}

DWORD QmSystemBase::QueryVolumeInformation(const wchar_t* rootPath)
{
    memset(volumeLabel_, 0, sizeof(volumeLabel_));
    memset(fileSystemName_, 0, sizeof(fileSystemName_));
    volumeSerial_ = maxComponentLength_ = fileSystemFlags_ = 0;
    if (!GetVolumeInformationW(rootPath, volumeLabel_, kTextCapacity, &volumeSerial_, &maxComponentLength_,
                               &fileSystemFlags_, fileSystemName_, kTextCapacity)) {
        memset(volumeLabel_, 0, sizeof(volumeLabel_));
        memset(fileSystemName_, 0, sizeof(fileSystemName_));
        volumeSerial_ = maxComponentLength_ = fileSystemFlags_ = 0;
        return 0xFFFFFFFF;
    }
    volumeLabel_[kTextCapacity - 1] = 0;
    fileSystemName_[kTextCapacity - 1] = 0;
    return volumeSerial_;
}

int QmSystemBase::Shutdown(bool restart, const wchar_t* message, DWORD timeoutSeconds, bool forceAppsClosed)
{
    ShutdownApi& api = CurrentShutdownApi();
    Token token(api);
    if (!token.Open())
        return 0;
    ShutdownPrivilege privilege(api, token.Get());
    if (!privilege.Enable())
        return 0;
    // The system takes the message as a writable string.
    std::vector<wchar_t> text;
    if (message)
        text.assign(message, message + wcslen(message) + 1);
    return api.InitiateShutdown(text.empty() ? nullptr : text.data(), timeoutSeconds, forceAppsClosed, restart) ? 1
                                                                                                                : 0;
}

int QmSystemBase::AbortShutdown()
{
    ShutdownApi& api = CurrentShutdownApi();
    Token token(api);
    if (!token.Open())
        return 0;
    ShutdownPrivilege privilege(api, token.Get());
    if (!privilege.Enable())
        return 0;
    return api.AbortShutdown() ? 1 : 0;
}

BOOL QmSystemBase::LogOff()
{
    return CurrentShutdownApi().ExitSession(EWX_LOGOFF, 0);
}

bool QmSystemBase::ReadVersionFacts(OsVersionFacts& facts)
{
    OSVERSIONINFOEXW extended = {};
    extended.dwOSVersionInfoSize = sizeof(extended);
    if (GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&extended))) {
        facts.extended = true;
        facts.suiteMask = extended.wSuiteMask;
        facts.productType = extended.wProductType;
    } else {
        // Windows NT 4 before SP6 knows only the plain structure.
        OSVERSIONINFOW& plain = reinterpret_cast<OSVERSIONINFOW&>(extended);
        memset(&extended, 0, sizeof(extended));
        plain.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
        if (!GetVersionExW(&plain))
            return false;
    }
    facts.platformId = extended.dwPlatformId;
    facts.majorVersion = extended.dwMajorVersion;
    facts.minorVersion = extended.dwMinorVersion;
    facts.buildNumber = extended.dwBuildNumber;
    CopyTerminated(facts.servicePack, extended.szCSDVersion);
    facts.processorArchitecture = MachineArchitecture();
    facts.serverR2 = GetSystemMetrics(kServerR2Metric) != 0;
    return true;
}

int QmSystemBase::IdentifyOs()
{
    identity_ = OsIdentity();
    OsVersionFacts facts;
    if (!ReadVersionFacts(facts))
        return -2;
    if (facts.platformId == VER_PLATFORM_WIN32_NT && facts.majorVersion == 4) {
        QmCReg reg;
        facts.sp6aHotfix = reg.KeyExists(HKEY_LOCAL_MACHINE, kSp6aHotfixKey) == 1;
    }
    if (facts.platformId == VER_PLATFORM_WIN32_NT && !facts.extended) {
        QmCReg reg;
        if (reg.ReadString(HKEY_LOCAL_MACHINE, kProductOptionsKey, L"ProductType") == qmreg::kSuccess &&
            reg.GetDataSize() <= kMaxProductOptionsBytes) {
            reg.CopyDataTo(facts.productOptions, sizeof(facts.productOptions) / sizeof(wchar_t));
            facts.productOptionsRead = true;
        }
    }
    return DescribeOs(facts, identity_);
}

const wchar_t* QmSystemBase::ReadIeVersion()
{
    return ReadMachineText(kIeKey, L"Version", ieVersion_);
}

const wchar_t* QmSystemBase::ReadCsdVersion()
{
    return ReadMachineText(kNtVersionKey, L"CSDVersion", csdVersion_);
}

int QmSystem::GetOsCode()
{
    if (IdentifyOs() == 0)
        return 0;
    return OsCodeFromProductName(ProductName());
}

int QmSystem::GetServicePackNumber()
{
    return ServicePackNumberFromText(ReadCsdVersion());
}

QmWString QmSystem::ReadIeVersionString()
{
    const wchar_t* version = ReadIeVersion();
    ieVersionString_ = version ? QmWString(version, 3) : QmWString();
    return ieVersionString_;
}

int QmSystem::GetIeMajorVersion()
{
    const QmWString version = ReadIeVersionString();
    return IeMajorVersionFromText(version.CStr());
}

int QmSystem::IsHomeEdition()
{
    IdentifyOs();
    return TextEquals(EditionName(), L"Home Edition") ? 1 : -1;
}
