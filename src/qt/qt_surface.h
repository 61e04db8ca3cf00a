// The printed form's drawing surface on a QPainter: a printer, the print preview or a PDF.
#pragma once

#include <QFont>
#include <QPointF>
#include <QStringList>
#include <map>
#include <string>
#include <unordered_map>

#include "print/drawing_surface.h"

class QPainter;
class QPaintDevice;

namespace ferdix {

// The page mapping's device units are 1/600 inch on every device, the resolution of the laser
// printers the form was laid out for: its header band then stays on the paper also on a
// 1200 dpi printer, and the form looks the same on every printer and in every PDF.
inline constexpr int kMappingUnitsPerInch = 600;

// The face the form asks for and the metric-compatible face that stands in for it: "Arial"
// Liberation Sans, "Courier" Liberation Mono, the roman default face Liberation Serif. Any
// other face is taken as named.
QString PrintFace(const FontSpec& wanted);
// Those of faces that this machine has not installed.
QStringList MissingFaces(const QStringList& faces);
// The faces the printed form needs that this machine lacks (fonts-liberation2), by name.
QStringList MissingPrintFaces();

class CQtSurface final : public DrawingSurface {
  public:
    // The painter draws on the device; without a painter the surface only measures (to count
    // the pages before the print dialog). Until the page mapping is set, one page unit is one
    // device unit.
    CQtSurface(QPainter* painter, QPaintDevice& device, bool preview);
    ~CQtSurface() override;
    CQtSurface(const CQtSurface&) = delete;
    CQtSurface& operator=(const CQtSurface&) = delete;

    void SetPageMapping(int windowWidth, int windowHeight, int viewportWidth, int viewportHeight,
                        int originX, int originY) override;
    void SetTransparentBackground() override;
    // A face that would be silently replaced by another is not made.
    FontResult MakeFont(const FontSpec& wanted) override;
    void ReleaseFont(FontId font) override;
    FontId SelectFont(FontId font) override;
    StockBrush SelectStockBrush(StockBrush brush) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    TextAlign SetTextAlign(TextAlign align) override;
    void TextOut(int x, int y, std::string_view text) override;
    void ClippedTextOut(int x, int y, const PageRect& clip, std::string_view text) override;
    TextSize MeasureText(std::string_view text) override;
    bool IsPreview() const override { return m_preview; }
    void DrawPicture(Picture picture, const PageRect& target) override;

    // The Qt font behind a font id (the default font for an unknown one).
    const QFont& Font(FontId font) const;
    // A page-unit point on the device, in device pixels.
    QPointF ToDevice(double x, double y) const;

  private:
    struct MadeFont {
        FontSpec wanted;
        QFont font;
    };
    QFont Realise(const FontSpec& wanted);
    void DrawText(int x, int y, const QString& text);

    QPainter* m_painter;
    QPaintDevice& m_device;
    bool m_preview;
    // Device pixels per page unit, and the device pixel of the logical origin.
    double m_scaleX;
    double m_scaleY;
    double m_originX = 0;
    double m_originY = 0;
    std::map<FontId, MadeFont> m_fonts;
    // Widths of short texts already measured in the current font at the current mapping:
    // every value of the form is measured before it is drawn, and most recur (dates, codes,
    // amounts).
    std::unordered_map<std::string, int> m_widths;
    // Cell height per pixel of size, by face, weight and pitch.
    std::map<QString, double> m_cellPerPixel;
    FontId m_nextFont = 1;
    FontId m_current = kDefaultFont;
    StockBrush m_brush = StockBrush::White;
    TextAlign m_align = TextAlign::Left;
    QPointF m_position;
};

}  // namespace ferdix
