// The back sheets: the travel legs with its kilometre sums, the outlays beside the
// explanation box, the lodging block and the remarks.
#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "calc/allowance_table.h"
#include "print/page_steps.h"

namespace ferdix {

using namespace backpage;

namespace {

constexpr int kFrameRight = 1880;
// From the outlay block's top to the rule under its head.
constexpr int kOutlayHeadDepth = 128;

std::string UnsignedText(std::int64_t value) {
    return std::to_string(static_cast<std::uint32_t>(value));
}

// A list line's cell from x1 to x2: the 64 units above the rule it rests on, less 2 under
// the rule above it.
Cell LineCell(GridPainter& p, int x1, int x2) {
    return Cell{x1, p.Row(0) - kLinePitch + 2, x2, p.Row(0)};
}

void SetTravelColumns(GridPainter& p) {
    static constexpr int kCols[14] = {0,    151,  279,  583,  888,  1015, 1116,
                                      1217, 1318, 1470, 1649, 1877, 862,  1067};
    for (int c = 0; c < 14; ++c) {
        p.Col(c) = kCols[c];
    }
}

void SetOutlayColumns(GridPainter& p) {
    static constexpr int kCols[8] = {408, 458, 619, 1217, 1318, 1470, 1649, 1880};
    for (int c = 0; c < 8; ++c) {
        p.Col(c) = kCols[c];
    }
}

// Leaves rowY[0] on the rule under the sheet's last line and rowY[1..3] on the sums' rows.
void DrawTravelLines(GridPainter& p, const PageContext& ctx, const BackSheet& s) {
    const auto& lines = ctx.doc.Claim().m_travelLines;
    p.Row(0) = kTravelLinesTop + kLinePitch;
    std::size_t to = std::min(s.travelTo, lines.size());
    p.SetValueFont(ctx.BaseValueFont());
    for (std::size_t i = s.travelFrom; i < to; ++i) {
        const CTravelLine& line = *lines[i];
        // The columns are cells 2 units below the rule over the line.
        auto cell = [&p](int c1, int c2) { return LineCell(p, p.Col(c1), p.Col(c2)); };
        p.FitCellTextCentred(line.DateText(ctx.doc.Locale().dateOrder), 0, 1, 0, cell(0, 1));
        p.FitCellTextCentred(line.StartTimeText(), 1, 2, 0, cell(1, 2));
        p.FitCellText(line.Text(), 2, 0, cell(2, 3));
        p.FitCellText(line.To(), 3, 0, cell(3, 4));
        p.FitCellTextCentred(line.ArrivalTimeText(), 4, 5, 0, cell(4, 5));
        p.FitCellText(line.Transport(), 5, 0, cell(5, 6));
        p.FitCellTextRight(line.KmText(), 7, 0, cell(6, 7));
        p.FitCellTextCentred(line.Currency(), 7, 8, 0, cell(7, 8));
        p.FitCellTextRight(line.ForeignAmountText(), 9, 0, cell(8, 9));
        p.FitCellTextRight(line.RateText(), 10, 0, cell(9, 10));
        p.FitCellTextRight(line.AmountText(), 11, 0, cell(10, 11));
        p.Line(0, p.Row(0), kFrameRight, p.Row(0));
        p.Row(0) += kLinePitch;
    }
    p.Row(0) -= kLinePitch;
    p.Row(1) = p.Row(0) + kLinePitch;
    p.Row(2) = p.Row(1) + kLinePitch;
    p.Row(3) = p.Row(2) + kLinePitch;
}

// The sums are over every travel line of the claim, whichever sheet holds them.
void DrawTravelSums(GridPainter& p, const PageContext& ctx) {
    const CFerdixDoc& doc = ctx.doc;
    std::int64_t car = CarKilometres(doc.Claim());
    std::int64_t soFar = doc.Claim().Traveller().KmSoFar();
    // Resting on the last sums row, left of its label: 32 units below it, as the Windows program
    // had it, it ran into the instructions for one's own car.
    p.SetValueFont(ctx.BaseValueFont());
    auto row = [&p](int x1, int x2, int r) { return Cell{x1, p.Row(r - 1), x2, p.Row(r)}; };
    p.FitText(doc.Claim().LineValueText(BoardLodgingDaysCovered, kCountColumn),
              row(302, p.Col(3), 3), 305, p.Row(3) - p.TextHeight() - 3, Anchor::Left);
    p.FitCellTextRight(UnsignedText(car), 7, 1, row(p.Col(13), p.Col(7), 1));
    p.FitCellTextRight(FormatAmount(doc.Claim().TravelSum(), true), 11, 1,
                       row(p.Col(10), p.Col(11), 1));
    p.FitCellTextRight(doc.Claim().Traveller().KmSoFarText(), 7, 2, row(p.Col(13), p.Col(7), 2));
    p.FitCellTextRight(UnsignedText(car + soFar), 7, 3, row(p.Col(13), p.Col(7), 3));
}

void DrawTravelHeader(GridPainter& p, const PageContext& ctx, bool continued) {
    auto T = [&ctx](std::string_view b, std::string_view n) { return ctx.Txt(b, n); };
    p.Row(1) = 42;
    p.Row(2) = 85;
    p.Row(3) = 95;
    p.Row(4) = 128;
    std::string title = "Reisespesifikasjon";
    if (continued) {
        title += ctx.ContinuedNote();
    }
    p.DrawCellText(title, 0, 1);
    p.DrawCellText("Reiseutlegg", 7, 1);
    p.DrawCellTextCentred("TIL", 3, 5, 2);
    p.DrawCellTextCentred("Skyssmiddel *", 5, 7, 2);
    p.DrawCellTextCentred("Dato", 0, 1, 3);
    p.DrawCellTextCentred("Kurs", 9, 10, 3);
    p.DrawCellTextCentred(T("Beløp"_cp, "Sum"), 10, 11, 3);
    p.DrawCellTextCentred("Kl.", 1, 2, 4);
    p.DrawCellTextCentred(T("FRA", "FRÅ"_cp), 1, 3, 2);
    p.DrawCellTextCentred(T("Fremmed valuta", "Framand valuta"), 7, 9, 2);
    p.DrawCellTextCentred(T("Sted", "Stad"), 2, 3, 4);
    p.DrawCellTextCentred(T("Sted", "Stad"), 3, 4, 4);
    p.DrawCellTextCentred(T("km eget", "km eige"), 6, 7, 4);
    p.DrawCellTextCentred("Kl.", 4, 5, 4);
    p.DrawCellTextCentred("Type", 5, 6, 4);
    p.DrawCellTextCentred("Kode", 7, 8, 4);
    p.DrawCellTextCentred(T("Beløp"_cp, "Sum"), 8, 9, 4);

    int r1 = p.Row(1);
    int r2 = p.Row(2);
    int r4 = p.Row(4);
    p.Line(0, 0, kFrameRight, 0);
    p.Line(0, r1, kFrameRight, r1);
    p.Line(p.Col(1), r2, p.Col(9), r2);
    p.Line(0, r4, kFrameRight, r4);
    for (int x : {0, p.Col(7), p.Col(11)}) {
        p.Line(x, 0, x, r4);
    }
    for (int c : {1, 3, 5, 9, 10}) {
        p.Line(p.Col(c), r1, p.Col(c), r4);
    }
    for (int c : {2, 4, 6, 8}) {
        p.Line(p.Col(c), r2, p.Col(c), r4);
    }
}

// The kilometre sums' labels and the instructions for one's own car; leaves rowY[0] under
// them.
void DrawTravelFooter(GridPainter& p, const PageContext& ctx) {
    auto T = [&ctx](std::string_view b, std::string_view n) { return ctx.Txt(b, n); };
    int r0 = p.Row(0);
    p.Row(1) = r0 + kLinePitch;
    p.Row(2) = p.Row(1) + kLinePitch;
    p.Row(3) = p.Row(2) + kLinePitch;
    int r3 = p.Row(3);
    p.DrawCellTextTop("Dato", 1, 1);
    p.DrawCellTextTop("Gitt av", 1, 2);
    p.DrawCellLines(T("Hjemmel\nfor\nbruk av bil", "Heimel\nfor\nbruk av bil"), 0, 1);
    p.Text(0, r3,
           T("* For bruk av egen bil skal du ta med:", "* For bruk av eigen bil skal du ta med:"));
    p.Text(0, r3 + 30,
           T("reiseruten - kjørt distanse for hver tjenestereise, oppgitt etappevis og avlest på "
             "kilometertelleren -"_cp,
             "reiseruta - køyrd distanse for kvar tenestereise, oppgitt etappevis og avlesen på "
             "kilometerteljaren -"_cp));
    p.Text(0, r3 + 60,
           T("årsak til omkjøringer - lokal kjøring på oppdragsstedet."_cp,
             "årsak til omkøyringar - lokal køyring på oppdragsstaden."_cp));
    p.DrawLinesRight(T("Sum km denne reisen, overføres\neget skyssmiddel på forsiden"_cp,
                       "Sum km denne reisa, før over til\neige skyssmiddel på framsida"_cp),
                     13, 1);
    p.DrawCellTextRight(
        T("+ tidligere godtgjort i år (km)"_cp, "+ tidlegare godtgjort i år (km)"_cp), 13, 2);
    p.DrawCellTextRight("= sum km i år"_cp, 13, 3);
    p.DrawCellTextRight("Sum", 10, 1);

    int r1 = p.Row(1);
    int r2 = p.Row(2);
    p.Line(p.Col(1), r1, p.Col(3), r1);
    p.Line(0, r2, p.Col(3), r2);
    for (int r : {1, 2, 3}) {
        p.Line(p.Col(13), p.Row(r), p.Col(7), p.Row(r));
    }
    p.Line(p.Col(10), r1, p.Col(11), r1);
    for (int x : {0, p.Col(1), p.Col(3)}) {
        p.Line(x, r0, x, r2);
    }
    for (int c : {13, 7}) {
        p.Line(p.Col(c), r0, p.Col(c), r3);
    }
    for (int c : {10, 11}) {
        p.Line(p.Col(c), r0, p.Col(c), r1);
    }
    p.Row(0) = r3;
}

// The outlay block's head at T = rowY[0].
void DrawOutlayHeader(GridPainter& p, const PageContext& ctx, bool continued) {
    auto T = [&ctx](std::string_view b, std::string_view n) { return ctx.Txt(b, n); };
    int top = p.Row(0);
    p.Row(1) = top + 42;
    p.Row(2) = top + 85;
    p.Row(3) = top + 95;
    p.Row(4) = top + kOutlayHeadDepth;
    SetOutlayColumns(p);
    std::string title(T("Utlegg til hotell, mat m.m.", "Utlegg til hotell, mat o.l."));
    if (continued) {
        title += ctx.ContinuedNote();
    }
    p.DrawCellText(title, 1, 1);
    p.DrawCellTextCentred("Spesifikasjon", 2, 3, 3);
    p.DrawCellTextCentred("Dato", 1, 2, 3);
    p.DrawCellTextCentred("Kurs", 5, 6, 3);
    p.DrawCellTextCentred("Kode", 3, 4, 4);
    p.DrawCellTextCentred(T("Beløp"_cp, "Sum"), 4, 5, 4);
    p.DrawCellTextCentred(T("Fremmed valuta", "Framand valuta"), 3, 5, 2);

    int r1 = p.Row(1);
    int r2 = p.Row(2);
    int r4 = p.Row(4);
    p.Line(p.Col(1), top, p.Col(3), top);
    p.Line(p.Col(1), r1, p.Col(6), r1);
    p.Line(p.Col(3), r2, p.Col(5), r2);
    p.Line(p.Col(1), r4, p.Col(7), r4);
    for (int c : {1, 3}) {
        p.Line(p.Col(c), top, p.Col(c), r4);
    }
    for (int c : {2, 5, 6}) {
        p.Line(p.Col(c), r1, p.Col(c), r4);
    }
    p.Line(p.Col(4), r2, p.Col(4), r4);
}

// The lines start under the head, as the travel lines do; the carried total closes the
// block on its last sheet. Leaves rowY[0] on the last line's rule.
void DrawOutlayLines(GridPainter& p, const PageContext& ctx, const BackSheet& s) {
    const CFerdixDoc& doc = ctx.doc;
    int top = p.Row(0);
    p.Row(0) = top + kOutlayLinesTop;
    std::size_t to = std::min(s.outlayTo, doc.Claim().m_outlayLines.size());
    p.SetValueFont(ctx.BaseValueFont());
    auto cell = [&p](int c1, int c2) { return LineCell(p, p.Col(c1), p.Col(c2)); };
    for (std::size_t i = s.outlayFrom; i < to; ++i) {
        const CExpenseLine& line = *doc.Claim().m_outlayLines[i];
        p.Row(0) += kLinePitch;
        p.FitCellTextCentred(line.DateText(ctx.doc.Locale().dateOrder), 1, 2, 0, cell(1, 2));
        p.FitCellText(line.Text(), 2, 0, cell(2, 3));
        p.FitCellTextCentred(line.Currency(), 3, 4, 0, cell(3, 4));
        p.FitCellTextRight(line.ForeignAmountText(), 5, 0, cell(4, 5));
        p.FitCellTextRight(line.RateText(), 6, 0, cell(5, 6));
        p.FitCellTextRight(line.AmountText(), 7, 0, cell(6, 7));
        p.Line(p.Col(1), p.Row(0), kFrameRight, p.Row(0));
    }
    if (s.outlaysEnd) {
        p.Row(1) = p.Row(0) + kLinePitch;
        p.FitCellTextRight(FormatAmount(doc.Claim().TravelSum() + doc.Claim().OutlaysSum(), true),
                           7, 1, Cell{p.Col(6), p.Row(0), p.Col(7), p.Row(1)});
    }
    // The head draws its own rules; the columns whose head rules begin lower start under the
    // head, not through its texts. The amount column stays open above for the arrow.
    for (int c = 1; c <= 7; ++c) {
        bool underHead = c == 2 || c == 4 || c == 5;
        int from = underHead ? top + kOutlayHeadDepth : top;
        if (from < p.Row(0)) {
            p.Line(p.Col(c), from, p.Col(c), p.Row(0));
        }
    }
}

void DrawOutlayFooter(GridPainter& p, const PageContext& ctx) {
    int r0 = p.Row(0);
    p.Row(1) = r0 + kLinePitch;
    p.Row(2) = p.Row(1) + kLinePitch;
    p.Row(3) = p.Row(2) + kLinePitch;
    p.DrawCellText(ctx.Txt("Reiseutlegg - overføres til forsiden, TT-kode 1041"_cp,
                           "Reiseutlegg - skal førast over til framsida, TT-kode 1041"_cp),
                   1, 1);
    int r1 = p.Row(1);
    p.Line(p.Col(1), r1, p.Col(7), r1);
    for (int c : {1, 6, 7}) {
        p.Line(p.Col(c), r0, p.Col(c), r1);
    }
    p.Row(0) = r1;
}

}  // namespace

FontId SelectIfMade(DrawingSurface& dc, FontId font) {
    return font != kDefaultFont ? dc.SelectFont(font) : font;
}

FontScope::FontScope(DrawingSurface& dc, FontId font) : m_dc(dc) {
    if (font != kDefaultFont) {
        m_previous = dc.SelectFont(font);
        m_selected = true;
    }
}

FontScope::~FontScope() {
    if (m_selected) {
        m_dc.SelectFont(m_previous);
    }
}

void DrawExplanationBox(GridPainter& p, const PageContext& ctx) {
    // clang-format off
    static constexpr std::string_view kBokmalRows[22] = {
        "Beregning av", "kostgodtgjøring"_cp, "Dersom regelen om 6 timer",
        "eller mer skal brukes ved ut-", "regning av kostgodtgjøringen,"_cp,
        "skal disse døgnene føres på for-"_cp, "siden under kostgodtgjøring"_cp,
        "ved overnatting - TT-kode", "1086/1087/1052.", "Kost og overnatting etter", "regning",
        "På denne siden fører du kost"_cp, "og opphold som blir dekket", "etter regning.",
        "Hvis du i tillegg til", "dekning av utleggene får"_cp, "kostgodtgjøring, skriver du"_cp,
        "antall døgn under kode"_cp, "1057 på forsiden. Samlet"_cp, "kursgodtgjøring skal stå i"_cp,
        "beløpsrubrikken."_cp, ""};
    static constexpr std::string_view kNynorskRows[22] = {
        "Utrekning av", "kostgodtgjersle", "Dersom regelen om 6 timar",
        "eller meir skal brukast ved ut-", "rekning av kostgodtgjersla,",
        "skal desse døgna førast på"_cp, "framsida under kostgodtgjersle",
        "ved overnatting - TT-kode", "1086/1087/1052.", "Kost og overnatting", "etter rekning",
        "På denne sida fører du kost"_cp, "og opphald som vert dekte", "etter rekning.",
        "Dersom du i tillegg", "til dekking av utlegga får"_cp, "kostgodtgjersle, skriv du",
        "døgntalet under kode"_cp, "1057 på framsida. Samla"_cp, "kursgodtgjersle skal stå i"_cp,
        "sumrubrikken.", ""};
    // clang-format on
    int top = p.Row(0);
    p.Col(0) = 0;
    p.Col(1) = 408;
    p.Row(1) = top + 64;
    p.Row(2) = top + kExplanationBoxHeight;
    for (int k = 0; k < 22; ++k) {
        p.DrawCellText(ctx.nynorsk ? kNynorskRows[k] : kBokmalRows[k], 0, 1);
        p.Row(1) += (k == 1 || k == 8) ? 38 : 29;
    }
    int x0 = p.Col(0);
    int x1 = p.Col(1);
    int bottom = p.Row(2);
    DrawingSurface& dc = p.Surface();
    dc.MoveTo(x0, top);
    dc.LineTo(x0, bottom);
    dc.LineTo(x1, bottom);
    dc.LineTo(x1, top);
    dc.LineTo(x0, top);
}

void DrawLodging(GridPainter& p, const PageContext& ctx, int top, bool belowLists) {
    DrawingSurface& dc = p.Surface();
    p.Text(10, top + 10, "Overnatting");
    p.Text(10, top + 52, ctx.Txt("Navn og adresse på hotell,"_cp, "Namn og adresse på hotell,"_cp));
    p.Text(10, top + 80, ctx.Txt("pensjonat e.a. (ikke privat)", "pensjonat e.a. (ikkje privat)"));
    for (int y : {top, top + 43, top + kLodgingHeight}) {
        p.Line(0, y, kFrameRight, y);
    }
    for (int x : {0, kFrameRight, 456}) {
        p.Line(x, top, x, top + kLodgingHeight);
    }
    StockBrush previous = dc.SelectStockBrush(StockBrush::White);
    dc.Rectangle(456, top + 43, kFrameRight, top + kLodgingHeight);
    dc.SelectStockBrush(previous);
    // Under the lists the value is in the claim's font, but only while the fixed font exists;
    // else in the label font the sheet has current, when it exists.
    bool base = belowLists && ctx.fonts.fixedFont != kDefaultFont;
    FontId font = base ? ctx.fonts.baseFont : kDefaultFont;
    FontScope scope(dc, font);
    p.SetValueFont(base ? ctx.BaseValueFont() : ValueFont{ctx.fonts.labelFont, kLabelFontSpec});
    // Its field is the white box, whose right edge is the frame's: a text that fits is drawn
    // clipped to the frame, as it always was.
    const std::string& lodging = ctx.doc.Claim().Lodging();
    if (lodging.empty()) {
        return;
    }
    if (dc.MeasureText(lodging).width <= kFrameRight - 3 - 470) {
        dc.ClippedTextOut(470, top + 66, PageRect{0, 0, kFrameRight, kFrameBottom}, lodging);
        return;
    }
    p.FitText(lodging, Cell{456, top + 43, kFrameRight, top + kLodgingHeight}, 470, top + 66,
              Anchor::Left);
}

void DrawRemarks(GridPainter& p, const PageContext& ctx, const BackSheet& s) {
    int row = p.TextHeight() + 10;
    p.Col(0) = 3;
    p.Row(0) = s.remarksTop;
    p.Row(1) = p.Row(0) + row;
    std::string heading = "Merknader";
    if (s.remarksContinued) {
        heading += ctx.ContinuedNote();
    }
    p.DrawCellText(heading, 0, 1);
    p.Line(0, p.Row(1), kFrameRight, p.Row(1));
    p.Row(1) += row;
    {
        FontScope fixed(p.Surface(), ctx.fonts.fixedFont);
        std::size_t to = std::min(s.remarksTo, ctx.remarkRows.size());
        for (std::size_t i = s.remarksFrom; i < to; ++i) {
            std::string_view line = ctx.remarkRows[i];
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            p.DrawCellText(line, 0, 1);
            if (i + 1 < to) {
                p.Row(1) += row;
            }
        }
    }
    p.DrawFrame(0, p.Row(0), kFrameRight, p.Row(1));
}

void DrawBackSheet(GridPainter& p, const PageContext& ctx, const BackSheet& s) {
    DrawingSurface& dc = p.Surface();
    int boxBottom = 0;
    if (s.hasTravel) {
        SetTravelColumns(p);
        SelectIfMade(dc, ctx.fonts.baseFont);
        DrawTravelLines(p, ctx, s);
        if (s.travelEnds) {
            DrawTravelSums(p, ctx);
        }
        for (int c = 0; c <= 11; ++c) {
            p.Line(p.Col(c), kTravelColumnsTop, p.Col(c), p.Row(0));
        }
        SelectIfMade(dc, ctx.fonts.labelFont);
        DrawTravelHeader(p, ctx, s.travelContinued);
        if (s.travelEnds) {
            DrawTravelFooter(p, ctx);
            p.DrawArrow(1777, p.Row(0) - 100, 1777, p.Row(0) + 220);
            p.Row(0) += kOutlayGap;
        }
    }
    if (s.hasOutlays) {
        if (!s.hasTravel) {
            p.Row(0) = s.outlayTop;
        }
        assert(p.Row(0) == s.outlayTop);
        if (s.explanationBox) {
            DrawExplanationBox(p, ctx);
            boxBottom = p.Row(2);
        }
        DrawOutlayHeader(p, ctx, s.outlaysContinued);
        SelectIfMade(dc, ctx.fonts.baseFont);
        DrawOutlayLines(p, ctx, s);
        SelectIfMade(dc, ctx.fonts.labelFont);
        if (s.outlaysEnd) {
            DrawOutlayFooter(p, ctx);
        }
    }
    if (s.hasLodging) {
        int top = s.lodgingTop;
        if (s.lodgingBelowLists) {
            top = std::max(p.Row(0), boxBottom) + kLodgingGap;
            assert(top == s.lodgingTop);
        }
        p.Row(0) = top;
        p.Col(0) = 3;
        DrawLodging(p, ctx, top, s.lodgingBelowLists);
    }
    if (s.hasRemarks) {
        DrawRemarks(p, ctx, s);
    }
}

}  // namespace ferdix
