#include "people/tfmupche.h"

#include "common/action_guard.h"
#include "common/dialogs.h"
#include "common/list_printer.h"
#include "common/number_format.h"
#include "common/query_csv.h"
#include "common/query_model.h"
#include "people/tfmupche1.h"
#include "people/tfmupche_store.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>

#include <vector>

namespace {

QString printerTroubleMessage() {
    return QStringLiteral("프린터에 문제가 생겼습니다. 확인후 재시도 하세요 ...!");
}

// Shows hidden fields of the list for the length of a print or a file and
// hides them again afterwards, also when that fails.
class FieldsShown {
public:
    FieldsShown(Query& query, const QStringList& names) {
        for (const QString& name : names) {
            FieldDef& field = query.field(name);
            if (field.visible) continue;
            field.visible = true;
            shown_.push_back(&field);
        }
    }
    ~FieldsShown() {
        for (FieldDef* field : shown_)
            field->visible = false;
    }
    FieldsShown(const FieldsShown&) = delete;
    FieldsShown& operator=(const FieldsShown&) = delete;

private:
    std::vector<FieldDef*> shown_;
};

QStringList allPartnerFields() {
    QStringList names;
    for (const FieldDef& field : partnerListFields())
        names.append(field.name);
    return names;
}

}  // namespace

TFMupche::TFMupche(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMupche"));
    setWindowTitle(QStringLiteral("거래처 관리"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    buildForm();
    connectControls();
}

TFMupche::~TFMupche() {
    // The grid must stop reading the query before the query goes.
    DBGrid1->setModel(nullptr);
}

void TFMupche::connectControls() {
    connect(BTinq, &QPushButton::clicked, this, guarded([this] { search(); }));
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { openDetail(false); }));
    connect(BTmod, &QPushButton::clicked, this, guarded([this] { openDetail(true); }));
    connect(DBGrid1, &QTableView::doubleClicked, this, guarded([this] { openDetail(true); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { deletePartnerRow(); }));
    connect(BTprint, &QPushButton::clicked, this, guarded([this] { print(false); }));
    connect(BTpreview, &QPushButton::clicked, this, guarded([this] { print(true); }));
    connect(BTcsv, &QPushButton::clicked, this, guarded([this] { saveCsv(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { reject(); });
    for (QRadioButton* order : {RBcomname, RBcomno})
        connect(order, &QRadioButton::clicked, this, guarded([this] { search(); }));
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { rowChanged(); });
    for (QLineEdit* field : {EDcomno, EDcomname, EDname, EDaddr})
        field->installEventFilter(this);
}

void TFMupche::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    formActivate();
}

// Enter in a search field searches.
bool TFMupche::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            runGuarded([this] { search(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFMupche::formActivate() {
    runGuarded([this] { search(); });
}

PartnerSearch TFMupche::searchInput() const {
    return {EDcomno->text(), EDcomname->text(), EDname->text(), EDaddr->text(),
            RBcomname->isChecked()};
}

void TFMupche::search() {
    model_->suspend();
    applyPartnerSearch(QRupche, searchInput());
    QRupche.open();
    const int rows = QRupche.recordCount();
    StatusCount->setText(QStringLiteral("List : ") + QString::number(rows));
    model_->refresh();
    applyDisplayWidths(DBGrid1, *model_, QRupche);
    if (rows > 0) moveGridRow(0);
    rowChanged();
}

int TFMupche::currentRow() const {
    return DBGrid1->currentIndex().row();
}

void TFMupche::moveGridRow(int row) {
    const int rows = model_->rowCount();
    if (rows == 0) return;
    const QModelIndex index = model_->index(std::clamp(row, 0, rows - 1), 0);
    DBGrid1->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    DBGrid1->scrollTo(index);
}

QString TFMupche::currentText(const char* field) {
    const int row = currentRow();
    if (!QRupche.isOpen() || row < 0 || row >= QRupche.recordCount()) return {};
    return QRupche.valueAt(row, QRupche.fieldIndex(QLatin1String(field))).toString();
}

// The buttons that need a partner, and the strip of the current partner.
void TFMupche::rowChanged() {
    const bool any = QRupche.isOpen() && QRupche.recordCount() > 0;
    for (QPushButton* b : {BTmod, BTdel, BTprint, BTpreview, BTcsv})
        b->setEnabled(any);
    LBcomname->setText(currentText("COMNAME"));
    DBTaddr->setText(currentText("ADDR"));
    DBTzip->setText(currentText("ZIP"));
    DBTremark->setText(currentText("REMARK"));
    DBTupjong->setText(currentText("UPJONG"));
    DBTupta->setText(currentText("UPTA"));
    const QString fmoney = currentText("FMONEY");
    DBTfmoney->setText(fmoney.isEmpty() ? QString()
                                        : formatMask(QStringLiteral("###,###"), fmoney.toDouble()));
}

void TFMupche::openDetail(bool change) {
    const QString number = change ? currentText("COMNO") : QString();
    if (change && number.isEmpty()) return;
    const int row = currentRow();
    {
        TFMupche1 detail(this);
        detail.LBcomno->setText(number);
        connect(&detail, &TFMupche1::saved, this, guarded([this, &row] {
            search();
            moveGridRow(row);
        }));
        detail.exec();
    }
    search();
    moveGridRow(row);
}

void TFMupche::deletePartnerRow() {
    const QString number = currentText("COMNO");
    const QString name = currentText("COMNAME");
    if (number.isEmpty()) return;
    const int row = currentRow();
    if (!dialogs().askYesNo(QStringLiteral("선택한 업체를 삭제할까요 ...?"))) return;
    const bool history = partnerHasHistory(number, name);
    if (history && !dialogs().askYesNo(QStringLiteral(
                       "삭제할 업체의 매입/매출 이력이 있습니다. 이력까지 모두 삭제할까요 ?")))
        return;
    if (!deletePartner(number, history)) dialogs().information(partnerNotFoundMessage());
    search();
    moveGridRow(row);
}

void TFMupche::print(bool preview) {
    if (!QRupche.isOpen() || QRupche.recordCount() == 0) return;
    const ListPrintOptions options{.fieldCount = QRupche.fieldCount(),
                                   .rowsPerPage = 50,
                                   .reserved = 10,
                                   .rowHeightMm = 4,
                                   .topMm = 20,
                                   .leftMm = 10,
                                   .heading = windowTitle(),
                                   .title = StatusCount->text(),
                                   .footer = QString(),
                                   .orientation = 1,
                                   .summary = nullptr,
                                   .numberRows = 1};
    {
        // The addresses are printed with the list.
        const FieldsShown address(QRupche, {QStringLiteral("ADDR")});
        if (preview) {
            previewList(QRupche, options);
        } else {
            const Dialogs::PrintRequest request{
                options.heading, PrintDevice::Orientation::Portrait,
                [this, &options](PrintDevice& device) { printList(device, QRupche, options); }};
            // A printer dialog that fails prints nothing here; the user is told.
            if (dialogs().print(request) == Dialogs::PrintOutcome::DialogFailed)
                dialogs().information(printerTroubleMessage());
        }
    }
    DBGrid1->setFocus();
}

void TFMupche::saveCsv() {
    if (!QRupche.isOpen()) return;
    // Every field of the partners: the accountant needs the addresses and items too.
    const FieldsShown everything(QRupche, allPartnerFields());
    saveQueryAsCsv(QRupche);
    DBGrid1->setFocus();
}
