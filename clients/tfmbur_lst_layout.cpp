// Building the controls of the client list: the search panel, the two
// pages with their grids, the button bar, the status bar and the two panels
// that lie over the pages.

#include "clients/tfmbur_lst.h"

#include "clients/offered_history.h"
#include "common/cp949.h"
#include "common/query_model.h"
#include "common/range_edit.h"
#include "common/record_navigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
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
    limitCp949(field, bytes);
    field->setFixedWidth(width);
    return field;
}

RangeEdit* rangeField(QWidget* parent, const char* name, int digits, int width) {
    auto* field = named(new RangeEdit(digits, parent), name);
    field->setFixedWidth(width);
    return field;
}

void addLabelled(QGridLayout* grid, int row, int column, const QString& text, QWidget* field) {
    auto* label = new QLabel(text, field->parentWidget());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
}

QTableView* makeGrid(QWidget* parent, const char* name, QueryModel* model) {
    auto* grid = named(new QTableView(parent), name);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setHighlightSections(false);
    return grid;
}

QFrame* raisedPanel(QWidget* parent, const char* name) {
    auto* panel = named(new QFrame(parent), name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    return panel;
}

}  // namespace

void TFMbur_lst::buildForm() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(3);
    layout->addWidget(buildSearchPanel());
    layout->addWidget(buildPages(), 1);
    layout->addWidget(buildButtonBar());
    buildStatusBar();
    layout->addWidget(StatusBar1);
    buildSettingsPanel();
    buildBudgetPanel();
}

QFrame* TFMbur_lst::buildSearchPanel() {
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
    CBim->setFixedWidth(80);
    CBcname = named(new QComboBox(PNsearch), "CBcname");
    CBcname->setToolTip(QStringLiteral("업종 구분?"));
    CBcname->setFixedWidth(110);
    CBworking = named(new QComboBox(PNsearch), "CBworking");
    CBworking->setToolTip(QStringLiteral("손님의 구분 ?"));
    CBworking->setFixedWidth(100);
    // Hidden until their lists are filled at activation.
    for (QComboBox* box : {CBim, CBcname, CBworking})
        box->setVisible(false);
    EDname = textField(PNsearch, "EDname", 8, 90);
    addLabelled(grid, 0, 1, QStringLiteral("구분"), CBim);
    addLabelled(grid, 0, 3, QStringLiteral("분류"), CBcname);
    addLabelled(grid, 0, 5, QStringLiteral("상태"), CBworking);
    addLabelled(grid, 0, 7, QStringLiteral("성명"), EDname);

    EDaddr = textField(PNsearch, "EDaddr", 20, 130);
    EDwantcom = textField(PNsearch, "EDwantcom", 20, 130);
    EDdpung = rangeField(PNsearch, "EDdpung", 5, 110);
    EDgpung = rangeField(PNsearch, "EDgpung", 5, 110);
    addLabelled(grid, 1, 1, QStringLiteral("선호지역"), EDaddr);
    addLabelled(grid, 1, 3, QStringLiteral("부동산명"), EDwantcom);
    addLabelled(grid, 1, 5, QStringLiteral("대지"), EDdpung);
    addLabelled(grid, 1, 7, QStringLiteral("건평"), EDgpung);

    EDyesan = rangeField(PNsearch, "EDyesan", 4, 90);
    EDday1 = textField(PNsearch, "EDday1", 10, 90);
    EDday2 = textField(PNsearch, "EDday2", 10, 90);
    SpeedButton1 = named(new QToolButton(PNsearch), "SpeedButton1");
    SpeedButton1->setText(QStringLiteral(">>"));
    SpeedButton1->setToolTip(QStringLiteral("달력에서 기간을 선택할 수 있습니다 !"));
    addLabelled(grid, 2, 1, QStringLiteral("예산"), EDyesan);
    auto* dates = new QHBoxLayout;
    dates->setSpacing(4);
    dates->addWidget(EDday1);
    dates->addWidget(new QLabel(QStringLiteral("~"), PNsearch));
    dates->addWidget(EDday2);
    dates->addWidget(SpeedButton1);
    dates->addStretch(1);
    auto* received = new QLabel(QStringLiteral("접수"), PNsearch);
    received->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(received, 2, 3);
    grid->addLayout(dates, 2, 4, 1, 4);

    BTinq = button(PNsearch, "BTinq", QStringLiteral("검색시작"),
                   QStringLiteral("현재 설정된 내용대로 검색시작"));
    BTinq->setMinimumHeight(44);
    BThideView =
        button(PNsearch, "BThideView", QStringLiteral("다보기"), QStringLiteral("주요항목 다보기"));
    grid->addWidget(BTinq, 0, 9, 2, 1);
    grid->addWidget(BThideView, 2, 9);
    grid->setColumnStretch(10, 1);
    return PNsearch;
}

QWidget* TFMbur_lst::buildPages() {
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    PageControl1->addTab(buildClientPage(), QStringLiteral("검색된 요청자"));
    PageControl1->addTab(buildMatchPage(), QStringLiteral("일치되는 물건"));
    return PageControl1;
}

QWidget* TFMbur_lst::buildClientPage() {
    TabSheet1 = named(new QWidget(this), "TabSheet1");
    auto* layout = new QVBoxLayout(TabSheet1);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    clientModel_ = new QueryModel(QRburequ, this);
    DBGrid1 = makeGrid(TabSheet1, "DBGrid1", clientModel_);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(DBGrid1, 1);
    auto* bar = new QHBoxLayout;
    DBNavigator1 =
        named(new RecordNavigator(TabSheet1, RecordNavigator::Refresh::Offered), "DBNavigator1");
    bar->addStretch(1);
    bar->addWidget(DBNavigator1);
    layout->addLayout(bar);
    return TabSheet1;
}

QWidget* TFMbur_lst::buildMatchPage() {
    TabSheet2 = named(new QWidget(this), "TabSheet2");
    auto* layout = new QVBoxLayout(TabSheet2);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(6);
    LBmatchedClient = named(new QLabel(TabSheet2), "LBmatchedClient");
    LBmatchedClient->setStyleSheet(QStringLiteral("font-weight: bold; color: #000080;"));
    BToffer = button(TabSheet2, "BToffer", QStringLiteral("제시"),
                     QStringLiteral("선택한 물건을 오늘 이 손님에게 제시한 것으로 기록"));
    BToffer->setEnabled(false);  // until a match shows listings
    EDofferNote = textField(TabSheet2, "EDofferNote", kOfferNoteBytes, 220);
    EDofferNote->setToolTip(QStringLiteral("제시 메모 (선택)"));
    CKBhideOffered =
        named(new QCheckBox(QStringLiteral("제시한 물건 감추기"), TabSheet2), "CKBhideOffered");
    CKBhideOffered->setToolTip(QStringLiteral("이 손님에게 이미 제시한 물건은 보이지 않음"));
    DBNavigator2 =
        named(new RecordNavigator(TabSheet2, RecordNavigator::Refresh::Offered), "DBNavigator2");
    bar->addWidget(LBmatchedClient);
    bar->addStretch(1);
    bar->addWidget(BToffer);
    bar->addWidget(new QLabel(QStringLiteral("메모"), TabSheet2));
    bar->addWidget(EDofferNote);
    bar->addWidget(CKBhideOffered);
    bar->addSpacing(12);
    bar->addWidget(DBNavigator2);
    matchModel_ = new QueryModel(QRbudong, this);
    DBGrid2 = makeGrid(TabSheet2, "DBGrid2", matchModel_);
    DBGrid2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(DBGrid2, 1);
    layout->addLayout(bar);
    return TabSheet2;
}

QWidget* TFMbur_lst::buildButtonBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 2, 0, 2);
    row->setSpacing(4);
    BTinp = button(bar, "BTinp", QStringLiteral("등록"), QStringLiteral("새로운 손님정보 등록"));
    BTmod = button(bar, "BTmod", QStringLiteral("수정"), QStringLiteral("손님정보 수정"));
    BTdel = button(bar, "BTdel", QStringLiteral("삭제"), QStringLiteral("손님정보 삭제"));
    BTallview = button(bar, "BTallview", QStringLiteral("상세"),
                       QStringLiteral("선택된 정보의 전항목 보여줌"));
    BTmatch = button(bar, "BTmatch", QStringLiteral("물건?"),
                     QStringLiteral("선택된 손님 요구를만족하는 물건이 있는지 ?"));
    BToffers = button(bar, "BToffers", QStringLiteral("제시내역"),
                      QStringLiteral("선택된 손님에게 제시한 물건 내역"));
    BTprint = button(bar, "BTprint", QStringLiteral("출력"));
    BTpreview = button(bar, "BTpreview", QStringLiteral("미리보기"),
                       QStringLiteral("현재 페이지의 리스트 미리보기"));
    BTcode = button(bar, "BTcode", QStringLiteral("코드"), QStringLiteral("각종 코드관리"));
    BTinqSet = button(bar, "BTinqSet", QStringLiteral("일치설정"),
                      QStringLiteral("선택된 손님 요구를만족하는 물건검색시 항목 ?"));
    BTquit = button(bar, "BTquit", QStringLiteral("종 료"), QStringLiteral("이전화면으로 복귀"));
    for (QPushButton* b :
         {BTinp, BTmod, BTdel, BTallview, BTmatch, BToffers, BTprint, BTpreview, BTcode, BTinqSet})
        row->addWidget(b);
    row->addStretch(1);
    row->addWidget(BTquit);
    return bar;
}

void TFMbur_lst::buildStatusBar() {
    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusClients = named(new QLabel(QStringLiteral("검색대상: "), StatusBar1), "StatusClients");
    StatusMatches = named(new QLabel(StatusBar1), "StatusMatches");
    StatusUnit =
        named(new QLabel(QStringLiteral("예산 검색 단위 [백만]"), StatusBar1), "StatusUnit");
    StatusClients->setMinimumWidth(150);
    StatusMatches->setMinimumWidth(150);
    StatusBar1->addWidget(StatusClients);
    StatusBar1->addWidget(StatusMatches);
    StatusBar1->addWidget(StatusUnit, 1);
}

void TFMbur_lst::buildSettingsPanel() {
    PNinqCond = raisedPanel(TabSheet1, "PNinqCond");
    PNinqCond->setFixedSize(390, 124);
    auto* title = new QLabel(QStringLiteral("물건 일치조건 설정"), PNinqCond);
    title->setGeometry(12, 6, 250, 20);
    title->setStyleSheet(QStringLiteral("font-weight: bold; color: #000080;"));
    const auto box = [this](const char* name, const QString& caption, int column, int row) {
        auto* check = named(new QCheckBox(caption, PNinqCond), name);
        check->setGeometry(16 + column * 92, 32 + row * 26, 90, 22);
        return check;
    };
    CKBcname = box("CKBcname", QStringLiteral("분류"), 0, 0);
    CKBaddr = box("CKBaddr", QStringLiteral("선호지역"), 1, 0);
    CKBgpung = box("CKBgpung", QStringLiteral("건평상한"), 2, 0);
    CKBdpung = box("CKBdpung", QStringLiteral("대지상한"), 3, 0);
    CKByesan = box("CKByesan", QStringLiteral("예산"), 0, 1);
    CKBwantcom = box("CKBwantcom", QStringLiteral("부동산명"), 1, 1);
    CKBreqing = box("CKBreqing", QStringLiteral("의뢰중만"), 2, 1);
    CKBreqing->setToolTip(QStringLiteral("의뢰중인 물건만 일치대상으로"));
    SpeedButton2 = named(new QToolButton(PNinqCond), "SpeedButton2");
    SpeedButton2->setText(QStringLiteral("닫 기"));
    SpeedButton2->setGeometry(296, 90, 80, 26);
    PNinqCond->hide();
}

void TFMbur_lst::buildBudgetPanel() {
    PNnumberStrDisplay = named(new QLabel(this), "PNnumberStrDisplay");
    PNnumberStrDisplay->setFrameShape(QFrame::Panel);
    PNnumberStrDisplay->setFrameShadow(QFrame::Raised);
    PNnumberStrDisplay->setAutoFillBackground(true);
    PNnumberStrDisplay->setStyleSheet(
        QStringLiteral("background: #ffffe0; color: #000080; padding: 4px;"));
    PNnumberStrDisplay->hide();
}

void TFMbur_lst::placeOverlayPanels() {
    const QRect pages = PageControl1->geometry();
    PNnumberStrDisplay->setGeometry(pages.left() + 8, pages.top() + 26,
                                    std::min(pages.width() - 16, 760), 30);
    PNinqCond->move(std::max(0, TabSheet1->width() - PNinqCond->width() - 16), 8);
    PNnumberStrDisplay->raise();
    PNinqCond->raise();
}
