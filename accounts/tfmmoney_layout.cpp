// Building the controls of the cash book TFMmoney.

#include "accounts/tfmmoney.h"

#include "common/query_model.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const char* text, const char* hint) {
    auto* b = named(new QPushButton(QString::fromUtf8(text), parent), name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setAutoDefault(false);
    b->setMinimumSize(96, 34);
    return b;
}

QLabel* valueLabel(QWidget* parent, const char* name) {
    auto* label = named(new QLabel(parent), name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(150);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

void TFMmoney::buildForm() {
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(buildFilters());
    auto* middle = new QHBoxLayout;
    DBGrid1 = named(new QTableView(this), "DBGrid1");
    model_ = new QueryModel(QRmoney, this);
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->setDefaultSectionSize(22);
    middle->addWidget(DBGrid1, 1);
    middle->addWidget(buildButtonColumn());
    outer->addLayout(middle, 1);
    outer->addWidget(buildBottomBar());
    resize(1120, 660);
}

QWidget* TFMmoney::buildFilters() {
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* rows = new QVBoxLayout(panel);

    auto* first = new QHBoxLayout;
    first->addWidget(new QLabel(QStringLiteral("거래처"), panel));
    CBcomname = named(new QComboBox(panel), "CBcomname");
    CBcomname->setMinimumWidth(180);
    first->addWidget(CBcomname);
    first->addSpacing(16);
    first->addWidget(new QLabel(QStringLiteral("기  간"), panel));
    EDday1 = named(new QLineEdit(panel), "EDday1");
    EDday2 = named(new QLineEdit(panel), "EDday2");
    for (QLineEdit* day : {EDday1, EDday2}) {
        day->setMaxLength(10);
        day->setFixedWidth(104);
        day->setToolTip(QStringLiteral("두 번 누르면 달력에서 날짜를 고를 수 있습니다"));
    }
    first->addWidget(EDday1);
    first->addWidget(new QLabel(QStringLiteral("~"), panel));
    first->addWidget(EDday2);
    SpeedButton1 = named(new QToolButton(panel), "SpeedButton1");
    SpeedButton1->setText(QStringLiteral(">>"));
    SpeedButton1->setToolTip(QStringLiteral("달력에서 기간을 선택할 수 있습니다 !"));
    first->addWidget(SpeedButton1);
    first->addStretch(1);
    BTinq = button(panel, "BTinq", "검색", "현재의 검색조건으로 검색시작");
    first->addWidget(BTinq);
    rows->addLayout(first);

    auto* second = new QHBoxLayout;
    kindGroup_ = new QGroupBox(QStringLiteral("구분"), panel);
    auto* kinds = new QHBoxLayout(kindGroup_);
    RBmaip = named(new QRadioButton(QStringLiteral("매입"), kindGroup_), "RBmaip");
    RBmach = named(new QRadioButton(QStringLiteral("매출"), kindGroup_), "RBmach");
    RBmaipMach = named(new QRadioButton(QStringLiteral("전체"), kindGroup_), "RBmaipMach");
    for (QRadioButton* kind : {RBmaip, RBmach, RBmaipMach})
        kinds->addWidget(kind);
    RBmaipMach->setChecked(true);
    second->addWidget(kindGroup_);

    listGroup_ = new QGroupBox(QStringLiteral("조회"), panel);
    auto* lists = new QHBoxLayout(listGroup_);
    RBall = named(new QRadioButton(QStringLiteral("상세 내역"), listGroup_), "RBall");
    RBday1 = named(new QRadioButton(QStringLiteral("일자별합계"), listGroup_), "RBday1");
    RBcomname = named(new QRadioButton(QStringLiteral("거래처별합계"), listGroup_), "RBcomname");
    RByearmonth = named(new QRadioButton(QStringLiteral("월별합계"), listGroup_), "RByearmonth");
    for (QRadioButton* list : {RBall, RBday1, RBcomname, RByearmonth})
        lists->addWidget(list);
    RBall->setChecked(true);
    // The frame around the chosen list; placed over the group, not laid out.
    Shape1 = named(new QFrame(listGroup_), "Shape1");
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setLineWidth(2);
    QPalette red = Shape1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Shape1->setPalette(red);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    second->addWidget(listGroup_);
    second->addStretch(1);
    rows->addLayout(second);
    return panel;
}

QWidget* TFMmoney::buildButtonColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    BTinp = button(column, "BTinp", "등록", "신규 등록");
    BTprint = button(column, "BTprint", "출력", "현재 검색중인 내용 출력");
    BTpreview = button(column, "BTpreview", "미리보기", "출력할 내용을 화면으로 미리 봅니다");
    BTcsv =
        button(column, "BTcsv", "CSV 저장", "현재 검색중인 내용을 CSV 파일로 저장 (세무사 전달용)");
    BTdel = button(column, "BTdel", "삭제", "현재 선택된 정보 삭제");
    BTupche = button(column, "BTupche", "거래처", "매입-매출 관련 거래처 관리");
    BTmonth = button(column, "BTmonth", "년간", "거래처별-월별 현황");
    BTquit = button(column, "BTquit", "종 료", "메인화면으로 복귀");
    for (QPushButton* b : {BTinp, BTprint, BTpreview, BTcsv, BTdel, BTupche, BTmonth})
        layout->addWidget(b);
    layout->addStretch(1);
    layout->addWidget(BTquit);
    return column;
}

QWidget* TFMmoney::buildBottomBar() {
    auto* bar = new QFrame(this);
    bar->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(bar);
    LBmoneyCount = valueLabel(bar, "LBmoneyCount");
    LBmoneyCount->setMinimumWidth(70);
    LBMoneyVat = valueLabel(bar, "LBMoneyVat");
    LBmoney1Vat1 = valueLabel(bar, "LBmoney1Vat1");
    LBdiff = valueLabel(bar, "LBdiff");
    const struct {
        const char* caption;
        QLabel* value;
    } parts[] = {{"검색:", LBmoneyCount},
                 {"총매입", LBMoneyVat},
                 {"총매출", LBmoney1Vat1},
                 {"매출-매입", LBdiff}};
    for (const auto& part : parts) {
        layout->addWidget(new QLabel(QString::fromUtf8(part.caption), bar));
        layout->addWidget(part.value);
        layout->addSpacing(12);
    }
    layout->addStretch(1);
    return bar;
}
