// A real top-level window for control tests, made through the window base: its own class and
// window procedure, the object reached through the creation parameter. And a check-list view
// in it, for the tests of check items and of what sets them.
#pragma once

#include "ui/QmListview.h"
#include "ui/QmWndBase.h"

#include <gtest/gtest.h>

#include <functional>

class TestWindow : public QmWndBase {
public:
    TestWindow();
    ~TestWindow() override;

    // Called for WM_NOTIFY, as the application hands notifications to its controls.
    std::function<void(const NMHDR*)> onNotify;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    HWND Parent() const { return window_.Handle(); }
    // Runs the messages waiting for this thread.
    static void Pump();

    TestWindow window_;
};

// A check-list view (id 2003) of four unchecked rows in the test window.
class CheckListTest : public UiTest {
protected:
    void SetUp() override;
    QmListview list_;
};
