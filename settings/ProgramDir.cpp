#include "settings/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString WithTrailingSeparator(const QString& path) {
    return path.endsWith('/') ? path : path + '/';
}

QString ProgramDirectory() {
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

QString FindDataPath(const QString& relative) {
    const QString dir = ProgramDirectory();
    // Installed: the data folder as seen from the program's folder (absolute if
    // installed to a fixed place), e.g. ../share/brisko or ../share/games/brisko.
    const QString installed = QDir(dir).filePath(QStringLiteral(BRISKO_DATA_FROM_PROGRAM));
    for (const QString& candidate : {dir + relative, WithTrailingSeparator(installed) + relative}) {
        if (QFileInfo::exists(candidate)) {
            return QFileInfo(candidate).absoluteFilePath();
        }
    }
    return {};
}
