// A page whose tweaks are not built yet: it shows nothing of its own, places only the
// shared buttons, reads and writes nothing.
#pragma once

class QmThisApp;

int ShowPendingPage(QmThisApp& app);
int LayoutPendingPage(QmThisApp& app, int width, int height);
int ReadPendingPage(QmThisApp& app);
int ApplyPendingPage(QmThisApp& app);
