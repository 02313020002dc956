#include "listings/tfmbu_lst.h"

#include "clients/client_match.h"
#include "clients/tfmbur_fit.h"
#include "common/action_guard.h"
#include "common/clock.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "common/list_printer.h"
#include "common/query_model.h"
#include "common/range_edit.h"
#include "common/record_navigator.h"
#include "common/store_helpers.h"
#include "data/batch_copy.h"
#include "data/store_error.h"
#include "data/table.h"
#include "common/grid_settings.h"
#include "listings/listing_columns.h"
#include "contracts/tfmcontract.h"
#include "listings/listing_reports.h"
#include "listings/tfmbu_cod.h"
#include "listings/tfmbu_imd.h"
#include "listings/tfmpictman.h"
#include "listings/tfmqronesheet1.h"
#include "listings/tfmqrparts1.h"
#include "listings/total_amount_words.h"
#include "tools/tfmcalendar1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace {

const QString kAll = QStringLiteral("전체");

// Sets a field's display width for the length of a print job and puts the
// width it had back afterwards, also when printing fails.
class PrintWidth {
public:
    PrintWidth(FieldDef& field, int width) : field_(field), saved_(field.displayWidth) {
        field_.displayWidth = width;
    }
    ~PrintWidth() { field_.displayWidth = saved_; }
    PrintWidth(const PrintWidth&) = delete;
    PrintWidth& operator=(const PrintWidth&) = delete;

private:
    FieldDef& field_;
    int saved_;
};

}  // namespace

TFMbu_lst::TFMbu_lst(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMbu_lst"));
    setWindowTitle(QStringLiteral("매물관리"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    QRbudong.setPersistentFields(listingListFields());
    buildForm();
    connectControls();
    installFieldHandling();
    resize(1280, 800);
    setWindowState(Qt::WindowMaximized);
}

TFMbu_lst::~TFMbu_lst() {
    // The grid must stop reading the query before the query goes.
    DBGrid1->setModel(nullptr);
}

void TFMbu_lst::connectControls() {
    connect(CBim, &QComboBox::currentIndexChanged, this,
            guarded([this] { fillClassificationList(); }));
    connect(EDtotalm, &QLineEdit::textChanged, this, [this] { showTotalAmountWords(); });
    connect(BTinq, &QPushButton::clicked, this, guarded([this] { search(); }));
    connect(BThideView, &QPushButton::clicked, this, guarded([this] { toggleDetailColumns(); }));
    connect(SpeedButton1, &QToolButton::clicked, this, guarded([this] { choosePeriod(); }));
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { openEntryForm(1); }));
    connect(BTmod, &QPushButton::clicked, this, guarded([this] { openEntryForm(2); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { openEntryForm(2); }));
    connect(DBGrid1, &QTableView::doubleClicked, this, guarded([this] { openEntryForm(4); }));
    connect(BTprint, &QPushButton::clicked, this, guarded([this] { printList(false); }));
    connect(BTpreview, &QPushButton::clicked, this, guarded([this] { printList(true); }));
    connect(BTallprt, &QPushButton::clicked, this, guarded([this] { printFullReport(); }));
    connect(BTprint1, &QPushButton::clicked, this, guarded([this] { previewCardReport(); }));
    connect(BTpict, &QPushButton::clicked, this, guarded([this] { openPhotos(); }));
    connect(BTclients, &QPushButton::clicked, this, guarded([this] { showFittingClients(); }));
    connect(BTcode, &QPushButton::clicked, this, guarded([this] { openCodes(); }));
    connect(BTgridSet, &QPushButton::clicked, this, guarded([this] { openGridSettings(); }));
    connect(BTgridSetClose, &QPushButton::clicked, this, guarded([this] { closeGridSettings(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { reject(); });
    connect(BTcontract, &QPushButton::clicked, this, guarded([this] { openContracts(); }));
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { showSelectionCount(); });

    // Any condition the user changes ends the expiring-leases search.
    const QList<QLineEdit*> fields{EDcname1, EDtotalm, EDname1,     EDaddr, EDdpung, EDgpung,
                                   EDstair,  EDbuildname, EDday1, EDday2, EDman};
    for (QLineEdit* field : fields)
        connect(field, &QLineEdit::textEdited, this, [this] { conditionChanged(); });
    for (QComboBox* box : {CBim, CBcname})
        connect(box, &QComboBox::activated, this, [this] { conditionChanged(); });
    const QList<QAbstractButton*> choices{RBexpireday, RBinday, RBcname,  RBadd,
                                          RBscancode,  CKBreqing, CKBkwanggo};
    for (QAbstractButton* button : choices)
        connect(button, &QAbstractButton::clicked, this, [this] { conditionChanged(); });
    // A flag shown as "either" becomes a plain ticked box when clicked.
    for (QCheckBox* flag : {CKBreqing, CKBkwanggo})
        connect(flag, &QCheckBox::clicked, flag, [flag] { flag->setTristate(false); });

    DBNavigator1->attach(DBGrid1);
}

void TFMbu_lst::installFieldHandling() {
    FocusKeys::install({CBim, CBcname, EDcname1, EDtotalm, EDname1, EDaddr, EDdpung, EDgpung,
                        EDstair, EDbuildname, EDday1, EDday2, EDman},
                       false);
    for (QLineEdit* field : {static_cast<QLineEdit*>(EDtotalm), EDday1, EDday2})
        field->installEventFilter(this);
}

void TFMbu_lst::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    placeOverlayPanels();
    formActivate();
}

void TFMbu_lst::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeOverlayPanels();
}

bool TFMbu_lst::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EDtotalm && event->type() == QEvent::FocusIn) {
        showTotalAmountWords();
        placeOverlayPanels();
        PNnumberStrDisplay->show();
    } else if (watched == EDtotalm && event->type() == QEvent::FocusOut) {
        PNnumberStrDisplay->hide();
    } else if ((watched == EDday1 || watched == EDday2) && event->type() == QEvent::FocusOut) {
        // Leaving a date field rewrites the date; a text that is not a date
        // is refused and the focus goes back. Switching to another window
        // (the calendar, a message) is not leaving the field.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        auto* field = static_cast<QLineEdit*>(watched);
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !normalizeDateField(field)) {
            QTimer::singleShot(0, field, [field] { field->setFocus(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFMbu_lst::formActivate() {
    deletionFlag_ = false;
    {
        const QSignalBlocker quiet(CBim);
        CBim->setCurrentIndex(0);
    }
    runGuarded([this] { fillClassificationList(); });
    runGuarded([this] { applyColumnSettings(); });
    runGuarded([this] { search(); });
    CBim->setVisible(true);
    CBcname->setVisible(true);
}

void TFMbu_lst::showExpiringLeases(int days) {
    expiringDays_ = std::max(1, days);
    const QDate today = appClock().today();
    const ListingSearchInput preset =
        expiringLeaseInput(isoDate(today), isoDate(today.addDays(expiringDays_)));
    EDday1->setText(preset.day1);
    EDday2->setText(preset.day2);
    RBexpireday->setChecked(true);
    for (QCheckBox* flag : {CKBreqing, CKBkwanggo}) {
        flag->setTristate(true);
        flag->setCheckState(Qt::PartiallyChecked);
    }
    RBexpireSort->setVisible(true);
    RBexpireSort->setChecked(true);
    StatusMode->setText(
        QStringLiteral("계약만료 예정 물건: %1 ~ %2 (의뢰중·광고중 여부와 관계없이 모두, 만료일순)")
            .arg(preset.day1, preset.day2));
    StatusMode->show();
    if (shown_) runGuarded([this] { search(); });
}

void TFMbu_lst::conditionChanged() {
    if (!RBexpireSort->isChecked()) RBexpireSort->setVisible(false);
    if (!showsExpiringLeases()) return;
    expiringDays_ = 0;
    StatusMode->hide();
}

void TFMbu_lst::search() {
    runSearch(searchInput());
}

ListingSearchInput TFMbu_lst::searchInput() const {
    ListingSearchInput input;
    input.im = CBim->currentText();
    input.cname = CBcname->currentText();
    input.cname1 = EDcname1->text();
    input.totalmRange = EDtotalm->maskedText();
    input.dpungRange = EDdpung->maskedText();
    input.gpungRange = EDgpung->maskedText();
    input.stairRange = EDstair->maskedText();
    input.name1 = EDname1->text();
    input.addr = EDaddr->text();
    // A flag shown as "either" is no condition.
    const auto flag = [](const QCheckBox* box) -> std::optional<bool> {
        if (box->checkState() == Qt::PartiallyChecked) return std::nullopt;
        return box->isChecked();
    };
    input.reqing = flag(CKBreqing);
    input.kwanggo = flag(CKBkwanggo);
    input.buildname = EDbuildname->text();
    input.man = EDman->text();
    input.day1 = EDday1->text();
    input.day2 = EDday2->text();
    input.dateField = RBinday->isChecked() ? ListingDateField::InDay : ListingDateField::ExpireDay;
    input.sortOrder = RBcname->isChecked()        ? ListingSortOrder::Cname
                      : RBadd->isChecked()        ? ListingSortOrder::Addr
                      : RBexpireSort->isChecked() ? ListingSortOrder::ExpireDay
                                                  : ListingSortOrder::Scancode;
    return input;
}

void TFMbu_lst::runSearch(const ListingSearchInput& input) {
    const ListingStatement statement = buildListingSearch(input);
    if (!statement.ok()) {
        // Nothing is searched: the list keeps showing the last result.
        dialogs().information(statement.refusal);
        if (auto* field = findChild<QLineEdit*>(statement.refusedField)) field->setFocus();
        return;
    }
    const ListingStatement shown = shownStatement_;
    const bool leaseEndShown = QRbudong.field(QStringLiteral("Expireday")).visible;
    const int row = currentRow();
    model_->suspend();
    statement.applyTo(QRbudong);
    if (!openWithRetry(QRbudong)) {
        QRbudong.field(QStringLiteral("Expireday")).visible = leaseEndShown;
        keepShownResult(shown, row);
        return;
    }
    shownStatement_ = statement;
    QRbudong.field(QStringLiteral("Expireday")).visible = searchUsesLeaseEnd(input);
    showResult();
}

// The user gave up the search when the store could not answer it: the grid
// shows again the rows it showed, on the same row, with the buttons and the
// count as they were.
void TFMbu_lst::keepShownResult(const ListingStatement& shown, int row) {
    if (!shown.lines.isEmpty()) {
        shown.applyTo(QRbudong);
        try {
            QRbudong.open();
        } catch (const StoreError&) {
            // The store no longer gives even those rows; the grid stays empty.
        }
    }
    shownStatement_ = QRbudong.isOpen() ? shown : ListingStatement{};
    applyGridColumns();
    const int rows = QRbudong.isOpen() ? QRbudong.recordCount() : 0;
    for (QPushButton* b :
         {BTmod, BTdel, BTprint, BTpreview, BTprint1, BTcontract, BTclients, BTallprt, BTpict})
        b->setEnabled(rows > 0);
    if (row >= 0 && row < rows) moveGridRow(row);
    showSelectionCount();
}

void TFMbu_lst::showResult() {
    const int rows = QRbudong.recordCount();
    StatusCount->setText(QStringLiteral("검색대상: ") + QString::number(rows));
    applyGridColumns();
    for (QPushButton* b :
         {BTmod, BTdel, BTprint, BTpreview, BTprint1, BTcontract, BTclients, BTallprt, BTpict}) {
        b->setEnabled(rows > 0);
    }
    showSelectionCount();
    if (rows > 0)
        DBGrid1->selectionModel()->setCurrentIndex(model_->index(0, 0),
                                                   QItemSelectionModel::NoUpdate);
    DBGrid1->setFocus();
}

void TFMbu_lst::fillClassificationList() {
    const QSignalBlocker quiet(CBcname);
    CBcname->clear();
    CBcname->addItem(kAll);
    CBcname->setCurrentIndex(0);
    const QString deal = CBim->currentText();
    if (deal == kAll) return;
    const QString category =
        deal == QStringLiteral("임대") ? QStringLiteral("I") : QStringLiteral("M");
    Table codes(QStringLiteral("BUCODE.DB"));
    tableOpen(codes);
    for (codes.first(); !codes.eof(); codes.next()) {
        if (codes.text(QStringLiteral("gubun")) == category)
            CBcname->addItem(codes.text(QStringLiteral("code")));
    }
    tableClose(codes);
    CBcname->setCurrentIndex(0);
}

void TFMbu_lst::applyColumnSettings() {
    applyGridSettings(QRbudong, readGridSettings(kListingGridSection));
    applyGridColumns();
}

void TFMbu_lst::applyGridColumns() {
    const int row = currentRow();
    model_->refresh();
    applyDisplayWidths(DBGrid1, *model_, QRbudong);
    placeLeaseEndColumn();
    if (row >= 0 && row < model_->rowCount()) {
        DBGrid1->selectionModel()->setCurrentIndex(model_->index(row, 0),
                                                   QItemSelectionModel::NoUpdate);
    }
}

// The lease-end column, when shown, stands right after 접수일 (or first),
// where the eye looks for dates.
void TFMbu_lst::placeLeaseEndColumn() {
    QHeaderView* header = DBGrid1->horizontalHeader();
    // Columns in field order first, however an earlier search left them.
    for (int logical = 0; logical < header->count(); ++logical) {
        if (header->visualIndex(logical) != logical)
            header->moveSection(header->visualIndex(logical), logical);
    }
    const int column = model_->columnOfField(QRbudong.fieldIndex(QStringLiteral("Expireday")));
    if (column < 0) return;
    const int inDay = model_->columnOfField(QRbudong.fieldIndex(QStringLiteral("Inday")));
    header->moveSection(header->visualIndex(column), inDay < 0 ? 0 : inDay + 1);
}

void TFMbu_lst::showSelectionCount() {
    const int selected = static_cast<int>(DBGrid1->selectionModel()->selectedRows().size());
    StatusSelected->setText(QStringLiteral("선택: ") + QString::number(selected));
}

void TFMbu_lst::showTotalAmountWords() {
    PNnumberStrDisplay->setText(totalAmountCaption(EDtotalm->maskedText()));
}

int TFMbu_lst::currentRow() const {
    return DBGrid1->currentIndex().row();
}

void TFMbu_lst::moveGridRow(int row) {
    const int rows = model_->rowCount();
    if (rows == 0) return;
    const QModelIndex index = model_->index(std::clamp(row, 0, rows - 1), 0);
    DBGrid1->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    DBGrid1->scrollTo(index);
}

QString TFMbu_lst::selectedScancode() {
    if (!QRbudong.isOpen() || QRbudong.recordCount() == 0) return {};
    const int row = std::max(0, currentRow());
    return QRbudong.valueAt(row, QRbudong.fieldIndex(QStringLiteral("Scancode"))).toString();
}

void TFMbu_lst::openEntryForm(int mode) {
    const int row = currentRow();
    {
        TFMbu_imd entry(this);
        entry.entryMode = mode;
        if (mode != 1) entry.scancode = selectedScancode();
        entry.deleted = false;
        entry.exec();
        // Every change of the entry form is committed when it is made, so a
        // deletion is already visible to the search that follows.
        deletionFlag_ = entry.deleted;
    }
    deletionFlag_ = false;
    formActivate();
    // Back on the row the user left, when the list still reaches it.
    if (row > 0) moveGridRow(std::min(row, model_->rowCount() - 1));
}

// The contract chooser, its documents started from the selected listing.
void TFMbu_lst::openContracts() {
    const int row = currentRow();
    {
        TFMcontract chooser(this);
        chooser.LBscancode->setText(selectedScancode());
        chooser.exec();
    }
    formActivate();
    if (row > 0) moveGridRow(std::min(row, model_->rowCount() - 1));
}

QString TFMbu_lst::printTitle() const {
    if (showsExpiringLeases()) {
        return QStringLiteral("[계약만료 예정]:") + EDday1->text() + QStringLiteral(" ~ ") +
               EDday2->text();
    }
    return QStringLiteral("[검색대상]:") + CBim->currentText() + u'/' + CBcname->currentText();
}

void TFMbu_lst::printList(bool preview) {
    const ListPrintOptions options{.fieldCount = QRbudong.fieldCount(),
                             .rowsPerPage = 37,
                             .reserved = 10,
                             .rowHeightMm = 4,
                             .topMm = 20,
                             .leftMm = 0,
                             .heading = QStringLiteral("물건 LIST"),
                             .title = printTitle(),
                             .footer = QString(),
                             .orientation = 2,
                             .summary = nullptr,
                             .numberRows = 1};
    {
        const PrintWidth kind(QRbudong.field(QStringLiteral("Cname")), kCnamePrintWidth);
        const PrintWidth address(QRbudong.field(QStringLiteral("Addr")), kAddrPrintWidth);
        if (preview) {
            previewList(QRbudong, options);
        } else {
            printListWithDialog(QRbudong, options);
        }
    }
    DBGrid1->setFocus();
}

void TFMbu_lst::copyForFullReport() {
    // all_list.DB is replaced by the rows of the current search, in their
    // order, for the full listing report.
    batchCopy(QRbudong, QStringLiteral("all_list.DB"));
    DBGrid1->setFocus();
}

void TFMbu_lst::showFittingClients() {
    const QString number = selectedScancode();
    if (number.isEmpty()) return;
    const std::optional<MatchListing> listing = loadMatchListing(number);
    if (!listing) {
        dialogs().information(QStringLiteral("해당되는 자료가 존재하지 않습니다 ...!"));
        return;
    }
    {
        TFMbur_fit clients(this);
        clients.setListing(*listing, listingDescription(*listing));
        clients.exec();
    }
    DBGrid1->setFocus();
}

void TFMbu_lst::printFullReport() {
    copyForFullReport();
    TFMqrparts1 report;
    report.LBcondi =
        listingReportCondition(CBim->currentText(), CBcname->currentText(), EDaddr->text());
    report.run();
    DBGrid1->setFocus();
}

void TFMbu_lst::previewCardReport() {
    TFMqrOneSheet1 report;
    report.setScancode(selectedScancode());
    report.run();
    DBGrid1->setFocus();
}

void TFMbu_lst::openPhotos() {
    const int row = currentRow();
    {
        TFMpictMan photos(this);
        photos.LBscanBud->setText(selectedScancode());
        photos.exec();
    }
    formActivate();
    if (row > 0) moveGridRow(std::min(row, model_->rowCount() - 1));
}

void TFMbu_lst::openCodes() {
    {
        TFMbu_cod codes(this);
        codes.exec();
    }
    fillClassificationList();
    DBGrid1->setFocus();
    formActivate();
}

void TFMbu_lst::choosePeriod() {
    {
        TFMcalendar1 calendar(this);
        calendar.exec();
        EDday1->setText(calendar.fromText());
        EDday2->setText(calendar.toText());
    }
    formActivate();
}

void TFMbu_lst::toggleDetailColumns() {
    const bool show = !QRbudong.field(QStringLiteral("Cname1")).visible;
    for (const QString& name : listingDetailFields())
        QRbudong.field(name).visible = show;
    applyGridColumns();
}
