#include "runtime/qt/qt_folders.h"

#include <QDir>
#include <QStandardPaths>

namespace rt::qt {

std::optional<std::string> QtSpecialFolders::path(int folder) {
    QStandardPaths::StandardLocation location;
    switch (folder) {
        case kDesktopFolder:
            location = QStandardPaths::DesktopLocation;
            break;
        case kStartMenuFolder:
            location = QStandardPaths::ApplicationsLocation;
            break;
        default:
            return std::nullopt;
    }
    QString path = QDir::cleanPath(QStandardPaths::writableLocation(location));
    if (path.isEmpty() || path == QStringLiteral(".")) return std::nullopt;
    // cleanPath leaves no trailing separator except on a root, which keeps it.
    return QDir::toNativeSeparators(path).toStdString();
}

}  // namespace rt::qt
