#include "platform/qt/detail/DialogUnits.h"

#include "platform/resource/DialogTemplate.h"

#include <QFontMetrics>
#include <QString>

namespace {

// Rounds to the nearest pixel, halves away from zero, as the templates' layout assumed.
int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

} // namespace

QFont TemplateFont(const DialogTemplate& dialogTemplate) {
    QFont font(QString::fromUtf8(dialogTemplate.fontName.data(),
                                 static_cast<qsizetype>(dialogTemplate.fontName.size())));
    font.setPointSize(dialogTemplate.pointSize);
    return font;
}

BaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect ToPixels(const DialogRect& rect, BaseUnits units) {
    return {MulDiv(rect.x, units.x, 4), MulDiv(rect.y, units.y, 8), MulDiv(rect.width, units.x, 4),
            MulDiv(rect.height, units.y, 8)};
}
