#include "app/claim_json.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <span>
#include <sstream>
#include <vector>

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "claim/claim_file.h"

namespace ferdix {

namespace {

constexpr std::string_view kIndent = "  ";

// Totals summed in double are amounts of floats; beyond the float range they stay doubles.
std::string JsonTotal(double value) {
    if (std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max())) {
        return JsonNumber(static_cast<float>(value));
    }
    if (!std::isfinite(value)) {
        return "null";
    }
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

// A number as the claim file holds it is valid JSON unless it is not finite.
std::string FileNumber(const std::string& text) {
    double v = 0.0;
    auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    bool whole = r.ec == std::errc() && r.ptr == text.data() + text.size();
    return whole && std::isfinite(v) ? text : "null";
}

std::string WithoutCr(std::string text) {
    std::erase(text, '\r');
    return text;
}

class ObjectWriter {
  public:
    ObjectWriter(std::ostream& out, std::string_view indent) : m_out(out), m_indent(indent) {}

    void Member(std::string_view key, const std::string& jsonValue) {
        m_out << (m_first ? "\n" : ",\n") << m_indent << JsonString(key) << ": " << jsonValue;
        m_first = false;
    }

  private:
    std::ostream& m_out;
    std::string_view m_indent;
    bool m_first = true;
};

// One object per line on a single line each.
class InlineObject {
  public:
    InlineObject& Text(std::string_view key, std::string_view cp1252) {
        return Raw(key, JsonString(cp1252));
    }
    InlineObject& Raw(std::string_view key, const std::string& json) {
        m_s += m_s.empty() ? "{" : ", ";
        m_s += JsonString(key) + ": " + json;
        return *this;
    }
    std::string Done() const { return m_s + "}"; }

  private:
    std::string m_s;
};

std::string TravelJson(const CTravelLine& l) {
    return InlineObject()
        .Text("dato", l.DateText())
        .Text("kl", l.StartTimeText())
        .Text("fra", RecordText(l.Text()))
        .Text("til", RecordText(l.To()))
        .Text("ankomst", l.ArrivalTimeText())
        .Text("skyssmiddel", RecordText(l.Transport()))
        .Raw("km", IntToText(l.Km()))
        .Text("valuta", RecordCurrency(l.Currency()))
        .Raw("beløp"_cp, JsonNumber(l.ForeignAmount()))
        .Raw("kurs", JsonNumber(l.Rate()))
        .Raw("sum", JsonNumber(l.Amount()))
        .Done();
}

std::string OutlayJson(const CExpenseLine& l) {
    return InlineObject()
        .Text("dato", l.DateText())
        .Text("spesifikasjon", RecordText(l.Text()))
        .Text("valuta", RecordText(l.Currency()))
        .Raw("beløp"_cp, JsonNumber(l.ForeignAmount()))
        .Raw("kurs", JsonNumber(l.Rate()))
        .Raw("sum", JsonNumber(l.Amount()))
        .Done();
}

template <typename Items, typename Format>
std::string ArrayJson(const Items& items, Format format) {
    if (items.empty()) {
        return "[]";
    }
    std::string s = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        s += i == 0 ? "\n" : ",\n";
        s += kIndent;
        s += kIndent;
        s += format(items[i]);
    }
    s += "\n";
    s += kIndent;
    s += "]";
    return s;
}

void FieldMembers(const CFerdixDoc& doc, std::span<const ClaimField> fields, ObjectWriter& w) {
    for (const ClaimField& f : fields) {
        std::string text = f.fileText(doc);
        if (f.isNumber) {
            w.Member(f.key, FileNumber(text));
        } else {
            w.Member(f.key,
                     JsonString(f.kind == ClaimLineKind::MultiLine ? WithoutCr(text) : text));
        }
    }
}

}  // namespace

std::string JsonString(std::string_view cp1252) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string utf8 = Cp1252ToUtf8(cp1252);
    std::string s = "\"";
    for (char c : utf8) {
        auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            s += '\\';
            s += c;
        } else if (c == '\n') {
            s += "\\n";
        } else if (u < 0x20) {
            s += "\\u00";
            s += kHex[u >> 4];
            s += kHex[u & 0xF];
        } else {
            s += c;
        }
    }
    return s + "\"";
}

std::string JsonNumber(float value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

void WriteClaimJson(const CFerdixDoc& doc, std::ostream& out) {
    out << "{";
    ObjectWriter w(out, kIndent);
    FieldMembers(doc, ClaimHeaderFields(), w);
    w.Member("reisespesifikasjoner",
             ArrayJson(doc.m_travelLines, [](const auto& l) { return TravelJson(*l); }));
    w.Member("hotellutlegg",
             ArrayJson(doc.m_outlayLines, [](const auto& l) { return OutlayJson(*l); }));

    std::vector<int> rows;
    for (int row = 0; row < kAllowanceLineCount; ++row) {
        rows.push_back(row);
    }
    w.Member("godtgjøringer"_cp, ArrayJson(rows, [&](int row) {
                 std::string cell = "[";
                 cell += JsonNumber(doc.LineValue(row, kCountColumn));
                 cell += ", ";
                 cell += JsonNumber(doc.LineValue(row, kRateColumn));
                 cell += ", ";
                 cell += JsonNumber(doc.LineValue(row, kAmountColumn));
                 cell += "]";
                 return cell;
             }));
    FieldMembers(doc, ClaimClosingFields(), w);

    // In the order and precision of the net amount.
    float lists = doc.TravelSum() + doc.OutlaysSum();
    double grossClaim = doc.GrossAllowances() + static_cast<double>(lists);
    std::string indent2 = std::string(kIndent) + std::string(kIndent);
    std::ostringstream t;
    ObjectWriter tw(t, indent2);
    tw.Member("brutto godtgjøringer"_cp, JsonTotal(doc.GrossAllowances()));
    tw.Member("trekk", JsonTotal(doc.DeductionsTotal()));
    tw.Member("forskudd", JsonNumber(doc.AdvanceAmount()));
    tw.Member("utlegg", JsonNumber(doc.OutlaysSum()));
    tw.Member("reisespesifikasjon", JsonNumber(doc.TravelSum()));
    tw.Member("brutto reiseregning", JsonTotal(grossClaim));
    tw.Member("netto", JsonNumber(doc.NetAmount()));
    std::string totals = "{";
    totals += t.str();
    totals += "\n";
    totals += kIndent;
    totals += "}";
    w.Member("totaler", totals);
    out << "\n}\n";
}

}  // namespace ferdix
