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

// Six clients that each search condition tells apart, and seven listings.
//        name    kind  category  wanted  regions        budget  land     bldg    status
//  C1    김매수  매수  아파트    래미안  역삼,잠실       60,000  20-40    -       문의
//  C2    이임대  임대  상가      -       해운대          20,000  -        30-50   작업중
//  C3    박전체  전체  전체      -       -               -       -        -       계약
//  C4    최상가  매수  상가건물  -       강남           300,000  50-150  100-400 좋은손님
//  C5    정원룸  임대  원룸      -       신촌             5,000  -        0-10   취소
//  C6    강토지  매수  토지      -       분당            40,000  100-     -       문의
class ClientListTest : public ClientsStoreTest {
protected:
    void SetUp() override {
        ClientsStoreTest::SetUp();
        sql(QStringLiteral(
            "INSERT INTO burequ (scancode, name, im, cname, wantcom, addr, yesan, dpungl, "
            "dpungu, gpungl, gpungu, working, inday, htel) VALUES "
            "('C1', '김매수', '매수', '아파트', '래미안', '역삼,잠실', 60000, 20, 40, 0, 0, "
            " '문의', '2026-01-10', '02-111-1111'), "
            "('C2', '이임대', '임대', '상가', '', '해운대', 20000, 0, 0, 30, 50, '작업중', "
            " '2026-02-10', ''), "
            "('C3', '박전체', '전체', '전체', '', '', NULL, 0, 0, 0, 0, '계약', '2026-03-10', ''), "
            "('C4', '최상가', '매수', '상가건물', '', '강남', 300000, 50, 150, 100, 400, "
            " '좋은손님', '2026-04-10', ''), "
            "('C5', '정원룸', '임대', '원룸', '', '신촌', 5000, 0, 0, 0, 10, '취소', "
            " '2026-05-10', ''), "
            "('C6', '강토지', '매수', '토지', '', '분당', 40000, 100, 0, 0, 0, '문의', "
            " '2026-06-10', '')"));
        sql(QStringLiteral(
            "INSERT INTO budong (scancode, im, cname, cname1, addr, dpung, gpung, tmprice, "
            "ensurem, reqing, kwanggo, inday) VALUES "
            "('L01', '매매', '아파트', '래미안', '서울 강남구 역삼동', 30, 25, 50000, 0, 'Y', 'N', "
            " '2026-01-01'), "
            "('L02', '매매', '아파트', '자이', '서울 송파구 잠실동', 20, 33, 90000, 0, 'N', 'N', "
            " '2026-01-02'), "
            "('L03', '임대', '아파트', 'Raemian', '서울 강남구 삼성동', 0, 30, 0, 30000, 'Y', "
            " 'N', '2026-01-03'), "
            "('L04', '임대', '상가', '50%상가', '부산 해운대구', 0, 40, 0, 10000, 'Y', 'N', "
            " '2026-01-04'), "
            "('L05', '매매', '상가건물', '', '서울 강남구 역삼동', 100, 300, 200000, 0, 'Y', 'N', "
            " '2026-01-05')"));
    }

    std::unique_ptr<TFMbur_lst> openForm() {
        auto form = std::make_unique<TFMbur_lst>();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    static QStringList keysOf(Query& query, QTableView* grid) {
        QStringList keys;
        const int field = query.fieldIndex(QStringLiteral("Scancode"));
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            keys.append(query.valueAt(row, field).toString());
        return keys;
    }
    static QStringList clients(TFMbur_lst& form) { return keysOf(form.QRburequ, form.DBGrid1); }
    static QStringList listings(TFMbur_lst& form) { return keysOf(form.QRbudong, form.DBGrid2); }
    static QStringList titles(QTableView* grid) {
        QStringList result;
        for (int column = 0; column < grid->model()->columnCount(); ++column)
            result.append(grid->model()->headerData(column, Qt::Horizontal).toString());
        return result;
    }
    static void selectClient(TFMbur_lst& form, int row) {
        form.DBGrid1->selectionModel()->setCurrentIndex(
            form.DBGrid1->model()->index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    static void writeSettings(const QString& text) {
        QFile file(matchSettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("[BUDONG]\nMatching=%1\n").arg(text).toUtf8());
    }
    static QString settingsFile() {
        QFile file(matchSettingsPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    static std::optional<Op> textOp(const RecordingPrintDevice& device, const QString& text) {
        for (const Op& op : device.ops(Op::Text)) {
            if (op.text == text) return op;
        }
        return std::nullopt;
    }
};

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
        EXPECT_EQ(form->StatusClients->text(), QStringLiteral("검색대상: %1").arg(c.expected.size()))
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
    EXPECT_TRUE(settingsFile().contains(QStringLiteral("Matching=1101101"))) << settingsFile().toStdString();
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
