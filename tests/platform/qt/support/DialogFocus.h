#pragma once

#include <initializer_list>
#include <vector>

class CDialog;

// The id among the given ones of the control that has the focus in the dialog's window, or 0
// for none of them.
int FocusedId(CDialog& dialog, std::initializer_list<int> ids);

// The ids the focus visits on the given number of Tab presses, starting where it is.
std::vector<int> TabVisits(CDialog& dialog, std::initializer_list<int> ids, int presses);
