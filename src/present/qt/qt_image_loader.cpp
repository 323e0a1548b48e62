#include "present/qt/qt_image_loader.h"

#include <QImage>
#include <QString>
#include <cstring>

namespace slyders {

std::optional<PixelBuffer> LoadImageWithQt(const std::string& path) {
    QImage image;
    if (!image.load(QString::fromStdString(path)) || image.isNull()) return std::nullopt;
    image = image.convertToFormat(QImage::Format_RGB32);
    PixelBuffer picture(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(picture.row(y), image.constScanLine(y), std::size_t(image.width()) * 4);
    }
    return picture;
}

}  // namespace slyders
