#pragma once

#include <QFont>
#include <QRect>

struct DialogRect;
struct DialogTemplate;

// The pixel size of one dialog unit's base: a quarter of baseX is one horizontal unit and an
// eighth of baseY one vertical unit.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

// The font a template names, at its point size (the names resolve through TemplateFonts).
QFont TemplateFont(const DialogTemplate& dialogTemplate);

// baseX is the average width of A-Z a-z, rounded as the templates were laid out with; baseY is
// the font's height.
BaseUnits BaseUnitsOf(const QFont& font);

// A template rectangle in pixels; each of position and size is converted on its own.
QRect ToPixels(const DialogRect& rect, BaseUnits units);
