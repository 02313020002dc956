// The listing display (뷰어) and the property card through their controls:
// the display's walk through every listing with the amounts in words, and
// the card filled from its listing and printed, its geometry asserted on
// the recording device, confirmed only when it went to the printer.

#include "app/main_actions.h"
#include "app/tfmbu_main.h"
#include "common/amount_words.h"
#include "imaging/picture_view.h"
#include "listings/photo_folder.h"
#include "listings/tfmdisp.h"
#include "listings/tfmonesheet.h"
#include "tests/listings/listings_support.h"
#include "tests/support/picture_files.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

using Op = RecordingPrintDevice::Op;

class ListingDisplayTest : public ListingsStoreTest {
protected:
    void SetUp() override {
        ListingsStoreTest::SetUp();
        // Tmprice 2,147,484 thousand is 2,147,484,000 won: beyond 32 bits.
        sql(QStringLiteral(
            "INSERT INTO budong (scancode, im, cname, dpung, gpung, tmprice, mpricepp, ensurem, "
            "monthm, "
            "pricepp, stair, gdfirst, addr, duse) VALUES "
            "('B2', '임대', '상가', 0, 40, 15000, 0, 20000, 800, 25, 1, '2001-05-02', '', ''), "
            "('B1', '매매', '아파트', 30, 25, 2147484, 16500, 0, 0, 0, 12, '2015-03-01', "
            " '서울시 강남구 역삼동', '대'), "
            "('B3', '매매', '토지', 300, 0, 1200000, 4000, 0, 0, 0, 0, '', '', '')"));
    }
    static QString label(const QWidget& form, const char* name) {
        return child<QLabel>(form, name)->text();
    }
};

TEST_F(ListingDisplayTest, DisplayWalksEveryListingInKeyOrderWithAmountsInWords) {
    TFMdisp form;
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("물건 디스플레이"));
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_EQ(form.Timer1->interval(), 10000);
    EXPECT_EQ(label(form, "DBIm"), QStringLiteral("매매"));
    EXPECT_EQ(label(form, "DBTmprice"), QStringLiteral("2,147,484"));
    EXPECT_EQ(label(form, "EDTmprice"), koreanAmountWords(QStringLiteral("2147484000")));
    EXPECT_EQ(label(form, "EDTmprice"), QStringLiteral("이십일억사천칠백사십팔만사천  "));
    EXPECT_EQ(label(form, "EDMpricepp"), koreanAmountWords(QStringLiteral("16500000")));
    EXPECT_EQ(label(form, "EDEnsurem"), QString()) << "no words for zero";

    // B1, B2, B3, then B3 once more (the end is reached), then B1 again.
    QStringList walk;
    for (int tick = 0; tick < 5; ++tick) {
        form.Timer1Timer();
        walk.append(label(form, "DBCname"));
    }
    EXPECT_EQ(walk,
              (QStringList{QStringLiteral("상가"), QStringLiteral("토지"), QStringLiteral("토지"),
                           QStringLiteral("아파트"), QStringLiteral("상가")}));
    EXPECT_EQ(dlg().beeps, 5);
    EXPECT_EQ(label(form, "DBTmprice"), QStringLiteral("15,000"));
    EXPECT_EQ(label(form, "EDTmprice"), koreanAmountWords(QStringLiteral("15000000")));
    EXPECT_EQ(label(form, "EDMonthm"), koreanAmountWords(QStringLiteral("800000")));
    EXPECT_EQ(label(form, "DBGdfirst"), QStringLiteral("2001-05-02"));

    pressKey(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Timer1->isActive());
    EXPECT_FALSE(form.TBbudong.isOpen());
}

TEST_F(ListingDisplayTest, ViewerButtonOfTheMainWindowOpensTheDisplay) {
    TFMbu_main window;
    connectMainActions(window);
    window.show();
    QString caption;
    ModalHandler handler([&caption](QWidget* modal) {
        ASSERT_NE(qobject_cast<TFMdisp*>(modal), nullptr);
        caption = modal->windowTitle();
    });
    QTest::mouseClick(child<QToolButton>(window, "SpeedButton1"), Qt::LeftButton);
    EXPECT_TRUE(handler.appeared());
    EXPECT_EQ(caption, QStringLiteral("물건 디스플레이"));
}

// --- The property card ---------------------------------------------------------

class PropertyCardTest : public ListingDisplayTest {
protected:
    std::unique_ptr<TFMoneSheet> openCard(const QString& scancode) {
        QDir().mkpath(office().pictDirectory());
        writeJpegFile(photoFilePath(QStringLiteral("FRONT.JPG")), quarterImage({800, 600}));
        auto card = std::make_unique<TFMoneSheet>();
        card->LBfileName->setText(photoFilePath(QStringLiteral("FRONT.JPG")));
        card->LBscancode->setText(scancode);
        card->show();
        return card;
    }
};

TEST_F(PropertyCardTest, CardIsFilledFromItsListingAndPrintedAtItsMillimetres) {
    auto card = openCard(QStringLiteral("B1"));
    EXPECT_EQ(card->windowTitle(), QStringLiteral("물건카드"));
    EXPECT_TRUE(card->Image1->hasPicture());
    EXPECT_FALSE(card->Image1->isPlaceholder());
    EXPECT_EQ(card->EDaddr->text(), QStringLiteral("서울시 강남구 역삼동"));
    EXPECT_EQ(card->EDdpung->text(), QStringLiteral("30"));
    EXPECT_EQ(card->EDtmprice->text(), QStringLiteral("2147484"));
    EXPECT_EQ(card->EDmpricepp->text(), QStringLiteral("16500"));
    EXPECT_EQ(card->EDduse->text(), QStringLiteral("대"));
    EXPECT_TRUE(card->EDyoungdo->text().isEmpty());

    typeText(card->EDtitle, QStringLiteral("급매물"));
    QStringList memo;
    for (int i = 1; i <= 12; ++i)
        memo.append(QStringLiteral("메모%1").arg(i));
    card->Memo1->setPlainText(memo.join(u'\n'));
    clickOn(*card, "BitBtn1");
    ASSERT_EQ(dlg().printed.size(), 1u);
    const RecordingPrintDevice& device = *dlg().printed.front();
    EXPECT_EQ(device.pageCount(), 1);
    EXPECT_EQ(device.orientation(), PrintDevice::Orientation::Portrait);
    // 600 dpi: 24 dots a millimetre. Fitted to 10 mm the font is 26 points
    // (a 217-dot cell, "W" 108 wide), to 8 mm 21 points, to 5 mm 12.
    const int mm = 24;
    const QList<Op> rects = device.ops(Op::Rect);
    ASSERT_EQ(rects.size(), 1);
    EXPECT_EQ(rects[0].a, QPoint(35 * mm, 45 * mm));
    EXPECT_EQ(rects[0].b, QPoint(175 * mm, 130 * mm));
    const QList<Op> images = device.ops(Op::Image);
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images[0].a, rects[0].a);
    EXPECT_EQ(images[0].b, rects[0].b);
    const Op title = device.findText(QStringLiteral("급매물"));
    EXPECT_EQ(title.a, QPoint(4961 / 2 - 6 * 108 / 2, 10 * mm));
    EXPECT_EQ(title.font.pointSize, 26);
    const struct {
        QString text;
        int x, y;
    } lines[] = {
        {QStringLiteral("소 재 지 : 서울시 강남구 역삼동"), 10, 150},
        {QStringLiteral("면    적 : 30"), 10, 162},
        {QStringLiteral("지    목 : 대"), 10, 174},
        {QStringLiteral("용도지역 : "), 10, 186},
        {QStringLiteral("토지거래 : "), 10, 210},
        {QStringLiteral("평    당 : 16500"), 110, 162},
        {QStringLiteral("금    액 : 2147484"), 110, 174},
        {QStringLiteral("메모1"), 40, 230},
        {QStringLiteral("메모10"), 40, 284},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(line.text.toStdString());
        const Op op = device.findText(line.text);
        EXPECT_EQ(op.kind, Op::Text);
        EXPECT_EQ(op.a, QPoint(line.x * mm, line.y * mm));
    }
    EXPECT_EQ(device.findText(QStringLiteral("소 재 지 : 서울시 강남구 역삼동")).font.pointSize,
              21);
    EXPECT_EQ(device.findText(QStringLiteral("메모1")).font.pointSize, 12);
    // Memo lines 11 and 12 would fall below the page: they are left out.
    EXPECT_EQ(device.findText(QStringLiteral("메모11")).kind, Op::Begin);
    EXPECT_EQ(device.font().pointSize, 10) << "the font is given back";
    EXPECT_EQ(device.jobsEnded(), 1);
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("프린트를 완료하였습니다...?")});
    EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::Yes);
}

TEST_F(PropertyCardTest, FailedOrCancelledPrintIsNeverConfirmedAndAMissingListingPrintsEmptyLines) {
    auto card = openCard(QStringLiteral("NONE"));
    EXPECT_TRUE(card->EDaddr->text().isEmpty());
    dlg().failNextPrint = true;
    clickOn(*card, "BitBtn1");
    EXPECT_EQ(dlg().errors.size(), 1);
    EXPECT_TRUE(dlg().messages.isEmpty()) << "no confirmation after a failure";
    ASSERT_EQ(dlg().printed.size(), 1u);
    EXPECT_EQ(dlg().printed.front()->jobsEnded(), 1);

    dlg().reset();
    dlg().printDialog = Dialogs::PrintOutcome::Cancelled;
    clickOn(*card, "BitBtn1");
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_TRUE(dlg().printed.empty());

    // The printer dialog itself fails: said, then printed on the current
    // printer and confirmed.
    dlg().reset();
    dlg().printDialog = Dialogs::PrintOutcome::DialogFailed;
    clickOn(*card, "BitBtn1");
    EXPECT_EQ(dlg().printedOnCurrentPrinter, 1);
    EXPECT_EQ(
        dlg().texts(),
        (QStringList{QStringLiteral("프린터시에 문제가 생겼습니다. 확인후 재시도 하세요 ...!"),
                     QStringLiteral("프린트를 완료하였습니다...?")}));

    dlg().reset();
    QFile::remove(card->LBfileName->text());
    clickOn(*card, "BitBtn1");
    ASSERT_EQ(dlg().printed.size(), 1u);
    const RecordingPrintDevice& device = *dlg().printed.front();
    EXPECT_EQ(device.findText(QStringLiteral("소 재 지 : ")).kind, Op::Text);
    EXPECT_EQ(device.findText(QStringLiteral("금    액 : ")).kind, Op::Text);
    EXPECT_TRUE(device.ops(Op::Image).isEmpty()) << "a missing photo leaves its frame empty";
    EXPECT_EQ(device.ops(Op::Rect).size(), 1);
}

}  // namespace
