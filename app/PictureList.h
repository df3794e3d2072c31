// The pictures of the page list, the program list and the check lists: 71 icons of the
// system's shell32.dll and five of the program's own, in a fixed order. A picture's index
// keeps its meaning on every system: where shell32.dll lacks an icon, a stand-in takes its
// place instead of letting every later picture shift.
#pragma once

#include "ui/QmImageList2.h"

#include <windows.h>

const int kShellIconCount = 71;
const int kOwnIconCount = 5;
const int kPictureCount = kShellIconCount + kOwnIconCount;

extern const int kShellIconIds[kShellIconCount];
extern const int kOwnIconIds[kOwnIconCount];

// Loads icon `id` of `module` at `size` x `size` pixels; null when it has none. The caller
// destroys the icon.
using IconLoader = HICON (*)(HINSTANCE module, int id, int size);
HICON LoadIconResource(HINSTANCE module, int id, int size);

// Adds the 76 pictures to `list` (whose pictures are `size` pixels square). Returns the number
// of stand-ins used, or -1 when a picture could not be added at all.
int FillPictureList(QmImageList2& list, int size, HINSTANCE shell, HINSTANCE program, IconLoader load);
