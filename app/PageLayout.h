// Placing a page's controls: the pieces every page layout is made of.
#pragma once

#include "app/LayoutMath.h"

class QmThisApp;

// Group box `groupId` at (x, y), `width` wide and as tall as the rows of check list `listId`
// need, at most `limit`; the list inside it. When the list reports no row height the group
// box is parked and the list is still placed inside it. Returns where the group box is.
Box PlaceListGroup(QmThisApp& app, int groupId, int listId, int x, int y, int width, int limit);
// Places a control; false when it does not exist.
bool Place(QmThisApp& app, int id, int x, int y, int width, int height);
// The drop height of every check box's combo box, the one it is made with.
const int kChoiceDropHeight = 100;
// The apply button and the recommended-settings button at the lower right.
void PlaceApplyButtons(QmThisApp& app, int width, int height);
// The layout of a page of two check lists: 2051/2003 in the left column, 2052/2061 in the
// right one ending above the apply buttons, and the buttons.
void PlaceTwoListColumns(QmThisApp& app, int width, int height);
