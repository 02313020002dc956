#include "contracts/tfmcont_inq.h"

#include "common/action_guard.h"
#include "common/cp949.h"
#include "common/dates.h"
#include "common/focus_keys.h"
#include "contracts/found_contracts_model.h"
#include "contracts/tfmimdae.h"
#include "contracts/tfmmama.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, int bytes, int widthChars) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    limitCp949(edit, bytes);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * widthChars + 12);
    return edit;
}

bool isDate(const QLineEdit* field) {
    return field->text().trimmed().isEmpty() || parseDate(field->text()).has_value();
}
}  // namespace

TFMcont_inq::TFMcont_inq(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("TFMcont_inq"));
    setWindowTitle(QStringLiteral("계약서 검색"));
    buildControls();
    connectControls();
    setEscapeCancels();
    resize(640, 480);
}

TFMcont_inq::~TFMcont_inq() {
    for (QLineEdit* field : {EDday1, EDday2})
        field->removeEventFilter(this);
}

void TFMcont_inq::buildControls() {
    GroupBox1 = new QGroupBox(QStringLiteral("검색조건"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    RBimdae = new QRadioButton(QStringLiteral("임대"), GroupBox1);
    RBimdae->setObjectName(QStringLiteral("RBimdae"));
    RBimdae->setChecked(true);
    RBmama = new QRadioButton(QStringLiteral("매매"), GroupBox1);
    RBmama->setObjectName(QStringLiteral("RBmama"));
    EDsojaji = makeEdit(GroupBox1, "EDsojaji", 20, 20);
    EDname1 = makeEdit(GroupBox1, "EDname1", 10, 10);
    EDname2 = makeEdit(GroupBox1, "EDname2", 10, 10);
    for (QLineEdit* name : {EDname1, EDname2})
        name->setToolTip(QStringLiteral("소유자/임차인 검색"));
    EDday1 = makeEdit(GroupBox1, "EDday1", 10, 10);
    EDday2 = makeEdit(GroupBox1, "EDday2", 10, 10);
    const auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, GroupBox1);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    LBname1 = label("LBname1", QStringLiteral("임대인"));
    LBname2 = label("LBname2", QStringLiteral("임차인"));
    LBday = label("LBday", QStringLiteral("계약일"));
    auto* conditions = new QGridLayout(GroupBox1);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(RBimdae);
    kinds->addWidget(RBmama);
    conditions->addLayout(kinds, 0, 0, 1, 2);
    conditions->addWidget(new QLabel(QStringLiteral("소재지"), GroupBox1), 0, 2);
    conditions->addWidget(EDsojaji, 0, 3, 1, 3);
    conditions->addWidget(LBname1, 1, 0);
    conditions->addWidget(EDname1, 1, 1);
    conditions->addWidget(LBname2, 1, 2);
    conditions->addWidget(EDname2, 1, 3);
    conditions->addWidget(LBday, 2, 0);
    conditions->addWidget(EDday1, 2, 1);
    conditions->addWidget(new QLabel(QStringLiteral(">>"), GroupBox1), 2, 2, Qt::AlignCenter);
    conditions->addWidget(EDday2, 2, 3);
    conditions->setColumnStretch(5, 1);

    BTinq = makeButton(this, "BTinq", QStringLiteral("검색시작"),
                       QStringLiteral("현재의 검색조건으로 검색시작"));
    BTinp = makeButton(this, "BTinp", QStringLiteral("등록"), QStringLiteral("새로운 계약서 등록"));
    BTdtlinq = makeButton(this, "BTdtlinq", QStringLiteral("상세내용"),
                          QStringLiteral("선택된 계약서의 상세내용"));
    BTquit = makeButton(this, "BTquit", QStringLiteral("종 료"), QString());
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {BTinq, BTinp, BTdtlinq, BTquit})
        buttons->addWidget(b);
    buttons->addStretch();

    model_ = new FoundContractsModel(this);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    LBcount = new QLabel(this);
    LBcount->setObjectName(QStringLiteral("LBcount"));

    auto* top = new QHBoxLayout;
    top->addWidget(GroupBox1, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(LBcount);
}

void TFMcont_inq::connectControls() {
    connect(RBimdae, &QRadioButton::toggled, this, [this](bool on) {
        if (on) runGuarded([this] { kindChosen(); });
    });
    connect(RBmama, &QRadioButton::toggled, this, [this](bool on) {
        if (on) runGuarded([this] { kindChosen(); });
    });
    connect(BTinq, &QPushButton::clicked, this, guarded([this] { search(); }));
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { openContract(false); }));
    connect(BTdtlinq, &QPushButton::clicked, this, guarded([this] { openContract(true); }));
    connect(DBGrid1, &QTableView::doubleClicked, this, guarded([this] { openContract(true); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { reject(); });
    FocusKeys::install({EDsojaji, EDname1, EDname2, EDday1, EDday2}, false);
    for (QLineEdit* field : {EDday1, EDday2})
        field->installEventFilter(this);
}

void TFMcont_inq::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    formActivate();
}

void TFMcont_inq::formActivate() {
    if (activated_) return;
    activated_ = true;
    runGuarded([this] { search(); });
}

bool TFMcont_inq::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && event->type() == QEvent::FocusOut) {
        // Leaving a date field rewrites the date; a text that is not a date
        // is refused and the focus goes back. A message or another window is
        // not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            isVisible() && !normalizeDateField(field)) {
            QTimer::singleShot(0, field, [field] { field->setFocus(); });
        }
    }
    return TaskForm::eventFilter(watched, event);
}

void TFMcont_inq::kindChosen() {
    const bool lease = RBimdae->isChecked();
    LBname1->setText(lease ? QStringLiteral("임대인") : QStringLiteral("매도인"));
    LBname2->setText(lease ? QStringLiteral("임차인") : QStringLiteral("매수인"));
    LBday->setText(lease ? QStringLiteral("계약일") : QStringLiteral("매매일"));
    search();
}

void TFMcont_inq::search(qint64 keepKey) {
    // A date that cannot be read is being corrected: nothing is searched.
    for (QLineEdit* day : {EDday1, EDday2}) {
        if (!isDate(day)) {
            day->setFocus();
            return;
        }
    }
    const bool lease = RBimdae->isChecked();
    ContractSearchInput input{lease,
                              EDsojaji->text(),
                              EDname1->text(),
                              EDname2->text(),
                              normalisedSignDay(EDday1->text()),
                              normalisedSignDay(EDday2->text())};
    std::vector<FoundContract> found;
    try {
        found = searchContracts(QRcont, input);
    } catch (...) {
        model_->show({}, {});
        BTdtlinq->setEnabled(false);
        throw;
    }
    model_->show(
        std::move(found),
        {QStringLiteral("계약일"), lease ? QStringLiteral("임대인") : QStringLiteral("매도인"),
         lease ? QStringLiteral("임차인") : QStringLiteral("매수인"), QStringLiteral("소재지")});
    const int rows = model_->rowCount();
    LBcount->setText(QStringLiteral("검색대상: ") + QString::number(rows));
    DBGrid1->setColumnWidth(0, 96);
    DBGrid1->setColumnWidth(1, 110);
    DBGrid1->setColumnWidth(2, 110);
    if (rows > 0) {
        const int row = std::max(0, model_->rowOf(keepKey));
        DBGrid1->selectionModel()->setCurrentIndex(
            model_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    BTdtlinq->setEnabled(currentKey() > 0);
}

qint64 TFMcont_inq::currentKey() const {
    const FoundContract* found = model_->contract(DBGrid1->currentIndex().row());
    return found ? found->key : 0;
}

void TFMcont_inq::openContract(bool detail) {
    const FoundContract* chosen = model_->contract(DBGrid1->currentIndex().row());
    if (detail && !chosen) return;
    qint64 key = detail ? chosen->key : 0;
    {
        std::unique_ptr<ContractForm> form;
        if (RBimdae->isChecked()) {
            form = std::make_unique<TFMimdae>(this);
        } else {
            form = std::make_unique<TFMmama>(this);
        }
        if (detail) {
            form->LBscancode->setText(QStringLiteral("Dtl"));
            form->LBsojaji->setText(chosen->sojaji);
            form->documentKey = key;
        } else {
            form->LBscancode->setText(QStringLiteral("New"));
        }
        form->exec();
        if (!detail) key = form->storedKey();
    }
    search(key);
}
