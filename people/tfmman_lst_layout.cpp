// Building the controls of the people directory: the search area, the panel
// of further conditions, the grid, the detail strip, the button column and
// the status bar.

#include "people/tfmman_lst.h"

#include "common/cp949.h"
#include "common/focus_keys.h"
#include "people/people_model.h"

#include <QButtonGroup>
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

QComboBox* codeList(QWidget* parent, const char* name) {
    auto* box = named(new QComboBox(parent), name);
    box->setFixedWidth(120);
    return box;
}

QLabel* caption(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void addLabelled(QGridLayout* grid, int row, int column, const QString& text, QWidget* field) {
    grid->addWidget(caption(field->parentWidget(), text), row, column);
    grid->addWidget(field, row, column + 1);
}

// A value of the detail strip: sunken, one line.
QLabel* detailValue(QWidget* parent, const char* name, int width) {
    auto* value = named(new QLabel(parent), name);
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setMinimumWidth(width);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return value;
}

}  // namespace

void TFMman_lst::buildForm() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 0);
    outer->setSpacing(3);
    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    auto* left = new QVBoxLayout;
    left->setSpacing(3);
    left->addWidget(buildSearchArea());
    buildGrid();
    left->addWidget(DBGrid1, 1);
    left->addWidget(buildDetailStrip());
    body->addLayout(left, 1);
    body->addWidget(buildButtonColumn());
    outer->addLayout(body, 1);
    buildStatusBar();
    outer->addWidget(StatusBar1);
    buildExtraPanel();
}

QFrame* TFMman_lst::buildSearchArea() {
    PNsearch = named(new QFrame(this), "PNsearch");
    PNsearch->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(PNsearch);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    auto* title = new QLabel(QStringLiteral("검색조건"), PNsearch);
    title->setStyleSheet(QStringLiteral("font-weight: bold; color: #000080;"));
    grid->addWidget(title, 0, 0, 2, 1, Qt::AlignTop | Qt::AlignLeft);

    CBgubun = codeList(PNsearch, "CBgubun");
    CBcompart = codeList(PNsearch, "CBcompart");
    CBcargubun = codeList(PNsearch, "CBcargubun");
    EDname = textField(PNsearch, "EDname", 8, 90);
    EDloca = textField(PNsearch, "EDloca", 10, 110);
    EDloca->setToolTip(QStringLiteral("집주소에 이 글자가 들어 있는 사람"));
    addLabelled(grid, 0, 1, QStringLiteral("관계"), CBgubun);
    addLabelled(grid, 0, 3, QStringLiteral("업종"), CBcompart);
    addLabelled(grid, 0, 5, QStringLiteral("제품"), CBcargubun);
    addLabelled(grid, 0, 7, QStringLiteral("이름"), EDname);
    addLabelled(grid, 0, 9, QStringLiteral("지역"), EDloca);

    RB1 = named(new QRadioButton(QStringLiteral("생일"), PNsearch), "RB1");
    RB2 = named(new QRadioButton(QStringLiteral("결혼기념일"), PNsearch), "RB2");
    RB1->setChecked(true);
    dateGroup_ = new QButtonGroup(this);
    dateGroup_->addButton(RB1);
    dateGroup_->addButton(RB2);
    EDday1 = textField(PNsearch, "EDday1", 10, 96);
    EDday2 = textField(PNsearch, "EDday2", 10, 96);
    EDday1->setToolTip(QStringLiteral("양력 날짜 (음력 생일은 그 날의 음력 날짜로 찾습니다)"));
    auto* dates = new QHBoxLayout;
    dates->setSpacing(4);
    dates->addWidget(RB1);
    dates->addWidget(RB2);
    dates->addSpacing(6);
    dates->addWidget(EDday1);
    dates->addWidget(new QLabel(QStringLiteral(">>"), PNsearch));
    dates->addWidget(EDday2);
    dates->addStretch(1);
    grid->addLayout(dates, 1, 1, 1, 6);

    CBupcoming = named(new QComboBox(PNsearch), "CBupcoming");
    CBupcoming->addItems({QStringLiteral("7일"), QStringLiteral("30일")});
    CBupcoming->setCurrentIndex(1);
    BTupcoming =
        button(PNsearch, "BTupcoming", QStringLiteral("다가오는 생일"),
               QStringLiteral("오늘부터 생일이나 결혼기념일이 다가오는 사람 (양력·음력 함께, "
                              "날짜순)"));
    auto* upcoming = new QHBoxLayout;
    upcoming->setSpacing(4);
    upcoming->addStretch(1);
    upcoming->addWidget(BTupcoming);
    upcoming->addWidget(CBupcoming);
    grid->addLayout(upcoming, 1, 7, 1, 4);

    BTinq = button(PNsearch, "BTinq", QStringLiteral("검색시작"));
    BTinq->setMinimumHeight(40);
    BTinqset = button(PNsearch, "BTinqset", QStringLiteral("조건추가"),
                      QStringLiteral("회사, 직위, 학교, 구입일 같은 조건을 더합니다"));
    grid->addWidget(BTinq, 0, 11);
    grid->addWidget(BTinqset, 1, 11);
    grid->setColumnStretch(12, 1);
    return PNsearch;
}

void TFMman_lst::buildExtraPanel() {
    PNinqset = named(new QFrame(this), "PNinqset");
    PNinqset->setFrameShape(QFrame::Panel);
    PNinqset->setFrameShadow(QFrame::Raised);
    PNinqset->setLineWidth(2);
    PNinqset->setAutoFillBackground(true);
    auto* grid = new QGridLayout(PNinqset);
    grid->setContentsMargins(12, 8, 12, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    auto* title = new QLabel(QStringLiteral("추가 검색조건 설정"), PNinqset);
    title->setStyleSheet(QStringLiteral("font-weight: bold; color: #000080;"));
    grid->addWidget(title, 0, 0, 1, 6);

    EDcomname = textField(PNinqset, "EDcomname", 17, 130);
    EDcomaddr = textField(PNinqset, "EDcomaddr", 42, 130);
    EDcomaddr->setToolTip(QStringLiteral("회사주소에 이 글자가 들어 있는 사람"));
    EDbuse = textField(PNinqset, "EDbuse", 10, 130);
    EDgrade = textField(PNinqset, "EDgrade", 10, 130);
    EDjob = textField(PNinqset, "EDjob", 20, 130);
    EDhighschool = textField(PNinqset, "EDhighschool", 12, 130);
    EDuniv1 = textField(PNinqset, "EDuniv1", 12, 130);
    EDuniv2 = textField(PNinqset, "EDuniv2", 12, 130);
    EDtg = textField(PNinqset, "EDtg", 22, 130);
    EDcm = textField(PNinqset, "EDcm", 30, 130);
    EDmajor = textField(PNinqset, "EDmajor", 15, 130);
    EDname1 = textField(PNinqset, "EDname1", 8, 130);
    EDguipday1 = textField(PNinqset, "EDguipday1", 10, 96);
    EDguipday2 = textField(PNinqset, "EDguipday2", 10, 96);
    addLabelled(grid, 1, 0, QStringLiteral("회사"), EDcomname);
    addLabelled(grid, 1, 2, QStringLiteral("지역"), EDcomaddr);
    addLabelled(grid, 1, 4, QStringLiteral("부서"), EDbuse);
    addLabelled(grid, 2, 0, QStringLiteral("직위"), EDgrade);
    addLabelled(grid, 2, 2, QStringLiteral("담당업무"), EDjob);
    addLabelled(grid, 2, 4, QStringLiteral("고등학교"), EDhighschool);
    addLabelled(grid, 3, 0, QStringLiteral("대학교"), EDuniv1);
    addLabelled(grid, 3, 2, QStringLiteral("대학원"), EDuniv2);
    addLabelled(grid, 3, 4, QStringLiteral("특기"), EDtg);
    addLabelled(grid, 4, 0, QStringLiteral("취미"), EDcm);
    addLabelled(grid, 4, 2, QStringLiteral("전공"), EDmajor);
    addLabelled(grid, 4, 4, QStringLiteral("담당자"), EDname1);
    auto* purchase = new QHBoxLayout;
    purchase->setSpacing(4);
    purchase->addWidget(EDguipday1);
    purchase->addWidget(new QLabel(QStringLiteral(">>"), PNinqset));
    purchase->addWidget(EDguipday2);
    purchase->addStretch(1);
    grid->addWidget(caption(PNinqset, QStringLiteral("구입일")), 5, 0);
    grid->addLayout(purchase, 5, 1, 1, 3);

    BTdetinq = button(PNinqset, "BTdetinq", QStringLiteral("검색시작"));
    BTclose = button(PNinqset, "BTclose", QStringLiteral("닫  기"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BTdetinq);
    buttons->addWidget(BTclose);
    grid->addLayout(buttons, 6, 0, 1, 6);
    PNinqset->adjustSize();
    PNinqset->hide();
}

void TFMman_lst::buildGrid() {
    model_ = new PeopleModel(this);
    DBGrid1 = named(new QTableView(this), "DBGrid1");
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setTabKeyNavigation(false);
    DBGrid1->setAlternatingRowColors(true);
    // One font for digits and Hangul alike, so that a lunar date's "(음)"
    // does not set its cell in another font than its neighbours.
    DBGrid1->setFont(QFont(QStringLiteral("굴림체"), 10));
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    const int charWidth = DBGrid1->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < model_->columnCount(); ++column)
        DBGrid1->setColumnWidth(column, PeopleModel::columnWidth(column) * charWidth + 10);
}

QFrame* TFMman_lst::buildDetailStrip() {
    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("PNdetail"));
    strip->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(strip);
    grid->setContentsMargins(6, 3, 6, 3);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    DBcomaddr = detailValue(strip, "DBcomaddr", 260);
    DBcomaddr1 = detailValue(strip, "DBcomaddr1", 260);
    DBhomeaddr = detailValue(strip, "DBhomeaddr", 260);
    DBhomeaddr1 = detailValue(strip, "DBhomeaddr1", 260);
    DBcargubun = detailValue(strip, "DBcargubun", 100);
    DBguipday = detailValue(strip, "DBguipday", 100);
    DBpipi = detailValue(strip, "DBpipi", 110);
    DBcomtel = detailValue(strip, "DBcomtel", 110);
    DBbirthday = detailValue(strip, "DBbirthday", 260);
    grid->addWidget(caption(strip, QStringLiteral("회사")), 0, 0);
    grid->addWidget(DBcomaddr, 0, 1);
    grid->addWidget(DBcomaddr1, 1, 1);
    grid->addWidget(caption(strip, QStringLiteral("자택")), 0, 2);
    grid->addWidget(DBhomeaddr, 0, 3);
    grid->addWidget(DBhomeaddr1, 1, 3);
    grid->addWidget(caption(strip, QStringLiteral("제품")), 0, 4);
    grid->addWidget(DBcargubun, 0, 5);
    grid->addWidget(caption(strip, QStringLiteral("구입")), 1, 4);
    grid->addWidget(DBguipday, 1, 5);
    grid->addWidget(caption(strip, QStringLiteral("호출")), 0, 6);
    grid->addWidget(DBpipi, 0, 7);
    grid->addWidget(caption(strip, QStringLiteral("회사전화")), 1, 6);
    grid->addWidget(DBcomtel, 1, 7);
    grid->addWidget(caption(strip, QStringLiteral("생일")), 2, 0);
    grid->addWidget(DBbirthday, 2, 1, 1, 3);
    grid->setColumnStretch(8, 1);
    return strip;
}

QWidget* TFMman_lst::buildButtonColumn() {
    auto* column = new QWidget(this);
    auto* buttons = new QVBoxLayout(column);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(4);
    BTinp = button(column, "BTinp", QStringLiteral("등록"), QStringLiteral("새 인적사항 등록"));
    BTmod = button(column, "BTmod", QStringLiteral("수정"), QStringLiteral("선택한 사람 수정"));
    BTdel = button(column, "BTdel", QStringLiteral("삭제"), QStringLiteral("선택한 사람 삭제"));
    BTallview = button(column, "BTallview", QStringLiteral("상세"),
                       QStringLiteral("선택한 사람의 인적사항 보기"));
    BTdm = button(column, "BTdm", QStringLiteral("DM"),
                  QStringLiteral("검색된 사람들을 주소 라벨로 (DM 발송)"));
    BTcode = button(column, "BTcode", QStringLiteral("코드"),
                    QStringLiteral("관계·업종·제품·모임 코드"));
    BTzip = button(column, "BTzip", QStringLiteral("우편"), QStringLiteral("우편번호부"));
    BTcsv = button(column, "BTcsv", QStringLiteral("CSV 저장"),
                   QStringLiteral("검색된 사람들을 엑셀에서 여는 CSV 파일로 저장"));
    BTvcard = button(column, "BTvcard", QStringLiteral("연락처 저장"),
                     QStringLiteral("검색된 사람들을 휴대전화 연락처 파일(vCard)로 저장"));
    BTquit = button(column, "BTquit", QStringLiteral("종료"));
    for (QPushButton* b : {BTinp, BTmod, BTdel, BTallview, BTdm, BTcode, BTzip, BTcsv, BTvcard}) {
        b->setMinimumSize(96, 40);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    BTquit->setMinimumSize(96, 40);
    buttons->addWidget(BTquit);
    return column;
}

void TFMman_lst::buildStatusBar() {
    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusCount = named(new QLabel(QStringLiteral("검색: "), StatusBar1), "StatusCount");
    StatusCount->setMinimumWidth(150);
    StatusMode = named(new QLabel(StatusBar1), "StatusMode");
    StatusBar1->addWidget(StatusCount);
    StatusBar1->addWidget(StatusMode, 1);
}

void TFMman_lst::installFieldHandling() {
    FocusKeys::install({CBgubun, CBcompart, CBcargubun, EDname, EDloca, EDday1, EDday2}, false);
    FocusKeys::install({EDcomname, EDcomaddr, EDbuse, EDgrade, EDjob, EDhighschool, EDuniv1,
                        EDuniv2, EDtg, EDcm, EDmajor, EDname1, EDguipday1, EDguipday2},
                       false);
    for (QLineEdit* field : {EDday1, EDday2, EDguipday1, EDguipday2})
        field->installEventFilter(this);
}

void TFMman_lst::placeExtraPanel() {
    const QRect grid = DBGrid1->geometry();
    PNinqset->adjustSize();
    PNinqset->move(grid.left() + std::max(0, (grid.width() - PNinqset->width()) / 2),
                   grid.top() + 12);
    PNinqset->raise();
}
