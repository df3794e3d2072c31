#include "tests/pages/PageChecks.h"

#include "tests/support/RegistryFacts.h"

#include <sstream>

namespace {

std::string Describe(const testreg::Value& value)
{
    std::ostringstream text;
    if (!value.exists)
        text << "absent";
    else if (value.type == REG_DWORD && value.data.size() == 4)
        text << "DWORD " << *reinterpret_cast<const DWORD*>(value.data.data());
    else if (value.type == REG_SZ)
        text << "REG_SZ \"" << testreg::Narrow(value.Text()) << "\"";
    else
        text << "type " << value.type << ", " << value.data.size() << " bytes";
    return text.str();
}

std::string Describe(const Data& data)
{
    std::ostringstream text;
    if (data.kind == Data::Absent)
        text << "absent";
    else if (data.kind == Data::Dword)
        text << "DWORD " << data.number;
    else
        text << "REG_SZ \"" << testreg::Narrow(data.text) << "\"";
    return text.str();
}

RECT PlaceOf(QmWndBase& control, HWND parent)
{
    RECT box = control.GetWindowRect();
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

}  // namespace

void Put(HKEY root, const wchar_t* key, const wchar_t* name, const Data& data)
{
    if (data.kind == Data::Dword) {
        testreg::SetDword(root, key, name, data.number);
    } else if (data.kind == Data::Text) {
        testreg::SetString(root, key, name, data.text);
    } else {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(root, key, 0, KEY_SET_VALUE, &opened) == ERROR_SUCCESS) {
            RegDeleteValueW(opened, name);
            RegCloseKey(opened);
        }
    }
}

::testing::AssertionResult Holds(HKEY root, const wchar_t* key, const wchar_t* name, const Data& data)
{
    const testreg::Value value = testreg::Get(root, key, name);
    const bool ok = data.kind == Data::Absent  ? !value.exists
                    : data.kind == Data::Dword ? value.IsDword(data.number)
                                               : value.IsString(data.text);
    if (ok)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << testreg::Narrow(key) << " : " << testreg::Narrow(name) << " is "
                                         << Describe(value) << ", expected " << Describe(data);
}

std::string Overlaps(QmThisApp& app, const int* ids, int count)
{
    std::ostringstream found;
    const RECT client = app.GetClientRect();
    for (int i = 0; i < count; ++i) {
        QmWndBase* control = app.Control(ids[i]);
        if (!control) {
            found << ids[i] << " does not exist\n";
            continue;
        }
        const RECT a = PlaceOf(*control, app.Handle());
        if (a.left < client.left || a.top < client.top || a.right > client.right || a.bottom > client.bottom)
            found << ids[i] << " reaches outside the window\n";
        for (int j = i + 1; j < count; ++j) {
            QmWndBase* other = app.Control(ids[j]);
            if (!other)
                continue;
            const RECT b = PlaceOf(*other, app.Handle());
            RECT both = {};
            if (IntersectRect(&both, &a, &b))
                found << ids[i] << " overlaps " << ids[j] << "\n";
        }
    }
    return found.str();
}

std::string Overlaps(QmThisApp& app, std::initializer_list<int> ids)
{
    return Overlaps(app, ids.begin(), static_cast<int>(ids.size()));
}

std::string NotInside(QmThisApp& app, int outer, std::initializer_list<int> ids)
{
    std::ostringstream found;
    QmWndBase* frame = app.Control(outer);
    if (!frame)
        return std::to_string(outer) + " does not exist\n";
    const RECT box = PlaceOf(*frame, app.Handle());
    for (int id : ids) {
        QmWndBase* control = app.Control(id);
        if (!control) {
            found << id << " does not exist\n";
            continue;
        }
        const RECT inner = PlaceOf(*control, app.Handle());
        if (inner.left < box.left || inner.top < box.top || inner.right > box.right || inner.bottom > box.bottom)
            found << id << " is not inside " << outer << "\n";
    }
    return found.str();
}

std::string RowsOutOfSight(const QmListview& list)
{
    std::ostringstream found;
    const RECT client = list.GetClientRect();
    for (int i = 0; i < list.GetItemCount(); ++i) {
        RECT row = {};
        row.left = LVIR_BOUNDS;
        list.Send(LVM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&row));
        if (row.top < client.top || row.bottom > client.bottom || row.right > client.right)
            found << "row " << i << " is out of sight\n";
    }
    return found.str();
}

std::wstring WindowsDriveRootForTest()
{
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    return length >= 3 ? std::wstring(folder, 3) : std::wstring();
}
