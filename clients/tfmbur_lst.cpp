#include "clients/tfmbur_lst.h"

#include "clients/client_code_lists.h"
#include "clients/client_columns.h"
#include "common/action_guard.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "common/query_model.h"
#include "common/range_edit.h"
#include "common/record_navigator.h"
#include "data/store_error.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

TFMbur_lst::TFMbur_lst(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMbur_lst"));
    setWindowTitle(QStringLiteral("손님 정보  &  물건유뮤 확인"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    QRburequ.setPersistentFields(clientGridFields());
    QRbudong.setPersistentFields(matchedGridFields());
    buildForm();
    fillClientDealList(CBim);
    connectControls();
    installFieldHandling();
    resize(1280, 800);
    setWindowState(Qt::WindowMaximized);
}

TFMbur_lst::~TFMbur_lst() {
    // The grids must stop reading the queries before the queries go.
    for (QWidget* watched : {static_cast<QWidget*>(DBGrid1), static_cast<QWidget*>(DBGrid2),
                             static_cast<QWidget*>(EDyesan), static_cast<QWidget*>(EDday1),
                             static_cast<QWidget*>(EDday2)})
        watched->removeEventFilter(this);
    DBGrid1->setModel(nullptr);
    DBGrid2->setModel(nullptr);
}

void TFMbur_lst::connectControls() {
    connect(CBim, &QComboBox::currentIndexChanged, this, guarded([this] { fillCodeLists(); }));
    connect(EDyesan, &QLineEdit::textChanged, this, [this] { showBudgetWords(); });
    connect(BTinq, &QPushButton::clicked, this, guarded([this] { search(); }));
    connect(BThideView, &QPushButton::clicked, this, guarded([this] { toggleDetailColumns(); }));
    connect(SpeedButton1, &QToolButton::clicked, this, guarded([this] { choosePeriod(); }));
    // The entry mode is the pressed button's.
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { openEntryForm(1); }));
    connect(BTmod, &QPushButton::clicked, this, guarded([this] { openEntryForm(2); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { openEntryForm(2); }));
    connect(BTallview, &QPushButton::clicked, this, guarded([this] { openEntryForm(4); }));
    connect(DBGrid1, &QTableView::doubleClicked, this, guarded([this] { openEntryForm(4); }));
    connect(DBGrid2, &QTableView::doubleClicked, this, guarded([this] { viewMatchedListing(); }));
    connect(BTmatch, &QPushButton::clicked, this, guarded([this] { match(); }));
    connect(BToffer, &QPushButton::clicked, this, guarded([this] { offerSelected(); }));
    connect(BToffers, &QPushButton::clicked, this, guarded([this] { openOfferedHistory(); }));
    connect(CKBhideOffered, &QCheckBox::toggled, this, guarded([this] { rerunMatch(); }));
    connect(BTprint, &QPushButton::clicked, this, guarded([this] { printPage(false); }));
    connect(BTpreview, &QPushButton::clicked, this, guarded([this] { printPage(true); }));
    connect(BTcode, &QPushButton::clicked, this, guarded([this] { openCodes(); }));
    connect(BTinqSet, &QPushButton::clicked, this, [this] { openSettings(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { closeSettings(); });
    connect(BTquit, &QPushButton::clicked, this, [this] { reject(); });
    connect(DBNavigator1, &RecordNavigator::refreshRequested, this, guarded([this] {
                if (PageControl1->currentIndex() == 1) {
                    rerunMatch();
                } else {
                    search();
                }
            }));
    connect(DBNavigator2, &RecordNavigator::refreshRequested, this,
            guarded([this] { rerunMatch(); }));
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this](int page) { (page == 0 ? DBGrid1 : DBGrid2)->setFocus(Qt::OtherFocusReason); });
    DBNavigator1->attach(DBGrid1);
    DBNavigator2->attach(DBGrid2);
}

void TFMbur_lst::installFieldHandling() {
    FocusKeys::install({CBim, CBcname, CBworking, EDname, EDaddr, EDwantcom, EDdpung, EDgpung,
                        EDyesan, EDday1, EDday2},
                       false);
    for (QWidget* watched : {static_cast<QWidget*>(DBGrid1), static_cast<QWidget*>(DBGrid2),
                             static_cast<QWidget*>(EDyesan), static_cast<QWidget*>(EDday1),
                             static_cast<QWidget*>(EDday2)})
        watched->installEventFilter(this);
}

void TFMbur_lst::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    placeOverlayPanels();
    formActivate();
}

void TFMbur_lst::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeOverlayPanels();
}

bool TFMbur_lst::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == DBGrid1 && type == QEvent::FocusIn) {
        enterClientGrid();
    } else if (watched == DBGrid2 && type == QEvent::FocusIn) {
        enterMatchGrid();
    } else if (watched == EDyesan && type == QEvent::FocusIn) {
        showBudgetWords();
        placeOverlayPanels();
        PNnumberStrDisplay->show();
    } else if (watched == EDyesan && type == QEvent::FocusOut) {
        PNnumberStrDisplay->hide();
    } else if ((watched == EDday1 || watched == EDday2) && type == QEvent::FocusOut) {
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

// --- Activation and the client search ---------------------------------------

void TFMbur_lst::formActivate() {
    const MatchSettings settings = readMatchSettings();
    const std::pair<QCheckBox*, bool> boxes[] = {
        {CKBcname, settings.cname},    {CKBaddr, settings.addr},   {CKBgpung, settings.gpung},
        {CKBdpung, settings.dpung},    {CKByesan, settings.yesan}, {CKBwantcom, settings.wantcom},
        {CKBreqing, settings.openOnly}};
    for (const auto& [box, ticked] : boxes)
        box->setChecked(ticked);
    {
        const QSignalBlocker quiet(CBim);
        CBim->setCurrentIndex(0);
    }
    runGuarded([this] { fillCodeLists(); });
    for (QComboBox* box : {CBim, CBcname, CBworking})
        box->setVisible(true);
    runGuarded([this] { search(); });
    BTprint->setToolTip(QStringLiteral("현재 검색중인 손님 프린트"));
}

void TFMbur_lst::fillCodeLists() {
    fillClientCodeLists(CBim, CBworking, CBcname);
}

ClientSearchInput TFMbur_lst::searchInput() const {
    ClientSearchInput input;
    input.im = CBim->currentText();
    input.name = EDname->text();
    input.addr = EDaddr->text();
    input.wantcom = EDwantcom->text();
    input.cname = CBcname->currentText();
    input.working = CBworking->currentText();
    input.dpungRange = EDdpung->maskedText();
    input.gpungRange = EDgpung->maskedText();
    input.yesanRange = EDyesan->maskedText();
    input.day1 = EDday1->text();
    input.day2 = EDday2->text();
    return input;
}

void TFMbur_lst::search() {
    runSearch(searchInput());
}

void TFMbur_lst::runSearch(const ClientSearchInput& input) {
    const ClientStatement statement = buildClientSearch(input);
    if (!statement.ok()) {
        // Nothing is searched: the list keeps showing the last result.
        dialogs().information(statement.refusal);
        if (auto* field = findChild<QLineEdit*>(statement.refusedField)) field->setFocus();
        return;
    }
    clientModel_->suspend();
    statement.applyTo(QRburequ);
    try {
        QRburequ.open();
    } catch (const StoreError&) {
        clientModel_->resume();
        setClientButtons(false);
        StatusClients->setText(QStringLiteral("검색대상: 0"));
        throw;
    }
    const int rows = QRburequ.recordCount();
    StatusClients->setText(QStringLiteral("검색대상: ") + QString::number(rows));
    clientModel_->resume();
    applyDisplayWidths(DBGrid1, *clientModel_, QRburequ);
    setClientButtons(rows > 0);
    if (rows > 0) moveClientRow(0);
    PageControl1->setCurrentIndex(0);
    DBGrid1->setFocus();
    enterClientGrid();
}

// BTinp always; the buttons that act on the selected client only when
// there is one.
void TFMbur_lst::setClientButtons(bool enabled) {
    BTinp->setEnabled(true);
    for (QPushButton* b : {BTmod, BTdel, BTallview, BTmatch, BToffers, BTprint, BTpreview})
        b->setEnabled(enabled);
}

void TFMbur_lst::enterClientGrid() {
    DBNavigator1->attach(DBGrid1);
    BTprint->setToolTip(QStringLiteral("검색중인 손님 리스트 출력"));
    setClientButtons(QRburequ.isOpen() && QRburequ.recordCount() > 0);
}

void TFMbur_lst::enterMatchGrid() {
    if (!QRbudong.isOpen() || QRbudong.recordCount() == 0) return;
    DBNavigator1->attach(DBGrid2);
    BTprint->setToolTip(QStringLiteral("손님요구에 일치되는 물건 리스트 출력"));
    for (QPushButton* b : {BTinp, BTmod, BTdel, BTallview, BTmatch})
        b->setEnabled(false);
    BTprint->setEnabled(true);
    BTpreview->setEnabled(true);
}

void TFMbur_lst::showBudgetWords() {
    PNnumberStrDisplay->setText(budgetCaption(EDyesan->maskedText()));
}

int TFMbur_lst::clientRow() const {
    return DBGrid1->currentIndex().row();
}

void TFMbur_lst::moveClientRow(int row) {
    const int rows = clientModel_->rowCount();
    if (rows == 0) return;
    const QModelIndex index = clientModel_->index(std::clamp(row, 0, rows - 1), 0);
    DBGrid1->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    DBGrid1->scrollTo(index);
}

QString TFMbur_lst::selectedClient() {
    if (!QRburequ.isOpen() || QRburequ.recordCount() == 0) return {};
    const int row = std::max(0, clientRow());
    return QRburequ.valueAt(row, QRburequ.fieldIndex(QStringLiteral("Scancode"))).toString();
}

MatchSettings TFMbur_lst::matchSettings() const {
    MatchSettings settings;
    settings.cname = CKBcname->isChecked();
    settings.addr = CKBaddr->isChecked();
    settings.gpung = CKBgpung->isChecked();
    settings.dpung = CKBdpung->isChecked();
    settings.yesan = CKByesan->isChecked();
    settings.wantcom = CKBwantcom->isChecked();
    settings.openOnly = CKBreqing->isChecked();
    return settings;
}
