#include "backup/BackupReader.h"

#include "backup/Backup.h"
#include "backup/BackupFormat.h"
#include "platform/QmFile.h"
#include "platform/TextConvert.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace {

const wchar_t* const kKindNames[] = {L"DWORD", L"SZ", L"Key"};
const BackupItem::Kind kKinds[] = {BackupItem::Kind::Dword, BackupItem::Kind::Text, BackupItem::Kind::Key};
const int kSystemCodes[] = {108, 113, 116};

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// "%d" / "%ld" and nothing else: no sign but a minus, no leading zeros, no spaces, in range.
bool ParseDecimal(const std::wstring& text, long& value)
{
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == L'-';
    if (negative)
        ++i;
    if (i >= text.size() || (text[i] == L'0' && (text.size() > i + 1 || negative)))
        return false;
    long long number = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return false;
        number = number * 10 + (text[i] - L'0');
        if (number > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    number = negative ? -number : number;
    if (number < INT_MIN || number > INT_MAX)
        return false;
    value = static_cast<long>(number);
    return true;
}

// "%08X": exactly eight hexadecimal digits (either case, as someone checking by hand may
// have retyped them).
bool ParseHex8(const std::wstring& text, DWORD& value)
{
    if (text.size() != 8)
        return false;
    DWORD number = 0;
    for (wchar_t c : text) {
        int digit;
        if (IsDigit(c))
            digit = c - L'0';
        else if (c >= L'A' && c <= L'F')
            digit = c - L'A' + 10;
        else if (c >= L'a' && c <= L'f')
            digit = c - L'a' + 10;
        else
            return false;
        number = number * 16 + static_cast<DWORD>(digit);
    }
    value = number;
    return true;
}

// Six "%u" fields joined by "_", each in the range a clock gives.
bool ParseStamp(const std::wstring& stamp, SYSTEMTIME& time)
{
    const long lowest[] = {1601, 1, 1, 0, 0, 0};
    const long highest[] = {30827, 12, 31, 23, 59, 59};
    long fields[6] = {};
    size_t start = 0;
    for (int i = 0; i < 6; ++i) {
        const size_t end = i < 5 ? stamp.find(L'_', start) : stamp.size();
        if (end == std::wstring::npos)
            return false;
        const std::wstring field = stamp.substr(start, end - start);
        if (field.empty() || field[0] == L'-' || !ParseDecimal(field, fields[i]) || fields[i] < lowest[i] ||
            fields[i] > highest[i])
            return false;
        start = end + 1;
    }
    static const long kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const long year = fields[0], month = fields[1];
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (fields[2] > kMonthDays[month - 1] + (month == 2 && leap ? 1 : 0))
        return false;
    time = SYSTEMTIME{};
    time.wYear = static_cast<WORD>(fields[0]);
    time.wMonth = static_cast<WORD>(fields[1]);
    time.wDay = static_cast<WORD>(fields[2]);
    time.wHour = static_cast<WORD>(fields[3]);
    time.wMinute = static_cast<WORD>(fields[4]);
    time.wSecond = static_cast<WORD>(fields[5]);
    return true;
}

std::wstring Element(const wchar_t* tag, const std::wstring& content)
{
    return std::wstring(L"<") + tag + L">" + content + L"</" + tag + L">";
}

bool StartsWith(std::wstring_view text, std::wstring_view start)
{
    return text.size() >= start.size() && text.compare(0, start.size(), start) == 0;
}

bool EndsWith(std::wstring_view text, std::wstring_view end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Walks the lines in order; every expectation either consumes a line or records what was
// wrong with it. Lines are found one at a time as the parse reaches them, so a file that goes
// wrong early costs no more than its first lines. The text after the last line feed counts
// as a last "line", so that a missing final line feed shows as truncation.
class LineReader {
public:
    LineReader(std::wstring_view text, BackupFileError& error) : text_(text), error_(error) {}

    int LineNumber() const { return taken_ + 1; }
    // The line the last successful expectation took.
    int LastLine() const { return taken_; }
    // The last "line" is what follows the final line feed: it must be empty.
    bool AtEnd() const { return text_.find(L'\n', next_) == std::wstring_view::npos; }
    std::wstring_view Peek() const { return LineAt(next_); }

    bool Fail(BackupProblem problem, const std::wstring& detail = std::wstring())
    {
        return FailAt(LineNumber(), problem, detail);
    }
    bool FailAt(int line, BackupProblem problem, const std::wstring& detail = std::wstring())
    {
        error_.problem = problem;
        error_.line = line;
        error_.detail = detail;
        return false;
    }
    bool FailTruncatedOr(BackupProblem problem, const std::wstring& detail)
    {
        return AtEnd() ? Fail(BackupProblem::kTruncated) : Fail(problem, detail);
    }

    bool Exact(const wchar_t* line)
    {
        if (AtEnd() || Peek() != line)
            return FailTruncatedOr(BackupProblem::kUnexpectedLine, line);
        Take(1, text_.find(L'\n', next_) + 1);
        return true;
    }

    // A one-line element; `content` receives what stands between the tags.
    bool OneLine(const wchar_t* tag, std::wstring& content, const wchar_t* shape)
    {
        const std::wstring open = std::wstring(L"<") + tag + L">";
        const std::wstring close = std::wstring(L"</") + tag + L">";
        if (AtEnd())
            return Fail(BackupProblem::kTruncated);
        const std::wstring_view line = Peek();
        if (line.size() < open.size() + close.size() || !StartsWith(line, open) || !EndsWith(line, close))
            return Fail(BackupProblem::kUnexpectedLine, Element(tag, shape));
        content = line.substr(open.size(), line.size() - open.size() - close.size());
        Take(1, next_ + line.size() + 1);
        return true;
    }

    // The <Data> of a text item, which spans several lines when the value holds line breaks:
    // it ends at the first line ending in "</Data>" that is followed by an item's first line
    // or by the end of the data area. (A text that itself holds such a pair of lines cannot
    // be told from two items; the item checks that follow then refuse the file.)
    bool TextData(std::wstring& content)
    {
        static const std::wstring_view open = L"<Data>";
        static const std::wstring_view close = L"</Data>";
        static const std::wstring_view indexOpen = L"<DataIndex>";
        static const std::wstring_view indexClose = L"</DataIndex>";
        if (AtEnd())
            return Fail(BackupProblem::kTruncated);
        if (!StartsWith(Peek(), open))
            return Fail(BackupProblem::kUnexpectedLine, Element(L"Data", L"..."));
        int lines = 0;
        for (size_t start = next_, end; (end = text_.find(L'\n', start)) != std::wstring_view::npos; start = end + 1) {
            ++lines;
            const std::wstring_view line = text_.substr(start, end - start);
            if (!EndsWith(line, close) || (start == next_ && line.size() < open.size() + close.size()))
                continue;
            const std::wstring_view after = LineAt(end + 1);
            const bool followed = after == L"</DataArea>" || (after.size() >= indexOpen.size() + indexClose.size() &&
                                                              StartsWith(after, indexOpen) && EndsWith(after, indexClose));
            if (!followed)
                continue;
            const size_t from = next_ + open.size();
            content = text_.substr(from, end - close.size() - from);
            Take(lines, end + 1);
            return true;
        }
        // No end of the data: the file stops inside it.
        return FailAt(1 + static_cast<int>(std::count(text_.begin(), text_.end(), L'\n')), BackupProblem::kTruncated);
    }

private:
    std::wstring_view LineAt(size_t start) const
    {
        const size_t end = text_.find(L'\n', start);
        return text_.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start);
    }
    void Take(int lines, size_t next)
    {
        taken_ += lines;
        next_ = next;
    }

    std::wstring_view text_;
    BackupFileError& error_;
    size_t next_ = 0;  // where the next line starts
    int taken_ = 0;    // lines taken so far
};

bool ParseHeader(LineReader& reader, BackupFile& file)
{
    std::wstring content;
    if (!reader.Exact(L"<Zentrak_Backup_File>"))
        return false;
    // The program's version is informative (digits and dots); the format's version decides.
    if (!reader.OneLine(L"Zentrak_Version", content, L"1.3.1.2"))
        return false;
    for (wchar_t c : content.empty() ? std::wstring(L"-") : content)
        if (!IsDigit(c) && c != L'.')
            return reader.FailAt(reader.LastLine(), BackupProblem::kUnexpectedLine,
                                 Element(L"Zentrak_Version", L"1.3.1.2"));
    if (!reader.Exact(L"<BackupFile_Version>1.0</BackupFile_Version>"))
        return false;

    if (!reader.OneLine(L"System_Version", content, L"XP | Vista | Windows 7"))
        return false;
    file.osCode = 0;
    for (int code : kSystemCodes)
        if (content == BackupSystemName(code))
            file.osCode = code;
    if (!file.osCode)
        return reader.FailAt(reader.LastLine(), BackupProblem::kUnknownSystem, content);

    long page = -1;
    if (!reader.OneLine(L"Page_Index", content, L"0 - 8"))
        return false;
    if (!ParseDecimal(content, page))
        return reader.FailAt(reader.LastLine(), BackupProblem::kBadNumber, content);
    if (page < 0 || page >= kTweakPageCount)
        return reader.FailAt(reader.LastLine(), BackupProblem::kUnknownPage, content);
    file.page = static_cast<int>(page);
    if (!reader.OneLine(L"Page_Name", content, BackupPageCode(file.page)))
        return false;
    if (content != BackupPageCode(file.page))
        return reader.FailAt(reader.LastLine(), BackupProblem::kUnknownPage, content);

    if (!reader.OneLine(L"DateTime", content, L"2009_2_26_14_5_9"))
        return false;
    if (!ParseStamp(content, file.time))
        return reader.FailAt(reader.LastLine(), BackupProblem::kBadStamp, content);
    file.stamp = content;
    return true;
}

// A number line of an item: the element, then the number as the writer writes it.
bool DecimalElement(LineReader& reader, const wchar_t* tag, long& value)
{
    std::wstring content;
    if (!reader.OneLine(tag, content, L"..."))
        return false;
    if (!ParseDecimal(content, value))
        return reader.FailAt(reader.LastLine(), BackupProblem::kBadNumber, content);
    return true;
}

bool ParseItem(LineReader& reader, int index, SavedItem& item)
{
    long number = 0;
    item.line = reader.LineNumber();
    if (!DecimalElement(reader, L"DataIndex", number))
        return false;
    if (number != index)
        return reader.FailAt(reader.LastLine(), BackupProblem::kBadIndex, std::to_wstring(index));

    std::wstring content;
    item.typeLine = reader.LineNumber();
    if (!reader.OneLine(L"DataType", content, L"DWORD | SZ | Key"))
        return false;
    int kind = -1;
    for (int k = 0; k < 3; ++k)
        if (content == kKindNames[k])
            kind = k;
    if (kind < 0)
        return reader.FailAt(reader.LastLine(), BackupProblem::kUnexpectedLine, Element(L"DataType", L"DWORD | SZ | Key"));
    item.kind = kKinds[kind];

    if (!DecimalElement(reader, L"DataErrorCode", number))
        return false;
    const bool isKey = item.kind == BackupItem::Kind::Key;
    if (number != 1 && number != -1 && (isKey || number != -3))
        return reader.FailAt(reader.LastLine(), BackupProblem::kBadStatus, std::to_wstring(number));
    item.status = static_cast<int>(number);

    // Data as the writer leaves it: a failed read carries no stale value.
    switch (item.kind) {
    case BackupItem::Kind::Dword:
        if (!reader.OneLine(L"Data", content, L"00000000"))
            return false;
        if (!ParseHex8(content, item.number))
            return reader.FailAt(reader.LastLine(), BackupProblem::kBadNumber, content);
        if (item.status != 1 && item.number != 0)
            return reader.FailAt(reader.LastLine(), BackupProblem::kDataMismatch, content);
        break;
    case BackupItem::Kind::Text:
        if (!reader.TextData(item.text))
            return false;
        if (item.text.size() > kMaxBackupTextLength)
            return reader.FailAt(item.typeLine + 2, BackupProblem::kTextTooLong);
        if (item.status != 1 && !item.text.empty())
            return reader.FailAt(reader.LastLine(), BackupProblem::kDataMismatch, item.text);
        break;
    case BackupItem::Kind::Key:
        if (!reader.OneLine(L"Data", content, L"1 | 0"))
            return false;
        if (content != (item.status == 1 ? L"1" : L"0"))
            return reader.FailAt(reader.LastLine(), BackupProblem::kDataMismatch, content);
        break;
    }
    return true;
}

bool IsDriveRoot(const std::wstring& text)
{
    return text.size() >= 3 && ((text[0] >= L'A' && text[0] <= L'Z') || (text[0] >= L'a' && text[0] <= L'z')) &&
           text[1] == L':' && text[2] == L'\\';
}

// What the program itself writes at a guarded place: the record's texts, and a command on
// any drive (the program puts it on the Windows folder's drive).
bool IsProgramText(const BackupItem& place, const std::wstring& text)
{
    if (place.guard == BackupItem::Guard::None)
        return true;
    if (!place.record)
        return false;
    for (const char* written : {place.record->offText, place.record->onText}) {
        const QmOwnedWide wide = AnsiToWide(written, CP_ACP);
        if (!wide)
            continue;
        const std::wstring own = wide.Get();
        if (text == own || (place.guard == BackupItem::Guard::Command && IsDriveRoot(own) && IsDriveRoot(text) &&
                            text.compare(1, std::wstring::npos, own, 1, std::wstring::npos) == 0))
            return true;
    }
    return false;
}

}  // namespace

const wchar_t* BackupKindName(BackupItem::Kind kind)
{
    for (int k = 0; k < 3; ++k)
        if (kKinds[k] == kind)
            return kKindNames[k];
    return L"";
}

bool DecodeBackupBytes(const std::string& bytes, std::wstring& text, BackupFileError& error)
{
    error = BackupFileError();
    if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xFE || bytes.size() % 2 != 0) {
        error.problem = BackupProblem::kNotUtf16;
        return false;
    }
    text.assign((bytes.size() - 2) / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 + 2 * i]) |
                                       static_cast<unsigned char>(bytes[3 + 2 * i]) << 8);
    const size_t nul = text.find(L'\0');
    if (nul != std::wstring::npos) {
        error.problem = BackupProblem::kNullCharacter;
        error.line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + nul, L'\n'));
        return false;
    }
    return true;
}

bool ParseBackupText(const std::wstring& text, BackupFile& file, BackupFileError& error)
{
    error = BackupFileError();
    file = BackupFile();
    LineReader reader(text, error);
    if (!ParseHeader(reader, file) || !reader.Exact(L"<DataArea>"))
        return false;
    // Items follow until the end of the data area.
    for (int index = 0; !reader.AtEnd() && reader.Peek() != L"</DataArea>"; ++index) {
        SavedItem item;
        if (!ParseItem(reader, index, item)) {
            error.item = index;
            return false;
        }
        file.items.push_back(item);
    }
    file.endLine = reader.LineNumber();
    if (!reader.Exact(L"</DataArea>"))
        return false;
    long total = 0;
    if (!DecimalElement(reader, L"DataTotal", total))
        return false;
    const long last = static_cast<long>(file.items.size()) - 1;
    if (total != last) {
        reader.FailAt(reader.LastLine(), BackupProblem::kBadTotal, std::to_wstring(total));
        error.expected = last;
        error.found = total;
        return false;
    }
    if (!reader.AtEnd() && reader.Peek() != L"<BackupFile_Flag>1</BackupFile_Flag>")
        return reader.Fail(BackupProblem::kNotComplete, std::wstring(reader.Peek()));
    if (!reader.Exact(L"<BackupFile_Flag>1</BackupFile_Flag>") || !reader.Exact(L"</Zentrak_Backup_File>"))
        return false;
    if (!reader.AtEnd() || !reader.Peek().empty())
        return reader.Fail(BackupProblem::kTrailingText);
    return true;
}

bool ReadBackupFile(const wchar_t* path, BackupFile& file, BackupFileError& error)
{
    error = BackupFileError();
    QmFile source;
    if (!source.Open(path, true, true, true)) {
        error.problem = BackupProblem::kCannotOpen;
        return false;
    }
    const int64_t size = source.GetSize();
    if (size < 0) {
        error.problem = BackupProblem::kCannotOpen;
        return false;
    }
    if (size > kMaxBackupFileBytes) {
        error.problem = BackupProblem::kTooLarge;
        return false;
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    DWORD read = 0;
    if (size > 0 && (!source.Read(&bytes[0], static_cast<DWORD>(size), &read) || read != size)) {
        error.problem = BackupProblem::kCannotOpen;
        return false;
    }
    std::wstring text;
    return DecodeBackupBytes(bytes, text, error) && ParseBackupText(text, file, error);
}

bool CheckBackupForSystem(const BackupFile& file, const QmThisApp& app, BackupList& items, BackupFileError& error)
{
    error = BackupFileError();
    items = BackupList();
    if (file.osCode != app.GetOsCode()) {
        error.problem = BackupProblem::kOtherSystem;
        error.line = 4;  // the system line
        error.detail = BackupSystemName(file.osCode) ? BackupSystemName(file.osCode) : L"";
        return false;
    }
    if (!BackupItemsOf(app, file.page, items))
        return false;
    const std::vector<BackupItem>& expected = items.Items();
    // A count that differs says more (another Internet Explorer or service pack) than the
    // first kind that differs would.
    if (file.items.size() != expected.size()) {
        error.problem = BackupProblem::kItemCount;
        // The first item too many, or the end of a data area that stops short.
        error.line = file.items.size() > expected.size() ? file.items[expected.size()].line : file.endLine;
        error.expected = static_cast<long>(expected.size());
        error.found = static_cast<long>(file.items.size());
        return false;
    }
    for (size_t i = 0; i < expected.size(); ++i)
        if (file.items[i].kind != expected[i].kind) {
            error.problem = BackupProblem::kItemKind;
            error.line = file.items[i].typeLine;
            error.detail = BackupKindName(expected[i].kind);
            return false;
        }
    // Windows runs or loads what stands there: a file may only put back the program's own.
    for (size_t i = 0; i < expected.size(); ++i)
        if (file.items[i].status == 1 && !IsProgramText(expected[i], file.items[i].text)) {
            error.problem = BackupProblem::kNotProgramText;
            error.line = file.items[i].typeLine + 2;  // its <Data>
            error.item = static_cast<int>(i);
            error.detail = file.items[i].text;
            return false;
        }
    return true;
}
