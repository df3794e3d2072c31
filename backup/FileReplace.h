// Writing a file whole or not at all. The bytes go to a temporary file in the target's own
// folder, which is flushed and then moved over the target in one step, so that a write that
// fails (a full disk, a file held open) leaves the old file as it was and nothing beside it.
#pragma once

#include <string>
#include <string_view>

// Writes `text` as UTF-16 little-endian after the byte-order mark FF FE; true when `path`
// holds exactly that afterwards.
bool ReplaceFileWithText(const std::wstring& path, std::wstring_view text);

// True when both paths name one existing file, however each is spelt (case, relative parts,
// short names, links).
bool IsSameFile(const std::wstring& first, const std::wstring& second);
