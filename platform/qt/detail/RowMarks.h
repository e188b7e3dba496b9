#pragma once

class QColor;
class QFont;
class QPainter;
class QRectF;
class QString;
class QTextOption;

// The marks drawn over a row's text in the area it is drawn in, to show what the plain text
// cannot. Each needs the same font and options the text was drawn with.

// A faint arrow across the space each tab takes, so that a tab never looks like the blanks it
// may be compared against. Draws nothing for a row without tabs.
void DrawTabMarks(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
                  const QTextOption& option, const QColor& textColor, const QColor& background);

// A tint under the characters [first, last) where a row differs from its counterpart, and a
// bar where the stretch begins, which is all that shows where the row has nothing the other
// has.
void DrawStretchMark(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
                     const QTextOption& option, int first, int last, const QColor& tint);

// Where the character at `column` starts, from the area's left edge.
double ColumnOffset(const QString& text, const QFont& font, const QTextOption& option, int column);
