#include "tests/platform/qt/support/Snapshot.h"

#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

std::string SaveSnapshot(QWidget* widget, std::string_view name) {
    const QString folder = QStringLiteral(VY_SCREENSHOT_DIR);
    const QString path = folder + u'/' +
                         QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                         QStringLiteral(".png");
    if (!QDir().mkpath(folder) || !widget->grab().save(path))
        return {};
    return path.toStdString();
}
