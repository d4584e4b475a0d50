// The printed grand total: "R$ ", two decimals after a comma, rounded from the decimal the
// user sees rather than from the binary number.
#include <gtest/gtest.h>

#include "field_kind.h"
#include "invoice_layout.h"
#include "invoice_rows.h"
#include "invoice_total.h"
#include "report_producer.h"

using namespace report;
using namespace report_testing;

namespace {

struct TotalCase {
    double sum;
    const char* printed;
};

class TotalText : public ::testing::TestWithParam<TotalCase> {};

TEST_P(TotalText, IsWrittenWithCommaAndTwoDecimals) {
    EXPECT_EQ(invoiceTotalText(GetParam().sum), QString::fromUtf8(GetParam().printed));
}

INSTANTIATE_TEST_SUITE_P(Sums, TotalText,
                         ::testing::Values(TotalCase{150, "R$ 150,00"}, TotalCase{31.5, "R$ 31,50"},
                                           TotalCase{1500, "R$ 1500,00"}, TotalCase{0.25, "R$ 0,25"},
                                           TotalCase{-2.5, "R$ -2,50"},
                                           TotalCase{1.005, "R$ 1,01"},
                                           TotalCase{-0.001, "R$ 0,00"}),
                         [](const ::testing::TestParamInfo<TotalCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

// The handler reads the box's text, which is in the user's locale whichever it is.
TEST(TotalHandler, ReadsTheBoxTextInEitherLocale) {
    QString dotted = fieldtext::formatGeneral(31.5, LocaleSettings::current());
    writeInvoiceTotal(dotted);
    EXPECT_EQ(dotted, "R$ 31,50");

    BrazilianNumbers brazil;
    QString comma = fieldtext::formatGeneral(1234.5, LocaleSettings::current());
    ASSERT_EQ(comma, "1234,5");
    writeInvoiceTotal(comma);
    EXPECT_EQ(comma, "R$ 1234,50");
}

TEST(TotalHandler, PrintsTheSumAsTheUserSeesIt) {
    ASSERT_TRUE(QString::number(1.005, 'f', 20).startsWith("1.00499999"));  // what is held
    InvoiceRows rows(1, {{1, "Clipe", 1.005}});
    const ReportDocument document =
        produceDocument(invoiceLayout(), rows, {{kTotalBoxName, &writeInvoiceTotal}});
    ASSERT_EQ(document.pages.size(), 1u);
    const Page& page = document.pages[0];
    const int summary = static_cast<int>(page.bands.size()) - 2;
    ASSERT_EQ(page.bands[summary].kind, BandKind::Summary);
    EXPECT_EQ(page.texts(summary), QStringList{"R$ 1,01"});
}

}  // namespace
