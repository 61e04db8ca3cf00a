#include "app/claim_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <span>
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

// The text goes out in blocks: one string holding a claim of many thousand lines, and a stream
// call for every piece of it, each cost more than reading the claim.
class JsonOut {
  public:
    explicit JsonOut(std::ostream& out) : m_out(out) { m_s.reserve(kBlock + 1024); }
    ~JsonOut() { Flush(); }
    JsonOut(const JsonOut&) = delete;
    JsonOut& operator=(const JsonOut&) = delete;

    JsonOut& operator<<(std::string_view text) {
        m_s += text;
        if (m_s.size() >= kBlock) {
            Flush();
        }
        return *this;
    }
    void Flush() {
        m_out.write(m_s.data(), static_cast<std::streamsize>(m_s.size()));
        m_s.clear();
    }

  private:
    static constexpr std::size_t kBlock = 1 << 16;
    std::ostream& m_out;
    std::string m_s;
};

class ObjectWriter {
  public:
    ObjectWriter(JsonOut& out, std::string_view indent) : m_out(out), m_indent(indent) {}

    // The key; the value is written next.
    JsonOut& Key(std::string_view key) {
        m_out << (m_first ? "\n" : ",\n") << m_indent << JsonString(key) << ": ";
        m_first = false;
        return m_out;
    }
    void Member(std::string_view key, const std::string& jsonValue) { Key(key) << jsonValue; }

  private:
    JsonOut& m_out;
    std::string_view m_indent;
    bool m_first = true;
};

// One object on a single line, built in a string that is reused from line to line.
class InlineObject {
  public:
    explicit InlineObject(std::string& s) : m_s(s) { m_s.clear(); }
    InlineObject& Text(std::string_view key, std::string_view cp1252) {
        Key(key);
        AppendJsonString(m_s, cp1252);
        return *this;
    }
    InlineObject& Raw(std::string_view key, std::string_view json) {
        Key(key);
        m_s += json;
        return *this;
    }
    // As JsonNumber, without a string of its own.
    InlineObject& Number(std::string_view key, float value) {
        Key(key);
        char buf[32];
        auto r = std::to_chars(buf, buf + sizeof buf, value);
        m_s += std::isfinite(value) ? std::string_view(buf, r.ptr) : std::string_view("null");
        return *this;
    }
    std::string_view Done() {
        m_s += '}';
        return m_s;
    }

  private:
    void Key(std::string_view key) {
        m_s += m_s.empty() ? "{" : ", ";
        AppendJsonString(m_s, key);
        m_s += ": ";
    }

    std::string& m_s;
};

std::string_view TravelJson(const CTravelLine& l, DateOrder order, std::string& s) {
    return InlineObject(s)
        .Text("dato", l.DateText(order))
        .Text("kl", l.StartTimeText())
        .Text("fra", RecordText(l.Text()))
        .Text("til", RecordText(l.To()))
        .Text("ankomst", l.ArrivalTimeText())
        .Text("skyssmiddel", RecordText(l.Transport()))
        .Raw("km", IntToText(l.Km()))
        .Text("valuta", RecordCurrency(l.Currency()))
        .Number("beløp"_cp, l.ForeignAmount())
        .Number("kurs", l.Rate())
        .Number("sum", l.Amount())
        .Done();
}

std::string_view OutlayJson(const CExpenseLine& l, DateOrder order, std::string& s) {
    return InlineObject(s)
        .Text("dato", l.DateText(order))
        .Text("spesifikasjon", RecordText(l.Text()))
        .Text("valuta", RecordText(l.Currency()))
        .Number("beløp"_cp, l.ForeignAmount())
        .Number("kurs", l.Rate())
        .Number("sum", l.Amount())
        .Done();
}

// format(item, scratch) gives the item's JSON text.
template <typename Items, typename Format>
void WriteArray(JsonOut& out, const Items& items, Format format) {
    if (items.empty()) {
        out << "[]";
        return;
    }
    std::string scratch;
    out << "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out << (i == 0 ? "\n" : ",\n") << kIndent << kIndent << format(items[i], scratch);
    }
    out << "\n" << kIndent << "]";
}

void FieldMembers(const ClaimData& claim, DateOrder order, std::span<const ClaimField> fields,
                  ObjectWriter& w) {
    for (const ClaimField& f : fields) {
        std::string text = f.fileText(claim, order);
        if (f.isNumber) {
            w.Member(f.key, FileNumber(text));
        } else {
            w.Member(f.key,
                     JsonString(f.kind == ClaimLineKind::MultiLine ? WithoutCr(text) : text));
        }
    }
}

}  // namespace

void AppendJsonString(std::string& s, std::string_view cp1252) {
    static constexpr char kHex[] = "0123456789abcdef";
    bool ascii = std::all_of(cp1252.begin(), cp1252.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    std::string converted = ascii ? std::string() : Cp1252ToUtf8(cp1252);
    std::string_view utf8 = ascii ? cp1252 : std::string_view(converted);
    s += '"';
    // Runs that need no escape go in whole.
    std::size_t run = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        char c = utf8[i];
        auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && c != '"' && c != '\\') {
            continue;
        }
        s.append(utf8.substr(run, i - run));
        run = i + 1;
        if (c == '"' || c == '\\') {
            s += '\\';
            s += c;
        } else if (c == '\n') {
            s += "\\n";
        } else {
            s += "\\u00";
            s += kHex[u >> 4];
            s += kHex[u & 0xF];
        }
    }
    s.append(utf8.substr(run));
    s += '"';
}

std::string JsonString(std::string_view cp1252) {
    std::string s;
    AppendJsonString(s, cp1252);
    return s;
}

std::string JsonNumber(float value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

void WriteClaimJson(const ClaimData& claim, DateOrder order, std::ostream& stream) {
    JsonOut out(stream);
    out << "{";
    ObjectWriter w(out, kIndent);
    FieldMembers(claim, order, ClaimHeaderFields(), w);
    WriteArray(w.Key("reisespesifikasjoner"), claim.m_travelLines,
               [order](const auto& l, std::string& s) { return TravelJson(*l, order, s); });
    WriteArray(w.Key("hotellutlegg"), claim.m_outlayLines,
               [order](const auto& l, std::string& s) { return OutlayJson(*l, order, s); });

    std::vector<int> rows;
    for (int row = 0; row < kAllowanceLineCount; ++row) {
        rows.push_back(row);
    }
    WriteArray(w.Key("godtgjøringer"_cp), rows, [&](int row, std::string& cell) {
        cell = "[";
        cell += JsonNumber(claim.LineValue(row, kCountColumn));
        cell += ", ";
        cell += JsonNumber(claim.LineValue(row, kRateColumn));
        cell += ", ";
        cell += JsonNumber(claim.LineValue(row, kAmountColumn));
        cell += "]";
        return std::string_view(cell);
    });
    FieldMembers(claim, order, ClaimClosingFields(), w);

    // In the order and precision of the net amount.
    float lists = claim.TravelSum() + claim.OutlaysSum();
    double grossClaim = claim.GrossAllowances() + static_cast<double>(lists);
    std::string indent2 = std::string(kIndent) + std::string(kIndent);
    w.Key("totaler") << "{";
    ObjectWriter tw(out, indent2);
    tw.Member("brutto godtgjøringer"_cp, JsonTotal(claim.GrossAllowances()));
    tw.Member("trekk", JsonTotal(claim.DeductionsTotal()));
    tw.Member("forskudd", JsonNumber(claim.AdvanceAmount()));
    tw.Member("utlegg", JsonNumber(claim.OutlaysSum()));
    tw.Member("reisespesifikasjon", JsonNumber(claim.TravelSum()));
    tw.Member("brutto reiseregning", JsonTotal(grossClaim));
    tw.Member("netto", JsonNumber(claim.NetAmount()));
    out << "\n" << kIndent << "}";
    out << "\n}\n";
}

}  // namespace ferdix
