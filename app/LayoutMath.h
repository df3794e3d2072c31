// The arithmetic of the page layouts: positions from the client width W and height H, in
// integers, divisions rounded toward zero. No windows are touched here.
#pragma once

struct Box {
    int x;
    int y;
    int width;
    int height;
};

// Where every page's area begins, below the shared top row.
const int kPageTop = 46;
const int kParkedX = -2500;

// The shared top row; for the two combo boxes the height is the drop-down height.
Box PageListBox(int width, int height);
Box ProgramListBox(int width, int height);
Box UpdateButtonBox(int width, int height);

// The apply button at the lower right, the recommended-settings button 12 pixels left of it.
Box ApplyButtonBox(int width, int height);
Box RecommendButtonBox(int width, int height);

// The two columns of a page.
int LeftColumnWidth(int width);
int RightColumnX(int width);
int RightColumnWidth(int width);

// A group box holding a check list is only as tall as its rows need, up to `limit`.
int ListGroupHeight(int itemCount, int rowHeight, int limit);
// The check list inside its group box.
Box ListInGroup(const Box& group);
// The list's single column is a little narrower than the list.
int ListColumnWidth(int listWidth);
