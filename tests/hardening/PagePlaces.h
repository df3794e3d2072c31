// The registry places a page works on, learnt from the calls the registry seam saw while the
// page read and applied, so the lists follow the code rather than restate it. A place is
// named as a registry snapshot names it, in lower case: "hklm\path" for a key and
// "hklm\path\:name" for a value.
#pragma once

#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistryInterceptor.h"

#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <vector>

std::wstring KeyPlace(HKEY root, const std::wstring& path);
std::wstring ValuePlace(HKEY root, const std::wstring& path, const std::wstring& name);
// The key of a value place, or the place itself for a key.
std::wstring KeyOfPlace(const std::wstring& place);
bool IsValuePlace(const std::wstring& place);
// Splits a place into its root and path (and value name); false for an unknown root.
bool SplitPlace(const std::wstring& place, HKEY& root, std::wstring& path, std::wstring& name);

struct PagePlaces {
    std::set<std::wstring> readKeys;    // opened for reading, or looked up by the shell
    std::set<std::wstring> readValues;
    std::set<std::wstring> writtenKeys;    // created or deleted
    std::set<std::wstring> writtenValues;  // set or deleted
    // The data the page itself wrote to each value: type and bytes.
    std::map<std::wstring, std::vector<std::pair<DWORD, std::vector<BYTE>>>> writtenData;

    // The places a read looked at; an apply's calls are no reads, though its writes look
    // first whether a key or value exists.
    void AddReads(const std::vector<RegistryInterceptor::Call>& calls);
    void AddWrites(const std::vector<RegistryInterceptor::Call>& calls);
    void Merge(const PagePlaces& other);
};

// Every write of `calls` that lies outside `records` (a page's reads on every system, and in
// its written sets whatever else the page is known to write), as readable lines. A write lies
// inside when it names a value or key of `records`, or lies below a key the page reads (the
// command subkey of a shell key).
std::string WritesOutside(const std::vector<RegistryInterceptor::Call>& calls, const PagePlaces& records);

// Every entry of the difference between two snapshots that is not a place of `allowed`: a
// value must be one of its values (or go with its key, one of its keys), a key one of its
// keys, or, when added, a parent of one.
std::string ChangesOutside(const testreg::Snapshot& before, const testreg::Snapshot& after,
                           const PagePlaces& allowed);

// The sandbox's four roots emptied, or made to hold exactly a snapshot again.
void ClearRegistry();
void RestoreRegistry(const testreg::Snapshot& snapshot);
// Only the entries below one root ("hklm", ...).
testreg::Snapshot Below(const testreg::Snapshot& snapshot, const std::wstring& rootName, bool keep = true);
