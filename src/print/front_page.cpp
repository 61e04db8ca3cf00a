// The front page: traveller, trip, allowance table with its codes, totals, signatures.
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/written_standard.h"
#include "calc/allowance_table.h"
#include "form/control_ids.h"
#include "form/label_table.h"
#include "print/page_steps.h"

namespace ferdix {

namespace {

constexpr int kFrameRight = 1880;
constexpr int kFrameBottom = 2780;
constexpr int kAbs = -1;  // in the rule table: the offset is the coordinate itself
constexpr int kFormNumberY = 2782;
constexpr int kRatesLineY = kFormNumberY + 26;
// The arrows that point at the totals.
constexpr int kArrowFromX = 750;
constexpr int kArrowToX = 840;

void FillFrontGrid(GridPainter& p) {
    for (int i = 0; i <= 4; ++i) {
        p.Row(i) = i * 255 / 4;
    }
    p.Row(5) = 315;
    for (int i = 7; i <= 39; ++i) {
        p.Row(i) = 445 + 62 * (i - 7);
    }
    p.Row(40) = p.Row(39) + 90;
    p.Row(41) = p.Row(40) + 74;
    p.Row(42) = p.Row(41) + 88;
    p.Row(43) = p.Row(42);
    p.Row(45) = p.Row(5) + 66;
    // Entry 44 closes the signature band on the frame's bottom edge; entry 6 is never read.
    p.Row(44) = kFrameBottom;
    p.Row(6) = p.Row(45);
    static constexpr int kCols[25] = {125,  175,  278,  330,  355,  458,  508,  608,  660,
                                      740,  680,  862,  940,  989,  1064, 1111, 1242, 1269,
                                      1394, 1420, 1549, 1600, 1622, 1752, 230};
    for (int c = 0; c < 25; ++c) {
        p.Col(c) = kCols[c];
    }
}

// The allowance line printed in a band of the table, or -1.
int LineOfBand(int band) {
    if (band >= 10 && band <= 32) {
        return band - 10;
    }
    if (band >= 34 && band <= 36) {
        return band - 11;
    }
    return -1;
}

int BandOfLine(int line) {
    return line <= OtherAllowance ? line + 10 : line + 11;
}

std::string_view SdCode(int band) {
    int line = LineOfBand(band);
    return line < 0 ? std::string_view() : kAllowanceLines[static_cast<std::size_t>(line)].sdCode;
}

std::string_view TtCode(int band) {
    if (band == 9) {
        return "1041";  // the outlays carried over from the back page
    }
    if (band == 38) {
        return kAllowanceLines[Advance].ttCode;
    }
    int line = LineOfBand(band);
    return line < 0 ? std::string_view() : kAllowanceLines[static_cast<std::size_t>(line)].ttCode;
}

std::string RatesLine(const PageContext& ctx) {
    const std::string& domestic = ctx.doc.Rates().m_strRatesFrom;
    const std::string& abroad = ctx.doc.Rates().m_strAbroadRatesFrom;
    std::string text(ctx.Txt("Brukte satser: ", "Brukte satsar: "));
    if (!domestic.empty()) {
        text += ctx.Txt("Innenlands per ", "Innanlands per ");
        text += domestic;
        if (!abroad.empty()) {
            text += "; ";
        }
    }
    if (!abroad.empty()) {
        text += ctx.Txt("utenlands per ", "utanlands per ");
        text += abroad;
    }
    return text;
}

void DrawTitle(GridPainter& p, const PageContext& ctx) {
    DrawingSurface& dc = p.Surface();
    std::string_view title = ctx.Txt("Reiseregning", "Reiserekning");
    int x = p.Col(13);
    FontResult made =
        dc.MakeFont(FontSpec{"Arial", 60, 400, FontPitch::Default, FontFamily::Swiss});
    if (made.status != FontStatus::Made) {
        // A form without its title is no form: the current font serves.
        p.Text(x, -60, title);
        return;
    }
    FontId previous = dc.SelectFont(made.font);
    p.Text(x, -60, title);
    dc.SelectFont(previous);
    dc.ReleaseFont(made.font);
}

void DrawLabels(GridPainter& p, const PageContext& ctx) {
    auto T = [&ctx](std::string_view b, std::string_view n) { return ctx.Txt(b, n); };
    auto label = [&ctx](int id) {
        return GetLabelText(id, LabelVariant::Print, ctx.nynorsk ? kNynorsk : kBokmal);
    };
    int c18 = p.Col(18);
    int r45 = p.Row(45);
    int r7 = p.Row(7);

    p.DrawStackedWord("I\nn\nn\nl\na\nn\nd", 0, 12);
    p.DrawStackedWord("U\nt\nl\na\nn\nd", 0, 15);
    p.DrawStackedWord("I\nn\nn\nl\na\nn\nd", 0, 17);
    p.Text(10, kFormNumberY,
           T("X-0095 B (Godkj. 06-2005) Elektr. utgave v 2.3",
             "X-0095 N (Godkj. 06-2005) Elektr. utgave v 2.3"));
    p.Text(p.Col(15), kFormNumberY,
           T("  For regnskapsføreren:  1) Kode: SD 712/TT 1047 2) SD 152/TT 1054"_cp,
             "  For rekneskapsføraren: 1) Kode: SD 712/TT 1047 2) SD 152/TT 1054"_cp));
    // A line of the label font below the form number: 20 units under it, as the Windows program had
    // it, its capitals ran into the descenders above.
    p.Text(10, kRatesLineY, RatesLine(ctx));
    for (int band = 9; band <= 36; ++band) {
        p.DrawCellTextCentred(SdCode(band), 2, 4, band);
    }
    for (int band : {19, 20, 23, 24}) {
        p.DrawCellText("Utland", 0, band);
    }
    p.DrawCellText("Innland", 0, 21);
    p.DrawCellLines("Bil:\n0-9000 km", 0, 25);
    p.DrawCellLines("Bil: over\n9000 km", 0, 26);
    p.DrawCellLines(label(kIdNameLabel), -1, 0);
    p.DrawCellLines("Fødselsnr.\n(11 siffer)"_cp, 14, 1);
    p.DrawCellText(label(kIdStreetLabel), -1, 2);
    p.DrawCellTextTop(label(kIdPostcodeLabel), 12, 2);
    p.DrawCellTextTop(label(kIdPostTownLabel), 14, 2);
    p.DrawCellLines(label(kIdTaxMunicipalityLabel), 3, 5);
    p.DrawCellLines(label(kIdMunicipalityNumberLabel), 11, 5);
    p.DrawCellText(label(kIdDepartureDateLabel), 18, 5);
    p.DrawCellText(label(kIdReturnDateLabel), 18, 45);
    p.DrawCellText(label(kIdPositionLabel), -1, 3);
    p.DrawCellLines(label(kIdBankAccountLabel), 11, 3);
    p.DrawCellLines(label(kIdDepartmentLabel), 13, 4);
    p.DrawCellLines(label(kIdAgencyLabel), -1, 3);
    p.DrawCellLines(label(kIdEmployeeNumberLabel), -1, 4);
    p.DrawCellLines(label(kIdTaxPercentLabel), 15, 5);
    p.Text(c18 + 100, r45, T("(Se baksiden)", "(Sjå baksida)"_cp));
    // Three units above the Windows program's places, so that the descenders of "natting" and
    // "sjonat" stay above the rule under them.
    p.Text(c18 + 5, r45 + 17, "Over-");
    p.Text(c18 + 5, r45 + 37, "natting");
    p.Text(c18 + 140, r45 + 30, "Hotell");
    p.Text(c18 + 280, r45 + 17, "Pen-");
    p.Text(c18 + 280, r45 + 37, "sjonat");
    p.Text(c18 + 408, r45 + 30, T("Annet", "Anna"));
    p.DrawCellTextTop("Vedleggsnr.", 20, 2);
    p.DrawCellLines(T("Tj.steds-\nnummer", "Ten.stad-\nnummer"), 22, 4);
    p.DrawCellTextTop("Dato", 20, 5);
    p.DrawCellTextTop("Dato", 20, 45);
    p.DrawCellTextTop("Kl.", 23, 5);
    p.DrawCellTextTop("Kl.", 23, 45);
    p.DrawCellTextTop(T("Reisested og -formål"_cp, "Reisestad og -føremål"_cp), 9, 45);
    // Centred in its box of 40 units, which the text fills: right-aligned, as the Windows
    // program placed it, the rule on its left ran through the "R".
    int rn = p.Surface().MeasureText("R/N").width;
    p.Text(p.Col(23) - 20 - rn / 2, p.Row(1) - p.TextHeight() - 3, "R/N");
    p.Text(p.Col(9), r7 + 3, "Sats");
    p.Text(p.Col(8) + 10, r7 + 32, "kr");
    p.Text(p.Col(11) - 40, r7 + 32, "øre"_cp);
    p.Text(p.Col(11) + 90, r7 + 3, T("Beløp"_cp, "Sum"));
    p.Text(p.Col(11) + 10, r7 + 32, "kr");
    p.Text(p.Col(15) - 40, r7 + 32, "øre"_cp);
    p.Text(c18 + 40, r7 + 32, "Kode 2");
    p.Text(p.Col(21) + 30, r7 + 32, "Kode 3");
    p.Text(p.Col(23) + 20, r7 + 32, "Kode 4");
    p.DrawCellTextTop(T("Jeg samtykker i at ev. skyldig beløp kan trekkes i lønn"_cp,
                        "Eg går med på at ev. skuldig sum kan trekkjast i løna"_cp),
                      5, 40);
    p.DrawCellTextTop("Etter fullmakt", 5, 42);
    p.DrawCellTextTop(T("Godkjent dato", "Tilvist dato"), 24, 42);
    p.DrawCellTextTop(T("Mottatt beløp"_cp, "Motteken sum"), 24, 44);
    p.DrawCellTextTop("Dato", 5, 44);
    p.DrawCellTextTop("Underskrift", 8, 44);
    p.DrawCellTextTop(T("Merknader fra utbetalingsstedet", "Merknader frå utbetalingsstaden"_cp),
                      18, 44);
    for (int band = 9; band <= 38; ++band) {
        p.DrawCellTextCentred(TtCode(band), 4, 5, band);
    }
    p.DrawCellLines("TT-\nkode", 4, 8);
    p.DrawCellLines("SD-\nkode", 2, 8);
    p.DrawCellTextCentred("M", 5, 6, 8);
    for (int band : {34, 35, 36}) {
        p.DrawCellTextCentred("1", 5, 6, band);
    }
    p.DrawCellTextCentred(T("Antall", "Kor mange"), 6, 8, 8);
    p.DrawCellTextCentred("Kap., post, u.p., u.u.p.", 15, 18, 8);
    p.DrawCellLines(T("Kursgodtgj.\n(se baks.)", "Kursgodtgj.\n(sjå baksida)"_cp), 0, 10);
    p.DrawCellLines(T("Under\n5 timer", "Under\n5 timar"), 1, 11);
    p.DrawCellLines(T("5-9\ntimer", "5-9\ntimar"), 1, 12);
    p.DrawCellLines(T("9-12\ntimer", "9-12\ntimar"), 1, 13);
    for (int band : {14, 16, 18}) {
        p.DrawCellLines(T("Over 12\ntimer", "Over 12\ntimar"), 1, band);
    }
    p.DrawCellLines(T("6-12\ntimer", "6-12\ntimar"), 1, 15);
    p.DrawCellLines(T("8-12\ntimer", "8-12\ntimar"), 1, 17);
    p.DrawCellLines("Innland over-\nnatting hotell", 0, 22);
    p.DrawCellLines(T("Hjem-arbeid\n(skattepliktig)", "Heim-arbeid\n(skattepliktig)"), 0, 27);
    p.DrawCellLines("Passasjer-\ntillegg", 0, 28);
    p.DrawCellTextTop(T("Annet", "Anna"), 0, 29);
    p.DrawCellTextTop(T("Annet", "Anna"), 0, 32);
    p.DrawCellLines(T("Kost-\ngodtgjøring"_cp, "Kost-\ngodtgjersle"), 0, 30);
    p.DrawCellText("Nattillegg", 0, 31);
    p.DrawCellTextTop(T("Utbetalingssted", "Utbetalingsstad"), 0, 38);
    p.DrawCellLines(T("(Spesifiser ev.\npå baksiden)"_cp, "(Spesifiser ev.\npå baksida)"_cp), 6,
                    38);
    p.DrawCellTextTop("Reise nr.", 10, 38);
    p.DrawCellLines(T("Utbetales og posteres i samsvar med foranstående"_cp,
                      "Skal utbetalast og posterast i samsvar\nmed det som står ovanfor"_cp),
                    15, 41);
    if (ctx.nynorsk) {
        p.DrawCellLines("Tilvisande\norgan", 24, 41);
    } else {
        p.DrawCellLinesTight("Budsjett-\ndisponerings-\nmyndighet", 24, 41);
    }
    p.DrawCellText("Kurs", 3, 45);
    p.DrawCellText(T("Tjenestereise", "Tenestereise"), 6, 45);
    p.Text(43, r7 - 35, T("Annet", "Anna"));
    p.Text(p.Col(1), (p.Row(5) + r7) / 2, T("Angi hva", "Skriv kva"));
    p.DrawCellLines("Til\ngode", 1, 39);
    // Ending before colX 4: from colX 2 the rule there ran through the word's last letter.
    p.DrawCellTextRight(T("Skyldig", "Skuldig"), 4, 39);
    p.Text(p.Col(20), r7 + 3, T("Internregnskap", "Internrekneskap"));

    {
        FontScope bold(p.Surface(), ctx.fonts.boldLabelFont);
        p.DrawCellLines(T("Regningen\ngjelder", "Rekninga\ngjeld"), -1, 5);
        p.DrawCellLines(T("Reiseutlegg/\ngodtgjøringer"_cp, "Reiseutlegg/\ngodtgjersle"), -1, 7);
        p.DrawCellLines(T("Overført\nfra baksiden"_cp, "Overført\nfrå baksida"_cp), -1, 8);
        p.DrawCellLines("Admin.\ngodtgj.", -1, 9);
        p.DrawCellLines(T("\nKost-\ngodt-\ngjøring\nuten\nover-\nnatting"_cp,
                          " \nKost-\ngodt-\ngjersle\nutan\nover-\nnatting"),
                        -1, 11);
        p.DrawCellLines(T("\nKost-\ngodt-\ngjøring\nved\nover-\nnatting"_cp,
                          " \nKost-\ngodt-\ngjersle\nved\nover-\nnatting"),
                        -1, 16);
        p.DrawCellLines(T("Natt-\ntillegg\nulegi-\ntimert", "Ulegi-\ntimert\nnatt-\ntillegg"), -1,
                        21);
        p.DrawCellLines(T("Eget\nskyss-\nmiddel.\nSpesifiser\nreisen\npå\nbaksiden"_cp,
                          "Eige\nskyss-\nmiddel.\nSpesifiser\nreisa\npå\nbaksida"_cp),
                        -1, 25);
        p.DrawCellLines(T("\nOpphold\nutover\n28 døgn"_cp, " \nOpphald\nutover\n28 døgn"_cp), -1,
                        29);
        p.DrawCellLines("Andre\ngodtgj.", -1, 31);
        p.DrawCellText(T("Til sammen", "Samanlagt"), -1, 33);
        p.DrawCellLines(T("Trekk Frokost/lunsj\n/middag uten overn.",
                          "Trekk Frukost/lunsj\n/middag utan overn."),
                        -1, 33);
        for (int r : {34, 35}) {
            p.DrawCellLines(T("Trekk Frokost/lunsj\n/middag med overn.",
                              "Trekk Frukost/lunsj\n/middag med overn."),
                            -1, r);
        }
        p.DrawCellText(T("BRUTTO REISEREGNING", "BRUTTO REISEREKNING"), -1, 37);
        p.DrawCellLines(T("Reise-\nforskudd", "Reise-\nforskot"), -1, 37);
        p.DrawCellLines(T("NETTO-\nBELØP"_cp, "NETTO-\nSUM"), -1, 38);
        p.DrawCellLines(
            T("Regnings-\nutstederens\nunderskrift", "Underskrifta til\nreknings-\nutskrivaren"),
            -1, 39);
        p.DrawCellLines("Attestasjon", 15, 40);
        if (!ctx.nynorsk) {
            p.DrawCellLines("Dato", 24, 40);
        }
        p.DrawCellTextTop(T("Godkjenning", "Tilvising"), -1, 41);
        p.DrawCellLines(
            T("Kvittering ved\nkontant\nutbetaling", "Kvittering for\nkontant\nutbetaling"), -1,
            43);
    }

    p.Text(p.Col(19) + 3, -60, T("Bruker-", "Brukar-"));
    p.Text(p.Col(19) + 3, -30, "nummer");
    p.Text(55, -40, "Tovrand");
    DrawTitle(p, ctx);
}

// The row above band r: band 7 lies under row 45, band 45 under row 5.
int RowAbove(int r) {
    return r == 7 ? 45 : r == 45 ? 5 : r - 1;
}

// A label hanging from the top of a band (26 units from one unit below its rule) keeps the
// values under it: they may reach 8 units up into its cell, as a value of the full size
// resting on a band of 62 units does, which its letters never reach.
constexpr int kUnderLabel = 19;

// The cell of band r from x1 to x2, below a label at its top when there is one.
Cell BandCell(GridPainter& p, int x1, int x2, int r, bool labelAbove = false) {
    return Cell{x1, p.Row(RowAbove(r)) + (labelAbove ? kUnderLabel : 0), x2, p.Row(r)};
}

// Destination and purpose, its first two lines, each in its own slot of the trip band; the
// first under the label "Reisested og -formål".
void DrawPurpose(GridPainter& p, std::string_view purpose) {
    std::vector<std::string_view> lines = SplitLines(purpose);
    int x = p.Col(9) + 3;
    int y = p.Row(5) + 25 + 1;
    int pitch = p.TextHeight() + 3;
    for (std::size_t k = 0; k < lines.size() && k < 2; ++k) {
        std::string_view line = lines[k];
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        int top = y + static_cast<int>(k) * pitch;
        Cell slot{p.Col(9), k == 0 ? p.Row(45) - 63 + kUnderLabel : top, p.Col(18), top + pitch};
        p.FitText(line, slot, x, top, Anchor::Left);
    }
}

void DrawValues(GridPainter& p, const PageContext& ctx) {
    const CFerdixDoc& doc = ctx.doc;
    const CTraveller& t = doc.Claim().Traveller();
    auto C = [&p](int c) { return p.Col(c); };
    // A value at the place of DrawCellText (c, r), in band r between x1 and x2.
    auto value = [&p](std::string_view text, int c, int r, int x1, int x2,
                      bool labelAbove = false) {
        p.FitCellText(text, c, r, BandCell(p, x1, x2, r, labelAbove));
    };
    p.SetValueFont(ctx.BaseValueFont());
    value(t.Name(), 1, 1, C(1), C(14));
    value(t.PersonId(), 17, 1, C(17), C(23) - 40);
    value(t.StreetAddress(), 1, 2, C(1), C(12));
    value(t.Postcode(), 12, 2, C(12), C(14), true);
    value(t.PostTown(), 14, 2, C(14), C(20), true);
    value(t.Position(), 1, 3, C(1), C(11));
    value(t.AccountNumber(), 13, 3, C(13), C(20));
    value(t.Agency(), 1, 4, C(1), C(13));
    value(t.Department(), 15, 4, C(15), C(22));
    value(t.DutyStationNumberText(), 23, 4, C(23), kFrameRight);
    value(t.EmployeeNumberText(), 1, 5, C(1), C(3));
    value(t.TaxMunicipality(), 5, 5, C(5), C(11));
    value(t.MunicipalityNumberText(), 13, 5, C(13), C(15));
    value(t.TaxPercentText(), 16, 5, C(16), C(18));
    value(doc.Claim().DepartureDateText(doc.Locale().dateOrder), 20, 5, C(20), C(23), true);
    value(doc.Claim().DepartureTimeText(), 23, 5, C(23), kFrameRight, true);
    value(doc.Claim().ReturnDateText(doc.Locale().dateOrder), 20, 45, C(20), C(23), true);
    value(doc.Claim().ReturnTimeText(), 23, 45, C(23), kFrameRight, true);
    // Under "Angi hva", which stands a little lower than a label hanging from the rule.
    int askTop = (p.Row(5) + p.Row(7)) / 2;
    p.FitCellText(doc.Claim().Concerns(), 1, 7,
                  Cell{C(1), askTop + kUnderLabel - 1, C(9), p.Row(7)});
    DrawPurpose(p, doc.Claim().Purpose());
    // "Andre trekk" describes the last deduction row, whose label fills the band's left
    // column: it prints in the row's count and rate cells, which a deduction leaves empty.
    int band = BandOfLine(MealDeductionOvernight2);
    int right = C(11);
    if (!doc.Claim().LineValueText(MealDeductionOvernight2, kRateColumn).empty()) {
        right = C(8);
    }
    std::string count = doc.Claim().LineValueText(MealDeductionOvernight2, kCountColumn);
    if (!count.empty()) {
        right = C(8) - 6 - p.Surface().MeasureText(count).width;
    }
    value(doc.Claim().OtherDeductions(), 6, band, C(6), right);
    // The other means of transport belongs on its own row ("Annet", line 19).
    int transport = BandOfLine(OtherOwnTransport);
    value(doc.Claim().OtherTransport(), 0, transport, C(0), C(2), true);
    value(doc.Claim().AdvancePlace(), 0, 38, C(0), C(4), true);
    value("  " + t.AccountToCharge(), 15, 37, C(15), C(18));
    value(doc.Claim().TripNumber(), 10, 38, C(10), C(11), true);
    value(doc.Claim().TTCode(), 4, 39, C(4), C(5));
    // Left of the arrow to the net amount.
    value(doc.Claim().InterimAccount(), 6, 39, C(6), kArrowFromX);
    value(doc.Claim().OtherAdditions(), 0, 32, C(0), C(2), true);
    value(ctx.writtenDate, 24, 40, C(24), C(15), true);
}

struct FrontTotals {
    float carried;  // T1
    float sum;      // T2
    float gross;    // T3
    float net;      // T4
};

// In single precision after each step, as the net amount of the status bar.
FrontTotals ComputeTotals(const CFerdixDoc& doc) {
    FrontTotals t{};
    t.carried = doc.Claim().OutlaysSum() + doc.Claim().TravelSum();
    t.sum = static_cast<float>(static_cast<double>(t.carried) + doc.Claim().GrossAllowances());
    t.gross = static_cast<float>(static_cast<double>(t.sum) - doc.Claim().DeductionsTotal());
    t.net = t.gross - doc.Claim().AdvanceAmount();
    return t;
}

void DrawAmounts(GridPainter& p, const PageContext& ctx, const FrontTotals& totals) {
    const CFerdixDoc& doc = ctx.doc;
    // Each in its column of the band: count, rate, amount.
    auto number = [&p](std::string_view text, int c, int band) {
        int left = c == 8 ? p.Col(6) : c == 11 ? p.Col(8) : p.Col(11);
        p.FitCellTextRight(text, c, band, BandCell(p, left, p.Col(c), band));
    };
    p.SetValueFont(ctx.BaseValueFont());
    for (int line = 0; line <= MealDeductionOvernight2; ++line) {
        if (line != DayDomesticUnder5h && doc.Claim().LineValueText(line, kAmountColumn).empty()) {
            continue;
        }
        int band = BandOfLine(line);
        number(doc.Claim().LineValueText(line, kCountColumn), 8, band);
        number(doc.Claim().LineValueText(line, kRateColumn), 11, band);
        number(doc.Claim().LineValueText(line, kAmountColumn), 15, band);
    }
    number(FormatAmount(totals.carried, true), 15, 9);
    number(FormatAmount(totals.sum, true), 15, 33);
    number(FormatAmount(totals.gross, true), 15, 37);
    number(doc.Claim().LineValueText(Advance, kAmountColumn), 15, 38);
    number(FormatAmount(totals.net, true), 15, 39);
}

// A vertical rule: x = colX[c] + dx (c = kAbs: x = dx), from row r1 + dy1 to row r2 + dy2.
struct VerticalRule {
    int c, dx, r1, dy1, r2, dy2;
};

// clang-format off
constexpr VerticalRule kVerticalRules[] = {
    {0, 0, 9, 0, 32, 0}, {0, 0, 37, 0, 38, 0},
    {1, 0, 0, 0, 5, 0}, {1, 0, 10, 0, 18, 0}, {1, 0, 5, 64, 5, 84},
    {2, 0, 5, 0, 5, 64}, {2, 0, 7, 0, 36, 0},
    {3, 0, 4, 0, 5, 0},
    {4, 20, 40, 0, 41, 0},
    {4, 0, 7, 0, 39, 0},
    {5, 0, 41, 0, 41, 20}, {5, 0, 43, 0, 43, 20}, {5, 0, 7, 0, 39, 20}, {5, 0, 4, 0, 5, 0},
    {6, 0, 7, 0, 39, 0},
    {8, 0, 7, 0, 8, 0}, {8, 0, 9, 0, 32, 0}, {8, 0, 43, 0, 43, 20},
    {9, 0, 5, 0, 7, 0},
    {10, 0, 37, 0, 38, 0},
    {11, 0, 7, 0, 39, 0}, {11, 0, 2, 0, 3, 0}, {11, 0, 4, 0, 5, 0},
    {12, 0, 1, 0, 1, 20},
    {13, 0, 2, 0, 5, 0},
    {14, 0, 0, 0, 1, 20},
    {15, 0, 7, 0, 39, 0}, {15, 0, 3, 0, 5, 0}, {15, 0, 39, 0, 41, 0},
    {16, 0, 4, 0, 5, 0},
    {17, 0, 0, 0, 1, 0}, {17, 0, 39, 0, 40, 0},
    {18, 0, 7, 0, 36, 0}, {18, 0, 37, 0, 39, 0}, {18, 0, 4, 0, 7, 0}, {18, 0, 42, 0, kAbs, kFrameBottom},
    {19, 0, kAbs, -64, 0, 0},
    {20, 0, 1, 0, 3, 0}, {20, 0, 4, 0, 45, 0}, {20, 0, kAbs, -64, 0, 0},
    // From under "Internregnskap" (the Windows program began it 15 units lower than the rule under
    // the heading, through the word).
    {21, 0, 7, 30, 36, 0}, {21, 0, 37, 0, 39, 0},
    {22, 0, 3, 0, 4, 0},
    {23, -40, 0, 0, 1, 0},
    {23, 0, kAbs, 0, 1, 0}, {23, 0, 3, 0, 4, 20}, {23, 0, 5, 0, 5, 20}, {23, 0, 7, 30, 36, 0},
    {23, 0, 37, 0, 39, 0},
    {24, 0, 39, 0, kAbs, kFrameBottom},
    {kAbs, kFrameRight, kAbs, -64, kAbs, 0},
};
// clang-format on

void DrawRules(GridPainter& p) {
    auto across = [&p](int r, int x1, int x2) { p.Line(x1, p.Row(r), x2, p.Row(r)); };
    for (int r : {0, 1, 3, 4, 5, 7, 8, 9, 10, 16, 20, 24, 29}) {
        across(r, 0, kFrameRight);
    }
    for (int r = 31; r <= 40; ++r) {
        across(r, 0, kFrameRight);
    }
    across(43, 0, kFrameRight);
    across(44, 0, kFrameRight);
    across(2, 0, p.Col(20));
    for (int r : {11, 12, 13, 15, 17}) {
        across(r, p.Col(1), kFrameRight);
    }
    for (int r : {14, 18, 19, 21, 22, 23, 25, 26, 27, 28, 30}) {
        across(r, p.Col(0), kFrameRight);
    }
    across(41, 230, kFrameRight);
    across(45, 0, p.Col(2));
    across(45, p.Col(18), kFrameRight);
    p.Line(p.Col(18), p.Row(7) + 30, kFrameRight, p.Row(7) + 30);
    p.Line(kFrameRight, -64, p.Col(19), -64);

    auto y = [&p](int r, int dy) { return r == kAbs ? dy : p.Row(r) + dy; };
    for (const VerticalRule& v : kVerticalRules) {
        int x = v.c == kAbs ? v.dx : p.Col(v.c) + v.dx;
        p.Line(x, y(v.r1, v.dy1), x, y(v.r2, v.dy2));
    }
    p.DrawFrame(0, 0, kFrameRight, kFrameBottom);
}

// A tick box of 40 x 40 standing on y.
void TickBox(GridPainter& p, int x, int bottom, bool ticked) {
    p.DrawCheckBox(x, bottom - 40, ticked);
}

void DrawBoxesAndArrows(GridPainter& p, const CFerdixDoc& doc, float net) {
    int trip = doc.Claim().TripKind();
    int lodging = doc.Claim().LodgingKind();
    TickBox(p, p.Col(2), p.Row(45), trip == 0);
    TickBox(p, p.Col(5), p.Row(45), trip == 1);
    TickBox(p, 0, p.Row(7), trip == 2);
    TickBox(p, p.Col(20) - 70, p.Row(7), lodging == 0);
    TickBox(p, p.Col(22), p.Row(7), lodging == 1);
    TickBox(p, p.Col(23), p.Row(7), lodging == 2);
    TickBox(p, p.Col(0), p.Row(39), net >= 0.0f);
    TickBox(p, p.Col(24), p.Row(39), net < 0.0f);

    int m37 = (p.Row(36) + p.Row(37)) / 2;
    int m39 = (p.Row(38) + p.Row(39)) / 2;
    p.DrawArrow(kArrowFromX, 540, kArrowToX, 540);
    p.DrawArrow(kArrowFromX, m37, kArrowToX, m37);
    p.DrawArrow(kArrowFromX, m39, kArrowToX, m39);
}

}  // namespace

void DrawFrontPage(GridPainter& p, const PageContext& ctx) {
    FillFrontGrid(p);
    p.DrawHeaderMark(p.Surface().IsPreview());
    DrawLabels(p, ctx);
    p.DrawCellTextTop("1)", 15, 25);
    p.DrawCellTextTop("2)", 15, 26);
    SelectIfMade(p.Surface(), ctx.fonts.baseFont);
    DrawValues(p, ctx);
    FrontTotals totals = ComputeTotals(ctx.doc);
    DrawAmounts(p, ctx, totals);
    DrawRules(p);
    DrawBoxesAndArrows(p, ctx.doc, totals.net);
}

}  // namespace ferdix
