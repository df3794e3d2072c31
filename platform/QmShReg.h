// The shell's per-user registry (SHRegOpenUSKeyW and kin): a path without a root, looked up
// under HKEY_CURRENT_USER first and then under HKEY_LOCAL_MACHINE, or under
// HKEY_LOCAL_MACHINE alone when told to ignore the user hive. Same life cycle and registry
// results as QmCReg; values read stay in the object (GetDword, GetDataAsString).
//
// The base operations take `ignoreUserHive` (0 user first, 1 machine only) and `relativeKey`
// (a key the path is relative to; the program passes null); writes take a SHREGSET_* flag set
// instead of ignoreUserHive. QmShReg adds the fixed forms the program calls: ...User (user
// hive first, or SHREGSET_FORCE_HKCU for writes) and ...Machine (machine only, or
// SHREGSET_FORCE_HKLM).
#pragma once

#include "platform/QmCReg.h"
#include "platform/RegistryApi.h"
#include "platform/TextConvert.h"

#include <windows.h>
#include <shlwapi.h>

class QmShRegBase : public QmCRegBase {
public:
    QmShRegBase() = default;
    ~QmShRegBase() override;

    virtual HUSKEY GetOpenKey() const { return openKey_; }
    virtual void SetOpenKey(HUSKEY key);  // closes the previous key first
    virtual int Close();
    virtual int OpenFullAccess(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int OpenRead(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int OpenReadWrite(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey);
    // 1 or 0.
    virtual int KeyExists(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int ValueExists(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int CreateKey(const wchar_t* path, DWORD setFlags, HUSKEY relativeKey);

    virtual int QuerySubKeyCount(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int QueryMaxSubKeyLength(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int QueryValueCount(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int QueryMaxValueNameLength(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int QueryValueSize(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int QueryValueType(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int QueryValueData(const wchar_t* path, const wchar_t* name, DWORD expectedType, BOOL ignoreUserHive,
                               HUSKEY relativeKey);
    // The data as lines: a fresh copy in which each null character separating two strings of
    // a REG_MULTI_SZ becomes CR LF and the closing nulls are dropped; null when there is no
    // data.
    virtual QmOwnedWide GetDataAsLines() const;
    virtual int ReadString(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int ReadDword(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey);
    virtual int QueryDwordData(const wchar_t* path, const wchar_t* name, DWORD expectedType, BOOL ignoreUserHive,
                               HUSKEY relativeKey);
    virtual int WriteDword(const wchar_t* path, const wchar_t* name, DWORD value, DWORD setFlags, HUSKEY relativeKey);
    virtual int WriteString(const wchar_t* path, const wchar_t* name, const wchar_t* text, DWORD setFlags,
                            HUSKEY relativeKey);

private:
    enum class KeyNumber { kSubKeys, kMaxSubKeyLength, kValues, kMaxValueNameLength };

    int Open(const wchar_t* path, REGSAM access, BOOL ignoreUserHive, HUSKEY relativeKey);
    int QueryKeyNumber(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey, KeyNumber which);
    // The type and size of an existing value: 0, -104, or the Win32 code of the open or query.
    int QueryTypeAndSize(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey,
                         DWORD& type, DWORD& size);
    int WriteValue(const wchar_t* path, const wchar_t* name, DWORD type, const void* data, DWORD size,
                   DWORD setFlags, HUSKEY relativeKey);

    HUSKEY openKey_ = nullptr;
    RegistryApi* openKeyApi_ = nullptr;  // the instance that opened openKey_
};

class QmShReg : public QmShRegBase {
public:
    virtual int OpenReadUser(const wchar_t* path, HUSKEY relativeKey = nullptr)
    {
        return OpenRead(path, FALSE, relativeKey);
    }
    virtual int OpenReadMachine(const wchar_t* path, HUSKEY relativeKey = nullptr)
    {
        return OpenRead(path, TRUE, relativeKey);
    }
    virtual int KeyExistsUser(const wchar_t* path, HUSKEY relativeKey = nullptr)
    {
        return KeyExists(path, FALSE, relativeKey);
    }
    virtual int KeyExistsMachine(const wchar_t* path, HUSKEY relativeKey = nullptr)
    {
        return KeyExists(path, TRUE, relativeKey);
    }
    virtual int ValueExistsUser(const wchar_t* path, const wchar_t* name, HUSKEY relativeKey = nullptr)
    {
        return ValueExists(path, name, FALSE, relativeKey);
    }
    virtual int ValueExistsMachine(const wchar_t* path, const wchar_t* name, HUSKEY relativeKey = nullptr)
    {
        return ValueExists(path, name, TRUE, relativeKey);
    }
    virtual int QueryValueCountUser(const wchar_t* path, HUSKEY relativeKey = nullptr)
    {
        return QueryValueCount(path, FALSE, relativeKey);
    }
    virtual int QueryValueCountMachine(const wchar_t* path, HUSKEY relativeKey = nullptr)
    {
        return QueryValueCount(path, TRUE, relativeKey);
    }
    virtual int QueryValueTypeUser(const wchar_t* path, const wchar_t* name, HUSKEY relativeKey = nullptr)
    {
        return QueryValueType(path, name, FALSE, relativeKey);
    }
    virtual int QueryValueTypeMachine(const wchar_t* path, const wchar_t* name, HUSKEY relativeKey = nullptr)
    {
        return QueryValueType(path, name, TRUE, relativeKey);
    }
    virtual int ReadDwordUser(const wchar_t* path, const wchar_t* name, HUSKEY relativeKey = nullptr)
    {
        return ReadDword(path, name, FALSE, relativeKey);
    }
    virtual int ReadDwordMachine(const wchar_t* path, const wchar_t* name, HUSKEY relativeKey = nullptr)
    {
        return ReadDword(path, name, TRUE, relativeKey);
    }
    virtual int ReadStringUser(const wchar_t* path, const wchar_t* name, HUSKEY relativeKey = nullptr)
    {
        return ReadString(path, name, FALSE, relativeKey);
    }
    virtual int ReadStringMachine(const wchar_t* path, const wchar_t* name, HUSKEY relativeKey = nullptr)
    {
        return ReadString(path, name, TRUE, relativeKey);
    }
    virtual int CreateKeyUser(const wchar_t* path, HUSKEY relativeKey = nullptr)
    {
        return CreateKey(path, SHREGSET_FORCE_HKCU, relativeKey);
    }
    virtual int CreateKeyMachine(const wchar_t* path, HUSKEY relativeKey = nullptr)
    {
        return CreateKey(path, SHREGSET_FORCE_HKLM, relativeKey);
    }
    virtual int WriteDwordUser(const wchar_t* path, const wchar_t* name, DWORD value, HUSKEY relativeKey = nullptr)
    {
        return WriteDword(path, name, value, SHREGSET_FORCE_HKCU, relativeKey);
    }
    virtual int WriteDwordMachine(const wchar_t* path, const wchar_t* name, DWORD value,
                                  HUSKEY relativeKey = nullptr)
    {
        return WriteDword(path, name, value, SHREGSET_FORCE_HKLM, relativeKey);
    }
    virtual int WriteStringUser(const wchar_t* path, const wchar_t* name, const wchar_t* text,
                                HUSKEY relativeKey = nullptr)
    {
        return WriteString(path, name, text, SHREGSET_FORCE_HKCU, relativeKey);
    }
    virtual int WriteStringMachine(const wchar_t* path, const wchar_t* name, const wchar_t* text,
                                   HUSKEY relativeKey = nullptr)
    {
        return WriteString(path, name, text, SHREGSET_FORCE_HKLM, relativeKey);
    }
};
