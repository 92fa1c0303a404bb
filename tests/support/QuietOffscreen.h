// Resizing a window on the offscreen platform warns every time; in automatic
// runs that says nothing. Everything else still reaches stderr.
#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdio>

inline void QuietOffscreenHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (!message.contains("propagateSizeHints")) {
        std::fprintf(stderr, "%s%s\n", type == QtWarningMsg ? "warning: " : "", qPrintable(message));
    }
}
