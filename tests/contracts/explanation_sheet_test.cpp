// The explanation sheet TFMjungGa on the contract frame: its caption, the
// buttons that follow its rows, a listing that is not there, 신규작성
// keeping the sheet on the form, and its print with the memo beside the
// owners.

#include "contracts/layout_printer.h"
#include "contracts/tfmjungga.h"
#include "tests/contracts/contracts_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

class ExplanationSheetTest : public ContractsStoreTest {
protected:
    void TearDown() override {
        form.reset();
        ContractsStoreTest::TearDown();
    }
    TFMjungGa& open(const QString& mode) {
        form = std::make_unique<TFMjungGa>();
        form->LBscancode->setText(mode);
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }
    QLineEdit* field(const char* name) {
        return child<QLineEdit>(*form, (QByteArray("DB") + name).constData());
    }
    QPushButton* button(const char* name) { return child<QPushButton>(*form, name); }
    void type(const char* name, const QString& text) {
        QLineEdit* edit = field(name);
        edit->setFocus(Qt::TabFocusReason);
        typeText(edit, text);
        field("jose")->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    void addSheet(const QString& address, const QString& memo = {}) {
        sql(QStringLiteral(
                "INSERT INTO junggah (gsojaji, yymmdd, memo1) VALUES (?, '2026-12-08', ?)"),
            {address, memo});
    }

    std::unique_ptr<TFMjungGa> form;
};

// The sheet's own caption; with no sheet stored neither 삭 제 nor 출 력 can
// be pressed (a print of nothing would fail); a sheet typed is one to print
// and to store.
TEST_F(ExplanationSheetTest, ItsOwnCaptionAndButtonsThatFollowTheRows) {
    TFMjungGa& f = open(QString());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("중개대상물 확인 설명서(I)"));
    EXPECT_EQ(child<QLabel>(f, "LBstatus")->text(), QStringLiteral("검색: 0"));
    EXPECT_FALSE(button("BTdel")->isEnabled());
    EXPECT_FALSE(button("BTprint")->isEnabled());
    EXPECT_EQ(f.findChild<QWidget*>(QStringLiteral("BTmy")), nullptr);
    EXPECT_EQ(f.findChild<QWidget*>(QStringLiteral("CKB3print")), nullptr);
    EXPECT_EQ(f.findChild<QWidget*>(QStringLiteral("GBfee")), nullptr);
    type("gsojaji", QStringLiteral("종로구 청운동 12-3"));
    EXPECT_TRUE(button("BTprint")->isEnabled());
    clickOn(f, "BTmod");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("작성된 확인서가 등록되었습니다 ..!")});
    EXPECT_EQ(rows(QStringLiteral("junggah")), 1);
    EXPECT_EQ(child<QLabel>(f, "LBstatus")->text(), QStringLiteral("검색: 1"));
}

TEST_F(ExplanationSheetTest, FromAListingOnlyTheAddressAndAMissingListingGivesAnEmptySheet) {
    addOffice();
    addListing(QStringLiteral("L1"), QStringLiteral("종로구 청운동 12-3"), QStringLiteral("김철수"),
               QStringLiteral("02-1"));
    open(QStringLiteral("L1"));
    EXPECT_EQ(field("gsojaji")->text(), QStringLiteral("종로구 청운동 12-3"));
    EXPECT_EQ(field("mycomname")->text(), QString()) << "the sheet takes no office details";
    EXPECT_FALSE(button("BTdel")->isEnabled());

    addSheet(QStringLiteral("이미 있는 확인서"));
    open(QStringLiteral("없는매물"));
    EXPECT_EQ(dlg().texts(),
              QStringList{QStringLiteral("매물번호 없는매물 인 매물을 찾을 수 없습니다.\n"
                                         "새 확인서를 빈 양식으로 작성합니다 ...!")});
    EXPECT_EQ(field("gsojaji")->text(), QString());
    type("gsojaji", QStringLiteral("새 주소"));
    clickOn(*form, "BTmod");
    EXPECT_EQ(rows(QStringLiteral("junggah")), 2);
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT count(*) FROM junggah WHERE gsojaji = '이미 있는 확인서'"))
            .toInt(),
        1);
}

TEST_F(ExplanationSheetTest, NewSheetStoresTheChangedOneFirst) {
    addSheet(QStringLiteral("종로구"));
    open(QString());
    type("gita", QStringLiteral("주차 1대"));
    clickOn(*form, "BTnew");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("작성된 확인서가 등록되었습니다 ..!")});
    EXPECT_EQ(scalar(QStringLiteral("SELECT gita FROM junggah")).toString(),
              QStringLiteral("주차 1대"));
    EXPECT_EQ(child<QLabel>(*form, "LBstatus")->text(), QStringLiteral("신규작성"));
    EXPECT_EQ(field("gsojaji")->text(), QString());
    EXPECT_EQ(form->focusWidget(), field("gsojaji"));
}

// Field values print 5 dots right of where the layout puts them; the memo
// prints line by line from (132, 148) mm; a memo too long for its box is
// told before anything prints.
TEST_F(ExplanationSheetTest, PrintsTheValuesShiftedAndTheMemoBesideTheOwners) {
    addSheet(QStringLiteral("종로구 청운동 12-3"), QStringLiteral("근저당권 설정\n전세권 없음"));
    open(QString());
    clickOn(*form, "BTprint");
    ASSERT_EQ(dlg().printed.size(), 1u);
    const RecordingPrintDevice& device = *dlg().printed[0];
    EXPECT_EQ(device.jobTitle(), QStringLiteral("확인서 인쇄 중 ..."));
    EXPECT_EQ(dlg().printTitles,
              QStringList{QStringLiteral("중개대상물확인설명서 종로구 청운동 12-3 2026-12-08")});
    LayoutItem address;
    for (const LayoutItem& item : readLayout(QStringLiteral("jungGa"))) {
        if (item.itemType == u'F' && item.itemText == QStringLiteral("gsojaji")) address = item;
    }
    const RecordingPrintDevice::Op printed = device.findText(QStringLiteral("종로구 청운동 12-3"));
    EXPECT_EQ(printed.a, QPoint(address.x1 * 24 + 12 + 5, address.y1 * 24 + 12));
    EXPECT_EQ(device.findText(QStringLiteral("근저당권 설정")).a, QPoint(132 * 24, 148 * 24));
    EXPECT_EQ(device.findText(QStringLiteral("전세권 없음")).a, QPoint(132 * 24, 152 * 24));

    dlg().reset();
    form->findChild<QPlainTextEdit*>(QStringLiteral("DBmemo1"))
        ->setPlainText(QStringList(60, QStringLiteral("줄")).join(u'\n'));
    dlg().script({Dialogs::Answer::No});
    clickOn(*form, "BTprint");
    ASSERT_EQ(dlg().messages.size(), 1);
    EXPECT_TRUE(
        dlg().messages[0].text.startsWith(QStringLiteral("권리사항 메모가 길어 마지막 26줄은")));
    EXPECT_EQ(dlg().printed[0]->jobsBegun(), 0);
}
