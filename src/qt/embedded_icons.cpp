#include "qt/embedded_icons.h"

#include <QPixmap>

namespace ferdix {

QImage EmbeddedImage(std::string_view name) {
    for (const EmbeddedPicture& p : EmbeddedPictures()) {
        if (name == p.name) {
            // Read-only over the built-in pixels: no copy until something paints into it.
            return QImage(reinterpret_cast<const uchar*>(p.pixels), p.width, p.height,
                          static_cast<qsizetype>(p.width) * 4, QImage::Format_ARGB32_Premultiplied);
        }
    }
    return {};
}

QIcon EmbeddedIcon(std::initializer_list<std::string_view> names) {
    QIcon icon;
    for (std::string_view name : names) {
        QImage image = EmbeddedImage(name);
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

}  // namespace ferdix
