#include "accounts/tfmmaipmach.h"

#include "accounts/month_chart.h"
#include "common/action_guard.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "common/input_checks.h"
#include "common/list_printer.h"
#include "common/number_format.h"
#include "common/query_csv.h"
#include "common/query_model.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QString printerTroubleMessage() {
    return QStringLiteral("프린터에 문제가 생겼습니다. 확인후 재시도 하세요 ...!");
}

QString notAYearMessage() {
    return QStringLiteral("년도는 4자리 숫자로 입력하세요 (예: 2026) ...!");
}

// The settlement grid: the partner column light yellow, the months in the
// colours of their quarters, the total column blue; the totals row bold.
class SettlementModel : public QueryModel {
public:
    SettlementModel(Query& query, QObject* parent) : QueryModel(query, parent) {}

    QVariant data(const QModelIndex& index, int role) const override {
        const int column = fieldOfColumn(index.column());
        if (role == Qt::BackgroundRole) {
            if (column == 0) return QColor(0xFF, 0xFF, 0x80);
            if (column >= 1 && column <= 12) return quarterColour(column);
            if (column == 13) return QColor(Qt::blue);
            return {};
        }
        if (role == Qt::ForegroundRole && column == 13) return QColor(Qt::white);
        if (role == Qt::FontRole && index.row() == rowCount() - 1) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QueryModel::data(index, role);
    }
};

}  // namespace

TFMmaipMach::TFMmaipMach(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMmaipMach"));
    setWindowTitle(QStringLiteral("년간 : 거래처별 - 월별 매입/매출 결산"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    buildForm();
    connectControls();
    resize(1200, 760);
    setWindowState(Qt::WindowMaximized);
}

TFMmaipMach::~TFMmaipMach() {
    // The grid must stop reading the query before the query goes.
    DBGrid1->setModel(nullptr);
}

void TFMmaipMach::buildForm() {
    auto* outer = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("년도"), this));
    EDyear = named(new QLineEdit(this), "EDyear");
    EDyear->setMaxLength(4);
    EDyear->setFixedWidth(64);
    bar->addWidget(EDyear);
    RBmaip = named(new QRadioButton(QStringLiteral("매입"), this), "RBmaip");
    RBmach = named(new QRadioButton(QStringLiteral("매출"), this), "RBmach");
    RBmach->setChecked(true);
    bar->addWidget(RBmaip);
    bar->addWidget(RBmach);
    const auto button = [this](const char* name, const char* text, const char* hint) {
        auto* b = named(new QPushButton(QString::fromUtf8(text), this), name);
        b->setAutoDefault(false);
        b->setMinimumSize(96, 32);
        if (*hint) b->setToolTip(QString::fromUtf8(hint));
        return b;
    };
    BTcarDtal = button("BTcarDtal", "결  산", "입력한 년도의 거래처별-월별 결산");
    BTprt = button("BTprt", "프린트", "결산서 출력 (마지막 쪽에 월별 그래프)");
    BTpreview = button("BTpreview", "미리보기", "출력할 결산서를 화면으로 미리 봅니다");
    BTcsv = button("BTcsv", "CSV 저장", "결산표를 CSV 파일로 저장 (세무사 전달용)");
    BitBtn1 = button("BitBtn1", "종   료", "");
    for (QPushButton* b : {BTcarDtal, BTprt, BTpreview, BTcsv})
        bar->addWidget(b);
    bar->addStretch(1);
    bar->addWidget(BitBtn1);
    outer->addLayout(bar);

    auto* split = new QSplitter(Qt::Vertical, this);
    DBGrid1 = named(new QTableView(split), "DBGrid1");
    model_ = new SettlementModel(QRyear, this);
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->setDefaultSectionSize(24);
    DBGrid1->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: yellow; }"));
    CHmonth = named(new MonthChart(split), "CHmonth");
    split->addWidget(DBGrid1);
    split->addWidget(CHmonth);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    outer->addWidget(split, 1);
    setTabOrder(EDyear, BTcarDtal);
}

void TFMmaipMach::connectControls() {
    connect(BTcarDtal, &QPushButton::clicked, this, guarded([this] { settle(); }));
    for (QRadioButton* kind : {RBmaip, RBmach})
        connect(kind, &QRadioButton::clicked, this, guarded([this] { settle(); }));
    connect(BTprt, &QPushButton::clicked, this, guarded([this] { print(false); }));
    connect(BTpreview, &QPushButton::clicked, this, guarded([this] { print(true); }));
    connect(BTcsv, &QPushButton::clicked, this, guarded([this] { saveCsv(); }));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { reject(); });
    FocusKeys::install({EDyear}, false);
}

void TFMmaipMach::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    runGuarded([this] { formActivate(); });
}

void TFMmaipMach::formActivate() {
    settle();
}

SettlementKind TFMmaipMach::kind() const {
    return RBmaip->isChecked() ? SettlementKind::Purchases : SettlementKind::Sales;
}

QString TFMmaipMach::year() const {
    return halfWidthNumberText(EDyear->text()).trimmed();
}

void TFMmaipMach::settle() {
    const QString typed = year();
    model_->suspend();
    QRyear.close();
    settlement_ = rebuildSettlement(typed, kind());
    settledYear_ = typed;
    applySettlementView(QRyear);
    QRyear.open();
    model_->refresh();
    applyDisplayWidths(DBGrid1, *model_, QRyear);
    for (QPushButton* b : {BTprt, BTpreview, BTcsv})
        b->setEnabled(!settlement_.empty());
    CHmonth->setTotals(settlement_.months, chartTitle());
    if (!typed.isEmpty() && !isSettlementYear(typed)) {
        dialogs().warning(notAYearMessage());
        EDyear->setFocus();
        return;
    }
    DBGrid1->setFocus();
}

QString TFMmaipMach::chartTitle() const {
    return QStringLiteral("[%1 년] 월별 %2 합계 (세액 포함)")
        .arg(settledYear_,
             kind() == SettlementKind::Sales ? QStringLiteral("매출") : QStringLiteral("매입"));
}

void TFMmaipMach::print(bool preview) {
    if (settlement_.empty()) return;
    const ListPrintOptions options{
        .fieldCount = QRyear.fieldCount(),
        .rowsPerPage = 45,
        .reserved = 10,
        .rowHeightMm = 3,
        .topMm = 20,
        .leftMm = 30,
        .heading = kind() == SettlementKind::Sales ? QStringLiteral("거래처별 매출 결산서")
                                                   : QStringLiteral("거래처별 매입 결산서"),
        .title = QStringLiteral("[") + settledYear_ + QStringLiteral(" 년]"),
        .footer = QStringLiteral("▶총액: ") + formatAmount(settlement_.grandTotal),
        .orientation = 2,
        .summary = nullptr,
        .numberRows = 1};
    const MonthTotals months = settlement_.months;
    const QString title = chartTitle();
    const ListClosingPage chart = [&months, &title](PrintDevice& device) {
        printMonthChart(device, months, title);
    };
    if (preview) {
        previewList(QRyear, options, chart);
    } else {
        printListWithDialog(QRyear, options, printerTroubleMessage(), chart);
    }
    DBGrid1->setFocus();
}

void TFMmaipMach::saveCsv() {
    if (settlement_.empty()) return;
    saveQueryAsCsv(QRyear);
    DBGrid1->setFocus();
}
