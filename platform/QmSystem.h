// Facts about the running system (user and computer name, Windows product and edition,
// service pack, Internet Explorer version, processor, volume) and the operations that need
// the shutdown privilege. QmSystem turns the texts into the codes the program works with.
// Failures are return values only (0, -1, -2 or null); nothing is logged or shown.
#pragma once

#include "platform/OsIdentity.h"
#include "platform/QmString.h"

#include <windows.h>

class QmSystemBase {
public:
    static const int kTextCapacity = 128;
    static const int kNameCapacity = 256;

    QmSystemBase();
    virtual ~QmSystemBase() = default;
    QmSystemBase(const QmSystemBase&) = delete;
    QmSystemBase& operator=(const QmSystemBase&) = delete;

    // The length GetUserNameW / GetComputerNameW report, 0 on failure.
    virtual DWORD QueryUserName();
    virtual DWORD QueryComputerName();
    virtual const SYSTEM_INFO* QuerySystemInfo();
    // Enables the shutdown privilege, asks this computer to restart (or power off) and
    // disables the privilege again; 1 on success, 0 on any failure.
    virtual int Shutdown(bool restart, const wchar_t* message, DWORD timeoutSeconds, bool forceAppsClosed);
    virtual int AbortShutdown();
    virtual BOOL LogOff();
    // 1 named, 0 when an old NT system's product options cannot be read, -2 when the version
    // cannot be read at all.
    virtual int IdentifyOs();
    // The REG_SZ "Version" of Internet Explorer and "CSDVersion" of Windows NT from
    // HKEY_LOCAL_MACHINE; null when it cannot be read.
    virtual const wchar_t* ReadIeVersion();
    virtual const wchar_t* ReadCsdVersion();
    // The serial number, or 0xFFFFFFFF on failure.
    virtual DWORD QueryVolumeInformation(const wchar_t* rootPath);

    // IsProcessorFeaturePresent, one feature each.
    virtual BOOL HasFloatingPointErrata() { return IsProcessorFeaturePresent(0); }
    virtual BOOL HasFloatingPointEmulation() { return IsProcessorFeaturePresent(1); }
    virtual BOOL HasCompareExchangeDouble() { return IsProcessorFeaturePresent(2); }
    virtual BOOL HasMmx() { return IsProcessorFeaturePresent(3); }
    virtual BOOL HasSse() { return IsProcessorFeaturePresent(6); }
    virtual BOOL Has3dNow() { return IsProcessorFeaturePresent(7); }
    virtual BOOL HasRdtsc() { return IsProcessorFeaturePresent(8); }
    virtual BOOL HasPae() { return IsProcessorFeaturePresent(9); }
    virtual BOOL HasSse2() { return IsProcessorFeaturePresent(10); }
    virtual BOOL HasNx() { return IsProcessorFeaturePresent(12); }
    virtual BOOL HasSse3() { return IsProcessorFeaturePresent(13); }
    virtual BOOL HasCompareExchange128() { return IsProcessorFeaturePresent(14); }
    virtual BOOL HasCompare64Exchange128() { return IsProcessorFeaturePresent(15); }
    virtual BOOL HasChannels() { return IsProcessorFeaturePresent(16); }

    const wchar_t* UserName() const { return userName_; }
    const wchar_t* ComputerName() const { return computerName_; }
    const wchar_t* ProductName() const { return identity_.productName; }
    const wchar_t* EditionName() const { return identity_.editionName; }
    const wchar_t* ServicePackText() const { return identity_.servicePackText; }
    const wchar_t* MajorVersionText() const { return identity_.majorVersionText; }
    const wchar_t* MinorVersionText() const { return identity_.minorVersionText; }
    const wchar_t* IeVersion() const { return ieVersion_; }
    const wchar_t* CsdVersion() const { return csdVersion_; }
    const SYSTEM_INFO& SystemInfo() const { return systemInfo_; }
    const wchar_t* VolumeLabel() const { return volumeLabel_; }
    const wchar_t* FileSystemName() const { return fileSystemName_; }
    DWORD VolumeSerial() const { return volumeSerial_; }
    DWORD MaxComponentLength() const { return maxComponentLength_; }
    DWORD FileSystemFlags() const { return fileSystemFlags_; }

protected:
    // What GetVersionExW, the processor and SM_SERVERR2 report; false when the version cannot
    // be read at all.
    virtual bool ReadVersionFacts(OsVersionFacts& facts);

private:
    wchar_t userName_[kNameCapacity];
    wchar_t computerName_[kNameCapacity];
    OsIdentity identity_;  // product, edition, service-pack and version texts
    wchar_t ieVersion_[kTextCapacity];
    wchar_t csdVersion_[kTextCapacity];
    SYSTEM_INFO systemInfo_;
    wchar_t volumeLabel_[kTextCapacity];
    wchar_t fileSystemName_[kTextCapacity];
    DWORD volumeSerial_ = 0;
    DWORD maxComponentLength_ = 0;
    DWORD fileSystemFlags_ = 0;
};

class QmSystem : public QmSystemBase {
public:
    virtual const wchar_t* GetIeVersionText() const { return ieVersionString_.CStr(); }
    virtual int Identify() { return IdentifyOs(); }
    // The Windows product code (OsCodeFromProductName); 0 when the system cannot be named.
    virtual int GetOsCode();
    virtual bool IsOsCode(int code) { return GetOsCode() == code; }
    // 1 to 5 from "Service Pack 1" to "Service Pack 5"; 0 for anything else or nothing.
    virtual int GetServicePackNumber();
    // The first three characters of the Internet Explorer version ("8.0"); empty when unknown.
    virtual QmWString ReadIeVersionString();
    // 1 to 9; 0 unknown.
    virtual int GetIeMajorVersion();
    // 1 for a Home Edition, else -1.
    virtual int IsHomeEdition();

private:
    QmWString ieVersionString_;
};
