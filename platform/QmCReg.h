// The program's classes over the Windows registry. An object lives on the stack for one
// routine: each operation opens the key it needs, does its work and closes the key before it
// returns, on every path. Values read stay in the object (GetDword, GetData,
// GetDataAsString) until the next read replaces them.
//
// Operations return registry results, never throw:
//        0  success
//   > 0     a Win32 error passed through (2 not found, 5 access denied, 234 more data)
//   1000..1009  the type code of a value (QueryValueType; a DWORD read of a REG_SZ gives 1001)
//       -1  bad argument, out of memory, or data of a type or size the operation refuses
//     -103  the key does not exist
//     -104  the value does not exist, or its key cannot be opened for reading
//     -138  deleting a key was refused (access denied)
//     -139  the key still holds values and was not deleted
//     -140  CreateKey found the key already there
//     -142  DeleteKeyIfEmpty found a default value with text
//     -143  a write found the key neither existing nor missing
// An empty value name is the key's default value. All texts are UTF-16. Registry data is
// never trusted to be terminated, even-sized or small.
#pragma once

#include "platform/RegistryApi.h"
#include "platform/TextConvert.h"

#include <windows.h>

#include <memory>

namespace qmreg {

const int kSuccess = 0;
const int kFailure = -1;
const int kKeyNotFound = -103;
const int kValueNotFound = -104;
const int kDeleteDenied = -138;
const int kKeyNotEmpty = -139;
const int kKeyExists = -140;
const int kDefaultValueNotEmpty = -142;
const int kUnexpectedKeyState = -143;
const int kFirstTypeCode = 1000;
const int kLastTypeCode = 1009;

// The type code of a registry type (REG_SZ 1001, REG_DWORD 1004...); 0 for a type without one
// (REG_QWORD and anything newer).
int TypeCodeOf(DWORD registryType);

// The size-then-read loop gives up after this many reads of a value that keeps growing.
const int kMaxReadAttempts = 8;

}  // namespace qmreg

// What the last read and the last key query left behind.
class QmCRegBase {
public:
    static const int kNameCapacity = 1024;  // characters, terminator included

    QmCRegBase();
    virtual ~QmCRegBase();
    QmCRegBase(const QmCRegBase&) = delete;
    QmCRegBase& operator=(const QmCRegBase&) = delete;

    virtual void FreeData();
    virtual DWORD GetValueCount() const { return valueCount_; }
    virtual DWORD GetReservedCount() const { return reservedCount_; }  // nothing fills it: 0
    virtual DWORD GetSubKeyCount() const { return subKeyCount_; }
    virtual DWORD GetMaxSubKeyLength() const { return maxSubKeyLength_; }
    virtual DWORD GetMaxValueNameLength() const { return maxValueNameLength_; }
    virtual DWORD GetMaxValueLength() const { return maxValueLength_; }
    virtual DWORD GetSecurityDescriptorSize() const { return securityDescriptorSize_; }
    virtual const wchar_t* GetName() const { return name_; }  // value name of the last enumeration
    // The bytes of the last value read (null when there are none), followed by two zero bytes
    // that the value itself may lack.
    virtual const BYTE* GetData() const { return data_.get(); }
    virtual DWORD GetDataSize() const { return dataSize_; }
    virtual DWORD GetDataType() const { return dataType_; }
    virtual DWORD GetDword() const { return dwordValue_; }
    virtual void ClearName();
    // A fresh, terminated copy of the data as text: up to the first null character, or all
    // of it when the registry stored none (an odd last byte is dropped). An empty text when
    // there is no data; null only when memory runs out.
    virtual QmOwnedWide GetDataAsString() const;
    // The same text into the caller's buffer of `capacity` characters, cut to fit and always
    // terminated; returns the characters written (0 when there is no data or no room).
    virtual int CopyDataTo(wchar_t* buffer, int capacity) const;

    // Tests of a registry result.
    virtual bool IsSuccess(int result) const { return result == qmreg::kSuccess; }
    virtual bool IsFileNotFound(int result) const { return result == ERROR_FILE_NOT_FOUND; }
    virtual bool IsAccessDenied(int result) const { return result == qmreg::kDeleteDenied; }
    virtual bool IsKeyNotEmpty(int result) const { return result == qmreg::kKeyNotEmpty; }
    virtual bool IsKeyExists(int result) const { return result == qmreg::kKeyExists; }
    virtual bool IsKeyNotFound(int result) const { return result == qmreg::kKeyNotFound; }
    virtual bool IsTypeCode(int result) const
    {
        return result >= qmreg::kFirstTypeCode && result <= qmreg::kLastTypeCode;
    }

    // One registry query of the value being read, with RegQueryValueExW's arguments.
    class ValueSource {
    public:
        virtual LONG Query(DWORD* type, BYTE* data, DWORD* size) = 0;

    protected:
        ~ValueSource() = default;
    };

protected:
    // Reads a value of `expectedType` into a fresh buffer: size, then data, again while the
    // value grows in between (bounded). -1 for another type.
    int LoadData(ValueSource& source, DWORD expectedType);
    // Reads a REG_DWORD of exactly 4 bytes into dwordValue (0xFFFFFFFF unless it succeeds);
    // any other type or size is -1.
    int LoadDword(ValueSource& source);

    void SetValueCount(DWORD count) { valueCount_ = count; }
    void SetSubKeyCount(DWORD count) { subKeyCount_ = count; }
    void SetMaxSubKeyLength(DWORD length) { maxSubKeyLength_ = length; }
    void SetMaxValueNameLength(DWORD length) { maxValueNameLength_ = length; }
    void SetMaxValueLength(DWORD length) { maxValueLength_ = length; }
    void SetSecurityDescriptorSize(DWORD size) { securityDescriptorSize_ = size; }
    void SetDataSize(DWORD size) { dataSize_ = size; }
    void SetDataType(DWORD type) { dataType_ = type; }
    wchar_t* NameBuffer() { return name_; }
    DWORD* NameLength() { return &nameLength_; }

private:
    // Length in characters of the text in the data.
    DWORD TextLength() const;

    wchar_t name_[kNameCapacity];
    std::unique_ptr<BYTE[]> data_;
    DWORD dataSize_ = 0;
    DWORD dataType_ = 0;
    DWORD nameLength_ = 0;
    DWORD valueCount_ = 0;
    DWORD reservedCount_ = 0;
    DWORD subKeyCount_ = 0;
    DWORD maxSubKeyLength_ = 0;
    DWORD maxValueNameLength_ = 0;
    DWORD maxValueLength_ = 0;
    DWORD securityDescriptorSize_ = 0;
    DWORD dwordValue_ = 0;
};

// The classic registry: a predefined root (HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,
// HKEY_LOCAL_MACHINE, HKEY_USERS) and a sub-key path.
class QmCReg : public QmCRegBase {
public:
    QmCReg() = default;
    ~QmCReg() override;

    // The key of the explicit open operations; the object owns it until Close.
    virtual HKEY GetOpenKey() const { return openKey_; }
    virtual void SetOpenKey(HKEY key);  // closes the previous key first
    virtual int Flush();
    virtual int OpenFullAccess(HKEY root, const wchar_t* path);
    virtual int OpenRead(HKEY root, const wchar_t* path);
    virtual int OpenReadWrite(HKEY root, const wchar_t* path);
    virtual int CreateKey(HKEY root, const wchar_t* path);
    virtual int Close();

    virtual int DeleteKey(HKEY root, const wchar_t* path);
    virtual int DeleteKeyIfEmpty(HKEY root, const wchar_t* path);
    virtual int DeleteKeyIfAtMostOneValue(HKEY root, const wchar_t* path);
    virtual int DeleteValue(HKEY root, const wchar_t* path, const wchar_t* name);

    virtual int QueryValueCount(HKEY root, const wchar_t* path);
    virtual int QuerySubKeyCount(HKEY root, const wchar_t* path);
    virtual int QueryMaxSubKeyLength(HKEY root, const wchar_t* path);
    virtual int QueryMaxValueNameLength(HKEY root, const wchar_t* path);
    virtual int QueryMaxValueLength(HKEY root, const wchar_t* path);
    virtual int QuerySecurityDescriptorSize(HKEY root, const wchar_t* path);
    virtual int QueryValueType(HKEY root, const wchar_t* path, const wchar_t* name);
    virtual int QueryDefaultValueType(HKEY root, const wchar_t* path);
    virtual int QueryValueSize(HKEY root, const wchar_t* path, const wchar_t* name);
    virtual int QueryValueData(HKEY root, const wchar_t* path, const wchar_t* name, DWORD expectedType);
    virtual int QueryDwordData(HKEY root, const wchar_t* path, const wchar_t* name, DWORD expectedType);

    // 1 or 0, never an error code.
    virtual int KeyExists(HKEY root, const wchar_t* path);
    virtual int ValueExists(HKEY root, const wchar_t* path, const wchar_t* name);  // keeps the type

    virtual int ReadDword(HKEY root, const wchar_t* path, const wchar_t* name);
    virtual int ReadString(HKEY root, const wchar_t* path, const wchar_t* name);
    virtual int WriteDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value);
    virtual int WriteString(HKEY root, const wchar_t* path, const wchar_t* name, const wchar_t* text);
    virtual int ReadBinary(HKEY root, const wchar_t* path, const wchar_t* name);
    virtual int WriteBinary(HKEY root, const wchar_t* path, const wchar_t* name, const BYTE* data, DWORD size);
    virtual int WriteBinaryCopy(HKEY root, const wchar_t* path, const wchar_t* name, DWORD size, const BYTE* data);

private:
    enum class KeyNumber { kValues, kSubKeys, kMaxSubKeyLength, kMaxValueNameLength, kMaxValueLength, kSecurity };

    int Open(HKEY root, const wchar_t* path, REGSAM access);
    int QueryKeyNumber(HKEY root, const wchar_t* path, KeyNumber which);
    // The type and size of an existing value: 0, -104, or the Win32 code of the open or query.
    int QueryTypeAndSize(HKEY root, const wchar_t* path, const wchar_t* name, DWORD& type, DWORD& size);
    int WriteValue(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const BYTE* data, DWORD size);
    int RemoveKey(HKEY root, const wchar_t* path);
    int DefaultValueIsAlone(HKEY root, const wchar_t* path);

    HKEY openKey_ = nullptr;
    RegistryApi* openKeyApi_ = nullptr;  // the instance that opened openKey_
};
