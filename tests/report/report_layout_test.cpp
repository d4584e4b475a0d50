// Laying out the invoice report: which bands land on which page, what each prints, the fit
// rule at the bottom of the page and the empty case.
#include <gtest/gtest.h>

#include "invoice_layout.h"
#include "invoice_rows.h"
#include "invoice_total.h"
#include "report_producer.h"

using namespace report;
using namespace report_testing;

namespace {

ReportDocument produceInvoice(InvoiceRows rows) {
    return produceDocument(invoiceLayout(), rows, {{kTotalBoxName, &writeInvoiceTotal}});
}

std::vector<int> bandIndexes(const Page& page, BandKind kind) {
    std::vector<int> found;
    for (int i = 0; i < static_cast<int>(page.bands.size()); ++i)
        if (page.bands[i].kind == kind) found.push_back(i);
    return found;
}

TEST(InvoiceReport, PrintsThreeItemsAndTheirTotal) {
    BrazilianNumbers brazil;
    const ReportDocument document = produceInvoice(
        InvoiceRows(7, {{1, "Caderno", 10.00}, {2, "Caneta", 2.50}, {4, "Borracha", 1.25}}));

    ASSERT_EQ(document.pages.size(), 1u);
    const Page& page = document.pages[0];
    const std::vector<int> title = bandIndexes(page, BandKind::Title);
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(page.texts(title[0]), (QStringList{"Nota Fiscal", "7"}));
    const std::vector<int> header = bandIndexes(page, BandKind::ColumnHeader);
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(page.texts(header[0]),
              (QStringList{"Unidade", "Quantidade", "Descricao", "Vlr Unitário", "Total"}));

    const std::vector<int> details = bandIndexes(page, BandKind::Detail);
    ASSERT_EQ(details.size(), 3u);
    EXPECT_EQ(page.texts(details[0]), (QStringList{"1", "Caderno", "R$ 10,00", "10"}));
    EXPECT_EQ(page.texts(details[1]), (QStringList{"2", "Caneta", "R$ 2,50", "5"}));
    EXPECT_EQ(page.texts(details[2]), (QStringList{"4", "Borracha", "R$ 1,25", "5"}));

    const std::vector<int> summary = bandIndexes(page, BandKind::Summary);
    ASSERT_EQ(summary.size(), 1u);
    EXPECT_EQ(page.texts(summary[0]), QStringList{"R$ 20,00"});
    EXPECT_EQ(page.bands.back().kind, BandKind::PageFooter);
    EXPECT_EQ(page.bands.back().top, mm(262.26));
}

TEST(InvoiceReport, LeavesTheUnidadeColumnBlank) {
    const ReportDocument document = produceInvoice(InvoiceRows(1, manyItems(3)));
    const Page& page = document.pages[0];
    const Length unidadeLeft = mm(10.0) + mm(6.35);
    for (int band : bandIndexes(page, BandKind::Detail)) {
        for (const Primitive& item : page.items) {
            if (item.band != band) continue;
            EXPECT_NE(item.area.left, unidadeLeft) << item.text.toStdString();
        }
    }
}

// Each box paints its area white before its text; a description running into the unit-price
// box is cut off where that box starts.
TEST(InvoiceReport, ClipsALongDescriptionAtTheUnitPriceBox) {
    const QString longText = QString("Descricao muito longa ").repeated(8);
    const ReportDocument document = produceInvoice(InvoiceRows(1, {{1, longText, 1}}));
    const Page& page = document.pages[0];
    const int detail = bandIndexes(page, BandKind::Detail).at(0);
    int seen = 0;
    for (const Primitive& item : page.items) {
        if (item.band == detail && item.kind == Primitive::Kind::Text && item.text == longText) {
            EXPECT_EQ(item.clip.right(), mm(10.0) + mm(112.18));
            ++seen;
        }
    }
    EXPECT_EQ(seen, 1);
}

TEST(InvoiceReport, WithoutRowsPrintsTitleABlankLineAndTheSummary) {
    const ReportDocument document = produceInvoice(InvoiceRows(99, {}));
    ASSERT_EQ(document.pages.size(), 1u);
    const Page& page = document.pages[0];
    std::vector<BandKind> kinds;
    for (const PlacedBand& band : page.bands) kinds.push_back(band.kind);
    EXPECT_EQ(kinds, (std::vector<BandKind>{BandKind::Title, BandKind::Detail, BandKind::Summary,
                                            BandKind::PageFooter}));
    EXPECT_EQ(page.texts(), QStringList{"Nota Fiscal"});  // no number, no headings, no total
}

// The detail line fits while its height is below the room left above the page footer; every
// further page starts with the headings; the summary moves on when it does not fit.
struct PagingCase {
    int items;
    std::vector<int> detailsPerPage;
    int summaryPage;
};

class Paging : public ::testing::TestWithParam<PagingCase> {};

TEST_P(Paging, PlacesBandsOnPages) {
    const PagingCase& expected = GetParam();
    const ReportDocument document = produceInvoice(InvoiceRows(1, manyItems(expected.items)));

    ASSERT_EQ(document.pages.size(), expected.detailsPerPage.size());
    for (std::size_t p = 0; p < document.pages.size(); ++p) {
        const Page& page = document.pages[p];
        SCOPED_TRACE("page " + std::to_string(p + 1));
        EXPECT_EQ(page.countBands(BandKind::Title), p == 0 ? 1 : 0);
        EXPECT_EQ(page.countBands(BandKind::ColumnHeader), 1);
        EXPECT_EQ(page.bands[p == 0 ? 1 : 0].kind, BandKind::ColumnHeader);
        EXPECT_EQ(page.countBands(BandKind::Detail), expected.detailsPerPage[p]);
        EXPECT_EQ(page.countBands(BandKind::Summary), int(p) + 1 == expected.summaryPage ? 1 : 0);
        EXPECT_EQ(page.bands.back().kind, BandKind::PageFooter);
        EXPECT_EQ(page.bands.back().top, mm(262.26));
        for (const PlacedBand& band : page.bands) {
            if (band.kind == BandKind::PageFooter) continue;
            EXPECT_LE(band.top + band.height, mm(262.26));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ItemCounts, Paging,
    ::testing::Values(PagingCase{38, {38}, 1}, PagingCase{39, {39, 0}, 2},
                      PagingCase{79, {39, 40}, 2}, PagingCase{80, {39, 41, 0}, 3},
                      PagingCase{81, {39, 41, 1}, 3}),
    [](const ::testing::TestParamInfo<PagingCase>& info) {
        return std::to_string(info.param.items) + "Items";
    });

}  // namespace
