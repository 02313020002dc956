#include "tools/tfmzip.h"

#include "common/action_guard.h"
#include "common/query_model.h"
#include "tools/coloured_query_model.h"
#include "tools/postal_search.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kChosenCaption = QStringLiteral("!");
}  // namespace

TFMzip::TFMzip(QWidget* parent) : TaskForm(parent) {
    // A look-up: Esc cancels it, nothing typed is lost.
    setEscapeCancels();
    setObjectName(QStringLiteral("FMzip"));
    setWindowTitle(QStringLiteral("우편번호부"));
    buildControls();
    buildGrid();

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("검색 주소"), this));
    searchRow->addWidget(EDaddr, 1);
    searchRow->addWidget(BTinq);
    searchRow->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(DBGrid1, 1);
    resize(560, 400);
}

TFMzip::~TFMzip() {
    // The grid must stop reading the query before the query goes.
    DBGrid1->setModel(nullptr);
}

void TFMzip::buildControls() {
    EDaddr = new QLineEdit(this);
    EDaddr->setObjectName(QStringLiteral("EDaddr"));
    EDaddr->installEventFilter(this);
    BTinq = new QPushButton(QStringLiteral("검 색"), this);
    BTinq->setObjectName(QStringLiteral("BTinq"));
    BTinq->setAutoDefault(false);
    BitBtn1 = new QPushButton(QStringLiteral("종 료"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    connect(BTinq, &QPushButton::clicked, this, guarded([this] { search(); }));
    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { reject(); }));
}

void TFMzip::buildGrid() {
    QRzip.setPersistentFields(postalGridFields());
    model_ = new ColouredQueryModel(QRzip, this);
    model_->setFieldBackground(QStringLiteral("ZIP"), QColor(255, 255, 214));
    model_->setFieldBackground(QStringLiteral("ADDR"), QColor(232, 246, 232));
    model_->setFieldBackground(QStringLiteral("DDD"), QColor(226, 236, 255));

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setTabKeyNavigation(false);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->installEventFilter(this);
    // The query's cursor follows the grid, so the caller finds the chosen
    // row as the current row of QRzip.
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && QRzip.isOpen())
                    QRzip.moveTo(current.row());
            });
}

bool TFMzip::chosen() const {
    return windowTitle() == kChosenCaption;
}

QString TFMzip::currentText(const QString& field) {
    if (!QRzip.isOpen())
        return {};
    const QModelIndex current = DBGrid1->currentIndex();
    if (!current.isValid() || !QRzip.moveTo(current.row()))
        return {};
    return QRzip.text(field);
}

QString TFMzip::zip() {
    return currentText(QStringLiteral("ZIP"));
}
QString TFMzip::addr() {
    return currentText(QStringLiteral("ADDR"));
}
QString TFMzip::ddd() {
    return currentText(QStringLiteral("DDD"));
}

void TFMzip::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    formActivate();
}

void TFMzip::formActivate() {
    if (EDaddr->text().isEmpty()) {
        EDaddr->setFocus();
        return;
    }
    runGuarded([this] { search(); });
}

void TFMzip::search() {
    model_->suspend();
    preparePostalSearch(QRzip, EDaddr->text());
    QRzip.open();
    model_->refresh();
    applyDisplayWidths(DBGrid1, *model_, QRzip);
    // The address takes the room the grid has beyond the code columns.
    const int addressColumn = model_->columnOfField(QRzip.fieldIndex(QStringLiteral("ADDR")));
    if (addressColumn >= 0) {
        DBGrid1->horizontalHeader()->setSectionResizeMode(addressColumn, QHeaderView::Stretch);
    }
    if (model_->rowCount() > 0)
        DBGrid1->setCurrentIndex(model_->index(0, 0));
    DBGrid1->setFocus();
}

void TFMzip::handleGridKey(int key, const QString& text) {
    switch (postalGridKey(key, text)) {
        case PostalGridKey::Move:
            return;
        case PostalGridKey::Choose:
            // Enter on an empty grid has nothing to hand back.
            if (DBGrid1->currentIndex().isValid()) {
                setWindowTitle(kChosenCaption);
                accept();
                return;
            }
            reject();
            return;
        case PostalGridKey::Close:
            reject();
            return;
    }
}

bool TFMzip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == EDaddr && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        runGuarded([this] { search(); });
        return true;
    }
    if (watched == DBGrid1) {
        if (postalGridKey(key->key(), key->text()) == PostalGridKey::Move)
            return false;
        runGuarded([this, code = key->key(), text = key->text()] { handleGridKey(code, text); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
