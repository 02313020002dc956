// One print run of a document drawn from a small layout, on the recording
// device: where each kind of item lands, repetitions, font sizes, the shift
// of field values, the clean-up after a failure and the memo lines.

#include "contracts/layout_printer.h"
#include "common/cp949.h"
#include "tests/contracts/contracts_support.h"

namespace {
using Op = RecordingPrintDevice::Op;

// Replaces the sale contract's layout with the given rows.
void useLayout(const QList<QVariantList>& rows) {
    Database& db = Database::qdb3();
    db.execute(QStringLiteral("DELETE FROM tb_cardm"));
    for (const QVariantList& row : rows) {
        db.execute(QStringLiteral(
                       "INSERT INTO tb_cardm (itemType, itemSize, XYloop, Xincrement, Yincrement, "
                       "x1, y1, x2, y2, itemText, digitcomma) VALUES (?,?,?,?,?,?,?,?,?,?,?)"),
                   row);
    }
}

QVariantList item(const char* type, int size, int loop, int xi, int yi, int x1, int y1, int x2,
                  int y2, const QString& text = {}, const char* digitcomma = "") {
    return {QString::fromLatin1(type),      size, loop, xi, yi, x1, y1, x2, y2, text,
            QString::fromLatin1(digitcomma)};
}

QList<QPoint> pointsOf(const QList<Op>& ops) {
    QList<QPoint> points;
    for (const Op& op : ops)
        points.append(op.a);
    return points;
}
}  // namespace

class LayoutPrinterTest : public ContractsStoreTest {
protected:
    DocumentRow row() const {
        DocumentRow r;
        r.set(QStringLiteral("ensurem"), QStringLiteral("1234567"));
        r.set(QStringLiteral("name1"), QString());
        return r;
    }
    LayoutRun run(int shift = 0) const {
        return {QStringLiteral("TB_CARDm.DB"), QStringLiteral("계약서 인쇄 중 ..."), shift,
                nullptr};
    }
};

// Repetitions move lines and texts but not rectangles; text points are the
// millimetre plus a half, rounded half to even (at 1200 dpi a millimetre is
// 47 dots); a field value may be shifted; items of other kinds, negative
// repetition counts and empty values draw nothing.
TEST_F(LayoutPrinterTest, ItemsLandWhereTheLayoutSays) {
    useLayout({
        item("R", 3, 2, 5, 7, 10, 10, 50, 20),
        item("L", 2, 2, 0, 7, 10, 30, 100, 30),
        item("T", 5, 2, 0, 7, 1, 60, 0, 0, QStringLiteral("가")),
        item("T", 1, 0, 0, 0, 12, 90, 0, 0, QStringLiteral("작다")),
        item("F", 5, 0, 0, 0, 12, 100, 0, 0, QStringLiteral("ENSUREM"), "Y"),
        item("F", 4, 0, 0, 0, 12, 110, 0, 0, QStringLiteral("name1")),
        item("X", 2, 0, 0, 0, 12, 120, 50, 120, QStringLiteral("무엇")),
        item("T", 5, -1, 0, 0, 12, 130, 0, 0, QStringLiteral("안보임")),
    });
    RecordingPrintDevice device(1200);
    device.setFont({QStringLiteral("바탕체"), 11});
    device.setOrientation(PrintDevice::Orientation::Landscape);
    ASSERT_TRUE(printLayout(device, run(5), row()));

    EXPECT_EQ(device.jobTitle(), QStringLiteral("계약서 인쇄 중 ..."));
    EXPECT_EQ(device.jobsBegun(), 1);
    EXPECT_EQ(device.jobsEnded(), 1);
    const QList<Op> rects = device.ops(Op::Rect);
    ASSERT_EQ(rects.size(), 3);
    for (const Op& rect : rects) {
        EXPECT_EQ(rect.a, QPoint(470, 470));
        EXPECT_EQ(rect.b, QPoint(2350, 940));
        EXPECT_EQ(rect.pen, 3);
    }
    const QList<Op> lines = device.ops(Op::Line);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[2].a, QPoint(470, 44 * 47));
    EXPECT_EQ(lines[2].b, QPoint(4700, 44 * 47));
    EXPECT_EQ(lines[2].pen, 2);
    const QList<Op> texts = device.ops(Op::Text);
    ASSERT_EQ(texts.size(), 5);
    // 1.5 mm is 70.5 dots, rounded to 70; 60.5 mm 2843.5, rounded to 2844;
    // 67.5 mm 3172.5, rounded to 3172.
    EXPECT_EQ(pointsOf(texts.mid(0, 3)), (QList<QPoint>{{70, 2844}, {70, 3172}, {70, 3502}}));
    EXPECT_EQ(texts[0].font, (PrintDevice::FontSpec{QStringLiteral("굴림체"), 12}));
    EXPECT_EQ(texts[3].text, QStringLiteral("작다"));
    EXPECT_EQ(texts[3].font.pointSize, 3);
    EXPECT_EQ(texts[4].text, QStringLiteral("  1,234,567"));
    EXPECT_EQ(texts[4].a, QPoint(588 + 5, 4724)) << "12.5 mm is 587.5 dots, rounded to 588";
    // The device is given back as it was found, and the page is portrait.
    EXPECT_EQ(device.font(), (PrintDevice::FontSpec{QStringLiteral("바탕체"), 11}));
    EXPECT_EQ(device.orientation(), PrintDevice::Orientation::Portrait);
    EXPECT_EQ(dlg().texts(), QStringList{layoutPrintedMessage()});
}

// A field the document does not have stops the run: the job is thrown away,
// the font given back, and nothing says it was printed.
TEST_F(LayoutPrinterTest, AFailedRunAbortsItsJobWithoutAWordOfSuccess) {
    useLayout({item("T", 5, 0, 0, 0, 10, 10, 0, 0, QStringLiteral("제목")),
               item("F", 5, 0, 0, 0, 10, 20, 0, 0, QStringLiteral("nosuch"))});
    RecordingPrintDevice device(600);
    EXPECT_THROW(printLayout(device, run(), row()), std::exception);
    EXPECT_EQ(device.jobsBegun(), 1);
    EXPECT_EQ(device.jobsAborted(), 1);
    EXPECT_EQ(device.jobsEnded(), 0);
    EXPECT_EQ(device.font(), (PrintDevice::FontSpec{QStringLiteral("굴림체"), 10}));
    EXPECT_TRUE(dlg().messages.isEmpty());
}

// The memo is wrapped with the printer's font at its box's width, printed
// 4 mm apart from (132, 148) mm; lines that would run out of the box are
// told before anything prints.
TEST_F(LayoutPrinterTest, MemoLinesWrapAtTheBoxAndLongMemosAreToldFirst) {
    useLayout({});
    LayoutMemo memo;
    memo.text =
        QStringLiteral("근저당권 설정 ") + QString(60, u'가') + QStringLiteral("\n\n전세권 없음");
    LayoutRun sheet = run(5);
    sheet.memo = &memo;
    RecordingPrintDevice device(600);
    ASSERT_TRUE(printLayout(device, sheet, row()));
    const QList<Op> lines = device.ops(Op::Text);
    const int width = 62 * 24;
    QStringList texts;
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].a, QPoint(132 * 24, (148 + 4 * i) * 24));
        const int bytes = cp949ByteLength(lines[i].text);
        EXPECT_LE(bytes * (pointsToDots(lines[i].font.pointSize, 600) / 2), width);
        texts.append(lines[i].text);
    }
    // At 4 mm a Hangul syllable of the recording device is 74 dots wide: 20
    // to a line. A line breaks at its last blank.
    EXPECT_EQ(texts,
              (QStringList{QStringLiteral("근저당권 설정"), QString(20, u'가'), QString(20, u'가'),
                           QString(20, u'가'), QString(), QStringLiteral("전세권 없음")}));

    memo.text = QStringList(40, QStringLiteral("줄")).join(u'\n');
    dlg().script({Dialogs::Answer::No});
    RecordingPrintDevice refused(600);
    EXPECT_FALSE(printLayout(refused, sheet, row()));
    EXPECT_EQ(refused.jobsBegun(), 0);
    ASSERT_EQ(dlg().messages.size(), 2);
    EXPECT_TRUE(
        dlg().messages[1].text.startsWith(QStringLiteral("권리사항 메모가 길어 마지막 6줄은")));
    EXPECT_EQ(refused.orientation(), PrintDevice::Orientation::Portrait);
}
