#include "accounts/tfmmoney.h"

#include "accounts/tfmmaipmach.h"
#include "accounts/tfmmoney1.h"
#include "common/action_guard.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "common/list_printer.h"
#include "common/number_format.h"
#include "common/query_csv.h"
#include "common/query_model.h"
#include "data/database.h"
#include "data/transaction.h"
#include "people/tfmupche.h"
#include "tools/tfmcalendar.h"
#include "tools/tfmcalendar1.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace {

QString printerTroubleMessage() {
    return QStringLiteral("프린터에 문제가 생겼습니다. 확인후 재시도 하세요 ...!");
}

}  // namespace

TFMmoney::TFMmoney(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMmoney"));
    setWindowTitle(QStringLiteral("금전 출납"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    buildForm();
    connectControls();
}

TFMmoney::~TFMmoney() {
    // The date fields lose the focus while they are destroyed; nothing of the form may run then.
    for (QLineEdit* day : {EDday1, EDday2})
        day->removeEventFilter(this);
    // The grid must stop reading the query before the query goes.
    DBGrid1->setModel(nullptr);
}

void TFMmoney::connectControls() {
    connect(BTinq, &QPushButton::clicked, this, guarded([this] { search(); }));
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { openEntryForm(); }));
    connect(BTprint, &QPushButton::clicked, this, guarded([this] { printList(false); }));
    connect(BTpreview, &QPushButton::clicked, this, guarded([this] { printList(true); }));
    connect(BTcsv, &QPushButton::clicked, this, guarded([this] { saveCsv(); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { deleteEntry(); }));
    connect(BTupche, &QPushButton::clicked, this, guarded([this] { openPartners(); }));
    connect(BTmonth, &QPushButton::clicked, this, guarded([this] { openSettlement(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { reject(); });
    connect(SpeedButton1, &QToolButton::clicked, this, guarded([this] { choosePeriod(); }));
    connect(CBcomname, &QComboBox::currentIndexChanged, this, guarded([this] { search(); }));
    for (QRadioButton* choice :
         {RBmaip, RBmach, RBmaipMach, RBall, RBday1, RBcomname, RByearmonth}) {
        connect(choice, &QRadioButton::clicked, this, guarded([this] { search(); }));
    }
    FocusKeys::install({CBcomname, EDday1, EDday2}, false);
    for (QLineEdit* day : {EDday1, EDday2})
        day->installEventFilter(this);
}

void TFMmoney::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeHighlight();
    if (activated_) return;
    activated_ = true;
    formActivate();
}

void TFMmoney::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeHighlight();
}

bool TFMmoney::eventFilter(QObject* watched, QEvent* event) {
    auto* day = qobject_cast<QLineEdit*>(watched);
    if (day && event->type() == QEvent::MouseButtonDblClick) {
        runGuarded([this, day] { pickDay(day); });
        return true;
    }
    if (day && event->type() == QEvent::FocusOut) {
        // Leaving a date field rewrites the date; a text that is not a date
        // keeps the focus. Switching to another window is not leaving it.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            isVisible() && !normalizeDateField(day)) {
            QTimer::singleShot(0, day, [day] { day->setFocus(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFMmoney::formActivate() {
    runGuarded([this] { fillPartners(); });
    EDday1->setText(monthStart());
    EDday2->setText(monthEnd());
    runGuarded([this] { search(); });
}

// "전체" and every partner's name, in name order. A partner still chosen
// stays chosen when the list is filled again.
void TFMmoney::fillPartners() {
    const QString chosen = CBcomname->currentText();
    const QSignalBlocker quiet(CBcomname);
    CBcomname->clear();
    CBcomname->addItem(allPartners());
    Query names;
    names.add(QStringLiteral(
        "select distinct c.\"comname\" from \"upche.dbf\" c order by c.\"comname\""));
    names.open();
    for (; !names.eof(); names.next())
        CBcomname->addItem(names.value(0).toString());
    names.close();
    CBcomname->setCurrentIndex(std::max(0, CBcomname->findText(chosen)));
}

CashBookFilter TFMmoney::filter() const {
    CashBookFilter f;
    f.partner = CBcomname->currentText();
    f.day1 = EDday1->text().trimmed();
    f.day2 = EDday2->text().trimmed();
    f.kind = RBmaip->isChecked()   ? CashKind::Purchases
             : RBmach->isChecked() ? CashKind::Sales
                                   : CashKind::All;
    return f;
}

CashList TFMmoney::currentList() const {
    if (RBday1->isChecked()) return CashList::ByDay;
    if (RBcomname->isChecked()) return CashList::ByPartner;
    if (RByearmonth->isChecked()) return CashList::ByMonth;
    return CashList::Detail;
}

// A date field left with a text that is not a date would compare as text
// and quietly give a wrong list; it is refused before the search.
bool TFMmoney::datesAreDates() {
    for (QLineEdit* day : {EDday1, EDday2}) {
        if (!normalizeDateField(day)) {
            day->setFocus();
            return false;
        }
    }
    return true;
}

void TFMmoney::search() {
    if (!datesAreDates()) return;
    const CashBookFilter f = filter();
    const CashList list = currentList();
    setWindowTitle(cashBookCaption(f.kind, list));
    placeHighlight();
    model_->suspend();
    applyCashBookList(QRmoney, f, list);
    QRmoney.open();
    totals_ = cashBookTotals(f);
    const int rows = QRmoney.recordCount();
    showTotals(rows);
    model_->refresh();
    applyDisplayWidths(DBGrid1, *model_, QRmoney);
    BTdel->setEnabled(list == CashList::Detail && rows > 0);
    for (QPushButton* b : {BTprint, BTpreview, BTcsv})
        b->setEnabled(rows > 0);
    if (rows > 0) moveGridRow(0);
    DBGrid1->setFocus();
}

void TFMmoney::showTotals(int rows) {
    LBmoneyCount->setText(QString::number(rows));
    LBMoneyVat->setText(formatAmount(totals_.purchases));
    LBmoney1Vat1->setText(formatAmount(totals_.sales));
    LBdiff->setText(formatAmount(totals_.difference()));
    QPalette colours = LBdiff->palette();
    colours.setColor(QPalette::WindowText, totals_.difference() < 0 ? Qt::red : Qt::black);
    LBdiff->setPalette(colours);
}

void TFMmoney::placeHighlight() {
    QRadioButton* chosen = RBall;
    for (QRadioButton* list : {RBday1, RBcomname, RByearmonth}) {
        if (list->isChecked()) chosen = list;
    }
    Shape1->setGeometry(chosen->geometry().adjusted(-4, -3, 4, 3));
    Shape1->raise();
}

int TFMmoney::currentRow() const {
    return DBGrid1->currentIndex().row();
}

void TFMmoney::moveGridRow(int row) {
    const int rows = model_->rowCount();
    if (rows == 0) return;
    const QModelIndex index = model_->index(std::clamp(row, 0, rows - 1), 0);
    DBGrid1->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    DBGrid1->scrollTo(index);
}

QString TFMmoney::selectedScancode() {
    if (currentList() != CashList::Detail || !QRmoney.isOpen() || QRmoney.recordCount() == 0)
        return {};
    const int row = currentRow();
    if (row < 0) return {};
    return QRmoney.valueAt(row, QRmoney.fieldIndex(QStringLiteral("Scancode"))).toString();
}

void TFMmoney::openEntryForm() {
    {
        TFMmoney1 entry(this);
        entry.exec();
    }
    search();
}

void TFMmoney::deleteEntry() {
    const QString key = selectedScancode();
    if (key.isEmpty()) return;
    const int row = currentRow();
    if (!dialogs().askYesNo(QStringLiteral("선택한 자료를 삭제할까요...!"))) return;
    {
        // An entry another action removed meanwhile is simply not found.
        Query remove;
        remove.add(QStringLiteral("delete from \"MAIPMACH.DB\" M where M.\"Scancode\" = :key"));
        remove.setParam(QStringLiteral("key"), key);
        Transaction transaction(remove.database());
        remove.exec();
        transaction.commit();
    }
    search();
    moveGridRow(row);
}

void TFMmoney::printList(bool preview) {
    if (!QRmoney.isOpen() || QRmoney.recordCount() == 0) return;
    const CashBookFilter f = filter();
    const ListPrintOptions options{.fieldCount = QRmoney.fieldCount(),
                                   .rowsPerPage = 55,
                                   .reserved = 10,
                                   .rowHeightMm = 4,
                                   .topMm = 20,
                                   .leftMm = cashListLeftMm(currentList()),
                                   .heading = windowTitle(),
                                   .title = QStringLiteral("거래처:") + CBcomname->currentText() +
                                            QStringLiteral(" / 기간:") + EDday1->text() + u'~' +
                                            EDday2->text(),
                                   .footer = QStringLiteral("▶총매출: ") + LBmoney1Vat1->text() +
                                             QStringLiteral("▶총매입: ") + LBMoneyVat->text(),
                                   .orientation = 1,
                                   .summary = nullptr,
                                   .numberRows = 1};
    if (preview) {
        previewList(QRmoney, options);
    } else {
        printListWithDialog(QRmoney, options, printerTroubleMessage());
    }
    DBGrid1->setFocus();
}

void TFMmoney::saveCsv() {
    if (!QRmoney.isOpen()) return;
    saveQueryAsCsv(QRmoney);
    DBGrid1->setFocus();
}

void TFMmoney::openPartners() {
    {
        TFMupche partners(this);
        partners.exec();
    }
    // Partners may have been renamed or deleted with their history.
    fillPartners();
    search();
}

void TFMmoney::openSettlement() {
    TFMmaipMach settlement(this);
    settlement.exec();
}

void TFMmoney::choosePeriod() {
    {
        TFMcalendar1 calendar(this);
        calendar.exec();
        EDday1->setText(calendar.fromText());
        EDday2->setText(calendar.toText());
    }
    search();
}

void TFMmoney::pickDay(QLineEdit* field) {
    TFMcalendar picker(this);
    picker.exec();
    const QString chosen = TFMcalendar::sharedResult();
    if (!chosen.isEmpty()) field->setText(chosen);
}
