#include "backup/RegExport.h"

#include "backup/FileReplace.h"

namespace {

// root            name in a registry file
const struct {
    uint32_t root;
    const wchar_t* name;
} kRootNames[] = {
    {kRootClassesRoot, L"HKEY_CLASSES_ROOT"},
    {kRootCurrentUser, L"HKEY_CURRENT_USER"},
    {kRootLocalMachine, L"HKEY_LOCAL_MACHINE"},
    {kRootUsers, L"HKEY_USERS"},
};

const wchar_t kLineEnd[] = L"\r\n";
// Bytes of hex data per line, as the registry editor wraps them.
const int kHexBytesPerLine = 25;

// Lower-case hexadecimal, as the registry editor writes it.
std::wstring Hex(unsigned long value, int digits)
{
    static const wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring hex(static_cast<size_t>(digits), L'0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        hex[static_cast<size_t>(i)] = kDigits[value & 0xF];
    return hex;
}

// A quoted name or string: backslashes and quotes are the only characters escaped.
std::wstring Quoted(const std::wstring& text)
{
    std::wstring quoted = L"\"";
    for (wchar_t c : text) {
        if (c == L'\\' || c == L'"')
            quoted += L'\\';
        quoted += c;
    }
    return quoted + L"\"";
}

std::wstring ValueNameOf(const wchar_t* name)
{
    return name && name[0] ? Quoted(name) : std::wstring(L"@");
}

// A line break inside a quoted string would end the line, so such text goes as hex(1): the
// UTF-16 bytes with the terminating null, continued over lines with a trailing backslash.
std::wstring HexString(const std::wstring& text)
{
    std::wstring hex = L"hex(1):";
    const size_t bytes = (text.size() + 1) * 2;
    for (size_t i = 0; i < bytes; ++i) {
        const wchar_t unit = i / 2 < text.size() ? text[i / 2] : L'\0';
        const unsigned byte = i % 2 == 0 ? (unit & 0xFF) : (unit >> 8) & 0xFF;
        hex += Hex(byte, 2);
        if (i + 1 < bytes) {
            hex += L',';
            if ((i + 1) % kHexBytesPerLine == 0)
                hex += std::wstring(L"\\") + kLineEnd + L"  ";
        }
    }
    return hex;
}

std::wstring StringData(const std::wstring& text)
{
    for (wchar_t c : text)
        if (c < 0x20)
            return HexString(text);
    return Quoted(text);
}

std::wstring KeyName(const BackupItem& place)
{
    return std::wstring(RegRootName(place.root)) + L"\\" + place.keyPath;
}

}  // namespace

const wchar_t* RegRootName(uint32_t root)
{
    for (const auto& entry : kRootNames)
        if (entry.root == root)
            return entry.name;
    return nullptr;
}

bool BuildRegExport(const BackupList& places, const BackupFile& file, std::wstring& text)
{
    text = std::wstring(L"Windows Registry Editor Version 5.00") + kLineEnd;
    const std::vector<BackupItem>& items = places.Items();
    std::wstring section;  // the key of the open section, empty when none is open
    for (size_t i = 0; i < items.size() && i < file.items.size(); ++i) {
        const BackupItem& place = items[i];
        const SavedItem& saved = file.items[i];
        if (!RegRootName(place.root))
            return false;
        if (saved.status != 1 && saved.status != -1)
            continue;  // unreadable then: left as it is now
        const std::wstring key = KeyName(place);
        if (place.kind == BackupItem::Kind::Key) {
            text += kLineEnd;
            text += (saved.status == 1 ? L"[" : L"[-") + key + L"]" + kLineEnd;
            section.clear();
            continue;
        }
        if (key != section) {
            text += kLineEnd + (L"[" + key + L"]") + kLineEnd;
            section = key;
        }
        text += ValueNameOf(place.valueName) + L"=";
        if (saved.status == -1) {
            text += L"-";
        } else if (place.kind == BackupItem::Kind::Dword) {
            text += L"dword:" + Hex(saved.number, 8);
        } else {
            text += StringData(saved.text);
        }
        text += kLineEnd;
    }
    text += kLineEnd;
    return true;
}

bool WriteRegExport(const wchar_t* path, const std::wstring& text)
{
    return ReplaceFileWithText(path, text);
}
