// The application object: start-up, the main window's message map and its small handlers.
#include "app/QmThisApp.h"

#include "app/AppTexts.h"
#include "app/StartupChecks.h"
#include "model/RedrawPause.h"
#include "model/ShowText.h"
#include "platform/QmFile.h"
#include "platform/QmLocale.h"
#include "platform/QmSystem.h"

#include <windowsx.h>

namespace {

QmThisApp* g_application = nullptr;

const wchar_t kWindowClassName[] = L"Zentrak1320";
const wchar_t kWindowTitle[] = L"Zentrak";
const int kClientWidth = 640;
const int kClientHeight = 480;
const int kMovedDown = 20;  // below the centre of the screen
const int kIconLarge = 50000;
const int kIconSmall = 50001;
// A list box that keeps the system's own colours; the program creates no control with it.
const int kSystemColouredListBoxId = 45375;

bool IsGroupBox(int id)
{
    return id >= kIdGroupMain && id <= kIdGroupSpare2;
}

}  // namespace

QmThisApp* Application()
{
    return g_application;
}

void SetApplication(QmThisApp* app)
{
    g_application = app;
}

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    QmThisApp* app = Application();
    if (!app)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return app->HandleMessage(hwnd, message, wParam, lParam);
}

QmThisApp::QmThisApp() : reads_(ReadMailbox::Create()) {}

QmThisApp::~QmThisApp()
{
    DestroyControls();
    // The window procedure reaches this object: the window goes first.
    Destroy();
    reads_->Release();
}

BOOL QmThisApp::Init(HINSTANCE instance)
{
    if (!instance)
        return FALSE;
    SetInstance(instance);
    SetClassName(kWindowClassName);
    SetTitle(kWindowTitle);
    SetStyle(windowStyle_);
    SetExStyle(0);
    return TRUE;
}

ATOM QmThisApp::RegisterWindowClass()
{
    HICON large = static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(kIconLarge), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
    HICON small = static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(kIconSmall), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    return RegisterOwnClass(MainWndProc, classStyle_.Get(), large, small, LoadCursorW(nullptr, IDC_ARROW),
                            static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

HWND QmThisApp::CreateMainWindow(HWND parent, int width, int height)
{
    // The size given is the client area's.
    RECT outer = {0, 0, width, height};
    AdjustWindowRectEx(&outer, Style(), FALSE, ExStyle());
    SetPosition(0, 0);
    SetSize(outer.right - outer.left, outer.bottom - outer.top);
    if (!Create(parent)) {
        Reset();
        return nullptr;
    }
    CenterOnScreen(kMovedDown);
    Show(SW_SHOW);
    Update();
    return Handle();
}

int QmThisApp::Run(HINSTANCE)
{
    // The instance handle given to the entry point is not the one used.
    classStyle_.Add(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    windowStyle_.Add(WS_OVERLAPPEDWINDOW);
    if (!Init(GetModuleHandleW(nullptr)))
        return 0;
    if (!RegisterWindowClass()) {
        Reset();
        return 0;
    }
    if (!CheckStartup())
        return 0;
    if (!CreateMainWindow(nullptr, kClientWidth, kClientHeight))
        return 0;
    MSG msg = {};
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1)
            return 0;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

CodePages QmThisApp::QueryCodePages()
{
    QmLocale locale;
    return CodePages{locale.SystemOemCodePage(), locale.SystemAnsiCodePage(), locale.UserOemCodePage(),
                     locale.UserAnsiCodePage()};
}

void QmThisApp::QuerySystem(SystemFacts& facts)
{
    QmSystem system;
    facts.osCode = system.GetOsCode();
    facts.ieMajorVersion = system.GetIeMajorVersion();
    facts.servicePack = system.GetServicePackNumber();
    facts.homeEdition = system.IsHomeEdition();
}

QmOwnedWide QmThisApp::QueryWindowsFolder()
{
    QmFolder folder;
    return folder.GetWindowsFolder();
}

int QmThisApp::CheckStartup()
{
    const CodePages pages = QueryCodePages();
    codePages_ = pages;
    // The wording is chosen before the gate's outcome, so its message follows it too.
    facts_.language = LanguageVariantOf(pages);
    if (!PassesLanguageGate(pages)) {
        log_.WriteLine(kLogFile, L"I 1\n");
        ShowMessage(nullptr, kLanguageMessageText, kLanguageMessageCaption, MB_ICONERROR);
        OpenNewsPage();
        return 0;
    }
    SystemFacts found = facts_;
    QuerySystem(found);
    facts_.osCode = found.osCode;
    if (!PassesVersionGate(facts_.osCode)) {
        log_.WriteLine(kLogFile, L"I 3\n");
        ShowMessage(nullptr, kVersionMessageText, kVersionMessageCaption, MB_ICONERROR);
        OpenNewsPage();
        return 0;
    }
    facts_.ieMajorVersion = found.ieMajorVersion;
    facts_.servicePack = found.servicePack;
    facts_.homeEdition = found.homeEdition;
    return 1;
}

const wchar_t* QmThisApp::WindowsDriveRoot()
{
    if (windowsDriveRoot_.IsEmpty()) {
        QmOwnedWide windows = QueryWindowsFolder();
        if (windows)
            windowsDriveRoot_ = QmWString(windows.Get()).Substring(0, 3);
    }
    return windowsDriveRoot_.CStr();
}

void QmThisApp::ReportCreateError(const wchar_t* format)
{
    log_.WriteLine(kLogFile, format, static_cast<unsigned>(GetLastError()));
}

LRESULT QmThisApp::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate(hwnd, reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_DESTROY:
        return OnDestroy(hwnd);
    case WM_SIZE:
        return OnSize(hwnd, static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYUP:
    case WM_LBUTTONDBLCLK:
        return 0;
    case WM_PAINT:
        return OnPaint(hwnd);
    case WM_CLOSE:
        return OnClose(hwnd);
    case WM_ERASEBKGND:
        return OnEraseBkgnd(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_NOTIFY:
        return OnNotify(hwnd, reinterpret_cast<const NMHDR*>(lParam));
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, static_cast<UINT>(wParam));
    case WM_COMMAND:
        return OnCommand(hwnd, LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam));
    case WM_HSCROLL:
        return OnHScroll(hwnd, reinterpret_cast<HWND>(lParam), LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return OnCtlColor(hwnd, message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_LBUTTONDOWN:
        return OnLButtonDown(hwnd);
    case kReadDoneMessage:
        return OnReadDone(hwnd, reinterpret_cast<ReadResult*>(lParam));
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT QmThisApp::OnSize(HWND, UINT, int width, int height)
{
    clientWidth_ = width;
    clientHeight_ = height;
    WindowRedrawPause pause(*this);
    LayoutPage();
    return 0;
}

LRESULT QmThisApp::OnPaint(HWND hwnd)
{
    PAINTSTRUCT paint;
    BeginPaint(hwnd, &paint);
    EndPaint(hwnd, &paint);
    return 0;
}

LRESULT QmThisApp::OnEraseBkgnd(HWND hwnd, HDC dc)
{
    RECT client;
    ::GetClientRect(hwnd, &client);
    FillRect(dc, &client, reinterpret_cast<HBRUSH>(GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND)));
    return 1;
}

LRESULT QmThisApp::OnNotify(HWND, const NMHDR* header)
{
    if (!header)
        return 0;
    const int id = static_cast<int>(header->idFrom);
    if (id == kIdListMain || id == kIdListRight || id == kIdListLower || id == kIdListSpare) {
        if (QmListview* list = ListView(id))
            list->HandleNotify(header, true);
    }
    return 0;
}

LRESULT QmThisApp::OnHScroll(HWND, HWND control, int, int)
{
    QmTrackbar* trackbar = Trackbar(kIdThumbnailTrackbar);
    if (!trackbar || control != trackbar->Handle() || !Combo(kIdPageList))
        return 0;
    const int position = trackbar->GetPos();
    QmStatic* sizeText = Static(kIdStaticThumbnailSize);
    if (CurrentPage() == kPageSystem && sizeText) {
        sizeText->SetText(FormatInt(position).Get());
    } else if (CurrentPage() == kPageStartMenu && Button(2048) && sizeText) {
        sizeText->SetText(position == -2 ? L" -2" : position == -1 ? L" -1" : FormatInt(position).Get());
    }
    return 0;
}

LRESULT QmThisApp::OnLButtonDown(HWND hwnd)
{
    // Any free part of the client area drags the window.
    ::SetFocus(hwnd);
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return 0;
}

LRESULT QmThisApp::OnCtlColor(HWND hwnd, UINT message, HDC dc, HWND control)
{
    const int id = static_cast<int>(GetWindowLongPtrW(control, GWLP_ID));
    if (message == WM_CTLCOLOREDIT && id == kIdEdit)
        return DefWindowProcW(hwnd, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    if (message == WM_CTLCOLORLISTBOX && id == kSystemColouredListBoxId)
        return DefWindowProcW(hwnd, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const bool ownColours = (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) &&
                            (IsGroupBox(id) || (message == WM_CTLCOLORSTATIC && id == kIdThumbnailTrackbar));
    QmWndBase* owner = ownColours ? Control(id) : nullptr;
    if (!owner && id == kIdComboFirst)
        owner = Control(id);  // the red choice list
    if (owner && owner->HasOwnColours())
        return reinterpret_cast<LRESULT>(owner->ApplyColours(dc));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}
