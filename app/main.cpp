// The entry point: one application object, its start-up checks and message loop.
#include "app/QmThisApp.h"
#include "backup/Backup.h"
#include "pages/Pages.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    QmThisApp* app = new QmThisApp;
    SetApplication(app);
    app->SetPages(kTweakPages, ApplyLogonNumLock);
    app->SetSaveBeforeApply([](const QmThisApp& saved, int page) { return BackUpPage(saved, page); });
    const int exitCode = app->Run(instance);
    if (exitCode != 0)
        return exitCode;
    SetApplication(nullptr);
    delete app;
    return 0;
}
