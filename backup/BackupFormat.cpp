#include "backup/BackupFormat.h"

#include "platform/TextConvert.h"

namespace {

const wchar_t* const kPageCodes[] = {L"DT", L"SM", L"SG", L"CN", L"HW", L"W1", L"W2", L"IC", L"IE"};
const int kPageCodeCount = sizeof(kPageCodes) / sizeof(kPageCodes[0]);

// Appends open tag, content, close tag and a line feed; false when memory ran out.
bool AppendElement(QmWString& text, const wchar_t* tag, const wchar_t* content)
{
    const int before = text.Length();
    QmWString line(L"<");
    line += QmWString(tag);
    line += QmWString(L">");
    line += QmWString(content);
    line += QmWString(L"</");
    line += QmWString(tag);
    line += QmWString(L">\n");
    text += line;
    return text.Length() == before + line.Length() && line.Length() > 0;
}

bool AppendLine(QmWString& text, const wchar_t* line)
{
    const int before = text.Length();
    text += QmWString(line);
    text += QmWString(L"\n");
    return text.Length() > before;
}

bool AppendItemStart(QmWString& text, int index, const wchar_t* type, int status)
{
    return AppendElement(text, L"DataIndex", FormatInt(index).Get()) && AppendElement(text, L"DataType", type) &&
           AppendElement(text, L"DataErrorCode", FormatLong(status).Get());
}

}  // namespace

const wchar_t* BackupPageCode(int page)
{
    return page >= 0 && page < kPageCodeCount ? kPageCodes[page] : nullptr;
}

const wchar_t* BackupSystemFolder(int osCode)
{
    return osCode == 108 ? L"XP" : osCode == 113 ? L"Vista" : osCode == 116 ? L"Win7" : nullptr;
}

const wchar_t* BackupSystemName(int osCode)
{
    return osCode == 108 ? L"XP" : osCode == 113 ? L"Vista" : osCode == 116 ? L"Windows 7" : nullptr;
}

QmWString BackupStamp(const SYSTEMTIME& time)
{
    const unsigned fields[] = {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
    QmWString stamp;
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            stamp += QmWString(L"_");
        stamp += QmWString(FormatUnsigned(fields[i]).Get());
    }
    return stamp;
}

bool AppendBackupHeader(QmWString& text, int osCode, int page, const QmWString& stamp)
{
    const wchar_t* system = BackupSystemName(osCode);
    if (!system)
        return false;
    const wchar_t* code = BackupPageCode(page);
    return AppendLine(text, L"<Zentrak_Backup_File>") &&
           AppendElement(text, L"Zentrak_Version", L"1.3.1.2") &&
           AppendElement(text, L"BackupFile_Version", L"1.0") &&
           AppendElement(text, L"System_Version", system) &&
           AppendElement(text, L"Page_Index", code ? FormatInt(page).Get() : L"-1") &&
           AppendElement(text, L"Page_Name", code ? code : L"UnKnown") &&
           AppendElement(text, L"DateTime", stamp.CStr());
}

bool AppendDataAreaStart(QmWString& text)
{
    return AppendLine(text, L"<DataArea>");
}

bool AppendDwordItem(QmWString& text, int index, int status, DWORD value)
{
    return AppendItemStart(text, index, L"DWORD", status) &&
           AppendElement(text, L"Data", FormatHex8(status == 1 ? value : 0).Get());
}

bool AppendTextItem(QmWString& text, int index, int status, const QmWString& value)
{
    return AppendItemStart(text, index, L"SZ", status) && AppendElement(text, L"Data", status == 1 ? value.CStr() : L"");
}

bool AppendKeyItem(QmWString& text, int index, int status)
{
    return AppendItemStart(text, index, L"Key", status) && AppendElement(text, L"Data", status == 1 ? L"1" : L"0");
}

bool AppendBackupEnd(QmWString& text, int lastIndex)
{
    return AppendLine(text, L"</DataArea>") && AppendElement(text, L"DataTotal", FormatInt(lastIndex).Get()) &&
           AppendElement(text, L"BackupFile_Flag", L"1") && AppendLine(text, L"</Zentrak_Backup_File>");
}
