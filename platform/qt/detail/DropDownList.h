#pragma once

class QComboBox;

// Keeps a drop-down list within the height its template gives the combo box, the closed box
// included: the list opens below the box (above it where the screen has no room below) and
// shows as many entries as fit, with a scroll bar for the rest. Styles that open the list as a
// menu over the box, as tall as all its entries, are overruled for this box.
void KeepDropDownHeight(QComboBox& combo, int templateHeight);
