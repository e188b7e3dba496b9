#pragma once

class QColor;
class QFont;
class QPainter;
class QRectF;
class QString;
class QTextOption;

// Marks each tab of a row drawn in the area with a faint arrow across the space it takes, so that
// a tab never looks like the blanks it may be compared against. Draws nothing for a row without.
void DrawTabMarks(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
                  const QTextOption& option, const QColor& textColor, const QColor& background);
