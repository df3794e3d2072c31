// A registry sandbox with a real check-list view in a real window: what the read helpers set
// and the write patterns read.
#pragma once

#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/ui/UiFixture.h"
#include "ui/QmListview.h"

#include <memory>

class TweakModelTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        window_ = std::make_unique<TestWindow>();
        ASSERT_NE(nullptr, window_->Create(nullptr));
        ASSERT_TRUE(list_.CreateListview(window_->Handle(), 2003, 0, 0, 300, 200, LVS_REPORT | WS_VISIBLE));
        list_.SetExtendedStyle(LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
        list_.InsertColumn(0, L"x", 200);
        for (int i = 0; i < 4; ++i)
            list_.InsertItem(i, L"row", 0);
    }
    void TearDown() override
    {
        list_.Destroy();
        window_.reset();
        RegistryTest::TearDown();
    }

    std::unique_ptr<TestWindow> window_;
    QmListview list_;
};
