// Places a program meets in a hostile environment.
#pragma once

#include <string>

// A folder in which nothing can be created, not even by an administrator: under Wine the
// Unix /sys refuses (access denied), and /proc (not found). Empty when neither does.
std::wstring FolderThatTakesNoFiles();
