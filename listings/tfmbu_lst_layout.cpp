// Building the controls of the listing list: the search panel, the bar under
// it, the grid, the button bar, the status bar and the two panels that lie
// over the grid.

#include "listings/tfmbu_lst.h"

#include "common/cp949.h"
#include "common/query_model.h"
#include "common/record_navigator.h"
#include "common/range_edit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint = {}) {
    auto* b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

QLineEdit* textField(QWidget* parent, const char* name, int bytes, int width) {
    auto* field = named(new QLineEdit(parent), name);
    if (bytes > 0) limitCp949(field, bytes);
    field->setFixedWidth(width);
    return field;
}

RangeEdit* rangeField(QWidget* parent, const char* name, int digits, int width) {
    auto* field = named(new RangeEdit(digits, parent), name);
    field->setFixedWidth(width);
    return field;
}

QLabel* caption(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A label and its field as one cell of the search panel.
void addLabelled(QGridLayout* grid, int row, int column, const QString& text, QWidget* field) {
    grid->addWidget(caption(field->parentWidget(), text), row, column);
    grid->addWidget(field, row, column + 1);
}

}  // namespace

void TFMbu_lst::buildForm() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(3);
    layout->addWidget(buildSearchPanel());
    layout->addWidget(buildFilterBar());
    buildGrid();
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(buildButtonBar());
    buildStatusBar();
    layout->addWidget(StatusBar1);
    buildOverlayPanels();
}

QFrame* TFMbu_lst::buildSearchPanel() {
    PNsearch = named(new QFrame(this), "PNsearch");
    PNsearch->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(PNsearch);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    auto* title = new QLabel(QStringLiteral("검색조건"), PNsearch);
    title->setStyleSheet(QStringLiteral("font-weight: bold; color: #000080;"));
    grid->addWidget(title, 0, 0, 3, 1, Qt::AlignTop | Qt::AlignLeft);

    CBim = named(new QComboBox(PNsearch), "CBim");
    CBim->addItems({QStringLiteral("전체"), QStringLiteral("임대"), QStringLiteral("매매")});
    CBim->setFixedWidth(80);
    CBcname = named(new QComboBox(PNsearch), "CBcname");
    CBcname->setFixedWidth(110);
    // Hidden until their lists are filled at activation.
    CBim->setVisible(false);
    CBcname->setVisible(false);
    EDcname1 = textField(PNsearch, "EDcname1", 20, 130);
    EDtotalm = rangeField(PNsearch, "EDtotalm", 6, 120);
    EDname1 = textField(PNsearch, "EDname1", 10, 90);
    EDname1->setToolTip(QStringLiteral("소유자/임차인 검색"));
    addLabelled(grid, 0, 1, QStringLiteral("구분"), CBim);
    addLabelled(grid, 0, 3, QStringLiteral("분류"), CBcname);
    addLabelled(grid, 0, 5, QStringLiteral("부동산명"), EDcname1);
    addLabelled(grid, 0, 7, QStringLiteral("합계금"), EDtotalm);
    addLabelled(grid, 0, 9, QStringLiteral("이름"), EDname1);

    EDaddr = textField(PNsearch, "EDaddr", 20, 130);
    EDdpung = rangeField(PNsearch, "EDdpung", 5, 110);
    EDgpung = rangeField(PNsearch, "EDgpung", 5, 110);
    EDstair = rangeField(PNsearch, "EDstair", 2, 60);
    EDbuildname = textField(PNsearch, "EDbuildname", 15, 110);
    addLabelled(grid, 1, 1, QStringLiteral("지역"), EDaddr);
    addLabelled(grid, 1, 3, QStringLiteral("대지"), EDdpung);
    addLabelled(grid, 1, 5, QStringLiteral("건평"), EDgpung);
    addLabelled(grid, 1, 7, QStringLiteral("층수"), EDstair);
    addLabelled(grid, 1, 9, QStringLiteral("건물명"), EDbuildname);

    RBexpireday = named(new QRadioButton(QStringLiteral("계약만료일"), PNsearch), "RBexpireday");
    RBinday = named(new QRadioButton(QStringLiteral("접수일"), PNsearch), "RBinday");
    dateGroup_ = new QButtonGroup(this);
    dateGroup_->addButton(RBexpireday);
    dateGroup_->addButton(RBinday);
    EDday1 = textField(PNsearch, "EDday1", 10, 90);
    EDday2 = textField(PNsearch, "EDday2", 10, 90);
    SpeedButton1 = named(new QToolButton(PNsearch), "SpeedButton1");
    SpeedButton1->setText(QStringLiteral(">>"));
    SpeedButton1->setToolTip(QStringLiteral("달력에서 기간을 선택할 수 있습니다 !"));
    auto* dates = new QHBoxLayout;
    dates->setSpacing(4);
    dates->addWidget(RBexpireday);
    dates->addWidget(RBinday);
    dates->addWidget(EDday1);
    dates->addWidget(new QLabel(QStringLiteral("~"), PNsearch));
    dates->addWidget(EDday2);
    dates->addWidget(SpeedButton1);
    dates->addStretch(1);
    grid->addLayout(dates, 2, 1, 1, 6);

    RBcname = named(new QRadioButton(QStringLiteral("분류순"), PNsearch), "RBcname");
    RBadd = named(new QRadioButton(QStringLiteral("주소순"), PNsearch), "RBadd");
    RBscancode = named(new QRadioButton(QStringLiteral("등록순"), PNsearch), "RBscancode");
    RBscancode->setChecked(true);
    RBexpireSort = named(new QRadioButton(QStringLiteral("만료일순"), PNsearch), "RBexpireSort");
    RBexpireSort->setVisible(false);
    sortGroup_ = new QButtonGroup(this);
    for (QRadioButton* rb : {RBcname, RBadd, RBscancode, RBexpireSort})
        sortGroup_->addButton(rb);
    auto* sorts = new QHBoxLayout;
    sorts->setSpacing(4);
    sorts->addStretch(1);
    sorts->addWidget(new QLabel(QStringLiteral("정렬:"), PNsearch));
    for (QRadioButton* rb : {RBcname, RBadd, RBscancode, RBexpireSort})
        sorts->addWidget(rb);
    grid->addLayout(sorts, 2, 7, 1, 4);

    BTinq = button(PNsearch, "BTinq", QStringLiteral("검색"));
    BTinq->setMinimumHeight(44);
    BThideView = button(PNsearch, "BThideView", QStringLiteral("다보기"),
                        QStringLiteral("주요항목 보기-감추기"));
    grid->addWidget(BTinq, 0, 11, 2, 1);
    grid->addWidget(BThideView, 2, 11);
    grid->setColumnStretch(12, 1);
    return PNsearch;
}

QWidget* TFMbu_lst::buildFilterBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(6);
    EDman = textField(bar, "EDman", 10, 90);
    CKBkwanggo = named(new QCheckBox(QStringLiteral("광고중"), bar), "CKBkwanggo");
    CKBreqing = named(new QCheckBox(QStringLiteral("의뢰중인 물건만"), bar), "CKBreqing");
    CKBreqing->setChecked(true);
    row->addWidget(new QLabel(QStringLiteral("담당자"), bar));
    row->addWidget(EDman);
    row->addSpacing(12);
    row->addWidget(CKBkwanggo);
    row->addWidget(CKBreqing);
    row->addStretch(1);

    DBNavigator1 = named(new RecordNavigator(bar), "DBNavigator1");
    row->addWidget(DBNavigator1);
    BTpict = button(bar, "BTpict", QStringLiteral("사진관리"));
    row->addWidget(BTpict);
    return bar;
}

void TFMbu_lst::buildGrid() {
    model_ = new QueryModel(QRbudong, this);
    DBGrid1 = named(new QTableView(this), "DBGrid1");
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setTabKeyNavigation(false);
    DBGrid1->setAlternatingRowColors(true);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->horizontalHeader()->setHighlightSections(false);
}

QWidget* TFMbu_lst::buildButtonBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 2, 0, 2);
    row->setSpacing(4);
    BTinp = button(bar, "BTinp", QStringLiteral("등록"));
    BTmod = button(bar, "BTmod", QStringLiteral("수정"));
    BTdel = button(bar, "BTdel", QStringLiteral("삭제"));
    BTcontract = button(bar, "BTcontract", QStringLiteral("계약"),
                        QStringLiteral("선택된 물건 계약서 작성"));
    BTclients = button(bar, "BTclients", QStringLiteral("손님?"),
                       QStringLiteral("선택된 물건에 맞는 손님 ?"));
    BTprint = button(bar, "BTprint", QStringLiteral("List"),
                     QStringLiteral("현재 검색중인 물건 리스트 출력"));
    BTpreview = button(bar, "BTpreview", QStringLiteral("미리보기"),
                       QStringLiteral("물건 리스트 미리보기"));
    BTprint1 = button(bar, "BTprint1", QStringLiteral("카드"),
                      QStringLiteral("현재 검색중인 물건 카드로 출력"));
    BTallprt = button(bar, "BTallprt", QStringLiteral("전항목"), QStringLiteral("전항목 프린트"));
    BTcode = button(bar, "BTcode", QStringLiteral("코드"));
    BTgridSet = button(bar, "BTgridSet", QStringLiteral("설정"));
    BTquit = button(bar, "BTquit", QStringLiteral("종 료"));
    for (QPushButton* b :
         {BTinp, BTmod, BTdel, BTcontract, BTclients, BTprint, BTpreview, BTprint1, BTallprt,
          BTcode}) {
        row->addWidget(b);
    }
    row->addStretch(1);
    row->addWidget(BTgridSet);
    row->addWidget(BTquit);
    return bar;
}

void TFMbu_lst::buildStatusBar() {
    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusCount = named(new QLabel(QStringLiteral("검색대상: "), StatusBar1), "StatusCount");
    StatusSelected = named(new QLabel(QStringLiteral("선택: "), StatusBar1), "StatusSelected");
    StatusUnit =
        named(new QLabel(QStringLiteral("합계금 검색 단위 [백반]"), StatusBar1), "StatusUnit");
    StatusMode = named(new QLabel(StatusBar1), "StatusMode");
    StatusMode->setStyleSheet(QStringLiteral("color: #a00000;"));
    StatusCount->setMinimumWidth(150);
    StatusSelected->setMinimumWidth(110);
    StatusBar1->addWidget(StatusCount);
    StatusBar1->addWidget(StatusSelected);
    StatusBar1->addWidget(StatusUnit);
    StatusBar1->addWidget(StatusMode, 1);
    StatusMode->hide();
}

void TFMbu_lst::buildOverlayPanels() {
    PNnumberStrDisplay = named(new QLabel(this), "PNnumberStrDisplay");
    PNnumberStrDisplay->setFrameShape(QFrame::Panel);
    PNnumberStrDisplay->setFrameShadow(QFrame::Raised);
    PNnumberStrDisplay->setAutoFillBackground(true);
    PNnumberStrDisplay->setStyleSheet(
        QStringLiteral("background: #ffffe0; color: #000080; padding: 4px;"));
    PNnumberStrDisplay->hide();

    PNgridSet = named(new QFrame(this), "PNgridSet");
    PNgridSet->setFrameShape(QFrame::Panel);
    PNgridSet->setFrameShadow(QFrame::Raised);
    PNgridSet->setAutoFillBackground(true);
    PNgridSet->setFixedSize(620, 214);
    auto* title = new QLabel(QStringLiteral("표시항목 설정"), PNgridSet);
    title->setGeometry(20, 6, 200, 20);
    title->setStyleSheet(QStringLiteral("font-weight: bold; color: #000080;"));
    BTgridSetClose = button(PNgridSet, "BTgridSetClose", QStringLiteral("닫기"));
    BTgridSetClose->setGeometry(520, 182, 80, 26);
    PNgridSet->hide();
}

void TFMbu_lst::placeOverlayPanels() {
    const QRect grid = DBGrid1->geometry();
    PNnumberStrDisplay->setGeometry(grid.left() + 8, grid.top() + 4,
                                    std::min(grid.width() - 16, 760), 30);
    PNgridSet->move(grid.left() + std::max(0, (grid.width() - PNgridSet->width()) / 2),
                    grid.top() + 20);
    PNnumberStrDisplay->raise();
    PNgridSet->raise();
}
