// JPEG pictures decoded with libjpeg directly.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The picture, or a null image when the data is no JPEG the decoder can
// read whole (broken, truncated, absurdly large, an unusual colour space).
QImage DecodeJpeg(const QByteArray& data);
// The same for a file; a missing or unreadable file gives a null image.
QImage LoadJpegFile(const QString& path);
