// What a tweak page brings: its show, layout, read, apply and recommended-settings functions.
// The application dispatches to them by the page list's selection.
#pragma once

#include "model/SystemFacts.h"

class PageState;
class QmThisApp;

struct PageFunctions {
    int (*show)(QmThisApp& app);                           // 1, or 0 when a control is missing
    int (*layout)(QmThisApp& app, int width, int height);  // 0, or -1 when a control is missing
    // The registry into what the page's controls must show; touches no control, so it may run
    // on any thread.
    void (*read)(const SystemFacts& system, PageState& state);
    int (*apply)(QmThisApp& app);                          // 0, or -1 when a control is missing
    void (*recommend)(QmThisApp& app);                     // null: the page recommends nothing
};

const int kTweakPageCount = 9;
