#include "backup/BackupRestore.h"

#include "model/TweakRead.h"
#include "platform/QmCReg.h"

CurrentState ReadCurrentState(const BackupItem& place)
{
    CurrentState now;
    switch (place.kind) {
    case BackupItem::Kind::Dword:
        now.status = ReadDwordValue(now.number, place.root, place.keyPath, place.valueName);
        break;
    case BackupItem::Kind::Text: {
        QmWString text;
        now.status = ReadStringValue(text, place.root, place.keyPath, place.valueName);
        now.text = text.CStr();
        break;
    }
    case BackupItem::Kind::Key: {
        int exists = 0;
        now.status = ReadKeyExists(exists, place.root, place.keyPath);
        now.present = exists != 0;
        return now;
    }
    }
    // A value of another type reads as unreadable but is still there to be removed.
    QmCReg reg;
    now.present = now.status == kValueRead || reg.ValueExists(RootKey(place.root), place.keyPath, place.valueName) == 1;
    return now;
}

bool HoldsSavedState(const SavedItem& saved, const CurrentState& now)
{
    if (saved.status == kValueFailed)
        return true;
    if (saved.status != kValueRead)
        return !now.present;
    switch (saved.kind) {
    case BackupItem::Kind::Dword:
        return now.status == kValueRead && now.number == saved.number;
    case BackupItem::Kind::Text:
        // Exactly the saved text: the comparisons of the pages ignore case, a restore does not.
        return now.status == kValueRead && now.text == saved.text;
    case BackupItem::Kind::Key:
        return now.present;
    }
    return false;
}

namespace {

RestoreAction ActionFor(const SavedItem& saved, const CurrentState& now)
{
    if (saved.status == kValueFailed)
        return RestoreAction::kLeave;
    if (HoldsSavedState(saved, now))
        return RestoreAction::kNone;
    const bool restore = saved.status == kValueRead;
    switch (saved.kind) {
    case BackupItem::Kind::Dword:
        return restore ? RestoreAction::kWriteDword : RestoreAction::kDeleteValue;
    case BackupItem::Kind::Text:
        return restore ? RestoreAction::kWriteText : RestoreAction::kDeleteValue;
    case BackupItem::Kind::Key:
        return restore ? RestoreAction::kCreateKey : RestoreAction::kRemoveKey;
    }
    return RestoreAction::kNone;
}

int CarryOut(const RestoreStep& step)
{
    QmCReg reg;
    const HKEY root = RootKey(step.place.root);
    const wchar_t* path = step.place.keyPath;
    switch (step.action) {
    case RestoreAction::kNone:
    case RestoreAction::kLeave:
        return qmreg::kSuccess;
    case RestoreAction::kWriteDword:
        return reg.WriteDword(root, path, step.place.valueName, step.saved.number);
    case RestoreAction::kWriteText:
        return reg.WriteString(root, path, step.place.valueName, step.saved.text.c_str());
    case RestoreAction::kDeleteValue:
        return reg.DeleteValue(root, path, step.place.valueName);
    case RestoreAction::kCreateKey:
        return reg.CreateKey(root, path);
    case RestoreAction::kRemoveKey:
        // Only what this program makes there: a key with no subkey and at most an empty
        // default value. Anything more is another program's, and the key stays (the read-back
        // reports it). Subkeys are looked for first, as deleting answers them as access denied.
        if (reg.QuerySubKeyCount(root, path) == qmreg::kSuccess && reg.GetSubKeyCount() > 0)
            return qmreg::kKeyNotEmpty;
        return reg.DeleteKeyIfEmpty(root, path);
    }
    return qmreg::kFailure;
}

}  // namespace

std::vector<RestoreStep> PlanRestore(const BackupList& places, const BackupFile& file)
{
    std::vector<RestoreStep> steps;
    const std::vector<BackupItem>& items = places.Items();
    for (size_t i = 0; i < items.size() && i < file.items.size(); ++i) {
        RestoreStep step;
        step.place = items[i];
        step.saved = file.items[i];
        step.before = ReadCurrentState(step.place);
        step.action = ActionFor(step.saved, step.before);
        steps.push_back(step);
    }
    return steps;
}

bool KeptForOthers(const RestoreStep& step)
{
    return step.action == RestoreAction::kRemoveKey && !step.took &&
           (step.result == qmreg::kKeyNotEmpty || step.result == qmreg::kDefaultValueNotEmpty);
}

int CarryOutRestore(std::vector<RestoreStep>& steps)
{
    for (RestoreStep& step : steps)
        step.result = CarryOut(step);
    int missed = 0;
    for (RestoreStep& step : steps) {
        step.after = ReadCurrentState(step.place);
        step.took = HoldsSavedState(step.saved, step.after);
        if (!step.took)
            ++missed;
    }
    return missed;
}
