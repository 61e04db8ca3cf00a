#include "qt/app_style.h"

#include <QDateTime>
#include <QFileInfo>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <algorithm>
#include <cstring>

#include "qt/embedded_icons.h"

namespace ferdix {

namespace {

// Qt's HexString: each byte of the value, low digit first.
template <typename T>
QString HexBytes(T value) {
    static constexpr char kHex[] = "0123456789abcdef";
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    QString s;
    for (unsigned char b : bytes) {
        s += QLatin1Char(kHex[b & 0xF]);
        s += QLatin1Char(kHex[b >> 4]);
    }
    return s;
}

}  // namespace

CAppStyle::CAppStyle(const QString& baseKey) : QProxyStyle(baseKey) {
    CacheGroupBoxPicture();
}

QIcon CAppStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                              const QWidget* widget) const {
    switch (icon) {
        case SP_ToolBarHorizontalExtensionButton:
            return OverflowIcon(Qt::Horizontal);
        case SP_ToolBarVerticalExtensionButton:
            return OverflowIcon(Qt::Vertical);
        default:
            return QProxyStyle::standardIcon(icon, option, widget);
    }
}

namespace {

// Drawn when first shown: the menu bar and the toolbar ask for the picture when they are made,
// and show it only when they are too narrow.
class COverflowIconEngine final : public QIconEngine {
  public:
    explicit COverflowIconEngine(Qt::Orientation bar) : m_bar(bar) {}
    QIconEngine* clone() const override { return new COverflowIconEngine(m_bar); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(32, 32)};
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    void paint(QPainter* p, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const double size = std::min(rect.width(), rect.height());
        p->save();
        p->translate(rect.topLeft());
        p->setRenderHint(QPainter::Antialiasing);
        p->setPen(
            QPen(QColor(0x40, 0x40, 0x40), size / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (m_bar == Qt::Vertical) {
            // Drawn as for a horizontal bar, turned a quarter to point down.
            p->translate(size, 0);
            p->rotate(90);
        }
        const double s = size / 16.0;
        for (double x : {4.0, 9.0}) {
            QPainterPath chevron;
            chevron.moveTo(x * s, 4 * s);
            chevron.lineTo((x + 3) * s, 8 * s);
            chevron.lineTo(x * s, 12 * s);
            p->drawPath(chevron);
        }
        p->restore();
    }

  private:
    Qt::Orientation m_bar;
};

}  // namespace

QIcon OverflowIcon(Qt::Orientation bar) {
    return QIcon(new COverflowIconEngine(bar));
}

QString PixmapFileCacheKey(const QString& path) {
    QFileInfo info(path);
    // The pixel type of a new pixmap (QPlatformPixmap::PixmapType) is 0.
    return QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
           HexBytes(static_cast<unsigned>(info.lastModified().toSecsSinceEpoch())) +
           HexBytes(static_cast<quint64>(info.size())) + HexBytes(0u);
}

bool KnowsPixmapFileCacheKey() {
    QVersionNumber qt = QLibraryInfo::version();
    return qt.majorVersion() == 6 && qt.minorVersion() == 4;
}

bool CacheGroupBoxPicture() {
    if (!KnowsPixmapFileCacheKey()) {
        return false;
    }
    QImage image = EmbeddedImage("fusion_groupbox");
    if (image.isNull()) {
        return false;
    }
    QPixmapCache::insert(PixmapFileCacheKey(QString::fromLatin1(kGroupBoxPicture)),
                         QPixmap::fromImage(image));
    return true;
}

}  // namespace ferdix
