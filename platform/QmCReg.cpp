#include "platform/QmCReg.h"

#include <cstring>
#include <cwchar>
#include <new>

namespace {

// Reads and queries only ever ask for read access: an elevated administrator may still be
// refused write access to keys that the system owns, and their values must read all the same.
const REGSAM kReadAccess = KEY_READ;
const REGSAM kReadWriteAccess = KEY_READ | KEY_WRITE;
const REGSAM kFullAccess = KEY_ALL_ACCESS;

// Opens root\path into `key` in the registry view the program works in.
LONG OpenInto(QmRegKey& key, HKEY root, const wchar_t* path, REGSAM access)
{
    return key.Api().OpenKey(root, path, access | key.Api().ViewFlag(), key.Out());
}

// One value of an open key, for the size-then-data reads.
class KeyValue : public QmCRegBase::ValueSource {
public:
    KeyValue(QmRegKey& key, const wchar_t* name) : key_(key), name_(name) {}
    LONG Query(DWORD* type, BYTE* data, DWORD* size) override
    {
        return key_.Api().QueryValue(key_.Get(), name_, type, data, size);
    }

private:
    QmRegKey& key_;
    const wchar_t* name_;
};

bool IsMissingPath(const wchar_t* path)
{
    return !path || !*path;
}

}  // namespace

QmCReg::~QmCReg()
{
    if (openKey_)
        openKeyApi_->CloseKey(openKey_);
}

// Opening and closing -------------------------------------------------------------------------

void QmCReg::SetOpenKey(HKEY key)
{
    Close();
    openKey_ = key;
    openKeyApi_ = &CurrentRegistryApi();
}

int QmCReg::Close()
{
    if (!openKey_)
        return ERROR_SUCCESS;
    const LONG result = openKeyApi_->CloseKey(openKey_);
    if (result == ERROR_SUCCESS)
        openKey_ = nullptr;
    return result;
}

int QmCReg::Flush()
{
    return openKey_ ? openKeyApi_->FlushKey(openKey_) : ERROR_INVALID_HANDLE;
}

int QmCReg::Open(HKEY root, const wchar_t* path, REGSAM access)
{
    Close();
    openKey_ = nullptr;
    RegistryApi& api = CurrentRegistryApi();
    HKEY key = nullptr;
    const LONG result = api.OpenKey(root, path, access | api.ViewFlag(), &key);
    if (result == ERROR_SUCCESS) {
        openKey_ = key;
        openKeyApi_ = &api;
    }
    return result;
}

int QmCReg::OpenFullAccess(HKEY root, const wchar_t* path)
{
    return Open(root, path, kFullAccess);
}

int QmCReg::OpenRead(HKEY root, const wchar_t* path)
{
    return Open(root, path, kReadAccess);
}

int QmCReg::OpenReadWrite(HKEY root, const wchar_t* path)
{
    return Open(root, path, kReadWriteAccess);
}

int QmCReg::CreateKey(HKEY root, const wchar_t* path)
{
    if (KeyExists(root, path))
        return qmreg::kKeyExists;
    QmRegKey key;
    return key.Api().CreateKey(root, path, REG_OPTION_NON_VOLATILE, kFullAccess | key.Api().ViewFlag(), key.Out(),
                               nullptr);
}

// Existence ------------------------------------------------------------------------------------

int QmCReg::KeyExists(HKEY root, const wchar_t* path)
{
    QmRegKey key;
    return OpenInto(key, root, path, kReadAccess) == ERROR_SUCCESS ? 1 : 0;
}

int QmCReg::ValueExists(HKEY root, const wchar_t* path, const wchar_t* name)
{
    QmRegKey key;
    if (OpenInto(key, root, path, kReadAccess) != ERROR_SUCCESS)
        return 0;
    DWORD type = 0;
    DWORD size = 0;
    if (key.Api().QueryValue(key.Get(), name, &type, nullptr, &size) != ERROR_SUCCESS)
        return 0;
    SetDataType(type);
    return 1;
}

// Key information ------------------------------------------------------------------------------

int QmCReg::QueryKeyNumber(HKEY root, const wchar_t* path, KeyNumber which)
{
    if (!KeyExists(root, path))
        return qmreg::kKeyNotFound;
    QmRegKey key;
    LONG result = OpenInto(key, root, path, kReadAccess);
    if (result != ERROR_SUCCESS)
        return result;
    DWORD number = 0;
    auto wanted = [&](KeyNumber field) { return which == field ? &number : nullptr; };
    result = key.Api().QueryInfoKey(key.Get(), wanted(KeyNumber::kSubKeys), wanted(KeyNumber::kMaxSubKeyLength),
                                    wanted(KeyNumber::kValues), wanted(KeyNumber::kMaxValueNameLength),
                                    wanted(KeyNumber::kMaxValueLength), wanted(KeyNumber::kSecurity));
    if (result != ERROR_SUCCESS)
        return result;
    switch (which) {
    case KeyNumber::kValues: SetValueCount(number); break;
    case KeyNumber::kSubKeys: SetSubKeyCount(number); break;
    case KeyNumber::kMaxSubKeyLength: SetMaxSubKeyLength(number); break;
    case KeyNumber::kMaxValueNameLength: SetMaxValueNameLength(number); break;
    case KeyNumber::kMaxValueLength: SetMaxValueLength(number); break;
    case KeyNumber::kSecurity: SetSecurityDescriptorSize(number); break;
    }
    return qmreg::kSuccess;
}

int QmCReg::QueryValueCount(HKEY root, const wchar_t* path)
{
    return QueryKeyNumber(root, path, KeyNumber::kValues);
}

int QmCReg::QuerySubKeyCount(HKEY root, const wchar_t* path)
{
    return QueryKeyNumber(root, path, KeyNumber::kSubKeys);
}

int QmCReg::QueryMaxSubKeyLength(HKEY root, const wchar_t* path)
{
    return QueryKeyNumber(root, path, KeyNumber::kMaxSubKeyLength);
}

int QmCReg::QueryMaxValueNameLength(HKEY root, const wchar_t* path)
{
    return QueryKeyNumber(root, path, KeyNumber::kMaxValueNameLength);
}

int QmCReg::QueryMaxValueLength(HKEY root, const wchar_t* path)
{
    return QueryKeyNumber(root, path, KeyNumber::kMaxValueLength);
}

int QmCReg::QuerySecurityDescriptorSize(HKEY root, const wchar_t* path)
{
    return QueryKeyNumber(root, path, KeyNumber::kSecurity);
}

// Reading --------------------------------------------------------------------------------------

int QmCReg::QueryTypeAndSize(HKEY root, const wchar_t* path, const wchar_t* name, DWORD& type, DWORD& size)
{
    if (!ValueExists(root, path, name))
        return qmreg::kValueNotFound;
    QmRegKey key;
    const LONG result = OpenInto(key, root, path, kReadAccess);
    if (result != ERROR_SUCCESS)
        return result;
    return key.Api().QueryValue(key.Get(), name, &type, nullptr, &size);
}

int QmCReg::QueryValueType(HKEY root, const wchar_t* path, const wchar_t* name)
{
    DWORD type = 0;
    DWORD size = 0;
    const int result = QueryTypeAndSize(root, path, name, type, size);
    if (result != ERROR_SUCCESS)
        return result;
    SetDataType(type);
    // A type without a code (REG_QWORD...) reports the query's own success.
    return qmreg::TypeCodeOf(type);
}

int QmCReg::QueryDefaultValueType(HKEY root, const wchar_t* path)
{
    return QueryValueType(root, path, L"");
}

int QmCReg::QueryValueSize(HKEY root, const wchar_t* path, const wchar_t* name)
{
    DWORD type = 0;
    DWORD size = 0;
    const int result = QueryTypeAndSize(root, path, name, type, size);
    if (result == ERROR_SUCCESS)
        SetDataSize(size);
    return result;
}

int QmCReg::QueryValueData(HKEY root, const wchar_t* path, const wchar_t* name, DWORD expectedType)
{
    if (!ValueExists(root, path, name))
        return qmreg::kValueNotFound;
    if (expectedType == REG_DWORD)
        return qmreg::kFailure;
    FreeData();
    QmRegKey key;
    const LONG result = OpenInto(key, root, path, kReadAccess);
    if (result != ERROR_SUCCESS)
        return result;
    KeyValue value(key, name);
    return LoadData(value, expectedType);
}

int QmCReg::QueryDwordData(HKEY root, const wchar_t* path, const wchar_t* name, DWORD expectedType)
{
    if (!ValueExists(root, path, name))
        return qmreg::kValueNotFound;
    QmRegKey key;
    const LONG result = OpenInto(key, root, path, kReadAccess);
    if (result != ERROR_SUCCESS)
        return result;
    if (expectedType != REG_DWORD)
        return qmreg::kFailure;
    KeyValue value(key, name);
    return LoadDword(value);
}

int QmCReg::ReadDword(HKEY root, const wchar_t* path, const wchar_t* name)
{
    const int type = QueryValueType(root, path, name);
    if (type == qmreg::TypeCodeOf(REG_DWORD))
        return QueryDwordData(root, path, name, REG_DWORD);
    // Success of the type query means a type without a code: not a DWORD either.
    return type == qmreg::kSuccess ? qmreg::kFailure : type;
}

int QmCReg::ReadString(HKEY root, const wchar_t* path, const wchar_t* name)
{
    const int type = QueryValueType(root, path, name);
    if (type == qmreg::TypeCodeOf(REG_SZ))
        return QueryValueData(root, path, name, REG_SZ);
    return type == qmreg::kSuccess ? qmreg::kFailure : type;
}

int QmCReg::ReadBinary(HKEY root, const wchar_t* path, const wchar_t* name)
{
    const int type = QueryValueType(root, path, name);
    if (type != qmreg::TypeCodeOf(REG_BINARY))
        return type == qmreg::kSuccess ? qmreg::kFailure : type;
    const int result = QueryValueSize(root, path, name);
    if (result != qmreg::kSuccess)
        return result;
    return QueryValueData(root, path, name, REG_BINARY);
}

// Writing --------------------------------------------------------------------------------------

int QmCReg::WriteValue(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const BYTE* data,
                       DWORD size)
{
    const int exists = KeyExists(root, path);
    if (exists == 0) {
        const int created = CreateKey(root, path);
        // Another program may have made the key in the meantime; it is there, so go on.
        if (created != qmreg::kSuccess && created != qmreg::kKeyExists)
            return created;
    } else if (exists != 1) {
        return qmreg::kUnexpectedKeyState;
    }
    QmRegKey key;
    const LONG result = OpenInto(key, root, path, kFullAccess);
    if (result != ERROR_SUCCESS)
        return result;
    return key.Api().SetValue(key.Get(), name, type, data, size);
}

int QmCReg::WriteDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value)
{
    return WriteValue(root, path, name, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

int QmCReg::WriteString(HKEY root, const wchar_t* path, const wchar_t* name, const wchar_t* text)
{
    if (!text)
        return qmreg::kFailure;
    const size_t length = wcslen(text);
    if (length >= MAXDWORD / sizeof(wchar_t) - 1)
        return qmreg::kFailure;
    // The terminator is stored with the text.
    const DWORD size = static_cast<DWORD>((length + 1) * sizeof(wchar_t));
    return WriteValue(root, path, name, REG_SZ, reinterpret_cast<const BYTE*>(text), size);
}

int QmCReg::WriteBinary(HKEY root, const wchar_t* path, const wchar_t* name, const BYTE* data, DWORD size)
{
    if (!data && size)
        return qmreg::kFailure;
    return WriteValue(root, path, name, REG_BINARY, data, size);
}

int QmCReg::WriteBinaryCopy(HKEY root, const wchar_t* path, const wchar_t* name, DWORD size, const BYTE* data)
{
    if (!data)
        return qmreg::kFailure;
    std::unique_ptr<BYTE[]> copy(new (std::nothrow) BYTE[size ? size : 1]);
    if (!copy)
        return qmreg::kFailure;
    if (size)
        memcpy(copy.get(), data, size);
    return WriteValue(root, path, name, REG_BINARY, copy.get(), size);
}

// Deleting -------------------------------------------------------------------------------------

int QmCReg::DeleteValue(HKEY root, const wchar_t* path, const wchar_t* name)
{
    if (!KeyExists(root, path))
        return qmreg::kKeyNotFound;
    if (!ValueExists(root, path, name))
        return qmreg::kValueNotFound;
    QmRegKey key;
    const LONG result = OpenInto(key, root, path, kReadWriteAccess);
    if (result != ERROR_SUCCESS)
        return result;
    return key.Api().DeleteValue(key.Get(), name);
}

int QmCReg::RemoveKey(HKEY root, const wchar_t* path)
{
    RegistryApi& api = CurrentRegistryApi();
    const LONG result = api.DeleteKey(root, path, api.ViewFlag());
    return result == ERROR_ACCESS_DENIED ? qmreg::kDeleteDenied : result;
}

int QmCReg::DeleteKey(HKEY root, const wchar_t* path)
{
    // An empty path would name the root itself.
    if (IsMissingPath(path))
        return qmreg::kFailure;
    if (QueryValueCount(root, path) != qmreg::kSuccess)
        return qmreg::kKeyNotFound;
    if (GetValueCount() > 0)
        return qmreg::kKeyNotEmpty;
    return RemoveKey(root, path);
}

int QmCReg::DeleteKeyIfAtMostOneValue(HKEY root, const wchar_t* path)
{
    if (IsMissingPath(path))
        return qmreg::kFailure;
    const int result = QueryValueCount(root, path);
    if (result != qmreg::kSuccess)
        return result;
    if (GetValueCount() > 1)
        return qmreg::kKeyNotEmpty;
    return RemoveKey(root, path);
}

// 0 when the key's single value is an empty default value, else the reason to keep the key.
int QmCReg::DefaultValueIsAlone(HKEY root, const wchar_t* path)
{
    {
        QmRegKey key;
        LONG result = OpenInto(key, root, path, kReadAccess);
        if (result != ERROR_SUCCESS)
            return result;
        ClearName();
        *NameLength() = kNameCapacity;
        result = key.Api().EnumValue(key.Get(), 0, NameBuffer(), NameLength(), nullptr, nullptr, nullptr);
        NameBuffer()[kNameCapacity - 1] = 0;
        if (result == ERROR_MORE_DATA)
            return qmreg::kKeyNotEmpty;  // a name too long for the buffer is no default value
        if (result != ERROR_SUCCESS)
            return result;
        if (NameBuffer()[0] != 0)
            return qmreg::kKeyNotEmpty;
    }
    const int result = ReadString(root, path, L"");
    if (result != qmreg::kSuccess)
        return result;
    QmOwnedWide text = GetDataAsString();
    if (!text)
        return qmreg::kFailure;
    return text.Get()[0] == 0 ? qmreg::kSuccess : qmreg::kDefaultValueNotEmpty;
}

int QmCReg::DeleteKeyIfEmpty(HKEY root, const wchar_t* path)
{
    if (IsMissingPath(path))
        return qmreg::kFailure;
    int result = QueryValueCount(root, path);
    if (result != qmreg::kSuccess)
        return result;
    if (GetValueCount() > 1)
        return qmreg::kKeyNotEmpty;
    if (GetValueCount() == 1) {
        result = DefaultValueIsAlone(root, path);
        if (result != qmreg::kSuccess)
            return result;
    }
    return RemoveKey(root, path);
}
