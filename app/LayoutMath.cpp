#include "app/LayoutMath.h"

Box PageListBox(int width, int height)
{
    return Box{4, 2, width / 2, height - 30};
}

Box ProgramListBox(int width, int height)
{
    return Box{PageListBox(width, height).width + 8, 2, width / 4 + 16, height - 30};
}

Box UpdateButtonBox(int width, int height)
{
    const int x = PageListBox(width, height).width + ProgramListBox(width, height).width + 12;
    return Box{x, 2, width / 4 - 32, 40};
}

Box ApplyButtonBox(int width, int height)
{
    return Box{width - 8 - width / 6, height - height / 10 - 8, width / 6, height / 10};
}

Box RecommendButtonBox(int width, int height)
{
    const Box apply = ApplyButtonBox(width, height);
    return Box{width - width / 6 - apply.width - 12, apply.y, apply.width, apply.height};
}

int LeftColumnWidth(int width)
{
    return width / 2 - 8;
}

int RightColumnX(int width)
{
    return LeftColumnWidth(width) + 8;
}

int RightColumnWidth(int width)
{
    return width - LeftColumnWidth(width) - 18;
}

int ListGroupHeight(int itemCount, int rowHeight, int limit)
{
    const int needed = (itemCount + 3) * rowHeight - 8;
    return needed < limit ? needed : limit;
}

Box ListInGroup(const Box& group)
{
    return Box{group.x + 8, group.y + 16, group.width - 16, group.height - 24};
}

int ListColumnWidth(int listWidth)
{
    return listWidth - 4;
}
