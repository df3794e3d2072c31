#include "platform/QmShReg.h"

#include <cstring>
#include <cwchar>
#include <new>

namespace {

// As for QmCReg: reads never ask for more than read access.
const REGSAM kReadAccess = KEY_READ;
const REGSAM kReadWriteAccess = KEY_READ | KEY_WRITE;
const REGSAM kFullAccess = KEY_ALL_ACCESS;

LONG OpenInto(QmUsKey& key, const wchar_t* path, REGSAM access, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    return key.Api().ShOpenUsKey(path, access | key.Api().ViewFlag(), relativeKey, key.Out(), ignoreUserHive);
}

class UsKeyValue : public QmCRegBase::ValueSource {
public:
    UsKeyValue(QmUsKey& key, const wchar_t* name, BOOL ignoreUserHive)
        : key_(key), name_(name), ignoreUserHive_(ignoreUserHive) {}
    LONG Query(DWORD* type, BYTE* data, DWORD* size) override
    {
        return key_.Api().ShQueryUsValue(key_.Get(), name_, type, data, size, ignoreUserHive_);
    }

private:
    QmUsKey& key_;
    const wchar_t* name_;
    BOOL ignoreUserHive_;
};

// Writes go to the user hive when the flags name it; otherwise the machine hive alone is opened.
BOOL IgnoresUserHive(DWORD setFlags)
{
    return (setFlags & (SHREGSET_HKCU | SHREGSET_FORCE_HKCU)) ? FALSE : TRUE;
}

}  // namespace

QmShRegBase::~QmShRegBase()
{
    if (openKey_)
        openKeyApi_->ShCloseUsKey(openKey_);
}

void QmShRegBase::SetOpenKey(HUSKEY key)
{
    Close();
    openKey_ = key;
    openKeyApi_ = &CurrentRegistryApi();
}

int QmShRegBase::Close()
{
    if (!openKey_)
        return ERROR_SUCCESS;
    const LONG result = openKeyApi_->ShCloseUsKey(openKey_);
    if (result == ERROR_SUCCESS)
        openKey_ = nullptr;
    return result;
}

int QmShRegBase::Open(const wchar_t* path, REGSAM access, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    Close();
    openKey_ = nullptr;
    RegistryApi& api = CurrentRegistryApi();
    HUSKEY key = nullptr;
    const LONG result = api.ShOpenUsKey(path, access | api.ViewFlag(), relativeKey, &key, ignoreUserHive);
    if (result == ERROR_SUCCESS) {
        openKey_ = key;
        openKeyApi_ = &api;
    }
    return result;
}

int QmShRegBase::OpenFullAccess(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    return Open(path, kFullAccess, ignoreUserHive, relativeKey);
}

int QmShRegBase::OpenRead(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    return Open(path, kReadAccess, ignoreUserHive, relativeKey);
}

int QmShRegBase::OpenReadWrite(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    return Open(path, kReadWriteAccess, ignoreUserHive, relativeKey);
}

int QmShRegBase::KeyExists(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    QmUsKey key;
    return OpenInto(key, path, kReadAccess, ignoreUserHive, relativeKey) == ERROR_SUCCESS ? 1 : 0;
}

int QmShRegBase::ValueExists(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    QmUsKey key;
    if (OpenInto(key, path, kReadAccess, ignoreUserHive, relativeKey) != ERROR_SUCCESS)
        return 0;
    DWORD type = 0;
    DWORD size = 0;
    if (key.Api().ShQueryUsValue(key.Get(), name, &type, nullptr, &size, ignoreUserHive) != ERROR_SUCCESS)
        return 0;
    SetDataType(type);
    return 1;
}

int QmShRegBase::CreateKey(const wchar_t* path, DWORD setFlags, HUSKEY relativeKey)
{
    if (KeyExists(path, IgnoresUserHive(setFlags), relativeKey))
        return qmreg::kKeyExists;
    QmUsKey key;
    const LONG result =
        key.Api().ShCreateUsKey(path, kFullAccess | key.Api().ViewFlag(), relativeKey, key.Out(), setFlags);
    // Some shell versions answer success for flags they cannot carry out, and create nothing.
    if (result == ERROR_SUCCESS && !key.Get())
        return qmreg::kFailure;
    return result;
}

int QmShRegBase::QueryKeyNumber(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey, KeyNumber which)
{
    if (!KeyExists(path, ignoreUserHive, relativeKey))
        return qmreg::kKeyNotFound;
    QmUsKey key;
    LONG result = OpenInto(key, path, kReadAccess, ignoreUserHive, relativeKey);
    if (result != ERROR_SUCCESS)
        return result;
    DWORD number = 0;
    auto wanted = [&](KeyNumber field) { return which == field ? &number : nullptr; };
    result = key.Api().ShQueryInfoUsKey(key.Get(), wanted(KeyNumber::kSubKeys), wanted(KeyNumber::kMaxSubKeyLength),
                                        wanted(KeyNumber::kValues), wanted(KeyNumber::kMaxValueNameLength),
                                        ignoreUserHive ? SHREGENUM_HKLM : SHREGENUM_DEFAULT);
    if (result != ERROR_SUCCESS)
        return result;
    switch (which) {
    case KeyNumber::kSubKeys: SetSubKeyCount(number); break;
    case KeyNumber::kMaxSubKeyLength: SetMaxSubKeyLength(number); break;
    case KeyNumber::kValues: SetValueCount(number); break;
    case KeyNumber::kMaxValueNameLength: SetMaxValueNameLength(number); break;
    }
    return qmreg::kSuccess;
}

int QmShRegBase::QuerySubKeyCount(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    return QueryKeyNumber(path, ignoreUserHive, relativeKey, KeyNumber::kSubKeys);
}

int QmShRegBase::QueryMaxSubKeyLength(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    return QueryKeyNumber(path, ignoreUserHive, relativeKey, KeyNumber::kMaxSubKeyLength);
}

int QmShRegBase::QueryValueCount(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    return QueryKeyNumber(path, ignoreUserHive, relativeKey, KeyNumber::kValues);
}

int QmShRegBase::QueryMaxValueNameLength(const wchar_t* path, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    return QueryKeyNumber(path, ignoreUserHive, relativeKey, KeyNumber::kMaxValueNameLength);
}

int QmShRegBase::QueryTypeAndSize(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey,
                                  DWORD& type, DWORD& size)
{
    if (!ValueExists(path, name, ignoreUserHive, relativeKey))
        return qmreg::kValueNotFound;
    QmUsKey key;
    const LONG result = OpenInto(key, path, kReadAccess, ignoreUserHive, relativeKey);
    if (result != ERROR_SUCCESS)
        return result;
    return key.Api().ShQueryUsValue(key.Get(), name, &type, nullptr, &size, ignoreUserHive);
}

int QmShRegBase::QueryValueSize(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    DWORD type = 0;
    DWORD size = 0;
    const int result = QueryTypeAndSize(path, name, ignoreUserHive, relativeKey, type, size);
    if (result == ERROR_SUCCESS)
        SetDataSize(size);
    return result;
}

int QmShRegBase::QueryValueType(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    DWORD type = 0;
    DWORD size = 0;
    const int result = QueryTypeAndSize(path, name, ignoreUserHive, relativeKey, type, size);
    if (result != ERROR_SUCCESS)
        return result;
    SetDataType(type);
    return qmreg::TypeCodeOf(type);
}

int QmShRegBase::QueryValueData(const wchar_t* path, const wchar_t* name, DWORD expectedType, BOOL ignoreUserHive,
                                HUSKEY relativeKey)
{
    if (!ValueExists(path, name, ignoreUserHive, relativeKey))
        return qmreg::kValueNotFound;
    if (expectedType == REG_DWORD)
        return qmreg::kFailure;
    FreeData();
    QmUsKey key;
    const LONG result = OpenInto(key, path, kReadAccess, ignoreUserHive, relativeKey);
    if (result != ERROR_SUCCESS)
        return result;
    UsKeyValue value(key, name, ignoreUserHive);
    return LoadData(value, expectedType);
}

int QmShRegBase::QueryDwordData(const wchar_t* path, const wchar_t* name, DWORD expectedType, BOOL ignoreUserHive,
                                HUSKEY relativeKey)
{
    if (!ValueExists(path, name, ignoreUserHive, relativeKey))
        return qmreg::kValueNotFound;
    QmUsKey key;
    const LONG result = OpenInto(key, path, kReadAccess, ignoreUserHive, relativeKey);
    if (result != ERROR_SUCCESS)
        return result;
    if (expectedType != REG_DWORD)
        return qmreg::kFailure;
    UsKeyValue value(key, name, ignoreUserHive);
    return LoadDword(value);
}

int QmShRegBase::ReadDword(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    const int type = QueryValueType(path, name, ignoreUserHive, relativeKey);
    if (type == qmreg::TypeCodeOf(REG_DWORD))
        return QueryDwordData(path, name, REG_DWORD, ignoreUserHive, relativeKey);
    return type == qmreg::kSuccess ? qmreg::kFailure : type;
}

int QmShRegBase::ReadString(const wchar_t* path, const wchar_t* name, BOOL ignoreUserHive, HUSKEY relativeKey)
{
    const int type = QueryValueType(path, name, ignoreUserHive, relativeKey);
    if (type == qmreg::TypeCodeOf(REG_SZ))
        return QueryValueData(path, name, REG_SZ, ignoreUserHive, relativeKey);
    return type == qmreg::kSuccess ? qmreg::kFailure : type;
}

QmOwnedWide QmShRegBase::GetDataAsLines() const
{
    const BYTE* data = GetData();
    if (!data)
        return QmOwnedWide();
    const wchar_t* text = reinterpret_cast<const wchar_t*>(data);
    DWORD length = GetDataSize() / sizeof(wchar_t);
    while (length > 0 && text[length - 1] == 0)
        --length;
    DWORD separators = 0;
    for (DWORD i = 0; i < length; ++i)
        separators += text[i] == 0;
    wchar_t* lines = new (std::nothrow) wchar_t[length + separators + 1];
    if (!lines)
        return QmOwnedWide();
    wchar_t* out = lines;
    for (DWORD i = 0; i < length; ++i) {
        if (text[i] == 0) {
            *out++ = L'\r';
            *out++ = L'\n';
        } else {
            *out++ = text[i];
        }
    }
    *out = 0;
    return QmOwnedWide(lines);
}

int QmShRegBase::WriteValue(const wchar_t* path, const wchar_t* name, DWORD type, const void* data, DWORD size,
                            DWORD setFlags, HUSKEY relativeKey)
{
    const BOOL ignoreUserHive = IgnoresUserHive(setFlags);
    const int exists = KeyExists(path, ignoreUserHive, relativeKey);
    if (exists == 0) {
        const int created = CreateKey(path, setFlags, relativeKey);
        if (created != qmreg::kSuccess && created != qmreg::kKeyExists)
            return created;
    } else if (exists != 1) {
        return qmreg::kUnexpectedKeyState;
    }
    // Opened and written in two steps (rather than SHRegSetUSValueW, which opens by itself)
    // so that the key is opened in the program's registry view.
    QmUsKey key;
    const LONG result = OpenInto(key, path, kFullAccess, ignoreUserHive, relativeKey);
    if (result != ERROR_SUCCESS)
        return result;
    return key.Api().ShWriteUsValue(key.Get(), name, type, data, size, setFlags);
}

int QmShRegBase::WriteDword(const wchar_t* path, const wchar_t* name, DWORD value, DWORD setFlags,
                            HUSKEY relativeKey)
{
    return WriteValue(path, name, REG_DWORD, &value, sizeof(value), setFlags, relativeKey);
}

int QmShRegBase::WriteString(const wchar_t* path, const wchar_t* name, const wchar_t* text, DWORD setFlags,
                             HUSKEY relativeKey)
{
    if (!text)
        return qmreg::kFailure;
    const size_t length = wcslen(text);
    if (length >= MAXDWORD / sizeof(wchar_t) - 1)
        return qmreg::kFailure;
    return WriteValue(path, name, REG_SZ, text, static_cast<DWORD>((length + 1) * sizeof(wchar_t)), setFlags,
                      relativeKey);
}
