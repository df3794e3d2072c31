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

// `name` null: the key itself.
std::wstring Place(HKEY root, const std::wstring& path, const wchar_t* name = nullptr);
bool IsValuePlace(const std::wstring& place);
// The key of a value place, or the place itself for a key.
std::wstring KeyOfPlace(const std::wstring& place);
// Splits a place into its root, path and value name; false for an unknown root.
bool SplitPlace(const std::wstring& place, HKEY& root, std::wstring& path, std::wstring& name);

struct PagePlaces {
    std::set<std::wstring> read;     // keys opened for reading or looked up by the shell, values read
    std::set<std::wstring> written;  // keys created or deleted, values set or deleted
    // The data the page itself wrote to each value: type and bytes.
    std::map<std::wstring, std::set<std::pair<DWORD, std::vector<BYTE>>>> writtenData;

    // The places a read looked at, or an apply wrote; an apply's calls are no reads, though
    // its writes look first whether a key or value exists.
    void Learn(const std::vector<RegistryInterceptor::Call>& calls, bool apply);
    void Merge(const PagePlaces& other);
};

// Every entry of the difference between two snapshots that is not one of the `allowed`
// places, nor removed along with a key among them (a shell entry's command subkey), nor a key
// made on the way to one of them.
std::string ChangesOutside(const testreg::Snapshot& before, const testreg::Snapshot& after,
                           const std::set<std::wstring>& allowed);

// The sandbox's four roots emptied.
void ClearRegistry();
