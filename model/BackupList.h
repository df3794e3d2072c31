// What a page backs up: the registry values its tweaks read, in the page's order. Each page
// builds its list for the running system (Windows version, Internet Explorer version, service
// pack); the backup writer reads the items and writes them to a file.
#pragma once

#include "model/TweakRecord.h"

#include <vector>

struct BackupItem {
    enum class Kind { Dword, Text, Key };
    Kind kind;
    uint32_t root;
    const wchar_t* keyPath;
    const wchar_t* valueName;  // none for a key
};

class BackupList {
public:
    void AddDword(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName)
    {
        items_.push_back(BackupItem{BackupItem::Kind::Dword, root, keyPath, valueName});
    }
    void AddText(uint32_t root, const wchar_t* keyPath, const wchar_t* valueName)
    {
        items_.push_back(BackupItem{BackupItem::Kind::Text, root, keyPath, valueName});
    }
    void AddKey(uint32_t root, const wchar_t* keyPath)
    {
        items_.push_back(BackupItem{BackupItem::Kind::Key, root, keyPath, nullptr});
    }
    template <class Record>
    void AddDword(const Record& record) { AddDword(record.root, record.keyPath, record.valueName); }
    template <class Record>
    void AddText(const Record& record) { AddText(record.root, record.keyPath, record.valueName); }
    void AddKey(const KeyToggle& record) { AddKey(record.root, record.keyPath); }

    const std::vector<BackupItem>& Items() const { return items_; }

private:
    std::vector<BackupItem> items_;
};
