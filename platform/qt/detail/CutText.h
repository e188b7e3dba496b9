#pragma once

class QString;
class QWidget;

// The text of a label that shows it cut at the label's edge, for a tooltip that shows all of
// it; empty when the text fits or the widget is no text label.
QString CutLabelText(const QWidget* widget);
