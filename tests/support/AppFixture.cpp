#include "tests/support/AppFixture.h"

#include "pages/Pages.h"
#include "tests/support/RegistryFacts.h"

void AppTest::StartApp(int osCode, int ieMajorVersion, int servicePack, int language, const PageFunctions* pages)
{
    if (!strayBoxes_)
        strayBoxes_ = std::make_unique<StrayBoxGuard>();
    app_ = std::make_unique<TestApp>();
    SetApplication(app_.get());
    app_->SetPages(pages ? pages : kTweakPages, ApplyLogonNumLock);
    app_->SetFacts(SystemFacts{language, osCode, ieMajorVersion, servicePack});
    ASSERT_TRUE(app_->Init(GetModuleHandleW(nullptr)));
    app_->SetStyle(WS_OVERLAPPEDWINDOW);
    app_->RegisterWindowClass();  // already there from an earlier test: that is fine
    ASSERT_NE(nullptr, app_->CreateMainWindow(nullptr, 640, 480));
    Pump();
}

void AppTest::TearDown()
{
    if (app_) {
        app_->DestroyControls();
        app_->Destroy();
        Pump();  // also takes away the WM_QUIT that would end the next test's pumping
        SetApplication(nullptr);
        app_.reset();
    }
    if (strayBoxes_) {
        for (const MessageBoxAnswerer::Box& box : strayBoxes_->Seen())
            ADD_FAILURE() << "a message box nobody answered: " << testreg::Narrow(box.caption) << " / "
                          << testreg::Narrow(box.text);
        strayBoxes_.reset();
    }
    RegistryTest::TearDown();
}

void AppTest::Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void AppTest::ShowPage(int page)
{
    QmCombo* pageList = app_->Combo(kIdPageList);
    ASSERT_NE(nullptr, pageList);
    app_->OnCommand(Window(), kIdPageList, pageList->Handle(), CBN_DROPDOWN);
    pageList->SetCurSel(page);
    app_->OnCommand(Window(), kIdPageList, pageList->Handle(), CBN_SELENDOK);
    WaitForReads();
}

void AppTest::Reread()
{
    app_->StartReadWorker(Window());
    WaitForReads();
}

int AppTest::Apply()
{
    const int result = app_->ApplyPage(Window());
    WaitForReads();
    return result;
}

std::map<std::string, int> AppTest::ShownStates()
{
    std::map<std::string, int> states;
    for (int id = 2000; id <= 2200; ++id) {
        const std::string name = std::to_string(id);
        if (QmListview* list = App().ListView(id))
            for (int row = 0; row < list->GetItemCount(); ++row)
                states[name + ":" + std::to_string(row)] = list->GetItemCheck(row);
        else if (QmCombo* combo = App().Combo(id))
            states[name] = combo->GetCurSel();
        else if (QmButton* button = App().Button(id))
            states[name] = button->GetCheck();
    }
    return states;
}
