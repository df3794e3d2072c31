#include "backup/BackupTool.h"

#include "app/StartupChecks.h"
#include "backup/Backup.h"
#include "backup/BackupFormat.h"
#include "backup/BackupReader.h"
#include "backup/BackupRestore.h"
#include "backup/FileReplace.h"
#include "backup/RegExport.h"
#include "backup/ToolTexts.h"
#include "platform/QmFile.h"
#include "platform/QmLocale.h"
#include "platform/QmSystem.h"

#include <algorithm>

namespace {

using Arguments = std::vector<std::wstring>;

// problem                            message                                 detail from the file
const struct {
    BackupProblem problem;
    ToolTextId text;
    bool fileText;
} kProblemTexts[] = {
    {BackupProblem::kCannotOpen, ToolTextId::kProblemCannotOpen, false},
    {BackupProblem::kTooLarge, ToolTextId::kProblemTooLarge, false},
    {BackupProblem::kNotUtf16, ToolTextId::kProblemNotUtf16, false},
    {BackupProblem::kNullCharacter, ToolTextId::kProblemNullCharacter, false},
    {BackupProblem::kUnexpectedLine, ToolTextId::kProblemUnexpectedLine, false},
    {BackupProblem::kBadNumber, ToolTextId::kProblemBadNumber, true},
    {BackupProblem::kBadStamp, ToolTextId::kProblemBadStamp, true},
    {BackupProblem::kUnknownSystem, ToolTextId::kProblemUnknownSystem, true},
    {BackupProblem::kUnknownPage, ToolTextId::kProblemUnknownPage, true},
    {BackupProblem::kBadIndex, ToolTextId::kProblemBadIndex, false},
    {BackupProblem::kBadStatus, ToolTextId::kProblemBadStatus, false},
    {BackupProblem::kDataMismatch, ToolTextId::kProblemDataMismatch, true},
    {BackupProblem::kBadTotal, ToolTextId::kProblemBadTotal, false},
    {BackupProblem::kNotComplete, ToolTextId::kProblemNotComplete, true},
    {BackupProblem::kTruncated, ToolTextId::kProblemTruncated, false},
    {BackupProblem::kTrailingText, ToolTextId::kProblemTrailingText, false},
    {BackupProblem::kOtherSystem, ToolTextId::kProblemOtherSystem, false},
    {BackupProblem::kItemCount, ToolTextId::kProblemItemCount, false},
    {BackupProblem::kItemKind, ToolTextId::kProblemItemKind, false},
    {BackupProblem::kTextTooLong, ToolTextId::kProblemTextTooLong, false},
    {BackupProblem::kNotProgramText, ToolTextId::kProblemNotProgramText, true},
};

// Why a page's text would not read back, by what the reader said.
const struct {
    BackupProblem problem;
    ToolTextId text;
} kReadBackReasons[] = {
    {BackupProblem::kTextTooLong, ToolTextId::kReasonTextTooLong},
    {BackupProblem::kNotProgramText, ToolTextId::kReasonNotProgramText},
    {BackupProblem::kTooLarge, ToolTextId::kReasonTooLarge},
};

bool IsHelp(const std::wstring& argument)
{
    return argument == L"--help" || argument == L"-h" || argument == L"/?" || argument == L"help";
}

// "-x", "--name" or "/x": never a file or page (a file of such a name is given as .\-x).
bool IsOption(const std::wstring& argument)
{
    return argument.size() >= 2 && (argument[0] == L'-' || (argument[0] == L'/' && argument.size() == 2));
}

std::wstring Upper(std::wstring text)
{
    for (wchar_t& c : text)
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    return text;
}

// 0 to 8, or a page code in any case.
bool ParsePage(const std::wstring& text, int& page)
{
    if (text.size() == 1 && text[0] >= L'0' && text[0] < L'0' + kTweakPageCount) {
        page = text[0] - L'0';
        return true;
    }
    for (int i = 0; i < kTweakPageCount; ++i)
        if (Upper(text) == BackupPageCode(i)) {
            page = i;
            return true;
        }
    return false;
}

std::wstring TwoDigits(unsigned value)
{
    return (value < 10 ? L"0" : L"") + std::to_wstring(value);
}

std::wstring DateTimeText(const SYSTEMTIME& time)
{
    return std::to_wstring(time.wYear) + L"-" + TwoDigits(time.wMonth) + L"-" + TwoDigits(time.wDay) + L" " +
           TwoDigits(time.wHour) + L":" + TwoDigits(time.wMinute) + L":" + TwoDigits(time.wSecond);
}

// A text shown in quotes, escaped as in C so that a backslash, a quote or a control
// character cannot be mistaken for another: what a file or the registry holds can never move
// the cursor, clear a line or pass for a message of the program's own.
std::wstring ShownText(const std::wstring& text)
{
    static const wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring shown = L"\"";
    for (wchar_t c : text) {
        if (c == L'\\' || c == L'"')
            shown += std::wstring(L"\\") + c;
        else if (c == L'\n')
            shown += L"\\n";
        else if (c == L'\r')
            shown += L"\\r";
        else if (c == L'\t')
            shown += L"\\t";
        else if (c < 0x20)
            shown += std::wstring(L"\\x") + kHex[c >> 4] + kHex[c & 0xF];
        else
            shown += c;
    }
    return shown + L"\"";
}

// A file's text in a message: escaped, and cut, as one place may hold thousands of characters.
std::wstring ShownFileText(const std::wstring& text)
{
    const size_t kShown = 80;
    return ShownText(text.substr(0, kShown)) + (text.size() > kShown ? L"..." : L"");
}

bool NeedsAdministrator(uint32_t root)
{
    // HKEY_USERS\.DEFAULT, like the machine's hive, is writable by administrators only.
    return root == kRootLocalMachine || root == kRootUsers || root == kRootClassesRoot;
}

// Appends `name` to a list separated by "、" unless it is there already.
void AddOnce(std::wstring& list, const wchar_t* name)
{
    const std::wstring item = name ? name : L"?";
    if ((L"、" + list + L"、").find(L"、" + item + L"、") == std::wstring::npos)
        list += (list.empty() ? L"" : L"、") + item;
}

std::wstring NumberText(DWORD value)
{
    return std::wstring(FormatHex8(value).Get()) + L" (" + FormatUnsigned(value).Get() + L")";
}

class BackupTool {
public:
    BackupTool(const SystemFacts& facts, ToolOutput& output) : output_(output), language_(facts.language)
    {
        app_.SetFacts(facts);
    }

    int Run(const Arguments& arguments);

private:
    int Backup(const Arguments& arguments);
    int List(const Arguments& arguments);
    int Show(const Arguments& arguments);
    int Restore(const Arguments& arguments);
    int Undo(const Arguments& arguments);
    int ExportReg(const Arguments& arguments);

    // This system's backup files of `page`: the usable ones oldest first, then the others.
    struct FoundBackup {
        std::wstring path;
        BackupFile file;
        BackupFileError error;
        bool usable;
    };
    std::vector<FoundBackup> FindBackups(int page);

    std::wstring Text(ToolTextId id) const { return ToolText(language_, id); }
    std::wstring Message(ToolTextId id, std::initializer_list<std::wstring> arguments = {}) const
    {
        return ToolMessage(language_, id, arguments);
    }
    int UsageError(const std::wstring& message)
    {
        output_.ErrorLine(message);
        output_.ErrorLine(Text(ToolTextId::kSeeHelp));
        return kToolUsageError;
    }
    bool SystemSupported()
    {
        if (BackupSystemName(app_.GetOsCode()))
            return true;
        output_.ErrorLine(Text(ToolTextId::kUnsupportedSystem));
        return false;
    }

    // `file` as far as it was read: its page and system name the item a problem lies in.
    std::wstring ProblemText(const BackupFileError& error, const BackupFile& file) const;
    // "項目 3（HKEY_...）", with the place of `page`'s item on this system (page -1: none).
    std::wstring ItemText(int item, int page) const;
    std::wstring BackupFailureText(int page, const PageBackupFailure& failure) const;
    // Reads the file and checks it against this system; reports why not and returns false.
    bool LoadFile(const std::wstring& path, BackupFile& file, BackupList& places, bool restoring);
    std::wstring PlaceText(const BackupItem& place) const;
    std::wstring SavedText(const SavedItem& saved) const;
    std::wstring CurrentText(BackupItem::Kind kind, const CurrentState& now) const;
    std::wstring StepText(const RestoreStep& step) const;

    QmThisApp app_;
    ToolOutput& output_;
    int language_;
};

int BackupTool::Run(const Arguments& arguments)
{
    if (arguments.empty()) {
        output_.ErrorLine(Text(ToolTextId::kHelp));
        return kToolUsageError;
    }
    // Help only in the place of a command: anywhere else "help" may name a file.
    if (IsHelp(arguments[0])) {
        if (arguments.size() > 1)
            return UsageError(Message(ToolTextId::kExtraArgument, {arguments[1]}));
        output_.Line(Text(ToolTextId::kHelp));
        return kToolSuccess;
    }
    // command           what it runs              its option
    const struct {
        const wchar_t* name;
        int (BackupTool::*run)(const Arguments&);
        const wchar_t* option;
    } kCommands[] = {
        {L"backup", &BackupTool::Backup, nullptr},
        {L"list", &BackupTool::List, nullptr},
        {L"show", &BackupTool::Show, nullptr},
        {L"restore", &BackupTool::Restore, L"--dry-run"},
        {L"undo", &BackupTool::Undo, L"--dry-run"},
        {L"export-reg", &BackupTool::ExportReg, nullptr},
    };
    const std::wstring command = Upper(arguments[0]);
    for (const auto& entry : kCommands)
        if (command == Upper(entry.name)) {
            const Arguments rest(arguments.begin() + 1, arguments.end());
            for (const std::wstring& argument : rest)
                if (IsOption(argument) && (!entry.option || argument != entry.option))
                    return UsageError(Message(ToolTextId::kUnknownOption, {argument}));
            if (!SystemSupported())
                return kToolFailed;
            return (this->*entry.run)(rest);
        }
    return UsageError(Message(ToolTextId::kUnknownCommand, {arguments[0]}));
}

int BackupTool::Backup(const Arguments& arguments)
{
    if (arguments.empty())
        return UsageError(Message(ToolTextId::kMissingArgument, {L"backup"}));
    if (arguments.size() > 1)
        return UsageError(Message(ToolTextId::kExtraArgument, {arguments[1]}));
    int first = 0, last = kTweakPageCount - 1;
    if (Upper(arguments[0]) != L"ALL") {
        if (!ParsePage(arguments[0], first))
            return UsageError(Message(ToolTextId::kBadPage, {arguments[0]}));
        last = first;
    }
    int result = kToolSuccess;
    for (int page = first; page <= last; ++page) {
        QmWString path;
        PageBackupFailure failure;
        if (BackUpPage(app_, page, &path, &failure)) {
            output_.Line(Message(ToolTextId::kBackupWritten, {path.CStr()}));
        } else {
            output_.ErrorLine(BackupFailureText(page, failure));
            result = kToolFailed;
        }
    }
    return result;
}

int BackupTool::List(const Arguments& arguments)
{
    if (arguments.size() > 1)
        return UsageError(Message(ToolTextId::kExtraArgument, {arguments[1]}));
    int first = 0, last = kTweakPageCount - 1;
    if (!arguments.empty()) {
        if (!ParsePage(arguments[0], first))
            return UsageError(Message(ToolTextId::kBadPage, {arguments[0]}));
        last = first;
    }
    int shown = 0;
    for (int page = first; page <= last; ++page) {
        for (const FoundBackup& entry : FindBackups(page)) {
            ++shown;
            if (entry.usable)
                output_.Line(Message(ToolTextId::kListLine, {BackupPageCode(entry.file.page), DateTimeText(entry.file.time),
                                                             std::to_wstring(entry.file.items.size()), entry.path}));
            else
                output_.Line(Message(ToolTextId::kListBadLine,
                                     {BackupPageCode(page), ProblemText(entry.error, entry.file), entry.path}));
        }
    }
    if (!shown)
        output_.Line(Text(ToolTextId::kListNone));
    return kToolSuccess;
}

std::vector<BackupTool::FoundBackup> BackupTool::FindBackups(int page)
{
    QmFolder folders;
    QmOwnedWide current = folders.GetCurrentFolder();
    // Looking never makes folders: a page without one has no backups.
    const std::wstring folder = std::wstring(current ? current.Get() : L"") + L"\\QM_Backup\\" +
                                BackupSystemFolder(app_.GetOsCode()) + L"\\" + std::to_wstring(page) + L"\\";
    std::vector<FoundBackup> found;
    for (int more = folders.FindFirst((folder + L"*.qmb").c_str()); more; more = folders.FindNext()) {
        const WIN32_FIND_DATAW& data = folders.FindData();
        const std::wstring name = data.cFileName;
        // "*.qmb" also matches longer extensions through their short names.
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name.size() < 4 ||
            Upper(name.substr(name.size() - 4)) != L".QMB")
            continue;
        FoundBackup entry;
        entry.path = folder + name;
        BackupList places;
        entry.usable = ReadBackupFile(entry.path.c_str(), entry.file, entry.error) &&
                       CheckBackupForSystem(entry.file, app_, places, entry.error);
        found.push_back(entry);
    }
    folders.FindClose();
    std::sort(found.begin(), found.end(), [](const FoundBackup& a, const FoundBackup& b) {
        if (a.usable != b.usable)
            return a.usable;
        if (a.usable && a.file.stamp != b.file.stamp) {
            FILETIME ta = {}, tb = {};
            SystemTimeToFileTime(&a.file.time, &ta);
            SystemTimeToFileTime(&b.file.time, &tb);
            const LONG order = CompareFileTime(&ta, &tb);
            if (order != 0)
                return order < 0;
        }
        return a.path < b.path;
    });
    return found;
}

int BackupTool::Show(const Arguments& arguments)
{
    if (arguments.empty())
        return UsageError(Message(ToolTextId::kMissingArgument, {L"show"}));
    if (arguments.size() > 1)
        return UsageError(Message(ToolTextId::kExtraArgument, {arguments[1]}));
    BackupFile file;
    BackupList places;
    if (!LoadFile(arguments[0], file, places, false))
        return kToolBadFile;
    output_.Line(Message(ToolTextId::kShowFile, {arguments[0]}));
    output_.Line(Message(ToolTextId::kShowPage, {std::to_wstring(file.page), BackupPageCode(file.page),
                                                 ToolPageName(language_, file.page)}));
    output_.Line(Message(ToolTextId::kShowSystem, {BackupSystemName(file.osCode)}));
    output_.Line(Message(ToolTextId::kShowTime, {DateTimeText(file.time)}));
    output_.Line(Message(ToolTextId::kShowCount, {std::to_wstring(file.items.size())}));
    const std::vector<BackupItem>& items = places.Items();
    for (size_t i = 0; i < items.size(); ++i) {
        const SavedItem& saved = file.items[i];
        const CurrentState now = ReadCurrentState(items[i]);
        output_.Line(Message(ToolTextId::kShowItem, {std::to_wstring(i), BackupKindName(saved.kind), PlaceText(items[i])}));
        const bool same = saved.status != -3 && HoldsSavedState(saved, now);
        output_.Line(Message(ToolTextId::kShowValues,
                             {std::to_wstring(saved.status), SavedText(saved), CurrentText(saved.kind, now),
                              saved.status == -3 ? std::wstring() : Text(same ? ToolTextId::kSame : ToolTextId::kDifferent)}));
    }
    return kToolSuccess;
}

int BackupTool::Restore(const Arguments& arguments)
{
    bool dryRun = false;
    std::vector<std::wstring> files;
    for (const std::wstring& argument : arguments) {
        if (argument == L"--dry-run")
            dryRun = true;
        else
            files.push_back(argument);
    }
    if (files.empty())
        return UsageError(Message(ToolTextId::kMissingArgument, {L"restore"}));
    if (files.size() > 1)
        return UsageError(Message(ToolTextId::kExtraArgument, {files[1]}));

    // The whole file is checked before the first write.
    BackupFile file;
    BackupList places;
    if (!LoadFile(files[0], file, places, true))
        return kToolBadFile;
    std::vector<RestoreStep> steps = PlanRestore(places, file);
    int changes = 0, same = 0, left = 0;
    for (const RestoreStep& step : steps) {
        if (step.action == RestoreAction::kNone)
            ++same;
        else if (step.action == RestoreAction::kLeave)
            ++left;
        else
            ++changes;
    }
    if (dryRun) {
        output_.Line(Text(ToolTextId::kDryRunHeader));
        for (const RestoreStep& step : steps)
            if (step.action != RestoreAction::kNone && step.action != RestoreAction::kLeave)
                output_.Line(StepText(step));
        output_.Line(Message(ToolTextId::kDryRunSummary,
                             {std::to_wstring(changes), std::to_wstring(same), std::to_wstring(left)}));
        return kToolSuccess;
    }

    const int missed = CarryOutRestore(steps);
    int restored = 0;
    std::wstring hives, machineHives;  // of the places that did not take; those that need rights
    for (const RestoreStep& step : steps) {
        if (step.action == RestoreAction::kNone || step.action == RestoreAction::kLeave)
            continue;
        output_.Line(StepText(step));
        restored += step.took ? 1 : 0;
    }
    for (const RestoreStep& step : steps) {
        if (step.took)
            continue;
        const std::wstring place = PlaceText(step.place);
        if (KeptForOthers(step)) {
            output_.ErrorLine(Message(ToolTextId::kKeyKept, {place}));
        } else {
            output_.ErrorLine(Message(ToolTextId::kNotTaken, {place, CurrentText(step.saved.kind, step.after),
                                                              std::to_wstring(step.result)}));
            if (NeedsAdministrator(step.place.root))
                AddOnce(machineHives, RegRootName(step.place.root));
        }
        AddOnce(hives, RegRootName(step.place.root));
    }
    output_.Line(Message(ToolTextId::kRestoreSummary, {std::to_wstring(restored), std::to_wstring(same), std::to_wstring(left)}));
    if (!missed)
        return kToolSuccess;
    output_.ErrorLine(Message(ToolTextId::kNotTakenSummary, {std::to_wstring(missed), hives}));
    if (!machineHives.empty())
        output_.ErrorLine(Message(ToolTextId::kNeedsAdministrator, {machineHives}));
    return kToolNotRestored;
}

int BackupTool::Undo(const Arguments& arguments)
{
    Arguments pages;
    for (const std::wstring& argument : arguments)
        if (argument != L"--dry-run")
            pages.push_back(argument);
    if (pages.empty())
        return UsageError(Message(ToolTextId::kMissingArgument, {L"undo"}));
    if (pages.size() > 1)
        return UsageError(Message(ToolTextId::kExtraArgument, {pages[1]}));
    int page = 0;
    if (!ParsePage(pages[0], page))
        return UsageError(Message(ToolTextId::kBadPage, {pages[0]}));
    // The newest usable file, the one list shows last for the page.
    const std::vector<FoundBackup> found = FindBackups(page);
    const FoundBackup* newest = nullptr;
    for (const FoundBackup& entry : found)
        if (entry.usable)
            newest = &entry;
    if (!newest) {
        output_.ErrorLine(Message(ToolTextId::kUndoNone, {BackupPageCode(page)}));
        return kToolBadFile;
    }
    output_.Line(Message(ToolTextId::kUndoFile, {DateTimeText(newest->file.time), newest->path}));
    Arguments restore = arguments;
    for (std::wstring& argument : restore)
        if (argument != L"--dry-run")
            argument = newest->path;
    return Restore(restore);
}

int BackupTool::ExportReg(const Arguments& arguments)
{
    if (arguments.size() < 2)
        return UsageError(Message(ToolTextId::kMissingArgument, {L"export-reg"}));
    if (arguments.size() > 2)
        return UsageError(Message(ToolTextId::kExtraArgument, {arguments[2]}));
    if (IsSameFile(arguments[0], arguments[1]))
        return UsageError(Message(ToolTextId::kOutputIsInput, {arguments[1]}));
    BackupFile file;
    BackupList places;
    if (!LoadFile(arguments[0], file, places, false))
        return kToolBadFile;
    std::wstring text;
    if (!BuildRegExport(places, file, text) || !WriteRegExport(arguments[1].c_str(), text)) {
        output_.ErrorLine(Message(ToolTextId::kExportFailed, {arguments[1]}));
        return kToolFailed;
    }
    const size_t exported = std::count_if(file.items.begin(), file.items.end(),
                                          [](const SavedItem& item) { return item.status != -3; });
    output_.Line(Message(ToolTextId::kExportWritten, {arguments[1], std::to_wstring(exported)}));
    return kToolSuccess;
}

std::wstring BackupTool::ProblemText(const BackupFileError& error, const BackupFile& file) const
{
    ToolTextId id = ToolTextId::kProblemCannotOpen;
    std::wstring detail = error.detail;
    for (const auto& entry : kProblemTexts)
        if (entry.problem == error.problem) {
            id = entry.text;
            if (entry.fileText)
                detail = ShownFileText(detail);
        }
    const std::wstring line = std::to_wstring(error.line);
    switch (error.problem) {
    case BackupProblem::kBadTotal:
        return Message(id, {line, detail, std::to_wstring(error.expected)});
    case BackupProblem::kOtherSystem:
        return Message(id, {line, error.detail, BackupSystemName(app_.GetOsCode())});
    case BackupProblem::kItemCount:
        return Message(id, {line, std::to_wstring(error.found), std::to_wstring(error.expected)});
    case BackupProblem::kTextTooLong:
    case BackupProblem::kNotProgramText:
        return Message(id, {line, ItemText(error.item, file.osCode == app_.GetOsCode() ? file.page : -1), detail});
    default:
        return Message(id, {line, detail});
    }
}

std::wstring BackupTool::ItemText(int item, int page) const
{
    std::wstring text = Message(ToolTextId::kItemName, {std::to_wstring(item)});
    BackupList places;
    if (BackupItemsOf(app_, page, places) && item >= 0 && static_cast<size_t>(item) < places.Items().size())
        text += L"（" + PlaceText(places.Items()[static_cast<size_t>(item)]) + L"）";
    return text;
}

std::wstring BackupTool::BackupFailureText(int page, const PageBackupFailure& failure) const
{
    const std::wstring code = BackupPageCode(page), name = ToolPageName(language_, page);
    if (failure.stage != PageBackupFailure::Stage::kReadBack)
        return Message(ToolTextId::kBackupFailed, {code, name});
    // Anything else the reader refuses is a text holding lines of the file's own form.
    ToolTextId reason = ToolTextId::kReasonFormatLines;
    for (const auto& entry : kReadBackReasons)
        if (entry.problem == failure.error.problem)
            reason = entry.text;
    const std::wstring item = failure.item >= 0 ? ItemText(failure.item, page) : std::wstring();
    return Message(ToolTextId::kBackupNotReadable, {code, name, item, Text(reason)});
}

bool BackupTool::LoadFile(const std::wstring& path, BackupFile& file, BackupList& places, bool restoring)
{
    BackupFileError error;
    if (ReadBackupFile(path.c_str(), file, error) && CheckBackupForSystem(file, app_, places, error))
        return true;
    output_.ErrorLine(Message(ToolTextId::kFileUnusable, {path, ProblemText(error, file)}));
    if (restoring)
        output_.ErrorLine(Text(ToolTextId::kNothingWritten));
    return false;
}

std::wstring BackupTool::PlaceText(const BackupItem& place) const
{
    const wchar_t* root = RegRootName(place.root);
    std::wstring text = std::wstring(root ? root : L"?") + L"\\" + place.keyPath;
    if (place.kind != BackupItem::Kind::Key)
        text += L"  " + (place.valueName && place.valueName[0] ? ShownText(place.valueName) : Text(ToolTextId::kDefaultValue));
    return text;
}

std::wstring BackupTool::SavedText(const SavedItem& saved) const
{
    if (saved.status == -3)
        return Text(ToolTextId::kUnreadable);
    if (saved.status != 1)
        return Text(ToolTextId::kAbsent);
    switch (saved.kind) {
    case BackupItem::Kind::Dword:
        return NumberText(saved.number);
    case BackupItem::Kind::Text:
        return ShownText(saved.text);
    case BackupItem::Kind::Key:
        return Text(ToolTextId::kKeyPresent);
    }
    return std::wstring();
}

std::wstring BackupTool::CurrentText(BackupItem::Kind kind, const CurrentState& now) const
{
    if (kind == BackupItem::Kind::Key)
        return Text(now.present ? ToolTextId::kKeyPresent : ToolTextId::kAbsent);
    if (now.status == 1)
        return kind == BackupItem::Kind::Dword ? NumberText(now.number) : ShownText(now.text);
    return Text(now.present ? ToolTextId::kUnreadable : ToolTextId::kAbsent);
}

std::wstring BackupTool::StepText(const RestoreStep& step) const
{
    const std::wstring place = PlaceText(step.place);
    switch (step.action) {
    case RestoreAction::kWriteDword:
    case RestoreAction::kWriteText:
        return Message(ToolTextId::kStepWrite, {place, SavedText(step.saved)});
    case RestoreAction::kDeleteValue:
        return Message(ToolTextId::kStepDeleteValue, {place});
    case RestoreAction::kCreateKey:
        return Message(ToolTextId::kStepCreateKey, {place});
    case RestoreAction::kRemoveKey:
        return Message(ToolTextId::kStepRemoveKey, {place});
    case RestoreAction::kNone:
    case RestoreAction::kLeave:
        break;
    }
    return std::wstring();
}

}  // namespace

SystemFacts RunningSystemFacts()
{
    SystemFacts facts;
    QmLocale locale;
    const CodePages pages = {locale.SystemOemCodePage(), locale.SystemAnsiCodePage(), locale.UserOemCodePage(),
                             locale.UserAnsiCodePage()};
    facts.language = LanguageVariantOf(pages);
    QmSystem system;
    facts.osCode = system.GetOsCode();
    facts.ieMajorVersion = system.GetIeMajorVersion();
    facts.servicePack = system.GetServicePackNumber();
    return facts;
}

int RunBackupTool(const std::vector<std::wstring>& arguments, const SystemFacts& facts, ToolOutput& output)
{
    BackupTool tool(facts, output);
    return tool.Run(arguments);
}
