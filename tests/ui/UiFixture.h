// A real top-level window for control tests, made through the window base the way the
// application makes its main window: its own class and window procedure, the object reached
// through the creation parameter.
#pragma once

#include "ui/QmWndBase.h"

#include <gtest/gtest.h>

#include <functional>

class TestWindow : public QmWndBase {
public:
    TestWindow();
    ~TestWindow() override;

    // What the window procedure saw while the window was being created.
    QmWndBase* createParam = nullptr;
    HWND handleAtCreate = nullptr;
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

// Children of `parent`, counted without the code under test.
int CountChildren(HWND parent);
