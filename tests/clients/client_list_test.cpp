// The client list TFMbur_lst through its controls: activation, the 14
// search conditions on a seeded store, the budget in words, the match with
// its settings panel and qdb.ini, the detail columns, printing both pages,
// the offered history and the forms it opens.

#include "clients/match_settings.h"
#include "clients/tfmbur_imd.h"
#include "clients/tfmbur_lst.h"
#include "clients/tfmbur_offer.h"
#include "common/list_printer.h"
#include "common/range_edit.h"
#include "common/record_navigator.h"
#include "listings/tfmbu_imd.h"
#include "tests/clients/clients_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include <functional>
#include <memory>
#include <optional>

namespace {

using Op = RecordingPrintDevice::Op;

const char* const kClientButtons[] = {"BTmod", "BTdel", "BTallview", "BTmatch", "BTprint"};

using ClientListTest = ClientListFixture;

}  // namespace

// --- Activation and the client search ---------------------------------------

TEST_F(ClientListTest, ActivationListsEveryClientByReceiptDate) {
    auto form = openForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("손님 정보  &  물건유뮤 확인"));
    for (const char* name : {"CBim", "CBcname", "CBworking"})
        EXPECT_TRUE(child<QComboBox>(*form, name)->isVisible()) << name;
    EXPECT_EQ(clients(*form), (QStringList{"C1", "C2", "C3", "C4", "C5", "C6"}));
    EXPECT_EQ(form->StatusClients->text(), QStringLiteral("검색대상: 6"));
    EXPECT_EQ(form->StatusUnit->text(), QStringLiteral("예산 검색 단위 [백만]"));
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_EQ(form->focusWidget(), form->DBGrid1);
    EXPECT_EQ(form->BTprint->toolTip(), QStringLiteral("검색중인 손님 리스트 출력"));
    EXPECT_EQ(titles(form->DBGrid1),
              (QStringList{"분류", " 손님", " 구분", "   집전화", "접수일", "부동산명", "   예산",
                           "  상태", "선호지역", "대지하한", "대지상한", "건평하한", "건평상한"}));
    EXPECT_EQ(form->DBGrid1->model()->index(0, 6).data().toString(), QStringLiteral("60,000"));
    EXPECT_EQ(form->DBGrid1->model()->index(2, 6).data().toString(), QString()) << "no budget";
}

TEST_F(ClientListTest, EveryConditionNarrowsTheList) {
    const auto type = [](QWidget& f, const char* name, const char* text) {
        typeInto(child<QLineEdit>(f, name), QString::fromUtf8(text));
    };
    const auto set = [](QWidget& f, const char* name, const char* text) {
        child<QLineEdit>(f, name)->setText(QString::fromUtf8(text));
    };
    const auto choose = [](QWidget& f, const char* name, const char* item) {
        chooseItem(child<QComboBox>(f, name), QString::fromUtf8(item));
    };
    const struct {
        const char* what;
        std::function<void(QWidget&)> arrange;
        QStringList expected;
    } cases[] = {
        {"kind", [&](QWidget& f) { choose(f, "CBim", "임대"); }, {"C2", "C5"}},
        {"name", [&](QWidget& f) { type(f, "EDname", "매수"); }, {"C1"}},
        {"typed quote", [&](QWidget& f) { type(f, "EDname", "'"); }, {}},
        {"two regions", [&](QWidget& f) { type(f, "EDaddr", "역삼, 해운대"); }, {"C1", "C2"}},
        {"empty region parts", [&](QWidget& f) { type(f, "EDaddr", ",,강남,"); }, {"C4"}},
        {"wanted name", [&](QWidget& f) { type(f, "EDwantcom", "래미"); }, {"C1"}},
        {"category of the kind",
         [&](QWidget& f) {
             choose(f, "CBim", "매수");
             choose(f, "CBcname", "토지");
         },
         {"C6"}},
        {"status", [&](QWidget& f) { choose(f, "CBworking", "문의"); }, {"C1", "C6"}},
        {"land range inside", [&](QWidget& f) { set(f, "EDdpung", "50-150"); }, {"C4"}},
        {"land up to, never a client without an upper bound",
         [&](QWidget& f) { set(f, "EDdpung", "-40"); },
         {"C1"}},
        {"building from", [&](QWidget& f) { set(f, "EDgpung", "30-"); }, {"C2", "C4"}},
        {"budget in millions", [&](QWidget& f) { set(f, "EDyesan", "20-60"); }, {"C1", "C2", "C6"}},
        {"receipt period",
         [&](QWidget& f) {
             set(f, "EDday1", "2026-02-01");
             set(f, "EDday2", "2026-04-30");
         },
         {"C2", "C3", "C4"}},
    };
    for (const auto& c : cases) {
        auto form = openForm();
        c.arrange(*form);
        clickOn(*form, "BTinq");
        EXPECT_EQ(clients(*form), c.expected) << c.what;
        EXPECT_EQ(form->StatusClients->text(),
                  QStringLiteral("검색대상: %1").arg(c.expected.size()))
            << c.what;
        EXPECT_TRUE(dlg().messages.isEmpty()) << c.what;
        for (const char* name : kClientButtons)
            EXPECT_EQ(child<QPushButton>(*form, name)->isEnabled(), !c.expected.isEmpty())
                << c.what << " " << name;
        EXPECT_TRUE(form->BTinp->isEnabled());
    }
}

TEST_F(ClientListTest, BudgetInWordsAndAHalfThatIsNoNumber) {
    auto form = openForm();
    QLabel* words = form->PNnumberStrDisplay;
    EXPECT_FALSE(words->isVisible());
    form->EDyesan->setFocus();
    EXPECT_TRUE(words->isVisible());
    const struct {
        const char* typed;
        const char* caption;
    } cases[] = {
        {"3-5", "예산▶ 삼백만 >> 오백만"},
        {"0003-0120", "예산▶ 삼백만 >> 일억이천만"},
        {"1200-", "예산▶ 일십이억   >> "},
        {"-", "예산▶  >> "},
        {"0-0", "예산▶  >> "},
    };
    for (const auto& c : cases) {
        form->EDyesan->setText(QString::fromLatin1(c.typed));
        EXPECT_EQ(words->text(), QString::fromUtf8(c.caption)) << c.typed;
    }
    form->EDname->setFocus();
    EXPECT_FALSE(words->isVisible());

    form->EDyesan->clear();
    form->EDyesan->setFocus();
    form->EDyesan->setCursorPosition(0);
    QTest::keyClicks(form->EDyesan, "1");
    form->EDyesan->setCursorPosition(2);
    QTest::keyClicks(form->EDyesan, "2");
    EXPECT_EQ(words->text(), QStringLiteral("예산▶  >> "));
    clickOn(*form, "BTinq");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("예산 범위는 숫자로 입력하세요 ...!")});
    EXPECT_EQ(form->focusWidget(), form->EDyesan);
    EXPECT_EQ(clients(*form).size(), 6) << "no search: the list keeps its rows";
}

// --- The match -----------------------------------------------------------------

TEST_F(ClientListTest, MatchUsesTheSettingsOfTheIniFileAndThePanelWritesThem) {
    writeSettings(QStringLiteral("110100"));  // an older file: six boxes
    auto form = openForm();
    EXPECT_TRUE(form->CKBcname->isChecked());
    EXPECT_TRUE(form->CKBaddr->isChecked());
    EXPECT_FALSE(form->CKBgpung->isChecked());
    EXPECT_TRUE(form->CKBdpung->isChecked());
    EXPECT_FALSE(form->CKBreqing->isChecked()) << "a missing seventh box is unticked";
    EXPECT_TRUE(form->StatusMatches->text().isEmpty());

    selectClient(*form, 0);  // C1: 매수 아파트 in 역삼 or 잠실, land 20 to 40, budget 60,000
    clickOn(*form, "BTmatch");
    EXPECT_EQ(listings(*form), (QStringList{"L01", "L02"}));
    EXPECT_EQ(form->StatusMatches->text(), QStringLiteral("일치대상: 2"));
    EXPECT_EQ(form->PageControl1->currentIndex(), 0) << "the page does not change";
    EXPECT_TRUE(form->LBmatchedClient->text().contains(QStringLiteral("김매수")));

    clickOn(*form, "BTinqSet");
    EXPECT_TRUE(form->PNinqCond->isVisible());
    form->CKByesan->setChecked(true);
    form->CKBreqing->setChecked(true);
    QTest::mouseClick(form->SpeedButton2, Qt::LeftButton);
    EXPECT_FALSE(form->PNinqCond->isVisible());
    EXPECT_TRUE(settingsFile().contains(QStringLiteral("Matching=1101101")))
        << settingsFile().toStdString();
    clickOn(*form, "BTmatch");
    EXPECT_EQ(listings(*form), QStringList{"L01"}) << "L02 is withdrawn and over the budget";

    // A client for whom nothing fits.
    selectClient(*form, 4);  // C5: 임대 원룸 in 신촌
    clickOn(*form, "BTmatch");
    EXPECT_TRUE(listings(*form).isEmpty());
    EXPECT_EQ(form->StatusMatches->text(), QStringLiteral("일치대상: 0"));
}

TEST_F(ClientListTest, EnteringAGridSwitchesTheNavigatorTheButtonsAndThePrintHint) {
    auto form = openForm();
    clickOn(*form, "BTmatch");  // C1
    form->PageControl1->setCurrentIndex(1);
    EXPECT_EQ(form->focusWidget(), form->DBGrid2);
    for (const char* name : {"BTinp", "BTmod", "BTdel", "BTallview", "BTmatch"})
        EXPECT_FALSE(child<QPushButton>(*form, name)->isEnabled()) << name;
    EXPECT_EQ(form->BTprint->toolTip(), QStringLiteral("손님요구에 일치되는 물건 리스트 출력"));
    QTest::mouseClick(child<QToolButton>(*form->TabSheet2, "NVlast"), Qt::LeftButton);
    EXPECT_EQ(form->DBGrid2->currentIndex().row(), 2) << "L01, L02, L05: no box ticked";

    form->PageControl1->setCurrentIndex(0);
    EXPECT_EQ(form->focusWidget(), form->DBGrid1);
    for (const char* name : {"BTinp", "BTmod", "BTdel", "BTallview", "BTmatch"})
        EXPECT_TRUE(child<QPushButton>(*form, name)->isEnabled()) << name;
    EXPECT_EQ(form->BTprint->toolTip(), QStringLiteral("검색중인 손님 리스트 출력"));
    QTest::mouseClick(child<QToolButton>(*form->TabSheet1, "NVlast"), Qt::LeftButton);
    EXPECT_EQ(form->DBGrid1->currentIndex().row(), 5);
}

TEST_F(ClientListTest, ShowMoreShowsTheNineColumnsOnTheFirstPress) {
    auto form = openForm();
    clickOn(*form, "BTmatch");
    EXPECT_EQ(titles(form->DBGrid2).size(), 18);
    EXPECT_EQ(form->BThideView->text(), QStringLiteral("다보기"));
    clickOn(*form, "BThideView");
    EXPECT_EQ(titles(form->DBGrid2).size(), 27);
    EXPECT_TRUE(titles(form->DBGrid2).contains(QStringLiteral("상호명")));
    EXPECT_EQ(form->BThideView->text(), QStringLiteral("감추기"));
    EXPECT_EQ(form->BThideView->toolTip(), QStringLiteral("주요항목 감추기"));
    clickOn(*form, "BThideView");
    EXPECT_EQ(titles(form->DBGrid2).size(), 18);
    EXPECT_EQ(form->BThideView->text(), QStringLiteral("다보기"));
    EXPECT_EQ(form->BThideView->toolTip(), QStringLiteral("주요항목 다보기"));
}

// --- Printing --------------------------------------------------------------------

TEST_F(ClientListTest, EachPagePrintsItsListLandscapeOrPreviewsIt) {
    auto form = openForm();
    clickOn(*form, "BTprint");
    ASSERT_EQ(dlg().printed.size(), 1u);
    {
        const RecordingPrintDevice& device = *dlg().printed.front();
        EXPECT_EQ(device.jobTitle(), QStringLiteral("고객 LIST"));
        ASSERT_FALSE(device.ops(Op::Orient).isEmpty());
        EXPECT_EQ(device.ops(Op::Orient).first().pen, 2);  // landscape for the job
        // 600 dpi: 24 dots a millimetre, padding 12; left 20 mm gives X0 490,
        // top 20 mm gives Y0 960; 4 mm rows are 96 dots with 9-point text
        // (37 dots a character). The number column is 3 × 37 + 24 wide, 분류
        // and 손님 8 × 37 + 24, 집전화 17, 선호지역 20 characters while printed.
        const struct {
            const char* text;
            QPoint at;
        } places[] = {{"No.", {502, 972}},
                      {"분류", {637, 972}},
                      {" 손님", {957, 972}},
                      {"   집전화", {1671, 972}},
                      {"선호지역", {4085, 972}},
                      {"대지하한", {4849, 972}},
                      {"김매수", {957, 960 + 96 + 12}},
                      {"     60,000", {3260, 1068}},
                      {"고객 LIST", {3134, 480}}};
        for (const auto& p : places) {
            const auto op = textOp(device, QString::fromUtf8(p.text));
            ASSERT_TRUE(op) << p.text;
            EXPECT_EQ(op->a, p.at) << p.text;
        }
        EXPECT_EQ(dlg().texts(), QStringList{listPrintedMessage()}) << "fits without asking";
    }
    EXPECT_EQ(form->QRburequ.field(QStringLiteral("Addr")).displayWidth, 10)
        << "back to the grid's";
    EXPECT_EQ(form->focusWidget(), form->DBGrid1);

    // The second page: the matched listings with the kind and the address wide.
    clickOn(*form, "BTmatch");
    form->PageControl1->setCurrentIndex(1);
    dlg().reset();
    clickOn(*form, "BTprint");
    ASSERT_EQ(dlg().printed.size(), 1u);
    {
        const RecordingPrintDevice& device = *dlg().printed.front();
        EXPECT_EQ(device.jobTitle(), QStringLiteral("[의뢰조건을 만족하는 물건]"));
        // 17 columns and the 42-character address are wider than the sheet:
        // the user lets the text shrink, to 6 points (25 dots a character);
        // left 10 mm gives X0 250.
        EXPECT_EQ(dlg().messages.first().text, listTooWideQuestion());
        EXPECT_EQ(textOp(device, QStringLiteral("No."))->a, QPoint(262, 972));
        EXPECT_EQ(textOp(device, QStringLiteral("분류"))->a, QPoint(759, 972));
        EXPECT_EQ(textOp(device, QStringLiteral("대지평"))->a, QPoint(759 + 18 * 25 + 24, 972));
        EXPECT_EQ(textOp(device, QStringLiteral("주소"))->a, QPoint(4546, 972));
        EXPECT_EQ(textOp(device, QStringLiteral("서울 송파구 잠실동"))->a, QPoint(4546, 1164));
        EXPECT_FALSE(textOp(device, QStringLiteral("제시일"))) << "27 fields print";
    }
    EXPECT_EQ(form->QRbudong.field(QStringLiteral("Cname")).displayWidth, 6);
    EXPECT_EQ(form->QRbudong.field(QStringLiteral("Addr")).displayWidth, 30);
    EXPECT_FALSE(form->QRbudong.field(QStringLiteral("Addr")).visible);

    // Cancel in the printer dialog prints nothing; the preview shows the page.
    dlg().reset();
    dlg().printDialog = Dialogs::PrintOutcome::Cancelled;
    clickOn(*form, "BTprint");
    EXPECT_TRUE(dlg().printed.empty());
    EXPECT_FALSE(dlg().saw(listPrintedMessage()));
    clickOn(*form, "BTpreview");
    ASSERT_EQ(dlg().previewed.size(), 1u);
    EXPECT_TRUE(textOp(*dlg().previewed.front(), QStringLiteral("[의뢰조건을 만족하는 물건]")));
}
