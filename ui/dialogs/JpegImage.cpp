#include "ui/dialogs/JpegImage.h"

#include <QFile>
#include <QFileInfo>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

constexpr qint64 MaxFileSize = 16 << 20;
constexpr JDIMENSION MaxSide = 8192;

struct TJpegError {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<TJpegError*>(info->err)->Jump, 1);
}

// Warnings about slightly damaged data are not the player's business.
void OutputMessage(j_common_ptr) {}

// Kept free of C++ objects with destructors: libjpeg reports errors by
// jumping back to the setjmp here.
bool Decode(const unsigned char* data, unsigned long size, QImage* out) {
    jpeg_decompress_struct info{};
    TJpegError error{};
    info.err = jpeg_std_error(&error.Base);
    error.Base.error_exit = ErrorExit;
    error.Base.output_message = OutputMessage;
    if (setjmp(error.Jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.image_width == 0 || info.image_height == 0 ||
        info.image_width > MaxSide || info.image_height > MaxSide ||
        (info.jpeg_color_space != JCS_GRAYSCALE && info.jpeg_color_space != JCS_YCbCr &&
         info.jpeg_color_space != JCS_RGB)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    *out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB888);
    if (out->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(info.output_scanline));
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            jpeg_destroy_decompress(&info);
            return false;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty() || data.size() > MaxFileSize) {
        return {};
    }
    QImage image;
    if (!Decode(reinterpret_cast<const unsigned char*>(data.constData()),
                static_cast<unsigned long>(data.size()), &image)) {
        return {};
    }
    return image;
}

QImage LoadJpegFile(const QString& path) {
    // Only plain files: a pipe in the logo's place would block for good.
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return DecodeJpeg(file.read(MaxFileSize + 1));
}
