// The constant catalogue's record kinds. Every registry value or key a page can show or
// change is one record; records of one kind that a page uses together form a group (a plain
// array). Labels are Big5 and descriptive only; key paths and value names keep the
// catalogue's own spelling and case. Records are never modified at run time.
#pragma once

#include <windows.h>

#include <cstdint>

// Predefined roots as the records store them.
enum : uint32_t {
    kRootClassesRoot = 0x80000000u,
    kRootCurrentUser = 0x80000001u,
    kRootLocalMachine = 0x80000002u,
    kRootUsers = 0x80000003u,
};

// The HKEY of a stored root (sign-extended, as the predefined handles are on 64-bit).
inline HKEY RootKey(uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<int32_t>(root))));
}

const int kLabelBytes = 128;
const int kKeyPathUnits = 512;
const int kValueNameUnits = 256;
const int kRecordTextBytes = 256;

// item, label, valueType, root, keyPath, valueName: the part every kind but KeyToggle starts with.
#define QM_TWEAK_COMMON_FIELDS          \
    uint32_t item;                      \
    char label[kLabelBytes];            \
    uint32_t valueType;                 \
    uint32_t root;                      \
    wchar_t keyPath[kKeyPathUnits];     \
    wchar_t valueName[kValueNameUnits]

// A check item: checked exactly when the value equals onValue.
struct DwordToggle {
    QM_TWEAK_COMMON_FIELDS;
    uint32_t offValue;
    uint32_t onValue;
};

// A check item on a REG_SZ value; the texts are narrow ASCII, converted with the ANSI code
// page before any comparison or write.
struct StringToggle {
    QM_TWEAK_COMMON_FIELDS;
    char offText[kRecordTextBytes];
    char onText[kRecordTextBytes];
};

// Combo index i stands for choice[i].
struct DwordChoice3 {
    QM_TWEAK_COMMON_FIELDS;
    uint32_t choice[3];
};

// defaultValue is a reference value only (the default a caption quotes).
struct DwordChoice5 {
    QM_TWEAK_COMMON_FIELDS;
    uint32_t defaultValue;
    uint32_t choice[5];
};

// REG_SZ values whose choice lists belong to the page; the stored texts are not read.
struct StringChoice3 {
    QM_TWEAK_COMMON_FIELDS;
    char choice[3][kRecordTextBytes];
};

// A value whose data comes from a control; the record only names it.
struct ValueSlot {
    QM_TWEAK_COMMON_FIELDS;
};

#undef QM_TWEAK_COMMON_FIELDS

// A tweak whose state is the existence of a key.
struct KeyToggle {
    uint32_t item;
    char label[kLabelBytes];
    uint32_t root;
    wchar_t keyPath[kKeyPathUnits];
};

// Where a value lives, and its type, for settings kept in several places at once.
struct RegPlace {
    uint32_t root;
    const wchar_t* keyPath;
    const wchar_t* valueName;
    uint32_t valueType;  // REG_DWORD or REG_SZ
};

template <class Record>
constexpr RegPlace PlaceOf(const Record& record)
{
    return RegPlace{record.root, record.keyPath, record.valueName, record.valueType};
}

template <class T, size_t N>
constexpr int CountOf(const T (&)[N])
{
    return static_cast<int>(N);
}
