#pragma once

#include "platform/qt/detail/ControlFactory.h"

#include <vector>

class QString;

// Tells assistive technology what each control without a text of its own stands for, as a
// sighted user reads it off the dialog: the text of the label just to its left on its line, else
// the title of the group box around it, else the dialog's caption. A combo box, a list or an
// icon takes it as its name; a label that shows what a run found keeps that as its name and takes
// it as its description.
void NameTextlessControls(const std::vector<TemplateControl>& controls, const QString& caption);
