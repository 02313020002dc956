// The partner list TFMupche and detail TFMupche1 through their controls:
// the search with typed quotes and wildcards, entering and renumbering
// partners with the cash book following, deleting with the history, Esc,
// and printing.

#include "people/tfmupche.h"
#include "common/list_printer.h"
#include "common/task_form.h"
#include "people/tfmupche1.h"
#include "people/tfmupche_store.h"
#include "tests/accounts/accounts_support.h"
#include "tools/tfmzip.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <memory>

namespace {

using Op = RecordingPrintDevice::Op;

class PartnerTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        sql(QStringLiteral(
            "INSERT INTO upche (COMNO, COMNAME, NAME, ADDR, ZIP, TELNO, FMONEY) VALUES "
            "('111', '한빛상사', '김철수', '서울시 강남구 역삼동 1', '06234', '02-555-1111', "
            "1500000), "
            "('222', '대성물산', '이영희', '부산시 중구 중앙동 7', '48905', '', NULL), "
            "('333', '한빛상사', '박민수', '대전시 서구 둔산동 3', '35203', '', NULL), "
            "('444', 'O''Neil 100%', '최지우', '인천시', '', '', NULL)"));
        // Entries: 111's own, one of 333 under the same name, one with no number.
        sql(QStringLiteral(
            "INSERT INTO maipmach (Scancode, Comno, Comname, Day1, Money, Vat, Yearmonth) VALUES "
            "('M1', '111', '한빛상사', '2026-12-01', 1000, 100, '2026-12'), "
            "('M2', '111', '한빛상사', '2026-12-02', 2000, 200, '2026-12'), "
            "('M3', '333', '한빛상사', '2026-12-03', 3000, 300, '2026-12'), "
            "('M4', '', '한빛상사', '2026-12-04', 4000, 400, '2026-12'), "
            "('M5', '222', '대성물산', '2026-12-05', 5000, 500, '2026-12')"));
    }

    std::unique_ptr<TFMupche> openList() {
        auto form = std::make_unique<TFMupche>();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    static QStringList shownNumbers(TFMupche& form) {
        QStringList numbers;
        for (int r = 0; r < form.DBGrid1->model()->rowCount(); ++r)
            numbers.append(form.DBGrid1->model()->index(r, 0).data().toString());
        return numbers;
    }
    static void selectRow(TFMupche& form, int row) {
        form.DBGrid1->selectionModel()->setCurrentIndex(
            form.DBGrid1->model()->index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    QString entryField(const char* key, const char* field) {
        return scalar(QStringLiteral("SELECT %1 FROM maipmach WHERE Scancode = ?")
                          .arg(QLatin1String(field)),
                      {QLatin1String(key)})
            .toString();
    }
    // Opens the detail with `button` and lets `inside` act on it while it is open.
    void inDetail(TFMupche& list, const char* button,
                  const std::function<void(TFMupche1&)>& inside) {
        ModalHandler handler([&](QWidget* modal) {
            auto* detail = qobject_cast<TFMupche1*>(modal);
            ASSERT_NE(detail, nullptr);
            inside(*detail);
        });
        clickOn(list, button);
        EXPECT_TRUE(handler.appeared());
    }
};

}  // namespace

TEST_F(PartnerTest, SearchFindsTypedTextLiterallyInEachFieldAndSorts) {
    auto form = openList();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("거래처 관리"));
    EXPECT_EQ(shownNumbers(*form), (QStringList{"111", "222", "333", "444"}));
    EXPECT_EQ(form->StatusCount->text(), QStringLiteral("List : 4"));
    EXPECT_EQ(columnTitles(form->DBGrid1),
              (QStringList{"사업자번호", "거래처명", "대표자", "전화번호", "팩스번호", "DC", "결재",
                           "VAT"}));
    EXPECT_EQ(form->LBcomname->text(), QStringLiteral("한빛상사"));
    EXPECT_EQ(form->DBTaddr->text(), QStringLiteral("서울시 강남구 역삼동 1"));
    EXPECT_EQ(form->DBTfmoney->text(), QStringLiteral("1,500,000"));

    const struct {
        const char* field;
        const char* typed;
        QStringList found;
    } searches[] = {{"EDcomname", "한빛", {"111", "333"}},
                    {"EDcomname", "O'Neil", {"444"}},
                    {"EDcomname", "100%", {"444"}},
                    {"EDcomname", "%", {"444"}},  // a typed % is a percent sign
                    {"EDname", "영희", {"222"}},
                    {"EDaddr", "구", {"111", "222", "333"}},
                    {"EDcomno", "2", {"222"}},
                    {"EDaddr", "제주", {}}};
    for (const auto& s : searches) {
        for (QLineEdit* e : {form->EDcomno, form->EDcomname, form->EDname, form->EDaddr})
            e->clear();
        QLineEdit* field = child<QLineEdit>(*form, s.field);
        field->setText(QString::fromUtf8(s.typed));
        pressKey(field, Qt::Key_Return);  // Enter in a search field searches
        EXPECT_EQ(shownNumbers(*form), s.found) << s.typed;
        for (QPushButton* b : {form->BTmod, form->BTdel, form->BTprint})
            EXPECT_EQ(b->isEnabled(), !s.found.isEmpty()) << s.typed;
    }
    EXPECT_TRUE(dlg().errors.isEmpty());
    form->EDaddr->clear();
    clickOn(*form, "RBcomname");
    EXPECT_EQ(shownNumbers(*form), (QStringList{"444", "222", "111", "333"}));
}

TEST_F(PartnerTest, NewPartnersOneAfterAnotherAndTheirRefusals) {
    auto list = openList();
    inDetail(*list, "BTinp", [&](TFMupche1& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("업체등록상세"));
        EXPECT_EQ(d.EDcomno->text(), QString());
        clickOn(d, "BTinp");
        EXPECT_EQ(dlg().last().text, QStringLiteral("거래처 등록번호를 등록하세요 !"));
        EXPECT_EQ(d.focusWidget(), d.EDcomno);
        d.EDcomno->setText(QStringLiteral("222"));
        clickOn(d, "BTinp");
        EXPECT_EQ(dlg().last().text, QStringLiteral("업체명을 등록하세요 !"));
        d.EDcomname->setText(QStringLiteral("새 거래처"));
        clickOn(d, "BTinp");
        EXPECT_EQ(dlg().last().text, QStringLiteral("같은 업체코드가 이미 등록되어 있습니다. !!"));
        EXPECT_EQ(dlg().last().icon, Dialogs::Icon::Warning);
        d.EDcomno->setText(QStringLiteral("555"));
        d.EDcomaddr->setText(QString(25, QChar(u'가')));  // 50 bytes, as a look-up may give
        clickOn(d, "BTinp");
        EXPECT_EQ(dlg().last().text,
                  QStringLiteral("사업장주소 항목은 40바이트까지 입력할 수 있습니다 ...!"));
        EXPECT_EQ(d.focusWidget(), d.EDcomaddr);
        d.EDcomaddr->setText(QStringLiteral("서울시"));
        clickOn(d, "BTinp");
        EXPECT_EQ(dlg().last().text, QStringLiteral("등록완료 하였습니다!"));
        EXPECT_EQ(shownNumbers(*list).size(), 5) << "the list shows it at once";
        EXPECT_EQ(d.EDcomno->text(), QString()) << "ready for the next";
        d.EDcomno->setText(QStringLiteral("666"));
        d.EDcomname->setText(QStringLiteral("또 하나"));
        clickOn(d, "BTinp");
        d.reject();
    });
    EXPECT_EQ(shownNumbers(*list), (QStringList{"111", "222", "333", "444", "555", "666"}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT ADDR FROM upche WHERE COMNO = '555'")).toString(),
              QStringLiteral("서울시"));
}

// Renumbering and renaming 111 carries both into its own entries only:
// the entries of 333, which has the same name, and one without a number
// keep their name. The message comes after the commit.
TEST_F(PartnerTest, ChangeCarriesNumberAndNameIntoThisPartnersEntriesOnly) {
    auto list = openList();
    selectRow(*list, 0);
    bool committedWhenTold = false;
    dlg().onMessage = [&](const ScriptedDialogs::Message& m) {
        if (m.text == QStringLiteral("수정완료 하였습니다!"))
            committedWhenTold =
                scalar(QStringLiteral("SELECT count(*) FROM upche WHERE COMNO = '999'")).toInt() ==
                1;
    };
    inDetail(*list, "BTmod", [&](TFMupche1& d) {
        EXPECT_EQ(d.EDcomname->text(), QStringLiteral("한빛상사"));
        EXPECT_EQ(d.EDzip->text(), QStringLiteral("06234"));
        d.EDcomno->setText(QStringLiteral("999"));
        d.EDcomname->setText(QStringLiteral("한빛종합상사"));
        clickOn(d, "BTinp");
        EXPECT_FALSE(d.isVisible()) << "a change closes the detail";
    });
    EXPECT_TRUE(committedWhenTold);
    EXPECT_EQ(entryField("M1", "Comno"), QStringLiteral("999"));
    EXPECT_EQ(entryField("M2", "Comname"), QStringLiteral("한빛종합상사"));
    EXPECT_EQ(entryField("M3", "Comname"), QStringLiteral("한빛상사"));
    EXPECT_EQ(entryField("M3", "Comno"), QStringLiteral("333"));
    EXPECT_EQ(entryField("M4", "Comname"), QStringLiteral("한빛상사"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM upche WHERE COMNO = '111'")).toInt(), 0);

    // A change to a number another partner has is refused and writes nothing.
    selectRow(*list, 0);  // 222, first now that 111 is 999
    inDetail(*list, "BTmod", [&](TFMupche1& d) {
        EXPECT_EQ(d.EDcomno->text(), QStringLiteral("222"));
        d.EDcomno->setText(QStringLiteral("333"));
        clickOn(d, "BTinp");
        EXPECT_EQ(dlg().last().text, QStringLiteral("같은 업체코드가 이미 등록되어 있습니다. !!"));
    });
    EXPECT_EQ(entryField("M5", "Comno"), QStringLiteral("222"));
}

// "종료" and Esc drop what was typed only after asking.
TEST_F(PartnerTest, QuitAndEscapeAskBeforeDroppingTypedText) {
    auto list = openList();
    selectRow(*list, 1);
    inDetail(*list, "BTmod", [&](TFMupche1& d) {
        pressKey(d.EDname, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible()) << "nothing typed: Esc closes at once";
        EXPECT_TRUE(dlg().messages.isEmpty());
    });
    inDetail(*list, "BTmod", [&](TFMupche1& d) {
        d.EDname->setText(QStringLiteral("새 대표"));
        dlg().script({Dialogs::Answer::No});
        pressKey(d.EDname, Qt::Key_Escape);
        EXPECT_EQ(dlg().messages.size(), 1) << "asked once";
        EXPECT_EQ(dlg().last().text, TaskForm::escapeQuestion());
        EXPECT_TRUE(d.isVisible());
        dlg().script({Dialogs::Answer::Yes});
        clickOn(d, "BTquit");
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(scalar(QStringLiteral("SELECT NAME FROM upche WHERE COMNO = '222'")).toString(),
              QStringLiteral("이영희"));

    // A partner removed since the list was read cannot be changed.
    sql(QStringLiteral("DELETE FROM upche WHERE COMNO = '222'"));
    inDetail(*list, "BTmod", [&](TFMupche1& d) {
        EXPECT_EQ(dlg().last().text, QStringLiteral("Comno not found !"));
        EXPECT_FALSE(d.BTinp->isEnabled());
    });
}

TEST_F(PartnerTest, PostalLookUpFillsAddressZipAndAnEmptyTelephone) {
    sql(QStringLiteral(
        "INSERT INTO addr (ZIP, ADDR, DDD) VALUES ('48905', '부산광역시 중구 중앙동', '051')"));
    auto list = openList();
    selectRow(*list, 1);
    inDetail(*list, "BTmod", [&](TFMupche1& d) {
        d.EDcomaddr->setText(QStringLiteral("중앙동"));
        d.EDcomaddr->setFocus();
        ModalHandler zip([](QWidget* modal) {
            auto* lookUp = qobject_cast<TFMzip*>(modal);
            ASSERT_NE(lookUp, nullptr);
            EXPECT_EQ(lookUp->EDaddr->text(), QStringLiteral("중앙동"));
            pressKey(lookUp->DBGrid1, Qt::Key_Return);
        });
        pressKey(d.EDcomaddr, Qt::Key_F2);
        EXPECT_TRUE(zip.appeared());
        EXPECT_EQ(d.EDcomaddr->text(), QStringLiteral("부산광역시 중구 중앙동"));
        EXPECT_EQ(d.EDzip->text(), QStringLiteral("48905"));
        EXPECT_EQ(d.EDtelno->text(), QStringLiteral("051"));
        d.reject();
    });
}

TEST_F(PartnerTest, DeleteRemovesHistoryThenPartnerInOneAction) {
    auto list = openList();
    selectRow(*list, 0);  // 111 한빛상사
    dlg().script({Dialogs::Answer::Yes, Dialogs::Answer::No});
    clickOn(*list, "BTdel");
    EXPECT_EQ(dlg().texts(),
              (QStringList{"선택한 업체를 삭제할까요 ...?",
                           "삭제할 업체의 매입/매출 이력이 있습니다. 이력까지 모두 삭제할까요 ?"}));
    EXPECT_EQ(rows(QStringLiteral("upche")), 4) << "No keeps everything";
    EXPECT_EQ(rows(QStringLiteral("maipmach")), 5);

    dlg().reset();
    dlg().script({Dialogs::Answer::Yes, Dialogs::Answer::Yes});
    clickOn(*list, "BTdel");
    EXPECT_EQ(rows(QStringLiteral("upche")), 3);
    // Its own entries go; 333's and the one without a number stay.
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(Scancode) FROM (SELECT Scancode FROM maipmach "
                              "ORDER BY Scancode)"))
            .toString(),
        QStringLiteral("M3,M4,M5"));
    EXPECT_EQ(shownNumbers(*list), (QStringList{"222", "333", "444"}));

    // A partner another program removed meanwhile: told, and nothing else deleted.
    selectRow(*list, 0);  // 222
    dlg().reset();
    dlg().onMessage = [this](const ScriptedDialogs::Message& m) {
        if (m.text == QStringLiteral("선택한 업체를 삭제할까요 ...?"))
            sql(QStringLiteral("DELETE FROM upche WHERE COMNO = '222'"));
    };
    clickOn(*list, "BTdel");
    EXPECT_EQ(dlg().last().text, QStringLiteral("Comno not found !"));
    EXPECT_EQ(entryField("M5", "Comno"), QStringLiteral("222"));

    // A partner without history is deleted after one question.
    dlg().reset();
    dlg().onMessage = nullptr;
    selectRow(*list, 1);  // 444
    clickOn(*list, "BTdel");
    EXPECT_EQ(dlg().messages.size(), 1);
    EXPECT_EQ(shownNumbers(*list), (QStringList{"333"}));
}

// The list prints with the addresses; a printer dialog that fails is told
// and prints nothing.
TEST_F(PartnerTest, PrintsWithTheAddressesAndAFailedDialogPrintsNothing) {
    auto form = openList();
    clickOn(*form, "BTprint");
    ASSERT_EQ(dlg().printed.size(), 1u);
    const RecordingPrintDevice& device = *dlg().printed.front();
    EXPECT_EQ(device.jobTitle(), QStringLiteral("거래처 관리"));
    const QStringList texts = device.texts();
    EXPECT_TRUE(texts.contains(QStringLiteral("주소")));
    EXPECT_TRUE(texts.contains(QStringLiteral("부산시 중구 중앙동 7")));
    EXPECT_TRUE(texts.contains(QStringLiteral("List : 4")));
    EXPECT_TRUE(dlg().saw(listPrintedMessage()));
    EXPECT_EQ(columnTitles(form->DBGrid1).size(), 8) << "the address is taken out again";
    EXPECT_FALSE(form->QRupche.field(QStringLiteral("ADDR")).visible);

    dlg().reset();
    dlg().printDialog = Dialogs::PrintOutcome::DialogFailed;
    clickOn(*form, "BTprint");
    EXPECT_EQ(dlg().texts(), QStringList{"프린터에 문제가 생겼습니다. 확인후 재시도 하세요 ...!"});
    EXPECT_EQ(dlg().printedOnCurrentPrinter, 0);
    EXPECT_TRUE(dlg().printed.empty());
}
