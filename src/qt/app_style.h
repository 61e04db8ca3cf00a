// The application's style: the platform's own (or the one the user chose), without reading a
// picture file at start-up. The first image Qt reads makes it load every image-format plugin it
// has (SVG, GIF, ICO, JPEG and their libraries), some 3.5 ms. Fusion reads three kinds: the
// overflow buttons of the menu bar and toolbar (shown only when a bar is too narrow), drawn here
// instead, and the frame of a group box, which is put into the pixmap cache from the pixels
// built into the program, under the key Fusion looks it up by.
#pragma once

#include <QProxyStyle>

namespace ferdix {

class CAppStyle final : public QProxyStyle {
  public:
    // The style of that name (QStyleFactory), as the application would have made it.
    explicit CAppStyle(const QString& baseKey);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// The double arrow of an overflow button, pointing right (horizontal bar) or down.
QIcon OverflowIcon(Qt::Orientation bar);

// The picture file Fusion frames a group box with.
inline constexpr const char* kGroupBoxPicture =
    ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
// The key QPixmap(path) finds a loaded picture by in the pixmap cache. It is Qt's own, known
// for Qt 6.4 only: on any other Qt nothing is cached and Fusion reads its file, as it would
// without this style; a wrong key would only cost that read.
QString PixmapFileCacheKey(const QString& path);
bool KnowsPixmapFileCacheKey();
// Puts the group-box frame into the pixmap cache; false when it is not built in or the key is
// not known for the Qt the program runs on.
bool CacheGroupBoxPicture();

}  // namespace ferdix
