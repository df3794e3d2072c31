// The companion program's messages: Big5 texts in a Traditional wording and, where a
// Simplified Chinese reader says it differently (檔案 / 文件, 登錄 / 註冊表...), a second
// wording that is converted to Simplified Chinese when shown. "%1" to "%4" stand for the
// arguments of ToolMessage.
#pragma once

#include <initializer_list>
#include <string>

enum class ToolTextId {
    kHelp,
    kSeeHelp,
    kUnknownCommand,
    kMissingArgument,
    kExtraArgument,
    kUnknownOption,
    kOutputIsInput,
    kBadPage,
    kUnsupportedSystem,
    kBackupWritten,
    kBackupFailed,
    kBackupNotReadable,
    kReasonTextTooLong,
    kReasonNotProgramText,
    kReasonFormatLines,
    kReasonTooLarge,
    kItemName,
    kListLine,
    kListBadLine,
    kListNone,
    kShowFile,
    kShowPage,
    kShowSystem,
    kShowTime,
    kShowCount,
    kShowItem,
    kShowValues,
    kSame,
    kDifferent,
    kAbsent,
    kUnreadable,
    kKeyPresent,
    kDefaultValue,
    kDryRunHeader,
    kStepWrite,
    kStepDeleteValue,
    kStepCreateKey,
    kStepRemoveKey,
    kRestoreSummary,
    kDryRunSummary,
    kNotTaken,
    kKeyKept,
    kNotTakenSummary,
    kNeedsAdministrator,
    kUndoFile,
    kUndoNone,
    kExportWritten,
    kExportFailed,
    kFileUnusable,
    kNothingWritten,
    kProblemCannotOpen,
    kProblemTooLarge,
    kProblemNotUtf16,
    kProblemNullCharacter,
    kProblemUnexpectedLine,
    kProblemBadNumber,
    kProblemBadStamp,
    kProblemUnknownSystem,
    kProblemUnknownPage,
    kProblemBadIndex,
    kProblemBadStatus,
    kProblemDataMismatch,
    kProblemBadTotal,
    kProblemNotComplete,
    kProblemTruncated,
    kProblemTrailingText,
    kProblemOtherSystem,
    kProblemItemCount,
    kProblemItemKind,
    kProblemTextTooLong,
    kProblemNotProgramText,
    kTextCount,
};

// The text for the language variant: 936 the second wording in Simplified Chinese; 950 and
// anything else (a system without a Chinese code page) the Traditional text, since a console
// program that printed nothing would be of no use.
std::wstring ToolText(int language, ToolTextId id);
// The text with "%1"... replaced by the arguments in order.
std::wstring ToolMessage(int language, ToolTextId id, std::initializer_list<std::wstring> arguments = {});
// A page's name from the page list, in the same wording.
std::wstring ToolPageName(int language, int page);
