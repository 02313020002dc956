#include "clients/tfmbur_fit.h"

#include "clients/client_columns.h"
#include "clients/client_search.h"
#include "clients/tfmbur_imd.h"
#include "common/action_guard.h"
#include "common/list_printer.h"
#include "common/query_model.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

QString matchSettingsWords(const MatchSettings& settings) {
    QStringList words;
    const std::pair<bool, const char*> boxes[] = {
        {settings.cname, "분류"},       {settings.addr, "선호지역"}, {settings.gpung, "건평"},
        {settings.dpung, "대지"},       {settings.yesan, "예산"},    {settings.wantcom, "부동산명"},
        {settings.openOnly, "의뢰중만"}};
    for (const auto& [ticked, word] : boxes) {
        if (ticked) words.append(QString::fromUtf8(word));
    }
    return words.isEmpty() ? QStringLiteral("구분만") : words.join(QStringLiteral(", "));
}

QString listingDescription(const MatchListing& listing) {
    const QStringList parts{listing.im.toString(), listing.cname.toString(),
                            listing.addr.toString()};
    QStringList given;
    for (const QString& part : parts) {
        if (!part.trimmed().isEmpty()) given.append(part.trimmed());
    }
    return given.join(u' ');
}

TFMbur_fit::TFMbur_fit(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMbur_fit"));
    setWindowTitle(QStringLiteral("이 물건에 맞는 손님"));
    QRburequ.setPersistentFields(clientGridFields());
    buildForm();
    connect(CKBwaiting, &QCheckBox::toggled, this, guarded([this] { formActivate(); }));
    connect(BTallview, &QPushButton::clicked, this, guarded([this] { viewClient(); }));
    connect(DBGrid1, &QTableView::doubleClicked, this, guarded([this] { viewClient(); }));
    connect(BTprint, &QPushButton::clicked, this, guarded([this] { print(false); }));
    connect(BTpreview, &QPushButton::clicked, this, guarded([this] { print(true); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { reject(); });
    setEscapeCancels();
    resize(960, 520);
}

TFMbur_fit::~TFMbur_fit() {
    DBGrid1->setModel(nullptr);
}

void TFMbur_fit::buildForm() {
    auto* layout = new QVBoxLayout(this);
    LBlisting = new QLabel(this);
    LBlisting->setObjectName(QStringLiteral("LBlisting"));
    LBlisting->setStyleSheet(QStringLiteral("font-weight: bold; color: #000080;"));
    LBsettings = new QLabel(this);
    LBsettings->setObjectName(QStringLiteral("LBsettings"));
    CKBwaiting = new QCheckBox(QStringLiteral("계약·취소 손님 제외"), this);
    CKBwaiting->setObjectName(QStringLiteral("CKBwaiting"));
    CKBwaiting->setToolTip(QStringLiteral("상태가 계약 또는 취소인 손님은 보이지 않음"));
    CKBwaiting->setChecked(true);
    auto* head = new QHBoxLayout;
    head->addWidget(LBlisting);
    head->addStretch(1);
    head->addWidget(LBsettings);
    head->addSpacing(12);
    head->addWidget(CKBwaiting);
    layout->addLayout(head);

    model_ = new QueryModel(QRburequ, this);
    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
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
    BTallview =
        button("BTallview", QStringLiteral("상세"), QStringLiteral("선택된 정보의 전항목 보여줌"));
    BTprint = button("BTprint", QStringLiteral("출력"), QStringLiteral("맞는 손님 리스트 출력"));
    BTpreview = button("BTpreview", QStringLiteral("미리보기"),
                       QStringLiteral("맞는 손님 리스트 미리보기"));
    BTquit = button("BTquit", QStringLiteral("종 료"), QStringLiteral("이전화면으로 복귀"));
    layout->addLayout(bar);
}

void TFMbur_fit::setListing(const MatchListing& listing, const QString& description) {
    listing_ = listing;
    description_ = description;
    LBlisting->setText(QStringLiteral("물건: ") + description);
}

void TFMbur_fit::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    runGuarded([this] { formActivate(); });
}

void TFMbur_fit::formActivate() {
    const MatchSettings settings = readMatchSettings();
    LBsettings->setText(QStringLiteral("일치조건: ") + matchSettingsWords(settings));
    QStringList keys;
    for (const FittingClient& client : clientsFittingListing(listing_, settings)) {
        if (!CKBwaiting->isChecked() || isWaitingClient(client.working))
            keys.append(client.scancode);
    }
    model_->suspend();
    buildClientsByKey(keys).applyTo(QRburequ);
    QRburequ.open();
    model_->resume();
    applyDisplayWidths(DBGrid1, *model_, QRburequ);
    const int rows = QRburequ.recordCount();
    StatusCount->setText(QStringLiteral("해당 손님: ") + QString::number(rows));
    for (QPushButton* b : {BTallview, BTprint, BTpreview})
        b->setEnabled(rows > 0);
    if (rows > 0)
        DBGrid1->selectionModel()->setCurrentIndex(
            model_->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    DBGrid1->setFocus();
}

QStringList TFMbur_fit::listedClients() {
    QStringList keys;
    const int field = QRburequ.fieldIndex(QStringLiteral("Scancode"));
    for (int row = 0; row < QRburequ.recordCount(); ++row)
        keys.append(QRburequ.valueAt(row, field).toString());
    return keys;
}

void TFMbur_fit::viewClient() {
    if (QRburequ.recordCount() == 0) return;
    const int row = std::max(0, DBGrid1->currentIndex().row());
    TFMbur_imd entry(this);
    entry.entryMode = 4;
    entry.scancode =
        QRburequ.valueAt(row, QRburequ.fieldIndex(QStringLiteral("Scancode"))).toString();
    entry.exec();
}

void TFMbur_fit::print(bool preview) {
    const ListPrintOptions options{.fieldCount = kClientGridFieldCount,
                                   .rowsPerPage = 35,
                                   .reserved = 10,
                                   .rowHeightMm = 4,
                                   .topMm = 20,
                                   .leftMm = 20,
                                   .heading = QStringLiteral("[물건에 맞는 손님]"),
                                   .title = QStringLiteral("물건: ") + description_,
                                   .footer = QString(),
                                   .orientation = 2,
                                   .summary = nullptr,
                                   .numberRows = 1};
    if (preview) {
        previewList(QRburequ, options);
    } else {
        printListWithDialog(QRburequ, options);
    }
    DBGrid1->setFocus();
}
