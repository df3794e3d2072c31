#include "platform/QmCReg.h"

#include <cstring>
#include <new>

namespace qmreg {

int TypeCodeOf(DWORD registryType)
{
    // registry type          code     (1005 is never produced)
    static const struct {
        DWORD type;
        int code;
    } kTypeCodes[] = {
        {REG_NONE, 1000},
        {REG_SZ, 1001},
        {REG_MULTI_SZ, 1002},
        {REG_EXPAND_SZ, 1003},
        {REG_DWORD, 1004},
        {REG_DWORD_BIG_ENDIAN, 1006},
        {REG_BINARY, 1007},
        {REG_LINK, 1008},
        {REG_RESOURCE_LIST, 1009},
    };
    for (const auto& entry : kTypeCodes)
        if (entry.type == registryType)
            return entry.code;
    return 0;
}

}  // namespace qmreg

QmCRegBase::QmCRegBase()
{
    ClearName();
}

QmCRegBase::~QmCRegBase() = default;

void QmCRegBase::FreeData()
{
    data_.reset();
    dataSize_ = 0;
}

void QmCRegBase::ClearName()
{
    memset(name_, 0, sizeof(name_));
}

int QmCRegBase::LoadData(ValueSource& source, DWORD expectedType)
{
    FreeData();
    for (int attempt = 0; attempt < qmreg::kMaxReadAttempts; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        LONG result = source.Query(&type, nullptr, &size);
        if (result != ERROR_SUCCESS)
            return result;
        dataType_ = type;
        if (type != expectedType)
            return qmreg::kFailure;
        // Three zero bytes beyond the data, so that a text stored without its terminator, or
        // with an odd byte count, still ends inside the buffer.
        if (size > MAXDWORD - 3)
            return qmreg::kFailure;
        std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[size + 3]());
        if (!buffer)
            return qmreg::kFailure;
        DWORD read = size;
        result = source.Query(&type, buffer.get(), &read);
        if (result == ERROR_MORE_DATA)
            continue;  // the value grew since its size was taken
        if (result != ERROR_SUCCESS)
            return result;
        dataType_ = type;
        if (type != expectedType || read > size)
            return qmreg::kFailure;
        data_ = std::move(buffer);
        dataSize_ = read;
        return qmreg::kSuccess;
    }
    return ERROR_MORE_DATA;
}

int QmCRegBase::LoadDword(ValueSource& source)
{
    dwordValue_ = 0xFFFFFFFF;
    DWORD type = 0;
    DWORD size = 0;
    LONG result = source.Query(&type, nullptr, &size);
    if (result != ERROR_SUCCESS)
        return result;
    dataType_ = type;
    // A REG_DWORD of another size is damaged: reading 4 bytes of it would take a stale byte
    // or drop one.
    if (type != REG_DWORD || size != sizeof(DWORD))
        return qmreg::kFailure;
    DWORD value = 0;
    DWORD read = sizeof(value);
    result = source.Query(&type, reinterpret_cast<BYTE*>(&value), &read);
    if (result == ERROR_MORE_DATA)
        return qmreg::kFailure;  // grown beyond 4 bytes in the meantime
    if (result != ERROR_SUCCESS)
        return result;
    dataType_ = type;
    if (type != REG_DWORD || read != sizeof(DWORD))
        return qmreg::kFailure;
    dwordValue_ = value;
    dataSize_ = sizeof(DWORD);
    return qmreg::kSuccess;
}

DWORD QmCRegBase::TextLength() const
{
    if (!data_)
        return 0;
    const wchar_t* text = reinterpret_cast<const wchar_t*>(data_.get());
    const DWORD limit = dataSize_ / sizeof(wchar_t);
    DWORD length = 0;
    while (length < limit && text[length] != 0)
        ++length;
    return length;
}

QmOwnedWide QmCRegBase::GetDataAsString() const
{
    const DWORD length = TextLength();
    wchar_t* copy = new (std::nothrow) wchar_t[length + 1];
    if (!copy)
        return QmOwnedWide();
    if (length)
        memcpy(copy, data_.get(), length * sizeof(wchar_t));
    copy[length] = 0;
    return QmOwnedWide(copy);
}

int QmCRegBase::CopyDataTo(wchar_t* buffer, int capacity) const
{
    if (!buffer || capacity <= 0)
        return 0;
    DWORD length = TextLength();
    if (length > static_cast<DWORD>(capacity - 1))
        length = static_cast<DWORD>(capacity - 1);
    if (length)
        memcpy(buffer, data_.get(), length * sizeof(wchar_t));
    buffer[length] = 0;
    return static_cast<int>(length);
}
