#include "calc/allowance_table.h"

#include <gtest/gtest.h>

#include <set>

#include "base/cp1252.h"
#include "claim/ferdix_doc.h"
#include "support/fake_host.h"

namespace ferdix {
namespace {

TEST(AllowanceTable, CountOrRateRecomputesTheAmount) {
    AllowanceTable t;
    EXPECT_TRUE(t.Set(4, kCountColumn, 2.5f));
    EXPECT_TRUE(t.Set(4, kRateColumn, 100.0f));
    EXPECT_FLOAT_EQ(t.Value(4, kAmountColumn), 250.0f);
    EXPECT_EQ(t.ValueText(4, kCountColumn), "2,50");
    EXPECT_EQ(t.ValueText(4, kRateColumn), "100,00");
    EXPECT_EQ(t.ValueText(4, kAmountColumn), "250,00");
    t.Set(4, kCountColumn, 3.0f);
    EXPECT_EQ(t.ValueText(4, kCountColumn), "3");

    // A typed amount stands until count or rate changes.
    EXPECT_TRUE(t.Set(4, kAmountColumn, 1.0f));
    EXPECT_FLOAT_EQ(t.Value(4, kAmountColumn), 1.0f);
    EXPECT_FALSE(t.Set(4, kRateColumn, 100.0f));
    EXPECT_FLOAT_EQ(t.Value(4, kAmountColumn), 1.0f);
    t.Set(4, kRateColumn, 50.0f);
    EXPECT_FLOAT_EQ(t.Value(4, kAmountColumn), 150.0f);
}

TEST(AllowanceTable, ProductIsSinglePrecision) {
    AllowanceTable t;
    t.Set(15, kCountColumn, 333.3f);
    t.Set(15, kRateColumn, 3.65f);
    EXPECT_EQ(t.Value(15, kAmountColumn), 333.3f * 3.65f);
    EXPECT_NE(static_cast<double>(t.Value(15, kAmountColumn)),
              static_cast<double>(333.3f) * static_cast<double>(3.65f));
}

TEST(AllowanceTable, ZerosAndOutOfRangeShowEmpty) {
    AllowanceTable t;
    EXPECT_EQ(t.ValueText(0, kCountColumn), "");
    EXPECT_EQ(t.ValueText(0, kRateColumn), "");
    t.Set(0, kRateColumn, 0.04f);
    EXPECT_EQ(t.ValueText(0, kRateColumn), "");
    EXPECT_FALSE(t.Set(29, 0, 1.0f));
    EXPECT_FALSE(t.Set(0, 3, 1.0f));
    EXPECT_FALSE(t.Set(-1, 0, 1.0f));
    EXPECT_EQ(t.Value(29, 0), 0.0f);
    EXPECT_EQ(t.ValueText(3, 3), "");
}

TEST(AllowanceTable, TotalsCoverTheirLines) {
    AllowanceTable t;
    for (int line = 0; line < kAllowanceLineCount; ++line) {
        t.Set(line, kAmountColumn, static_cast<float>((1 << (line % 20)) + line));
    }
    double gross = 0;
    for (int line = 0; line <= 22; ++line)
        gross += t.Value(line, kAmountColumn);
    EXPECT_DOUBLE_EQ(t.GrossAllowances(), gross);
    EXPECT_DOUBLE_EQ(t.DeductionsTotal(), static_cast<double>(t.Value(23, 2)) + t.Value(24, 2) +
                                              t.Value(25, 2) + t.Value(27, 2));
    EXPECT_EQ(t.AdvanceAmount(), t.Value(28, 2));
}

TEST(AllowanceTable, LineDataMatchesTheForm) {
    EXPECT_EQ(kAllowanceLines[0].rateKey, "Admin godtgjøring"_cp);
    EXPECT_EQ(kAllowanceLines[26].rateKey, "Admin godtgjøring utenlands"_cp);
    EXPECT_EQ(kAllowanceLines[28].ttCode, "8020");
    EXPECT_EQ(kAllowanceLines[1].sdCode, "");
    EXPECT_EQ(kAllowanceLines[17].sdCode, "111");
}

class DocTotalsTest : public ::testing::Test {
  protected:
    DocTotalsTest() {
        doc.SetHost(&host);
        doc.SetTitle("Untitled");
    }
    test::FakeHost host;
    CFerdixDoc doc;
};

TEST_F(DocTotalsTest, EffectiveChangeMarksAndRefreshes) {
    doc.SetLineValue(4, kCountColumn, 2.0f);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(host.statusTexts.size(), 1u);
    doc.SetModified(false);
    doc.SetLineValue(4, kCountColumn, 2.0f);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(host.statusTexts.size(), 1u);
    doc.SetLineValue(30, kCountColumn, 2.0f);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocTotalsTest, NetAmountOnlyAdvance) {
    doc.SetLineValue(Advance, kAmountColumn, 500.0f);
    EXPECT_FLOAT_EQ(doc.Claim().NetAmount(), -500.0f);
    EXPECT_EQ(host.LastStatus(), "Beløp: -500,00"_cp);
}

TEST_F(DocTotalsTest, LineTwentySevenLowersTheNetAndLineTwentySixIsIgnored) {
    doc.SetLineValue(4, kCountColumn, 1.0f);
    doc.SetLineValue(4, kRateColumn, 445.0f);
    doc.SetLineValue(AdminAllowanceAbroadRate, kAmountColumn, 1000.0f);
    EXPECT_FLOAT_EQ(doc.Claim().NetAmount(), 445.0f);
    doc.SetLineValue(BoardLodgingDaysCovered, kAmountColumn, 45.0f);
    EXPECT_FLOAT_EQ(doc.Claim().NetAmount(), 400.0f);
}

TEST_F(DocTotalsTest, NetRoundsEachStepToSinglePrecision) {
    // Allowances sum in double; travel and outlays in float; each step of the net in float.
    doc.SetLineValue(0, kAmountColumn, 16777216.0f);
    doc.SetLineValue(1, kAmountColumn, 0.75f);
    doc.SetLineValue(2, kAmountColumn, 0.75f);
    auto outlay = std::make_unique<CExpenseLine>();
    outlay->SetAmount(0.5f);
    doc.AddOutlayLine(std::move(outlay));
    float t1 = 0.5f;
    auto t2 = static_cast<float>(16777216.0 + 0.75 + 0.75 + t1);
    EXPECT_EQ(doc.Claim().NetAmount(), t2);
    EXPECT_EQ(doc.Claim().NetAmount(), 16777218.0f);
}

}  // namespace
}  // namespace ferdix
