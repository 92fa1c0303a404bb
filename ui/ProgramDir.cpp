#include "ui/ProgramDir.h"

#include <QCoreApplication>
#include <QFileInfo>

QString WithTrailingSeparator(const QString& path) {
    return path.endsWith('/') ? path : path + '/';
}

QString ProgramDirectory() {
    return WithTrailingSeparator(QCoreApplication::applicationDirPath());
}

QString FindDataPath(const QString& relative) {
    const QString dir = ProgramDirectory();
    for (const QString& candidate : {dir + relative, dir + "../share/brisko/" + relative}) {
        if (QFileInfo::exists(candidate)) {
            return QFileInfo(candidate).absoluteFilePath();
        }
    }
    return {};
}
