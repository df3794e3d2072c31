// The application's controls: creating every one of them once in WM_CREATE, finding them by
// identifier, and deleting them at the end.
#include "app/QmThisApp.h"

#include "app/AppTexts.h"
#include "app/PageLayout.h"
#include "app/PictureList.h"
#include "app/ProgramList.h"
#include "model/ShellTexts.h"
#include "model/ShowText.h"

#include <iterator>

namespace {

// Identifiers of each kind, in creation order.
const int kPlainComboIds[] = {2008, 2009, 2200, 2014, 2015, 2016, 2017, 2018, 2019, 2020, 2021,
                              2022, 2023, 2024, 2025, 2077, 2078, 2079, 2080, 2081, 2102};
const int kGroupBoxIds[] = {2051, 2052, 2053, 2054, 2055};
const int kPushButtonIds[] = {2001, 2004, 2071, 2082, 2083, 2084, 2095, 2096, 2097, 2098, 2099, 2100, 2101};
const int kCheckBoxIds[] = {2041, 2042, 2043, 2044, 2045, 2046, 2047, 2048, 2049, 2050,
                            2065, 2066, 2067, 2068, 2069, 2072, 2073, 2074, 2075, 2076};
const int kRadioButtonIds[] = {2056, 2057, 2058, 2059, 2060};
const int kListViewIds[] = {2003, 2061, 2062, 2063};
const int kStaticIds[] = {2026, 2027, 2028, 2029, 2030, 2031, 2032, 2033, 2034, 2035, 2093, 2094};
const int kTrackbarIds[] = {2064, 2085, 2086, 2087, 2088};

// Controls start out of sight; the layout places those of the page shown.
const int kStartX = -2500;
const int kStartY = 0;
const int kStartWidth = 120;
const int kStartHeight = 24;

// The page list and the program list: picture combo boxes with blue text.
const DWORD kPictureComboStyle = WS_VISIBLE | WS_BORDER | CBS_DROPDOWNLIST;
const int kPictureComboDropHeight = 350;
const DWORD kPlainComboStyle = QmCombo::kDefaultStyle | WS_VSCROLL | CBS_HASSTRINGS;

const int kLargePictureSize = 32;
const int kSmallPictureSize = 16;
const int kImageListInitial = 100;
const int kImageListGrowth = 200;
const int kDoneMarkPicture = 59;

// Page list pictures, by page.
const int kPagePictures[kPageCount] = {39, 22, 8, 41, 5, 37, 37, 51, 72, 13};

// Owns shell32.dll loaded as a resource file for the time the icons are read.
class ResourceModule {
public:
    explicit ResourceModule(const wchar_t* name) : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~ResourceModule()
    {
        if (module_)
            FreeLibrary(module_);
    }
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;
    HINSTANCE Get() const { return module_; }

private:
    HINSTANCE module_;
};

}  // namespace

template <class Control>
Control* QmThisApp::AddControl(int id, ControlKind kind)
{
    Control* control = new Control;
    OwnedControl& slot = controls_[id - kFirstId];
    slot.window.reset(control);
    slot.kind = kind;
    return control;
}

template <class Control>
Control* QmThisApp::Owned(int id, ControlKind kind) const
{
    const int index = id - kFirstId;
    if (index < 0 || index >= kIdCount || controls_[index].kind != kind)
        return nullptr;
    return static_cast<Control*>(controls_[index].window.get());
}

QmWndBase* QmThisApp::Control(int id) const
{
    const int index = id - kFirstId;
    return index >= 0 && index < kIdCount ? controls_[index].window.get() : nullptr;
}

const void* QmThisApp::ComboContent(int id) const
{
    return Combo(id) ? controls_[id - kFirstId].content : nullptr;
}

void QmThisApp::SetComboContent(int id, const void* content)
{
    if (Combo(id))
        controls_[id - kFirstId].content = content;
}

QmButton* QmThisApp::Button(int id) const { return Owned<QmButton>(id, ControlKind::Button); }
QmCombo* QmThisApp::Combo(int id) const { return Owned<QmCombo>(id, ControlKind::Combo); }
QmListview* QmThisApp::ListView(int id) const { return Owned<QmListview>(id, ControlKind::ListView); }
QmStatic* QmThisApp::Static(int id) const { return Owned<QmStatic>(id, ControlKind::Static); }
QmTrackbar* QmThisApp::Trackbar(int id) const { return Owned<QmTrackbar>(id, ControlKind::Trackbar); }
QmListbox* QmThisApp::ListBox(int id) const { return Owned<QmListbox>(id, ControlKind::ListBox); }
QmEdit* QmThisApp::EditBox(int id) const { return Owned<QmEdit>(id, ControlKind::Edit); }

bool QmThisApp::CreateControls()
{
    return CreateImageLists() && CreateCombos() && CreateButtons() && CreateListViews() && CreateStatics() &&
           CreateTrackbars() && CreateOthers();
}

bool QmThisApp::CreateImageLists()
{
    const UINT flags = ILC_COLOR32 | ILC_MASK;
    if (!largeImages_.Create(kLargePictureSize, kLargePictureSize, flags, kImageListInitial, kImageListGrowth)) {
        ReportCreateError(L"new LIconImgList Create Error code: %u\n");
        return false;
    }
    if (!smallImages_.Create(kSmallPictureSize, kSmallPictureSize, flags, kImageListInitial, kImageListGrowth)) {
        ReportCreateError(L"new SImgList Create Error code: %u\n");
        return false;
    }
    ResourceModule shell(L"shell32.dll");
    FillPictureList(largeImages_, kLargePictureSize, shell.Get(), Instance(), LoadIconResource);
    FillPictureList(smallImages_, kSmallPictureSize, shell.Get(), Instance(), LoadIconResource);
    return true;
}

bool QmThisApp::CreateCombos()
{
    const int pictureCombos[] = {kIdPageList, kIdProgramList};
    for (int id : pictureCombos) {
        QmCombo* combo = AddControl<QmCombo>(id, ControlKind::Combo);
        if (!combo->CreateComboBoxEx(Handle(), id, kStartX, kStartY, kStartWidth, kPictureComboDropHeight,
                                     kPictureComboStyle)) {
            ReportCreateError(L"new Combo Error code: %u\n");
            return false;
        }
        combo->SetDefaultFont();
        combo->SetColours(RGB(0, 0, 255), RGB(255, 250, 250));
        combo->SetImageList(largeImages_.Get());
    }
    FillPageList();
    FillProgramList();
    for (int id : kPlainComboIds) {
        QmCombo* combo = AddControl<QmCombo>(id, ControlKind::Combo);
        if (!combo->CreateComboBox(Handle(), id, kStartX, kStartY, kStartWidth, kChoiceDropHeight,
                                   kPlainComboStyle)) {
            ReportCreateError(L"new Combo Error code: %u\n");
            return false;
        }
        combo->SetDefaultFont();
    }
    return true;
}

bool QmThisApp::CreateButtons()
{
    struct ButtonKind {
        const int* ids;
        size_t count;
        DWORD style;
        const wchar_t* errorFormat;
    };
    const ButtonKind kinds[] = {
        {kGroupBoxIds, std::size(kGroupBoxIds), BS_GROUPBOX, L"new Groupbox Error code: %u\n"},
        {kPushButtonIds, std::size(kPushButtonIds), BS_PUSHBUTTON, L"new Button Error code: %u\n"},
        {kCheckBoxIds, std::size(kCheckBoxIds), BS_AUTOCHECKBOX, L"new Checkbox Error code: %u\n"},
        {kRadioButtonIds, std::size(kRadioButtonIds), BS_AUTORADIOBUTTON, L"new Radio Button Error code: %u\n"},
    };
    for (const ButtonKind& kind : kinds) {
        for (size_t i = 0; i < kind.count; ++i) {
            const int id = kind.ids[i];
            QmButton* button = AddControl<QmButton>(id, ControlKind::Button);
            if (!button->CreateChild(Handle(), id, L"", kStartX, kStartY, kStartWidth, kStartHeight,
                                     WS_VISIBLE | kind.style)) {
                ReportCreateError(kind.errorFormat);
                return false;
            }
            button->SetDefaultFont();
            if (kind.style == BS_GROUPBOX)
                button->SetColours(RGB(0, 0, 128), RGB(255, 255, 255));
        }
    }
    for (int i = 0; i < kButtonTextCount; ++i)
        SetCaption(Button(kButtonTexts[i].id), kButtonTexts[i].text);
    return true;
}

bool QmThisApp::CreateListViews()
{
    for (int id : kListViewIds) {
        QmListview* list = AddControl<QmListview>(id, ControlKind::ListView);
        if (!list->CreateListview(Handle(), id, kStartX, kStartY, kStartWidth, kStartHeight * 4,
                                  WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS)) {
            ReportCreateError(L"new Listview Error code: %u\n");
            return false;
        }
        list->SetDefaultFont();
        list->SetExtendedStyle(0, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        list->SetImageList(largeImages_.Get(), LVSIL_NORMAL);
        list->SetImageList(smallImages_.Get(), LVSIL_SMALL);
        InsertListColumn(list, TextPair{kSettingsColumnText.text}, kStartWidth);
    }
    return true;
}

bool QmThisApp::CreateStatics()
{
    for (int id : kStaticIds) {
        QmStatic* text = AddControl<QmStatic>(id, ControlKind::Static);
        const bool doneMark = id == kIdDoneMark;
        const int size = doneMark ? kSmallPictureSize : kStartHeight;
        if (!text->CreateStatic(Handle(), id, L"", kStartX, kStartY, doneMark ? size : kStartWidth, size,
                                WS_VISIBLE | (doneMark ? SS_ICON : (id == kIdStaticThumbnailSize ? SS_RIGHT : 0)))) {
            ReportCreateError(L"new Static Error code: %u\n");
            return false;
        }
        text->SetDefaultFont();
        if (doneMark) {
            text->ShowImageListIcon(smallImages_.Get(), kDoneMarkPicture);
            text->Move(kStartX, kStartY, size, size);  // an icon static sizes itself to the icon
        }
    }
    return true;
}

bool QmThisApp::CreateTrackbars()
{
    for (int id : kTrackbarIds) {
        QmTrackbar* trackbar = AddControl<QmTrackbar>(id, ControlKind::Trackbar);
        if (!trackbar->CreateTrackbar(Handle(), id, kStartX, kStartY, kStartWidth, kStartHeight,
                                      WS_VISIBLE | TBS_HORZ | TBS_AUTOTICKS)) {
            ReportCreateError(L"new Trackbar Error code: %u\n");
            return false;
        }
        if (id == kIdThumbnailTrackbar)
            trackbar->SetColours(RGB(0, 0, 0), RGB(255, 255, 255));
    }
    return true;
}

bool QmThisApp::CreateOthers()
{
    QmListbox* list = AddControl<QmListbox>(kIdProgramListBox, ControlKind::ListBox);
    if (!list->CreateListbox(Handle(), kIdProgramListBox, kStartX, kStartY, kStartWidth, kStartHeight * 4,
                             WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY)) {
        ReportCreateError(L"new Listbox Error code: %u\n");
        return false;
    }
    list->SetDefaultFont();
    QmEdit* edit = AddControl<QmEdit>(kIdEdit, ControlKind::Edit);
    if (!edit->CreateEdit(Handle(), kIdEdit, L"", kStartX, kStartY, kStartWidth, kStartHeight,
                          WS_VISIBLE | ES_AUTOHSCROLL)) {
        ReportCreateError(L"new Edit Error code: %u\n");
        return false;
    }
    edit->SetDefaultFont();
    return true;
}

void QmThisApp::FillPageList()
{
    QmCombo* pageList = Combo(kIdPageList);
    for (int page = 0; page < kPageCount; ++page)
        AddPageListItem(pageList, PageName(page), kPagePictures[page]);
    pageList->SetCurSel(0);
}

void QmThisApp::FillProgramList()
{
    QmCombo* programList = Combo(kIdProgramList);
    const ProgramRecord* programs = ProgramsFor(facts_.osCode);
    if (!programs)
        return;
    // The entries read the same in both wordings.
    for (int i = 0; i < kProgramCount; ++i)
        AddPageListItem(programList, TextPair{programs[i].text}, static_cast<int>(programs[i].image));
    programList->SetCurSel(0);
}

void QmThisApp::DestroyControls()
{
    // Results still to come are freed, not posted to a window about to go.
    reads_->Close();
    for (OwnedControl& control : controls_) {
        control.window.reset();
        control.kind = ControlKind::None;
        control.content = nullptr;
    }
    // The lists go after the controls that show them.
    largeImages_.Destroy();
    smallImages_.Destroy();
}
