#include "platform/qt/detail/FileFilter.h"

#include "platform/text/ScreenText.h"

#include <QString>

namespace {

QString QtPatterns(const QString& patterns) {
    QStringList converted;
    for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        converted.append(trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return converted.join(u' ');
}

} // namespace

QStringList ToNameFilters(std::string_view filter) {
    const QStringList parts = QString::fromStdString(ToScreenText(filter)).split(u'|');
    QStringList nameFilters;
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        if (parts[index].isEmpty())
            break;
        nameFilters.append(parts[index] + QStringLiteral(" (") + QtPatterns(parts[index + 1]) +
                           u')');
    }
    return nameFilters;
}
