// The diary's month on paper, drawn on the recording device, and the cutting
// of day boxes shared with the screen.

#include "tests/support/recording_print_device.h"
#include "tests/support/store_fixture.h"
#include "tools/diary_entries.h"
#include "tools/diary_month_layout.h"
#include "tools/diary_month_print.h"
#include "tools/tfmdiary.h"

#include <QPushButton>
#include <QTest>

namespace {
// One unit per character, as a fixed-pitch font.
int characters(const QString& text) {
    return static_cast<int>(text.size());
}
}  // namespace

TEST(DiaryMonthLayout, WeeksAndBoxLines) {
    struct Month {
        int year;
        int month;
        QDate first;
        int weeks;
    };
    for (const Month& m :
         {Month{2026, 12, QDate(2026, 11, 29), 5},
          Month{2015, 2, QDate(2015, 2, 1), 4},  // Sunday the 1st, 28 days
          Month{2026, 8, QDate(2026, 7, 26), 6}, Month{2027, 5, QDate(2027, 4, 25), 6}}) {
        EXPECT_EQ(firstShownDay(m.year, m.month), m.first) << m.year << "-" << m.month;
        EXPECT_EQ(weeksShown(m.year, m.month), m.weeks) << m.year << "-" << m.month;
    }

    struct Box {
        QStringList entries;
        int maxLines;
        int width;
        QStringList lines;
    };
    const QString emoji = QString::fromUtf8("약속\xF0\x9F\x93\x85확인");  // a surrogate pair inside
    const Box boxes[] = {
        {{QStringLiteral("계약"), QStringLiteral("잔금")},
         2,
         5,
         {QStringLiteral("계약"), QStringLiteral("잔금")}},
        {{QStringLiteral("중도금 매매 아파트")}, 3, 6, {QStringLiteral("중도금 매…")}},
        {{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")},
         3,
         10,
         {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("… 외 2건")}},
        {{QStringLiteral("a"), QStringLiteral("b")}, 1, 10, {QStringLiteral("… 외 2건")}},
        {{QStringLiteral("a")}, 0, 10, {}},
        {{emoji}, 1, 4, {QStringLiteral("약속…")}},
        {{emoji}, 1, 5, {emoji.left(4) + QStringLiteral("…")}},
        {{QStringLiteral("abc")}, 1, 0, {QString()}},
    };
    for (const Box& box : boxes) {
        EXPECT_EQ(dayBoxLines(box.entries, box.maxLines, box.width, characters), box.lines)
            << box.entries.join(u'|').toStdString() << " in " << box.width;
    }
}

class DiaryPrintTest : public StoreTest {};

// A4 landscape at 600 dpi is 7016 × 4961 dots, 24 dots a millimetre. The
// month lies 5 mm inside the printable area: the heading at the top, 12 mm
// below it the weekday row (7 mm), then five weeks of boxes 968 dots wide
// and 853 high.
TEST_F(DiaryPrintTest, OneMonthOnALandscapePageWithEachDaysEntriesInItsBox) {
    DiaryMonthPage page{2026, 12, {}};
    page.entries[QDate(2026, 12, 8)] = {QStringLiteral("중도금 매매  아파트"),
                                        QStringLiteral("중도금 매매  근린생활시설건물임")};
    for (int i = 1; i <= 12; ++i)
        page.entries[QDate(2026, 12, 9)].append(QStringLiteral("약속 %1").arg(i));
    page.entries[QDate(2026, 11, 30)] = {QStringLiteral("지난달")};

    RecordingPrintDevice device;
    printDiaryMonth(device, page);
    EXPECT_EQ(device.jobsBegun(), 1);
    EXPECT_EQ(device.jobsEnded(), 1);
    EXPECT_EQ(device.pageCount(), 1);
    EXPECT_EQ(device.orientation(), PrintDevice::Orientation::Landscape);
    EXPECT_EQ(device.jobTitle(), QStringLiteral("큰달력 2026년 12월"));
    ASSERT_EQ(device.physicalPageSize(), QSize(7016, 4961));

    // Heading: 16 points bold, 133 dots high, 66 a byte, 11 bytes, centred.
    EXPECT_EQ(device.findText(QStringLiteral("2026년 12월")).a, QPoint(3145, 120));
    // The frame and the ruling.
    const auto rects = device.ops(RecordingPrintDevice::Op::Rect);
    ASSERT_EQ(rects.size(), 1);
    EXPECT_EQ(rects[0].a, QPoint(120, 408));
    EXPECT_EQ(rects[0].b, QPoint(6896, 4841));
    QList<int> columns;
    QList<int> rows;
    for (const auto& line : device.ops(RecordingPrintDevice::Op::Line)) {
        if (line.a.x() == line.b.x()) {
            columns.append(line.a.x());
            EXPECT_EQ(line.a.y(), 408);
            EXPECT_EQ(line.b.y(), 4841);
        } else {
            rows.append(line.a.y());
            EXPECT_EQ(line.a.x(), 120);
            EXPECT_EQ(line.b.x(), 6896);
        }
    }
    EXPECT_EQ(columns, (QList<int>{1088, 2056, 3024, 3992, 4960, 5928}));
    EXPECT_EQ(rows, (QList<int>{576, 1429, 2282, 3135, 3988}));
    // The frame is filled white, so it comes before any text inside it.
    qsizetype frameAt = -1;
    qsizetype firstNameAt = -1;
    for (qsizetype i = 0; i < device.ops().size(); ++i) {
        const auto& op = device.ops()[i];
        if (op.kind == RecordingPrintDevice::Op::Rect && frameAt < 0) frameAt = i;
        if (op.kind == RecordingPrintDevice::Op::Text && op.text == QStringLiteral("일") &&
            firstNameAt < 0)
            firstNameAt = i;
    }
    EXPECT_LT(frameAt, firstNameAt) << "the weekday names are not painted over";
    // Weekday names, 10 points bold (83 high, 41 a byte), centred in the row.
    EXPECT_EQ(device.findText(QStringLiteral("일")).a, QPoint(604 - 41, 408 + (168 - 83) / 2));

    // The 8th, a Tuesday in the second week: its number 1 mm inside the box,
    // its entries in 8 points (67 high, 33 a byte) below, cut to 920 dots.
    EXPECT_EQ(device.findText(QStringLiteral("8")).a, QPoint(2080, 1453));
    EXPECT_EQ(device.findText(QStringLiteral("중도금 매매  아파트")).a, QPoint(2080, 1536));
    const auto cut = device.findText(QStringLiteral("중도금 매매  근린생활시설…"));
    EXPECT_EQ(cut.kind, RecordingPrintDevice::Op::Text) << "27 bytes fit the box";
    EXPECT_EQ(cut.a, QPoint(2080, 1603));
    // The 9th holds ten lines: nine entries and what is left out.
    EXPECT_EQ(device.findText(QStringLiteral("약속 9")).a, QPoint(3048, 1536 + 8 * 67));
    EXPECT_EQ(device.findText(QStringLiteral("약속 10")).kind, RecordingPrintDevice::Op::Begin);
    EXPECT_EQ(device.findText(QStringLiteral("… 외 3건")).a, QPoint(3048, 1536 + 9 * 67));
    // Days of the months around are not printed.
    EXPECT_EQ(device.findText(QStringLiteral("지난달")).kind, RecordingPrintDevice::Op::Begin);
    EXPECT_EQ(device.findText(QStringLiteral("30")).a, QPoint(3048, 3988 + 24))
        << "the 30th of December, a Wednesday of the fifth week";
    EXPECT_EQ(device.font().pointSize, 10) << "the device's font is given back";
}

TEST_F(DiaryPrintTest, TheFormPrintsAndPreviewsTheMonthShownFromTheStore) {
    addDiaryEntry(QStringLiteral("2026-12-31"), QStringLiteral("송년"), {});
    addDiaryEntry(QStringLiteral("2027-01-02"), QStringLiteral("시무"), {});
    TFMdiary form;
    form.show();
    QTest::mouseClick(form.BTpreview, Qt::LeftButton);
    ASSERT_EQ(dlg().previewed.size(), 1u);
    QTest::mouseClick(form.BTprint, Qt::LeftButton);
    ASSERT_EQ(dlg().printed.size(), 1u);
    for (const auto* device : {dlg().previewed[0].get(), dlg().printed[0].get()}) {
        EXPECT_EQ(device->orientation(), PrintDevice::Orientation::Landscape);
        EXPECT_EQ(device->jobTitle(), QStringLiteral("큰달력 2026년 12월"));
        EXPECT_EQ(device->findText(QStringLiteral("송년")).kind, RecordingPrintDevice::Op::Text);
        EXPECT_EQ(device->findText(QStringLiteral("시무")).kind, RecordingPrintDevice::Op::Begin);
    }

    // A drawing that fails ends the job and reaches the action's guard.
    RecordingPrintDevice failing;
    failing.failOnNextDraw();
    EXPECT_THROW(printDiaryMonth(failing, DiaryMonthPage{2026, 12, {}}), std::exception);
    EXPECT_EQ(failing.jobsEnded(), 1);
}
