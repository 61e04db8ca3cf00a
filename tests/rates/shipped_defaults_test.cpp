#include <gtest/gtest.h>

#include <string>

#include "base/cp1252.h"
#include "claim/ferdix_doc.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

FileLocations ShippedFiles() {
    return LocateFiles(std::string(FERDIX_RESOURCES_DIR) + "/ferdix", "");
}

TEST(ShippedDefaults, FilesHaveWindows1252BytesAndCrLfLines) {
    FileLocations files = ShippedFiles();
    for (const std::string& path : {files.sharedFerdixIni.at(0), files.sharedLandIni.at(0)}) {
        SCOPED_TRACE(path);
        std::string bytes = test::ReadFile(path);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
            }
        }
        EXPECT_EQ(bytes.find("\xC3"), std::string::npos) << "UTF-8 in the file";
    }
}

TEST(ShippedDefaults, DocumentLoadsTheDomesticRates) {
    FileLocations files = ShippedFiles();
    CFerdixDoc doc(DefaultClock(), &files);
    EXPECT_EQ(doc.Rates().m_strRatesFrom, "01.03.2010");
    const float expected[kRateCount] = {60,   155, 175, 270, 445, 0,   0,      0,    580,
                                        0,    0,   400, 0,   0,   0,   3.65f,  3.0f, 0,
                                        0.9f, 0,   0,   0,   0,   175, 222.5f, 0};
    for (int i = 0; i < kRateCount; ++i) {
        EXPECT_FLOAT_EQ(doc.Rates().m_rates.Entry(i).value, expected[i])
            << doc.Rates().m_rates.Entry(i).key;
        EXPECT_FLOAT_EQ(doc.Rates().m_rates.Configured(i), expected[i]);
    }
}

TEST(ShippedDefaults, DocumentLoadsTheCountries) {
    FileLocations files = ShippedFiles();
    CFerdixDoc doc(DefaultClock(), &files);
    EXPECT_EQ(doc.Rates().m_strAbroadRatesFrom, "01.01.2011");
    ASSERT_EQ(doc.Rates().m_countries.size(), 61u);
    EXPECT_EQ(doc.Rates().m_countries.front().name, "Algerie");
    EXPECT_EQ(doc.Rates().m_countries.back().name, "Mexico");
    struct Known {
        std::string_view name;
        int perDiem;
    };
    const Known known[] = {{"Angola", 1000},
                           {"Sør-Afrika"_cp, 500},
                           {"Cape Town", 520},
                           {"Øvrige områder i Afrika"_cp, 560},
                           {"Den dominikanske republikk", 450},
                           {"Rio de Janeiro", 1000},
                           {"Canada", 790}};
    for (const Known& k : known) {
        const CountryRate* c = FindCountry(doc.Rates().m_countries, k.name);
        ASSERT_NE(c, nullptr) << Cp1252ToUtf8(k.name);
        EXPECT_EQ(c->perDiemRate, k.perDiem);
    }
    for (const CountryRate& c : doc.Rates().m_countries) {
        EXPECT_EQ(c.nightRate, 0) << c.name;
        EXPECT_GT(c.perDiemRate, 0) << c.name;
    }
}

TEST(DocumentFiles, MissingFilesGiveZeroRatesAndTheRatesSaveCreatesTheFile) {
    test::TempFolder dir;
    FileLocations files = LocateFiles(dir.File("ferdix"), dir.File("user"));
    CFerdixDoc doc(DefaultClock(), &files);
    EXPECT_TRUE(doc.Rates().m_countries.empty());
    CFerdixDoc withoutFiles;
    withoutFiles.Rates().m_rates.SetValueForKey("Bil under 9000km", 4.0f);
    EXPECT_FALSE(SaveRates(withoutFiles).ok);  // a document without files saves nowhere
    for (int i = 0; i < kRateCount; ++i) {
        EXPECT_EQ(doc.Rates().m_rates.Entry(i).value, 0.0f);
    }
    doc.Rates().m_rates.SetValueForKey("Bil under 9000km", 4.0f);
    ASSERT_TRUE(SaveRates(doc).ok);
    CFerdixDoc next(DefaultClock(), &files);
    EXPECT_FLOAT_EQ(next.Rates().m_rates.Entry(15).value, 4.0f);
}

}  // namespace
}  // namespace ferdix
