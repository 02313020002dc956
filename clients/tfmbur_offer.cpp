#include "clients/tfmbur_offer.h"

#include "clients/client_columns.h"
#include "clients/offered_history.h"
#include "common/action_guard.h"
#include "common/dialogs.h"
#include "common/list_printer.h"
#include "common/query_model.h"
#include "listings/tfmbu_imd.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFMbur_offer::TFMbur_offer(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMbur_offer"));
    setWindowTitle(QStringLiteral("제시 내역"));
    QRoffer.setPersistentFields(offeredHistoryFields());
    buildForm();
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { deleteSelected(); }));
    connect(BTprint, &QPushButton::clicked, this, guarded([this] { print(false); }));
    connect(BTpreview, &QPushButton::clicked, this, guarded([this] { print(true); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { reject(); });
    connect(DBGrid1, &QTableView::doubleClicked, this, guarded([this] { viewListing(); }));
    setEscapeCancels();
    resize(900, 480);
}

TFMbur_offer::~TFMbur_offer() {
    DBGrid1->setModel(nullptr);
}

void TFMbur_offer::buildForm() {
    auto* layout = new QVBoxLayout(this);
    LBclient = new QLabel(this);
    LBclient->setObjectName(QStringLiteral("LBclient"));
    LBclient->setStyleSheet(QStringLiteral("font-weight: bold; color: #000080;"));
    layout->addWidget(LBclient);
    model_ = new QueryModel(QRoffer, this);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setTabKeyNavigation(false);
    DBGrid1->setAlternatingRowColors(true);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->hide();
    layout->addWidget(DBGrid1, 1);
    auto* bar = new QHBoxLayout;
    const auto button = [this, bar](const char* name, const QString& caption, const QString& hint) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setToolTip(hint);
        bar->addWidget(b);
        return b;
    };
    StatusCount = new QLabel(this);
    StatusCount->setObjectName(QStringLiteral("StatusCount"));
    bar->addWidget(StatusCount);
    bar->addStretch(1);
    BTdel = button("BTdel", QStringLiteral("삭제"), QStringLiteral("선택한 제시 내역 삭제"));
    BTprint = button("BTprint", QStringLiteral("출력"), QStringLiteral("제시 내역 출력"));
    BTpreview =
        button("BTpreview", QStringLiteral("미리보기"), QStringLiteral("제시 내역 미리보기"));
    BTquit = button("BTquit", QStringLiteral("종 료"), QStringLiteral("이전화면으로 복귀"));
    layout->addLayout(bar);
}

void TFMbur_offer::setClient(const QString& scancode, const QString& name) {
    client_ = scancode;
    name_ = name;
    LBclient->setText(QStringLiteral("손님: ") + name);
}

void TFMbur_offer::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    runGuarded([this] { formActivate(); });
}

void TFMbur_offer::formActivate() {
    model_->suspend();
    offeredHistoryStatement(client_).applyTo(QRoffer);
    QRoffer.open();
    model_->resume();
    applyDisplayWidths(DBGrid1, *model_, QRoffer);
    const int rows = QRoffer.recordCount();
    StatusCount->setText(QStringLiteral("제시: %1건").arg(rows));
    for (QPushButton* b : {BTdel, BTprint, BTpreview})
        b->setEnabled(rows > 0);
    if (rows > 0)
        DBGrid1->selectionModel()->setCurrentIndex(
            model_->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    DBGrid1->setFocus();
}

void TFMbur_offer::deleteSelected() {
    const QModelIndexList selected = DBGrid1->selectionModel()->selectedRows();
    if (selected.isEmpty()) return;
    dialogs().beep();
    if (!dialogs().askYesNo(QStringLiteral("선택한 제시 내역을 삭제할까요...!"))) return;
    const int listing = QRoffer.fieldIndex(QStringLiteral("scanbud"));
    const int day = QRoffer.fieldIndex(QStringLiteral("offerday"));
    QList<OfferedEntry> entries;
    for (const QModelIndex& index : selected)
        entries.append({QRoffer.valueAt(index.row(), listing).toString(),
                        QRoffer.valueAt(index.row(), day).toString()});
    deleteOfferedEntries(client_, entries);
    formActivate();
}

void TFMbur_offer::print(bool preview) {
    const ListPrintOptions options{.fieldCount = QRoffer.fieldCount(),
                                   .rowsPerPage = 37,
                                   .reserved = 10,
                                   .rowHeightMm = 4,
                                   .topMm = 20,
                                   .leftMm = 10,
                                   .heading = QStringLiteral("[제시 내역]"),
                                   .title = QStringLiteral("손님: ") + name_,
                                   .footer = QString(),
                                   .orientation = 2,
                                   .summary = nullptr,
                                   .numberRows = 1};
    if (preview) {
        previewList(QRoffer, options);
    } else {
        printListWithDialog(QRoffer, options);
    }
    DBGrid1->setFocus();
}

void TFMbur_offer::viewListing() {
    if (QRoffer.recordCount() == 0) return;
    const int row = std::max(0, DBGrid1->currentIndex().row());
    TFMbu_imd entry(this);
    entry.entryMode = 4;
    entry.scancode = QRoffer.valueAt(row, QRoffer.fieldIndex(QStringLiteral("scanbud"))).toString();
    entry.exec();
}
