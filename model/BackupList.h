// What a page backs up: the registry values its tweaks read, in the page's order. Each page
// builds its list for the running system (Windows version, Internet Explorer version, service
// pack); the backup writer reads the items and writes them to a file.
#pragma once

#include "model/TweakRecord.h"

#include <vector>

struct BackupItem {
    enum class Kind { Dword, Text, Key };
    // A place whose text Windows runs (a command line) or loads (a class identifier): a backup
    // file may put back only what the program itself writes there, the texts of `record`.
    enum class Guard { None, Command, ClassId };
    Kind kind;
    uint32_t root;
    const wchar_t* keyPath;
    const wchar_t* valueName;  // none for a key
    Guard guard;
    const StringToggle* record;  // a guarded place's record; null otherwise
};

class BackupList {
public:
    void AddDword(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName)
    {
        items_.push_back(BackupItem{BackupItem::Kind::Dword, root, keyPath, valueName, BackupItem::Guard::None, nullptr});
    }
    void AddText(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName)
    {
        items_.push_back(BackupItem{BackupItem::Kind::Text, root, keyPath, valueName, BackupItem::Guard::None, nullptr});
    }
    void AddKey(uint32_t root, const wchar_t* keyPath)
    {
        items_.push_back(BackupItem{BackupItem::Kind::Key, root, keyPath, nullptr, BackupItem::Guard::None, nullptr});
    }
    template <class Record>
    void AddDword(const Record& record) { AddDword(record.root, record.keyPath, record.valueName); }
    template <class Record>
    void AddText(const Record& record) { AddText(record.root, record.keyPath, record.valueName); }
    void AddKey(const KeyToggle& record) { AddKey(record.root, record.keyPath); }
    // Text items at guarded places.
    void AddCommand(const StringToggle& record) { AddGuarded(record, BackupItem::Guard::Command); }
    void AddClassId(const StringToggle& record) { AddGuarded(record, BackupItem::Guard::ClassId); }

    const std::vector<BackupItem>& Items() const { return items_; }

private:
    void AddGuarded(const StringToggle& record, BackupItem::Guard guard)
    {
        items_.push_back(
            BackupItem{BackupItem::Kind::Text, record.root, record.keyPath, record.valueName, guard, &record});
    }

    std::vector<BackupItem> items_;
};
