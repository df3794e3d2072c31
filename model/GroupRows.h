// Check items backed by consecutive records of one group: one value, or two or three values
// that make one setting together (the same value in several places, or several values of
// one switch).
#pragma once

#include "model/TweakRecord.h"
#include "model/TweakWrite.h"

class QmCReg;
class QmListview;

// Checked only while every value reads and holds its own on value; the tweak state (1, 0,
// -2 when any value is missing, else -1). `count` is 1 to 3.
int ReadDwordRow(QmListview& list, int item, const DwordToggle* records, int count);
// Every value gets the write of `check`, in group order.
void ApplyDwordRow(QmCReg& reg, const DwordToggle* records, int count, int check, WhenCleared cleared);
