#include "print/pdf_text_map.h"

#include <gtest/gtest.h>

#include <string>

namespace ferdix {
namespace {

// A file with a font whose ToUnicode map is the stream given, as Qt's writer lays it out.
std::string Pdf(const std::string& cmap, const std::string& dict = "", bool referenced = true) {
    std::string pdf = "%PDF-1.4\n1 0 obj\n<< /Type /Font /Subtype /Type0";
    if (referenced) {
        pdf += " /ToUnicode 12 0 R";
    }
    pdf += " >>\nendobj\n12 0 obj\n<< /Length " + std::to_string(cmap.size()) + dict +
           " >>\nstream\n" + cmap + "\nendstream\nendobj\nxref\n0 2\ntrailer\n%%EOF\n";
    return pdf;
}

std::string Ranges(const std::string& lines) {
    return "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
           "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
           "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n" +
           lines + "endcmap\nend\nend\n";
}

TEST(PdfTextMap, TheSpaceGlyphMapsToASpace) {
    struct Case {
        const char* name;
        std::string pdf;
        std::string expected;  // the file afterwards
        std::size_t changed;
    };
    const std::string array = Ranges(
        "2 beginbfrange\n<0000> <0000> <0000>\n<0001> <0004> [<006F> <0072> <0009> <0064> ]\n"
        "endbfrange\n");
    const std::string arrayMended = Ranges(
        "2 beginbfrange\n<0000> <0000> <0000>\n<0001> <0004> [<006F> <0072> <0020> <0064> ]\n"
        "endbfrange\n");
    const std::string both =
        Ranges("1 beginbfrange\n<0001> <0003> [<0009> <0020> <0041> ]\nendbfrange\n");
    const std::string single = Ranges("1 beginbfrange\n<0003> <0003> <0009>\nendbfrange\n");
    const std::string run = Ranges("1 beginbfrange\n<0003> <0004> <0009>\nendbfrange\n");
    const std::string chars = Ranges("2 beginbfchar\n<0009> <0041>\n<0003> <0009>\nendbfchar\n");
    const std::string charsMended =
        Ranges("2 beginbfchar\n<0009> <0041>\n<0003> <0020>\nendbfchar\n");
    const Case cases[] = {
        {"in a range's list", Pdf(array), Pdf(arrayMended), 1},
        {"a map that has a space already", Pdf(both), Pdf(both), 0},
        {"a range of one glyph", Pdf(single),
         Pdf(Ranges("1 beginbfrange\n<0003> <0003> <0020>\nendbfrange\n")), 1},
        {"a run from a tab", Pdf(run), Pdf(run), 0},
        // Glyph 9 is a glyph, not a tab.
        {"single codes", Pdf(chars), Pdf(charsMended), 1},
        {"compressed", Pdf(array, " /Filter /FlateDecode"), Pdf(array, " /Filter /FlateDecode"), 0},
        {"not a ToUnicode map", Pdf(array, "", false), Pdf(array, "", false), 0},
        {"a length held elsewhere", Pdf(array, " 0 R").replace(Pdf(array).find("/Length"), 0, ""),
         Pdf(array, " 0 R"), 0},
        {"not a PDF", "nothing here", "nothing here", 0},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        std::string pdf = tc.pdf;
        EXPECT_EQ(MapTabGlyphsToSpaces(pdf), tc.changed);
        EXPECT_EQ(pdf, tc.expected);
    }
}

}  // namespace
}  // namespace ferdix
