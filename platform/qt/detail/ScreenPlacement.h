#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window's frame goes when it opens: centred on the target, then moved as little as
// needed to lie inside the area; along an axis on which it does not fit at all, its top or left
// edge on the area's, so that the title bar stays in reach.
QPoint CentredFrameOrigin(QSize frameSize, const QRect& target, const QRect& area);

// Places the window each time the program shows it: its frame centred on its owner's frame, or
// on the screen's available area when it has no owner, and kept inside that area. The frame is
// the window manager's and is known only once it has framed the window; until then the frame
// of another window of the program, or the style's idea of a title bar, stands in, and the
// window is placed again when the real frame turns out to differ.
void CentreWhenShown(QWidget& window);
