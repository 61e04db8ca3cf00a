#include "qt/qt_surface.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <limits>

#include "qt/qt_text.h"

namespace ferdix {

namespace {

// The surface's own font before the run selects one of its fonts.
const FontSpec kDefaultSpec{"Arial", 30, 400, FontPitch::Default, FontFamily::Swiss};

// The most characters measured in one call of Qt's (see MeasureText).
constexpr std::size_t kMeasurePiece = 4096;
// The widths remembered: of texts up to this length, this many at most.
constexpr std::size_t kRememberedWidthLength = 64;
constexpr std::size_t kRememberedWidths = 8192;

// Fonts are sized from their metrics at this size; outline fonts without hinting scale
// almost linearly.
constexpr int kReferencePixels = 1000;

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

QFont::StyleHint HintOf(FontFamily family) {
    switch (family) {
        case FontFamily::Swiss:
            return QFont::SansSerif;
        case FontFamily::Modern:
            return QFont::TypeWriter;
        case FontFamily::Roman:
            break;
    }
    return QFont::Serif;
}

// The font as Qt would realise it, at the reference size.
QFont Describe(const FontSpec& wanted) {
    QFont font(PrintFace(wanted));
    font.setStyleHint(HintOf(wanted.family), QFont::PreferOutline);
    // GDI places every character by its advance width: no hinting, no kerning.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    font.setFixedPitch(wanted.pitch == FontPitch::Fixed);
    int weight = wanted.weight <= 0 ? 400 : std::min(wanted.weight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

bool IsRealisedAs(const QFont& font, const QString& face) {
    return QFontInfo(font).family().compare(face, Qt::CaseInsensitive) == 0;
}

const QImage& HeaderMarkImage() {
    static const QImage image(QStringLiteral(":/header_mark.png"));
    return image;
}

}  // namespace

QString PrintFace(const FontSpec& wanted) {
    if (wanted.face.empty()) {
        return QStringLiteral("Liberation Serif");
    }
    if (wanted.face == "Arial") {
        return QStringLiteral("Liberation Sans");
    }
    if (wanted.face == "Courier") {
        return QStringLiteral("Liberation Mono");
    }
    return ToQString(wanted.face);
}

QStringList MissingFaces(const QStringList& faces) {
    // Asked of the font database by name, which loads no face: a face loaded at a size the
    // pages do not use costs a trip through fontconfig's substitutions for nothing.
    const QStringList installed = QFontDatabase::families();
    QStringList missing;
    for (const QString& face : faces) {
        if (!installed.contains(face, Qt::CaseInsensitive)) {
            missing << face;
        }
    }
    return missing;
}

QStringList MissingPrintFaces() {
    QStringList faces;
    for (const FontSpec& wanted :
         {FontSpec{"", 40}, FontSpec{"Arial", 26}, FontSpec{"Courier", 32}}) {
        faces << PrintFace(wanted);
    }
    return MissingFaces(faces);
}

CQtSurface::CQtSurface(QPainter* painter, QPaintDevice& device, bool preview)
    : m_painter(painter),
      m_device(device),
      m_preview(preview),
      m_scaleX(device.logicalDpiX() / double(kMappingUnitsPerInch)),
      m_scaleY(device.logicalDpiY() / double(kMappingUnitsPerInch)) {
    m_fonts.emplace(kDefaultFont, MadeFont{kDefaultSpec, Realise(kDefaultSpec)});
    if (m_painter) {
        m_painter->save();
        m_painter->setPen(QPen(Qt::black, 0));
        m_painter->setBrush(Qt::white);
        m_painter->setFont(Font(kDefaultFont));
    }
}

CQtSurface::~CQtSurface() {
    if (m_painter) {
        m_painter->restore();
    }
}

QFont CQtSurface::Realise(const FontSpec& wanted) {
    QFont font = Describe(wanted);
    auto cellOf = [this, &font](int pixels) {
        font.setPixelSize(pixels);
        QFontMetricsF metrics(font, &m_device);
        return metrics.ascent() + metrics.descent();
    };
    // Every size of a face costs a trip through the font engine; its proportions are the same
    // for the whole run.
    QString key = font.key();
    auto known = m_cellPerPixel.find(key);
    if (known == m_cellPerPixel.end()) {
        known = m_cellPerPixel.emplace(key, cellOf(kReferencePixels) / kReferencePixels).first;
    }
    double perPixel = known->second;
    // The height is the character cell, ascent plus descent. Qt sizes fonts in whole device
    // pixels, as GDI does: the size whose cell comes closest.
    double cell = (wanted.height > 0 ? wanted.height : kDefaultSpec.height) * m_scaleY;
    int pixels = perPixel > 0 ? std::max(1, static_cast<int>(cell / perPixel)) : 1;
    double below = std::abs(cellOf(pixels) - cell);
    double above = std::abs(cellOf(pixels + 1) - cell);
    font.setPixelSize(below <= above ? pixels : pixels + 1);
    return font;
}

const QFont& CQtSurface::Font(FontId font) const {
    auto it = m_fonts.find(font);
    return (it == m_fonts.end() ? m_fonts.at(kDefaultFont) : it->second).font;
}

QPointF CQtSurface::ToDevice(double x, double y) const {
    return {m_originX + x * m_scaleX, m_originY + y * m_scaleY};
}

void CQtSurface::SetPageMapping(int windowWidth, int windowHeight, int viewportWidth,
                                int viewportHeight, int originX, int originY) {
    if (windowWidth == 0 || windowHeight == 0) {
        return;
    }
    double unitX = m_device.logicalDpiX() / double(kMappingUnitsPerInch);
    double unitY = m_device.logicalDpiY() / double(kMappingUnitsPerInch);
    double scaleY = unitY * viewportHeight / windowHeight;
    double scaleX = unitX * viewportWidth / windowWidth;
    // Widths are in page units of x: a new mapping gives them new values.
    if (scaleX != m_scaleX || scaleY != m_scaleY) {
        m_widths.clear();
    }
    m_scaleX = scaleX;
    m_originX = unitX * originX;
    m_originY = unitY * originY;
    // A font's height is in page units: a new mapping gives it a new size on the device.
    if (scaleY != m_scaleY) {
        m_scaleY = scaleY;
        for (auto& [id, made] : m_fonts) {
            made.font = Realise(made.wanted);
        }
    }
    if (m_painter) {
        m_painter->setFont(Font(m_current));
    }
}

void CQtSurface::SetTransparentBackground() {
    if (m_painter) {
        m_painter->setBackgroundMode(Qt::TransparentMode);
    }
}

FontResult CQtSurface::MakeFont(const FontSpec& wanted) {
    QFont font = Realise(wanted);
    // A stand-in face with other widths would push the texts out of their boxes.
    if (!IsRealisedAs(font, PrintFace(wanted))) {
        return FontResult{FontStatus::NotMade, kDefaultFont};
    }
    FontId id = m_nextFont++;
    m_fonts.emplace(id, MadeFont{wanted, font});
    return FontResult{FontStatus::Made, id};
}

void CQtSurface::ReleaseFont(FontId font) {
    if (font != kDefaultFont && font != m_current) {
        m_fonts.erase(font);
    }
}

FontId CQtSurface::SelectFont(FontId font) {
    if (!m_fonts.contains(font)) {
        return m_current;
    }
    FontId previous = m_current;
    m_current = font;
    if (m_painter) {
        m_painter->setFont(Font(font));
    }
    return previous;
}

StockBrush CQtSurface::SelectStockBrush(StockBrush brush) {
    StockBrush previous = m_brush;
    m_brush = brush;
    if (m_painter) {
        m_painter->setBrush(brush == StockBrush::White ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
    }
    return previous;
}

void CQtSurface::MoveTo(int x, int y) {
    m_position = QPointF(x, y);
}

void CQtSurface::LineTo(int x, int y) {
    QPointF to(x, y);
    if (m_painter) {
        m_painter->drawLine(ToDevice(m_position.x(), m_position.y()), ToDevice(x, y));
    }
    m_position = to;
}

void CQtSurface::Rectangle(int left, int top, int right, int bottom) {
    if (m_painter) {
        m_painter->drawRect(QRectF(ToDevice(left, top), ToDevice(right, bottom)));
    }
}

TextAlign CQtSurface::SetTextAlign(TextAlign align) {
    TextAlign previous = m_align;
    m_align = align;
    return previous;
}

void CQtSurface::DrawText(int x, int y, const QString& text) {
    QFontMetricsF metrics(Font(m_current), &m_device);
    QPointF at = ToDevice(x, y);
    if (m_align == TextAlign::Right) {
        at.rx() -= metrics.horizontalAdvance(text);
    }
    // Qt places text by its baseline, GDI by the top of the character cell.
    at.ry() += metrics.ascent();
    m_painter->drawText(at, text);
}

void CQtSurface::TextOut(int x, int y, std::string_view text) {
    if (m_painter && !text.empty()) {
        DrawText(x, y, ToQString(text));
    }
}

void CQtSurface::ClippedTextOut(int x, int y, const PageRect& clip, std::string_view text) {
    if (!m_painter || text.empty()) {
        return;
    }
    m_painter->save();
    m_painter->setClipRect(
        QRectF(ToDevice(clip.left, clip.top), ToDevice(clip.right, clip.bottom)));
    TextAlign align = SetTextAlign(TextAlign::Left);
    DrawText(x, y, ToQString(text));
    SetTextAlign(align);
    m_painter->restore();
}

TextSize CQtSurface::MeasureText(std::string_view text) {
    const MadeFont& made =
        m_fonts.contains(m_current) ? m_fonts.at(m_current) : m_fonts.at(kDefaultFont);
    // The height is the cell the font was made for, which the device realises to the pixel,
    // as GDI reports it: so the layout is the same on every printer.
    int height = made.wanted.height > 0 ? made.wanted.height : kDefaultSpec.height;
    std::string key;
    if (text.size() <= kRememberedWidthLength) {
        key = std::to_string(m_current) + '|';
        key += text;
        if (auto known = m_widths.find(key); known != m_widths.end()) {
            return TextSize{known->second, height};
        }
    }
    QFontMetricsF metrics(made.font, &m_device);
    // Qt adds advances in 26.6 fixed point, which overflows past some 33 million device pixels
    // (a few hundred thousand characters on a 1200 dpi page) and then reports a width that
    // fits; it also lays out the whole string at once. Long texts are measured in pieces, cut
    // after a space where there is one, and added up here.
    double width = 0.0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t length = std::min(kMeasurePiece, text.size() - start);
        if (start + length < text.size()) {
            std::size_t space = text.substr(start, length).rfind(' ');
            if (space != std::string_view::npos && space >= length / 2) {
                length = space + 1;
            }
        }
        width += metrics.horizontalAdvance(ToQString(text.substr(start, length)));
        start += length;
    }
    double units = std::min(width / m_scaleX, double(std::numeric_limits<int>::max()));
    int measured = Round(units);
    if (!key.empty()) {
        if (m_widths.size() >= kRememberedWidths) {
            m_widths.clear();
        }
        m_widths.emplace(std::move(key), measured);
    }
    return TextSize{measured, height};
}

void CQtSurface::DrawPicture(Picture picture, const PageRect& target) {
    if (!m_painter || picture != Picture::HeaderMark) {
        return;
    }
    m_painter->save();
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter->drawImage(
        QRectF(ToDevice(target.left, target.top), ToDevice(target.right, target.bottom)),
        HeaderMarkImage());
    m_painter->restore();
}

}  // namespace ferdix
