// The second page of the client list: the match of the selected client with
// the listings, the settings panel, the detail columns and the offered
// history.

#include "clients/tfmbur_lst.h"

#include "clients/client_columns.h"
#include "clients/offered_history.h"
#include "clients/tfmbur_offer.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/query_model.h"
#include "common/record_navigator.h"
#include "common/store_helpers.h"
#include "listings/tfmbu_imd.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

void TFMbur_lst::match() {
    if (!QRburequ.isOpen() || QRburequ.recordCount() == 0) return;
    runMatch(clientWishesFromRow(QRburequ, std::max(0, clientRow())));
}

void TFMbur_lst::runMatch(const ClientWishes& client) {
    const ClientStatement statement =
        buildClientMatch(client, matchSettings(), {.hideOffered = CKBhideOffered->isChecked()});
    matchModel_->suspend();
    statement.applyTo(QRbudong);
    const bool opened = openWithRetry(QRbudong);
    matchModel_->resume();
    showMatchColumns();
    matchedClient_ = client;
    matched_ = opened;
    LBmatchedClient->setText(QStringLiteral("손님: %1  [%2 / %3]  %4")
                                 .arg(client.name, client.im, client.cname, client.addr));
    // Declined retry: the match ends without a count.
    if (opened) showMatchCount();
    BToffer->setEnabled(opened && QRbudong.recordCount() > 0);
}

// The match of the same client again (after the settings, the offered
// history or the hiding box changed), on the same row where it still is.
void TFMbur_lst::rerunMatch() {
    if (!matched_) return;
    const int row = DBGrid2->currentIndex().row();
    runMatch(matchedClient_);
    const int rows = matchModel_->rowCount();
    if (row >= 0 && rows > 0) {
        DBGrid2->selectionModel()->setCurrentIndex(matchModel_->index(std::min(row, rows - 1), 0),
                                                   QItemSelectionModel::NoUpdate);
    }
}

void TFMbur_lst::showMatchCount() {
    const int rows = QRbudong.recordCount();
    StatusMatches->setText(QStringLiteral("일치대상: ") + QString::number(rows));
}

void TFMbur_lst::viewMatchedListing() {
    if (!DBGrid2->hasFocus() || !QRbudong.isOpen() || QRbudong.recordCount() == 0) return;
    const int row = std::max(0, DBGrid2->currentIndex().row());
    TFMbu_imd entry(this);
    entry.entryMode = 4;
    entry.scancode =
        QRbudong.valueAt(row, QRbudong.fieldIndex(QStringLiteral("Scancode"))).toString();
    entry.exec();
}

void TFMbur_lst::offerSelected() {
    if (!matched_ || !QRbudong.isOpen()) return;
    const int field = QRbudong.fieldIndex(QStringLiteral("Scancode"));
    QStringList listings;
    for (const QModelIndex& index : DBGrid2->selectionModel()->selectedRows())
        listings.append(QRbudong.valueAt(index.row(), field).toString());
    if (listings.isEmpty()) {
        dialogs().information(QStringLiteral("제시한 물건을 목록에서 선택하세요 ...!"));
        DBGrid2->setFocus();
        return;
    }
    if (!markOffered(matchedClient_.scancode, listings, todayText(), EDofferNote->text())) {
        dialogs().information(QStringLiteral("해당되는 자료가 존재하지 않습니다 ...!"));
        return;
    }
    EDofferNote->clear();
    rerunMatch();
    DBGrid2->setFocus();
}

void TFMbur_lst::openOfferedHistory() {
    // The client of the second page while it is shown, else the selected one.
    const bool ofMatch = PageControl1->currentIndex() == 1 && matched_;
    const ClientWishes client =
        ofMatch ? matchedClient_ : clientWishesFromRow(QRburequ, std::max(0, clientRow()));
    if (client.scancode.isEmpty()) return;
    {
        TFMbur_offer history(this);
        history.setClient(client.scancode, client.name);
        history.exec();
    }
    rerunMatch();
}

// The nine detail columns of the matched grid: shown when hidden, hidden
// when shown; the caption says what the next press does.
void TFMbur_lst::toggleDetailColumns() {
    const bool show = !QRbudong.field(QStringLiteral("Cname1")).visible;
    for (const QString& name : matchedDetailFields())
        QRbudong.field(name).visible = show;
    BThideView->setText(show ? QStringLiteral("감추기") : QStringLiteral("다보기"));
    BThideView->setToolTip(show ? QStringLiteral("주요항목 감추기")
                                : QStringLiteral("주요항목 다보기"));
    matchModel_->refresh();
    showMatchColumns();
}

// The columns of the matched grid at their widths, the last offered day
// right after the receipt date, where the eye looks for dates.
void TFMbur_lst::showMatchColumns() {
    applyDisplayWidths(DBGrid2, *matchModel_, QRbudong);
    QHeaderView* header = DBGrid2->horizontalHeader();
    for (int logical = 0; logical < header->count(); ++logical) {
        if (header->visualIndex(logical) != logical)
            header->moveSection(header->visualIndex(logical), logical);
    }
    const int offered = matchModel_->columnOfField(QRbudong.fieldIndex(QStringLiteral("Offerday")));
    const int received = matchModel_->columnOfField(QRbudong.fieldIndex(QStringLiteral("Inday")));
    if (offered >= 0) header->moveSection(header->visualIndex(offered), received + 1);
}

void TFMbur_lst::openSettings() {
    PageControl1->setCurrentIndex(0);
    placeOverlayPanels();
    PNinqCond->show();
    PNinqCond->raise();
    CKBcname->setFocus();
}

void TFMbur_lst::closeSettings() {
    PNinqCond->hide();
    if (!writeMatchSettings(matchSettings())) {
        dialogs().information(QStringLiteral("일치조건 설정을 ") + matchSettingsPath() +
                              QStringLiteral(" 파일에 저장할 수 없습니다 ...!"));
    }
    DBGrid1->setFocus();
}
