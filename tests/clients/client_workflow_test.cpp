// The client forms end to end: the entry modes handed by the list, the
// listing viewed from the matched grid, offering listings and their
// history, the list opened from the main window with a client typed in
// Korean, and the other way round: the clients a listing fits, from the
// listing list, the listing entry form and after a new listing was saved.

#include "app/main_actions.h"
#include "app/tfmbu_main.h"
#include "clients/offered_history.h"
#include "clients/tfmbur_fit.h"
#include "clients/tfmbur_imd.h"
#include "clients/tfmbur_offer.h"
#include "listings/listing_deletion.h"
#include "listings/tfmbu_imd.h"
#include "listings/tfmbu_lst.h"
#include "tests/clients/clients_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

using ClientWorkflowTest = ClientListFixture;

namespace {

// Opens the modal form that `press` brings up, hands it to `inside` and
// closes it; returns whether it appeared.
template <typename Form>
bool whileOpen(const std::function<void()>& press, const std::function<void(Form&)>& inside) {
    ModalHandler handler([&](QWidget* modal) {
        auto* form = qobject_cast<Form*>(modal);
        ASSERT_NE(form, nullptr) << modal->metaObject()->className();
        if (inside) inside(*form);
        form->reject();
    });
    press();
    return handler.appeared();
}

void doubleClickRow(QTableView* grid, int row) {
    const QRect at = grid->visualRect(grid->model()->index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at.center());
}

}  // namespace

TEST_F(ClientWorkflowTest, EntryModeComesFromThePressedButtonWhateverHasTheFocus) {
    auto form = openForm();
    const auto handed = [&](QPushButton* button) {
        std::pair<int, QString> result;
        EXPECT_TRUE(whileOpen<TFMbur_imd>([&] { button->click(); },
                                          [&](TFMbur_imd& entry) {
                                              result = {entry.entryMode, entry.scancode};
                                          }));
        return result;
    };
    selectClient(*form, 2);
    form->DBGrid1->setFocus();  // the focus stays on the grid while a button is pressed
    EXPECT_EQ(handed(form->BTinp).first, 1);
    for (const auto& [button, mode] :
         {std::pair{form->BTmod, 2}, std::pair{form->BTdel, 2}, std::pair{form->BTallview, 4}}) {
        selectClient(*form, 2);
        form->DBGrid1->setFocus();
        EXPECT_EQ(handed(button), std::make_pair(mode, QStringLiteral("C3")))
            << button->objectName().toStdString();
    }
    int viewed = 0;
    EXPECT_TRUE(whileOpen<TFMbur_imd>([&] { doubleClickRow(form->DBGrid1, 1); },
                                      [&](TFMbur_imd& entry) { viewed = entry.entryMode; }));
    EXPECT_EQ(viewed, 4);

    // Back from a change the list is searched again and stays on its row.
    selectClient(*form, 3);
    whileOpen<TFMbur_imd>(
        [&] { form->BTmod->click(); },
        [this](TFMbur_imd&) { sql(QStringLiteral("DELETE FROM burequ WHERE scancode = 'C1'")); });
    EXPECT_EQ(form->StatusClients->text(), QStringLiteral("검색대상: 5"));
    EXPECT_EQ(form->DBGrid1->currentIndex().row(), 3);
}

TEST_F(ClientWorkflowTest, MatchedListingOpensInTheListingEntryFormToView) {
    auto form = openForm();
    clickOn(*form, "BTmatch");  // C1: L01, L02, L05
    form->PageControl1->setCurrentIndex(1);
    std::pair<int, QString> handed;
    EXPECT_TRUE(whileOpen<TFMbu_imd>([&] { doubleClickRow(form->DBGrid2, 2); },
                                     [&](TFMbu_imd& entry) {
                                         handed = {entry.entryMode, entry.scancode};
                                     }));
    EXPECT_EQ(handed, std::make_pair(4, QStringLiteral("L05")));
    EXPECT_EQ(form->PageControl1->currentIndex(), 1) << "still on the matched listings";
}

TEST_F(ClientWorkflowTest, OfferedListingsAreRecordedHiddenListedAndPrinted) {
    auto form = openForm();
    clickOn(*form, "BTmatch");  // C1: L01, L02, L05
    form->PageControl1->setCurrentIndex(1);
    clickOn(*form, "BToffer");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("제시한 물건을 목록에서 선택하세요 ...!")});
    EXPECT_EQ(rows(QStringLiteral("buoffer")), 0);

    QItemSelectionModel* selection = form->DBGrid2->selectionModel();
    selection->clearSelection();
    for (const int row : {0, 2})
        selection->select(form->DBGrid2->model()->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    typeInto(form->EDofferNote, QStringLiteral("1차 현장 안내"));
    clickOn(*form, "BToffer");
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT group_concat(scanbud || ' ' || offerday || ' ' || "
                              "remark, ', ') FROM (SELECT * FROM buoffer WHERE scanreq = "
                              "'C1' ORDER BY scanbud)")),
        QVariant(QStringLiteral("L01 2026-12-08 1차 현장 안내, L05 2026-12-08 1차 현장 안내")));
    EXPECT_TRUE(form->EDofferNote->text().isEmpty());
    const int dayColumn = static_cast<int>(titles(form->DBGrid2).indexOf(QStringLiteral("제시일")));
    ASSERT_GE(dayColumn, 0);
    EXPECT_EQ(form->DBGrid2->model()->index(0, dayColumn).data().toString(),
              QStringLiteral("2026-12-08"));
    EXPECT_TRUE(form->DBGrid2->model()->index(1, dayColumn).data().toString().isEmpty());

    form->CKBhideOffered->setChecked(true);
    EXPECT_EQ(listings(*form), QStringList{"L02"});
    EXPECT_EQ(form->StatusMatches->text(), QStringLiteral("일치대상: 1"));

    // The history: listed, printed, one entry deleted.
    EXPECT_TRUE(whileOpen<TFMbur_offer>(
        [&] { clickOn(*form, "BToffers"); },
        [this](TFMbur_offer& history) {
            EXPECT_EQ(history.windowTitle(), QStringLiteral("제시 내역"));
            EXPECT_EQ(history.StatusCount->text(), QStringLiteral("제시: 2건"));
            QTest::mouseClick(history.BTprint, Qt::LeftButton);
            ASSERT_EQ(dlg().printed.size(), 1u);
            const RecordingPrintDevice& device = *dlg().printed.front();
            EXPECT_TRUE(textOp(device, QStringLiteral("[제시 내역]")));
            EXPECT_TRUE(textOp(device, QStringLiteral("손님: 김매수")));
            EXPECT_TRUE(textOp(device, QStringLiteral("1차 현장 안내")));
            history.DBGrid1->selectRow(0);
            dlg().script({Dialogs::Answer::Yes});
            QTest::mouseClick(history.BTdel, Qt::LeftButton);
            EXPECT_EQ(history.StatusCount->text(), QStringLiteral("제시: 1건"));
        }));
    EXPECT_EQ(rows(QStringLiteral("buoffer")), 1);
    EXPECT_EQ(listings(*form).size(), 2) << "the entry no longer recorded shows again";
}

TEST_F(ClientWorkflowTest, MainWindowOpensTheListWhereAClientTypedInKoreanFindsItsListings) {
    TFMbu_main window;
    connectMainActions(window);
    window.show();
    QStringList matched;
    const bool opened = whileOpen<TFMbur_lst>(
        [&] { QTest::mouseClick(child<QAbstractButton>(window, "BT2"), Qt::LeftButton); },
        [&](TFMbur_lst& list) {
            EXPECT_EQ(list.StatusClients->text(), QStringLiteral("검색대상: 6"));
            whileOpen<TFMbur_imd>([&] { list.BTinp->click(); },
                                  [](TFMbur_imd& entry) {
                                      typeInto(entry.EDname, QStringLiteral("한국인"));
                                      chooseItem(entry.CBim, QStringLiteral("임대"));
                                      chooseItem(entry.CBcname, QStringLiteral("상가"));
                                      typeInto(entry.EDaddr, QStringLiteral("해운대"));
                                      QTest::mouseClick(entry.BTinp, Qt::LeftButton);
                                      QTest::mouseClick(entry.BTquit, Qt::LeftButton);
                                  });
            EXPECT_EQ(list.StatusClients->text(), QStringLiteral("검색대상: 7"));
            typeInto(list.EDname, QStringLiteral("한국"));
            QTest::mouseClick(list.BTinq, Qt::LeftButton);
            ASSERT_EQ(clients(list).size(), 1);
            list.CKBaddr->setChecked(true);
            QTest::mouseClick(list.BTmatch, Qt::LeftButton);
            matched = listings(list);
        });
    EXPECT_TRUE(opened);
    EXPECT_EQ(matched, QStringList{"L04"});
    EXPECT_EQ(scalar(QStringLiteral("SELECT addr FROM burequ WHERE name = '한국인'")),
              QVariant(QStringLiteral("해운대")));
    EXPECT_TRUE(dlg().errors.isEmpty());
}

// --- The other way round: the clients a listing fits ----------------------------

TEST_F(ClientWorkflowTest, ListingListShowsTheWaitingClientsTheSelectedListingFits) {
    writeSettings(QStringLiteral("1100101"));  // 분류, 선호지역, 예산, 의뢰중만
    TFMbu_lst list;
    list.show();
    // The listing list shows the open, unadvertised listings in number order.
    const int field = list.QRbudong.fieldIndex(QStringLiteral("Scancode"));
    int row = -1;
    for (int r = 0; r < list.QRbudong.recordCount(); ++r) {
        if (list.QRbudong.valueAt(r, field).toString() == QStringLiteral("L04")) row = r;
    }
    ASSERT_GE(row, 0);
    auto* grid = child<QTableView>(list, "DBGrid1");
    grid->selectionModel()->setCurrentIndex(
        grid->model()->index(row, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QStringList waiting;
    QStringList all;
    QString settings;
    EXPECT_TRUE(whileOpen<TFMbur_fit>([&] { clickOn(list, "BTclients"); },
                                      [&](TFMbur_fit& fit) {
                                          EXPECT_EQ(fit.windowTitle(),
                                                    QStringLiteral("이 물건에 맞는 손님"));
                                          settings = fit.LBsettings->text();
                                          waiting = fit.listedClients();
                                          fit.CKBwaiting->setChecked(false);
                                          all = fit.listedClients();
                                      }));
    // L04: a lease of 상가 in 해운대 for a deposit of 10,000. C2 wants just
    // that; C3 wants anything but has signed (계약); C5 wants a 원룸.
    EXPECT_EQ(waiting, QStringList{"C2"});
    EXPECT_EQ(all, (QStringList{"C2", "C3"}));
    EXPECT_EQ(settings, QStringLiteral("일치조건: 분류, 선호지역, 예산, 의뢰중만"));
}

TEST_F(ClientWorkflowTest, SavingANewListingSaysHowManyWaitingClientsItFits) {
    TFMbu_imd entry;
    entry.entryMode = 1;
    entry.show();
    chooseItem(child<QComboBox>(entry, "CBim"), QStringLiteral("임대"));
    typeInto(child<QLineEdit>(entry, "EDaddr"), QStringLiteral("부산 해운대구 우동"));
    const QString question =
        QStringLiteral("이 물건에 맞는 손님이 1명 있습니다. 손님 목록을 볼까요 ...?");

    // A lease fits the tenants C2 and C5 (cancelled) and C3 (signed): one waits.
    dlg().script({Dialogs::Answer::Ok, Dialogs::Answer::No});
    clickOn(entry, "BTinp");
    EXPECT_EQ(dlg().texts(), (QStringList{QStringLiteral("자료를 등록하였습니다 ...!"), question}));

    dlg().reset();
    QStringList listed;
    EXPECT_TRUE(whileOpen<TFMbur_fit>([&] { clickOn(entry, "BTinp"); },
                                      [&](TFMbur_fit& fit) { listed = fit.listedClients(); }));
    EXPECT_EQ(dlg().texts(), (QStringList{QStringLiteral("자료를 등록하였습니다 ...!"), question}));
    EXPECT_EQ(listed, QStringList{"C2"});

    // "손님?" asks about the listing as the form shows it, saved or not.
    chooseItem(child<QComboBox>(entry, "CBim"), QStringLiteral("매매"));
    EXPECT_TRUE(whileOpen<TFMbur_fit>([&] { clickOn(entry, "BTclients"); },
                                      [&](TFMbur_fit& fit) { listed = fit.listedClients(); }));
    EXPECT_EQ(listed, (QStringList{"C1", "C4", "C6"}));
}

TEST_F(ClientWorkflowTest, DeletingAListingDeletesItsOfferedHistory) {
    ASSERT_TRUE(markOffered(QStringLiteral("C1"), {"L01", "L02"}, "2026-12-01", QString()));
    ASSERT_TRUE(markOffered(QStringLiteral("C2"), {"L01"}, "2026-12-02", QString()));
    EXPECT_TRUE(deleteListingWithPhotos(QStringLiteral("L01")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT group_concat(scanreq || scanbud) FROM buoffer")),
              QVariant(QStringLiteral("C1L02")));
}
