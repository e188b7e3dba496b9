#include "platform/qt/detail/TemplateFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

// The preferred faces first; QFont tries the list in order and skips faces that are missing.
// The Japanese faces lack the control pictures that stand for control bytes; FreeMono has them.
QStringList WithFallbacks(QStringList preferred) {
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese))
        if (!preferred.contains(family))
            preferred.append(family);
    preferred.append(QStringLiteral("FreeMono"));
    return preferred;
}

} // namespace

void InstallTemplateFonts() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QFont::insertSubstitutions(
        QStringLiteral("ＭＳ ゴシック"),
        WithFallbacks({QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                       QStringLiteral("Noto Sans Mono CJK JP")}));
    QFont::insertSubstitutions(
        QStringLiteral("ＭＳ Ｐゴシック"),
        WithFallbacks({QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                       QStringLiteral("Noto Sans CJK JP")}));
}
