#include "listings/listing_reports.h"

namespace {

using Font = PrintDevice::FontSpec;

const QString kGulim = QStringLiteral("굴림체");
const QString kBatang = QStringLiteral("바탕체");
const QString kAmountMask = QStringLiteral("###,###");
const QColor kTitleBackground(204, 206, 125);

Font font(const QString& name, int size, bool bold, bool underline = false) {
    return Font{name, size, bold, false, underline};
}

// Listing report: the page header's heading, stamp and condition, the frame
// and the two rows of column titles.
void addListHeader(Report& report, const QString& condition) {
    ReportBand& header = report.addBand(BandKind::PageHeader, 23.3);
    header.add(ItemKind::Label, QStringLiteral("물 건 리 스 트"), {114.3, 0.3, 43.7, 0},
               font(kGulim, 16, true, true));
    header.add(ItemKind::DateTime, {}, {214.6, 4.0, 59.5, 0}, font(kGulim, 10, true),
               Alignment::Right);
    header.add(ItemKind::Label, QStringLiteral("Page :"), {229.7, 8.2, 13.2, 0},
               font(kGulim, 10, true));
    header.add(ItemKind::PageNumber, {}, {260.6, 8.2, 13.5, 0}, font(kGulim, 10, true),
               Alignment::Right);
    header.add(ItemKind::Label, condition, {3.4, 7.1, 157.7, 0}, font(kGulim, 11, true)).text =
        condition;
    header.add(ItemKind::Shape, {}, {0.3, 12.2, 276.5, 11.1}, {});

    const struct {
        const char* text;
        double x;
        double y;
    } titles[] = {
        {"구분", 3.7, 13.2},       {"분류", 20.6, 13.2},          {"부동산명", 50.3, 13.2},
        {"주  소", 84.1, 13.2},    {"대지평", 146.8, 13.2},       {"건평", 167.0, 13.2},
        {"평당가격", 202.7, 13.2}, {"평당임대가", 228.9, 13.2},   {"매매가", 264.6, 13.2},
        {"소유주", 3.7, 17.5},     {"소유주집전화", 20.6, 17.5},  {"휴대폰", 50.3, 17.5},
        {"회사전화", 84.1, 17.5},  {"임차인", 143.4, 17.5},       {"임차집전화", 160.3, 17.5},
        {"층수", 181.5, 17.5},     {"임차휴대전화", 192.1, 17.5}, {"융자금", 235.2, 17.5},
        {"준공일", 251.4, 17.5},
    };
    int count = 0;
    for (const auto& title : titles) {
        ReportItem& item = header.add(ItemKind::Label, QString::fromUtf8(title.text),
                                      {title.x, title.y, 0, 0}, font(kGulim, 9, false));
        if (count++ < 6) item.background = kTitleBackground;
    }
}

void addListDetail(Report& report) {
    ReportBand& detail = report.addBand(BandKind::Detail, 9.0);
    const struct {
        const char* field;
        double x;
        double width;
        int line;
        bool amount;
        bool right;
    } fields[] = {
        {"im", 3.4, 13.8, 1, false, false},        {"cname", 20.4, 26.5, 1, false, false},
        {"cname1", 50.0, 31.8, 1, false, false},   {"addr", 83.9, 56.1, 1, false, false},
        {"dpung", 143.1, 13.8, 1, true, true},     {"gpung", 160.1, 13.8, 1, true, true},
        {"stair", 177.0, 11.6, 1, false, true},    {"mpricepp", 191.8, 23.8, 1, true, true},
        {"pricepp", 221.5, 23.8, 1, true, true},   {"tmprice", 251.1, 23.8, 1, true, true},
        {"name", 3.4, 13.8, 2, false, false},      {"htel", 20.4, 26.5, 2, false, false},
        {"hphone", 50.0, 26.5, 2, false, false},   {"otel", 83.9, 26.5, 2, false, false},
        {"name1", 143.1, 13.8, 2, false, false},   {"htel1", 160.1, 26.5, 2, false, false},
        {"hphone1", 191.8, 26.5, 2, false, false}, {"rendmoney", 221.5, 23.8, 2, false, true},
        {"gdfirst", 251.1, 20.1, 2, false, false},
    };
    for (const auto& f : fields) {
        ReportItem& item =
            detail.add(ItemKind::Field, QString::fromLatin1(f.field),
                       {f.x, f.line == 1 ? 0.3 : 4.5, f.width, 3.7}, font(kGulim, 9, false),
                       f.right ? Alignment::Right : Alignment::Left);
        if (f.amount) item.mask = kAmountMask;
    }
}

void addListSummary(Report& report) {
    ReportBand& summary = report.addBand(BandKind::Summary, 5.3);
    summary.lineAbove = true;
    summary.lineBelow = true;
    summary.background = Qt::yellow;
    summary.add(ItemKind::Label, QStringLiteral("총상품수 :"), {220.1, 0.8, 0, 0},
                font(kGulim, 10, true));
    summary.add(ItemKind::Count, {}, {245.3, 0.8, 21.7, 0}, font(kGulim, 10, true),
                Alignment::Right);
}

// Property card report: one caption and its value.
struct CardValue {
    const char* field;
    double x;
    double width;
    bool amount;
};

void addCardRow(ReportBand& band, double y,
                std::initializer_list<std::pair<const char*, double>> captions,
                std::initializer_list<CardValue> values) {
    for (const auto& [text, x] : captions)
        band.add(ItemKind::Label, QString::fromUtf8(text), {x, y, 0, 0}, font(kGulim, 10, true));
    for (const CardValue& v : values) {
        ReportItem& item =
            band.add(ItemKind::Field, QString::fromLatin1(v.field), {v.x, y, v.width, 0},
                     font(kBatang, 10, true), v.amount ? Alignment::Right : Alignment::Left);
        if (v.amount) item.mask = kAmountMask;
    }
}

}  // namespace

QString listingReportCondition(const QString& im, const QString& cname, const QString& addr) {
    return QStringLiteral("[ 구분:") + im + QStringLiteral("/분류:") + cname +
           QStringLiteral("/지역:") + addr + QStringLiteral(" ]");
}

Report listingListReport(const QString& condition) {
    Report report;
    report.title = QStringLiteral("물 건 리 스 트");
    report.page = ReportPage{PrintDevice::Orientation::Landscape, 10, 10, 10, 10};
    addListHeader(report, condition);
    addListDetail(report);
    addListSummary(report);
    report.beforeDetail = [](DetailEvent& event) {
        event.lineBelow = event.rowNumber != 0 && event.rowNumber % 5 == 0;
    };
    return report;
}

Report propertyCardReport() {
    Report report;
    report.title = QStringLiteral("물 건  카 드");
    report.page = ReportPage{PrintDevice::Orientation::Portrait, 10, 0, 3, 10};
    ReportBand& band = report.addBand(BandKind::PageHeader, 178.3);
    for (const auto& [y, height] : {std::pair{35.5, 17.2}, {52.4, 51.1}, {102.9, 17.2}})
        band.add(ItemKind::Shape, {}, {4.2, y, 199.2, height}, {});
    band.add(ItemKind::Label, QStringLiteral("물 건  카 드"), {78.3, 3.4, 0, 0},
             font(kGulim, 22, true, true));
    // The stamp ends at the right margin, the page number under it.
    band.add(ItemKind::DateTime, {}, {150.0, 8.2, 47.0, 0}, font(kBatang, 9, false),
             Alignment::Right);
    band.add(ItemKind::Label, QStringLiteral("Page :"), {177.3, 12.4, 0, 0},
             font(kBatang, 9, false));
    band.add(ItemKind::PageNumber, {}, {189.7, 12.4, 0, 0}, font(kBatang, 9, false));

    constexpr double kValue = 27.8;
    addCardRow(band, 20.6, {{"접수일", 19.6}}, {{"inday", 36.0, kValue, false}});
    addCardRow(band, 27.8, {{"구분", 23.5}, {"분류", 84.1}, {"부동산명", 133.3}},
               {{"Im", 36.0, kValue, false},
                {"Cname", 95.2, kValue, false},
                {"Cname1", 152.4, 40.5, false}});
    addCardRow(band, 37.3, {{"소유주", 19.6}, {"전화", 84.1}},
               {{"name", 36.0, kValue, false},
                {"htel", 95.2, 34.1, false},
                {"hphone", 133.3, 34.1, false}});
    addCardRow(band, 42.6, {{"주소", 23.5}}, {{"addr", 36.0, 87, false}});
    addCardRow(band, 47.6, {}, {{"addr1", 36.0, 87, false}});
    addCardRow(band, 56.4, {{"대지", 23.5}, {"건평", 84.1}},
               {{"dpung", 36.0, kValue, true}, {"gpung", 95.2, kValue, true}});
    addCardRow(band, 61.4, {{"임대/매매가", 9.5}, {"평당가격", 76.2}, {"평당임대료", 141.8}},
               {{"tmprice", 36.0, kValue, true},
                {"mpricepp", 95.2, kValue, true},
                {"Pricepp", 165.1, 23.5, true}});
    addCardRow(band, 66.9, {{"건물명", 19.6}, {"지목", 84.1}},
               {{"Buildname", 36.0, kValue, false}, {"duse", 95.2, kValue, false}});
    addCardRow(band, 72.5, {{"시설", 23.5}, {"건물층수", 76.2}},
               {{"guse", 36.0, kValue, false}, {"stair", 95.2, kValue, false}});
    addCardRow(band, 82.0, {{"융자", 23.5}, {"준공일", 80.2}, {"증축일", 149.8}},
               {{"Rendmoney", 36.0, kValue, true},
                {"Gdfirst", 95.2, kValue, false},
                {"Gdsecond", 165.1, 23.5, false}});
    addCardRow(band, 87.3, {{"보증금", 19.6}, {"월세금", 80.2}, {"권.비품비", 143.7}},
               {{"Ensurem", 36.0, kValue, true},
                {"Monthm", 95.2, kValue, true},
                {"Tbipumm", 165.1, 23.5, true}});
    addCardRow(band, 92.6, {{"임대합계", 15.6}, {"임대일", 80.2}, {"계약만료일", 141.8}},
               {{"Totalm", 36.0, kValue, true},
                {"Ipjuday", 95.2, kValue, false},
                {"Expireday", 165.1, 23.5, false}});
    addCardRow(band, 97.9, {{"중도금일자", 11.6}, {"잔금일자", 76.2}},
               {{"midDay", 36.0, kValue, false}, {"lastDay", 95.2, kValue, false}});
    addCardRow(band, 105.3, {{"임차인", 19.6}, {"전화", 84.1}},
               {{"name1", 36.0, kValue, false},
                {"htel1", 95.2, 34.1, false},
                {"hphone1", 133.3, 34.1, false}});
    addCardRow(band, 113.8, {{"비품내역", 15.6}}, {{"Bipum", 36.0, 87, false}});
    band.add(ItemKind::RichText, QStringLiteral("Memo1"), {4.2, 125.4, 97.6, 36.2},
             font(kBatang, 10, true));
    band.add(ItemKind::RichText, QStringLiteral("Memo2"), {105.8, 125.4, 97.6, 36.2},
             font(kBatang, 10, true));
    return report;
}
