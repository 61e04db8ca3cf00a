#include <gtest/gtest.h>

#include "claim/ferdix_doc.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

TEST(DocumentFiles, WithoutLocationsNothingIsLoaded) {
    CFerdixDoc doc;
    EXPECT_EQ(doc.Files(), nullptr);
    EXPECT_TRUE(doc.m_countries.empty());
    EXPECT_EQ(doc.m_rates.Entry(kRateAdmin).value, 0.0f);
    EXPECT_EQ(doc.m_strRatesFrom, "");
    EXPECT_FALSE(SaveRates(doc).ok);
}

TEST(DocumentFiles, MissingFilesGiveEmptyListsAndZeroRates) {
    test::TempFolder dir;
    FileLocations files = LocateFiles(dir.File("ferdix"), dir.File("user"));
    CFerdixDoc doc(DefaultClock(), &files);
    ASSERT_NE(doc.Files(), nullptr);
    EXPECT_EQ(doc.Files()->landIni, files.landIni);
    EXPECT_TRUE(doc.m_countries.empty());
    EXPECT_EQ(doc.m_strAbroadRatesFrom, "");
    for (int i = 0; i < kRateCount; ++i) {
        EXPECT_EQ(doc.m_rates.Entry(i).value, 0.0f);
    }
    // The rates dialog's save creates the file.
    doc.m_rates.SetValueForKey("Bil under 9000km", 4.0f);
    ASSERT_TRUE(SaveRates(doc).ok);
    CFerdixDoc next(DefaultClock(), &files);
    EXPECT_FLOAT_EQ(next.m_rates.Entry(15).value, 4.0f);
}

}  // namespace
}  // namespace ferdix
