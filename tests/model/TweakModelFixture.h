// A registry sandbox with a real check-list view in a real window: what the read helpers set
// and the write patterns read.
#pragma once

#include "tests/support/RegistryFacts.h"
#include "tests/support/RegistrySandbox.h"
#include "tests/ui/UiFixture.h"

class TweakModelTest : public CheckListTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sandbox_.IsReady()) << "registry sandbox could not be set up";
        CheckListTest::SetUp();
    }

    RegistrySandbox sandbox_;
};
