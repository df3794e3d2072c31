#include "app/PageLayout.h"

#include "app/QmThisApp.h"

namespace {

// What a list needs to show every row without scrolling: its column header, the rows and
// the borders, plus the group box's frame around it.
int HeightShowingEveryRow(const QmListview& list, int rowHeight)
{
    RECT header = {};
    GetWindowRect(reinterpret_cast<HWND>(list.Send(LVM_GETHEADER)), &header);
    const int frame = 24;   // group box above and below the list
    const int borders = 6;  // the list's sunken edge and a little air
    return frame + (header.bottom - header.top) + list.GetItemCount() * rowHeight + borders;
}

}  // namespace

Box PlaceListGroup(QmThisApp& app, int groupId, int listId, int x, int y, int width, int limit)
{
    QmButton* group = app.Button(groupId);
    QmListview* list = app.ListView(listId);
    if (!group || !list)
        return Box{x, y, width, 0};
    Box box{x, y, width, 0};
    const int rowHeight = list->GetRowHeight();
    if (rowHeight > 0) {
        box.height = ListGroupHeight(list->GetItemCount(), rowHeight, limit);
        // Fonts with taller rows than the formula expects must not cut the last rows off.
        const int everyRow = HeightShowingEveryRow(*list, rowHeight);
        if (box.height < everyRow)
            box.height = everyRow < limit ? everyRow : limit;
        app.PlaceControl(groupId, box.x, box.y, box.width, box.height);
    } else {
        // Not placed, the group box is parked when the layout ends.
        const SIZE size = group->GetSize();
        box = Box{kParkedX, 0, size.cx, size.cy};
    }
    const Box inner = ListInGroup(box);
    const POINT at = list->GetPositionInParent();
    const SIZE size = list->GetSize();
    if (at.x != inner.x || at.y != inner.y || size.cx != inner.width || size.cy != inner.height) {
        // A column wider than the list as it was (parked, with another page's size) leaves a
        // horizontal scroll bar that the list keeps after it grows, and with it a vertical one;
        // a narrow column while the list is moved lets it drop both once its rows fit.
        list->SetColumnWidth(0, 0);
        app.PlaceControl(listId, inner.x, inner.y, inner.width, inner.height);
        list->SetColumnWidth(0, ListColumnWidth(inner.width));
    } else {
        app.PlaceControl(listId, inner.x, inner.y, inner.width, inner.height);
    }
    return box;
}

bool Place(QmThisApp& app, int id, int x, int y, int width, int height)
{
    return app.PlaceControl(id, x, y, width, height);
}

void PlaceApplyButtons(QmThisApp& app, int width, int height)
{
    const Box apply = ApplyButtonBox(width, height);
    const Box recommend = RecommendButtonBox(width, height);
    Place(app, kIdApplyButton, apply.x, apply.y, apply.width, apply.height);
    Place(app, kIdRecommendButton, recommend.x, recommend.y, recommend.width, recommend.height);
}

void PlaceTwoListColumns(QmThisApp& app, int width, int height)
{
    PlaceListGroup(app, kIdGroupMain, kIdListMain, 4, kPageTop, LeftColumnWidth(width), height - 52);
    // The right column shares its lower end with the apply buttons.
    const int rightLimit = ApplyButtonBox(width, height).y - 4 - kPageTop;
    PlaceListGroup(app, kIdGroupRight, kIdListRight, RightColumnX(width), kPageTop, RightColumnWidth(width),
                   rightLimit);
    PlaceApplyButtons(app, width, height);
}
