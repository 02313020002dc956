// The two banded listing reports, run from the listing list as the user
// runs them and drawn on the recording device: pages broken where the page
// is full, rules under every fifth listing, the count in the summary, the
// card report's layout kept on the paper, and no page for nothing.

#include "common/cp949.h"
#include "listings/tfmbu_lst.h"
#include "listings/tfmqronesheet1.h"
#include "listings/tfmqrparts1.h"
#include "reports/report_preview.h"
#include "tests/listings/listings_support.h"

#include <QApplication>
#include <QTableView>

#include <memory>

namespace {

using Op = RecordingPrintDevice::Op;

// Millimetres at the recording device's 600 dpi.
int dots(double mm) {
    return static_cast<int>(std::lround(mm * 600 / 25.4));
}
// Text width on the recording device: half the cell per CP949 byte.
int width(const QString& text, int pointSize) {
    return cp949ByteLength(text) * (pointsToDots(pointSize, 600) / 2);
}

class ListingReportsTest : public ListingsStoreTest {
protected:
    // Listings L01 … Ln, named N01 … Nn, with a price of 1,234,567 thousand.
    void addListings(int n) {
        for (int i = 1; i <= n; ++i) {
            const QString number = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
            sql(QStringLiteral(
                    "INSERT INTO budong (scancode, im, cname, cname1, tmprice, reqing, kwanggo, "
                    "memo1, memo2) VALUES (?, '매매', '아파트', ?, 1234567, 'Y', 'N', ?, ?)"),
                {QStringLiteral("L") + number, QStringLiteral("N") + number, QString(100, u'가'),
                 QStringLiteral("첫줄\n둘째줄")});
        }
    }
    std::unique_ptr<TFMbu_lst> openList() {
        auto form = std::make_unique<TFMbu_lst>();
        form->show();
        QApplication::setActiveWindow(form.get());
        return form;
    }
    static std::vector<int> linesOnPage(const RecordingPrintDevice& device, int page) {
        std::vector<int> ys;
        for (const Op& op : device.opsOnPage(Op::Line, page))
            ys.push_back(op.a.y());
        return ys;
    }
    static int pageOf(const RecordingPrintDevice& device, const QString& text) {
        return device.findText(text).page;
    }
};

TEST_F(ListingReportsTest, FullReportBreaksPagesWhereTheyAreFullAndCountsEveryListing) {
    addListings(41);
    auto list = openList();
    clickOn(*list, "BTallprt");
    EXPECT_EQ(rows(QStringLiteral("all_list")), 41);
    ASSERT_EQ(dlg().previewed.size(), 1u);
    const RecordingPrintDevice& device = *dlg().previewed.front();
    EXPECT_EQ(device.orientation(), PrintDevice::Orientation::Landscape);
    // A4 landscape between 10 mm margins holds the 23.3 mm page header and
    // eighteen 9.0 mm listings: 18, 18 and 5 listings.
    EXPECT_EQ(device.pageCount(), 3);
    EXPECT_EQ(pageOf(device, QStringLiteral("N18")), 1);
    EXPECT_EQ(pageOf(device, QStringLiteral("N19")), 2);
    EXPECT_EQ(pageOf(device, QStringLiteral("N36")), 2);
    EXPECT_EQ(pageOf(device, QStringLiteral("N37")), 3);
    EXPECT_EQ(pageOf(device, QStringLiteral("N41")), 3);
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        int headings = 0, fills = 0;
        for (const Op& op : device.opsOnPage(Op::Text, page))
            headings += op.text == QStringLiteral("물 건 리 스 트");
        for (const Op& op : device.opsOnPage(Op::Fill, page))
            fills += op.text == QStringLiteral("#ccce7d");
        EXPECT_EQ(headings, 1);
        EXPECT_EQ(fills, 6) << "the first six column titles on their colour";
    }

    const int left = dots(10);
    const int firstRow = dots(10) + dots(23.3);
    const int row = dots(9.0);
    EXPECT_EQ(device.findText(QStringLiteral("[ 구분:전체/분류:전체/지역: ]")).a,
              QPoint(left + dots(3.4), dots(10) + dots(7.1)));
    EXPECT_EQ(device.findText(QStringLiteral("N01")).a,
              QPoint(left + dots(50.0), firstRow + dots(0.3)));
    EXPECT_EQ(device.findText(QStringLiteral("1,234,567")).a,
              QPoint(left + dots(251.1) + dots(23.8) - width(QStringLiteral("1,234,567"), 9),
                     firstRow + dots(0.3)));
    // Rules under listings 5, 10, 15 (page 1), 20, 25, 30, 35 (page 2) and
    // 40 (page 3); the summary has its lines above and below.
    EXPECT_EQ(linesOnPage(device, 1),
              (std::vector<int>{firstRow + 5 * row, firstRow + 10 * row, firstRow + 15 * row}));
    EXPECT_EQ(linesOnPage(device, 2), (std::vector<int>{firstRow + 2 * row, firstRow + 7 * row,
                                                        firstRow + 12 * row, firstRow + 17 * row}));
    const int summary = firstRow + 5 * row;
    EXPECT_EQ(linesOnPage(device, 3),
              (std::vector<int>{firstRow + 4 * row, summary, summary + dots(5.3)}));
    const Op count = device.findText(QStringLiteral("41"));
    EXPECT_EQ(count.page, 3);
    EXPECT_EQ(count.a, QPoint(left + dots(245.3) + dots(21.7) - width(QStringLiteral("41"), 10),
                              summary + dots(0.8)));
    EXPECT_EQ(device.opsOnPage(Op::Fill, 3).last().text, QStringLiteral("#ffff00"));

    // all_list without rows prints no page: the user is told, no preview.
    sql(QStringLiteral("DELETE FROM all_list"));
    dlg().reset();
    TFMqrparts1 empty;
    empty.run();
    EXPECT_EQ(dlg().texts(), QStringList{emptyReportMessage()});
    EXPECT_TRUE(dlg().previewed.empty());
    EXPECT_FALSE(empty.QRparts.isOpen());
}

TEST_F(ListingReportsTest, CardReportPrintsTheSelectedListingOnOnePortraitPageInsideThePaper) {
    addListings(3);
    auto list = openList();
    auto* grid = child<QTableView>(*list, "DBGrid1");
    grid->selectionModel()->setCurrentIndex(
        grid->model()->index(1, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    clickOn(*list, "BTprint1");
    ASSERT_EQ(dlg().previewed.size(), 1u);
    const RecordingPrintDevice& device = *dlg().previewed.front();
    EXPECT_EQ(device.orientation(), PrintDevice::Orientation::Portrait);
    EXPECT_EQ(device.pageCount(), 1);
    EXPECT_EQ(device.findText(QStringLiteral("N02")).kind, Op::Text);
    EXPECT_EQ(device.findText(QStringLiteral("N01")).kind, Op::Begin);
    EXPECT_EQ(device.findText(QStringLiteral("평당가격")).kind, Op::Text);
    EXPECT_EQ(device.findText(QStringLiteral("평강가격")).kind, Op::Begin);

    // Left margin 10 mm, top 0, right 3 mm. The three boxes are 199.2 mm wide
    // from 4.2 mm, past the paper's edge: they end at the right margin.
    const int left = dots(10);
    const int right = 4961 - dots(3);
    const QList<Op> boxes = device.ops(Op::Rect);
    ASSERT_EQ(boxes.size(), 3);
    const double tops[] = {35.5, 52.4, 102.9};
    const double heights[] = {17.2, 51.1, 17.2};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(boxes[i].a, QPoint(left + dots(4.2), dots(tops[i])));
        EXPECT_EQ(boxes[i].b, QPoint(right, dots(tops[i]) + dots(heights[i])));
    }
    EXPECT_EQ(device.findText(QStringLiteral("물 건  카 드")).a,
              QPoint(left + dots(78.3), dots(3.4)));
    const Op price = device.findText(QStringLiteral("1,234,567"));
    EXPECT_EQ(price.a,
              QPoint(left + dots(36.0) + dots(27.8) - width(QStringLiteral("1,234,567"), 10),
                     dots(61.4)));
    EXPECT_EQ(price.font, (PrintDevice::FontSpec{QStringLiteral("바탕체"), 10, true}));
    EXPECT_EQ(device.findText(QStringLiteral("임대/매매가")).font,
              (PrintDevice::FontSpec{QStringLiteral("굴림체"), 10, true}));

    // Memo1 (97.6 mm: 56 bytes a line) wraps its hundred syllables into four
    // lines; Memo2 keeps its own line breaks.
    QStringList memoLines;
    for (const Op& op : device.ops(Op::Text)) {
        if (op.text.startsWith(u'가')) memoLines.append(op.text);
    }
    EXPECT_EQ(memoLines, (QStringList{QString(28, u'가'), QString(28, u'가'), QString(28, u'가'),
                                      QString(16, u'가')}));
    EXPECT_EQ(device.findText(QStringLiteral("둘째줄")).a,
              QPoint(left + dots(105.8), dots(125.4) + pointsToDots(10, 600)));

    // A listing that has gone prints no page.
    dlg().reset();
    TFMqrOneSheet1 missing;
    missing.setScancode(QStringLiteral("NONE"));
    missing.run();
    EXPECT_EQ(dlg().texts(), QStringList{emptyReportMessage()});
    EXPECT_TRUE(dlg().previewed.empty());
}

}  // namespace
