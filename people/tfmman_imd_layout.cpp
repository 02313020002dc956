// Building the controls of the person entry form: the two pages, the button
// column and the status bar.

#include "people/tfmman_imd.h"

#include "common/cp949.h"
#include "common/focus_keys.h"
#include "common/form_keys.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* caption(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A field with its weekday mark beside it.
QWidget* withMark(QWidget* parent, QLineEdit* field, QLabel* mark) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(field);
    row->addWidget(mark);
    row->addStretch(1);
    return box;
}

QLabel* weekdayLabel(QWidget* parent, const char* name) {
    auto* mark = named(new QLabel(QStringLiteral("*"), parent), name);
    mark->setFixedWidth(30);
    mark->setAlignment(Qt::AlignCenter);
    mark->setFrameShape(QFrame::Panel);
    mark->setFrameShadow(QFrame::Sunken);
    QFont bold = mark->font();
    bold.setBold(true);
    mark->setFont(bold);
    return mark;
}

}  // namespace

QLineEdit* TFMman_imd::addEdit(QWidget* page, const char* name, int bytes) {
    auto* field = named(new QLineEdit(page), name);
    limitCp949(field, bytes);
    // Wide enough for what the field holds, within reason.
    field->setFixedWidth(std::clamp(bytes * 9 + 16, 100, 380));
    controls_.insert(QLatin1String(name), field);
    return field;
}

QComboBox* TFMman_imd::addCodeList(QWidget* page, const char* name) {
    auto* box = named(new QComboBox(page), name);
    box->setFixedWidth(160);
    controls_.insert(QLatin1String(name), box);
    return box;
}

void TFMman_imd::buildForm() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 0);
    auto* body = new QHBoxLayout;
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    TabSheet1 = buildBasicPage();
    TabSheet2 = buildOtherPage();
    PageControl1->addTab(TabSheet1, QStringLiteral("기본사항"));
    PageControl1->addTab(TabSheet2, QStringLiteral("기타사항"));
    body->addWidget(PageControl1, 1);
    body->addWidget(buildButtonColumn());
    outer->addLayout(body, 1);
    buildStatusBar();
    outer->addWidget(StatusBar1);
    resize(820, 560);
}

QWidget* TFMman_imd::buildBasicPage() {
    auto* page = named(new QWidget, "TabSheet1");
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    EDname = addEdit(page, "EDname", 8);
    CBgubun = addCodeList(page, "CBgubun");
    CBgroup = addCodeList(page, "CBgroup");
    EDhandphone = addEdit(page, "EDhandphone", 17);
    EDpipi = addEdit(page, "EDpipi", 14);
    EDcomtel = addEdit(page, "EDcomtel", 17);
    EDhometel = addEdit(page, "EDhometel", 17);
    CBdmsource = addCodeList(page, "CBdmsource");
    CBdmsource->addItems({QStringLiteral("자택"), QStringLiteral("직장")});
    EDname1 = addEdit(page, "EDname1", 8);
    EDguipday = addEdit(page, "EDguipday", 10);
    LBguipday = weekdayLabel(page, "LBguipday");
    CBcargubun = addCodeList(page, "CBcargubun");
    MOremark = named(new QPlainTextEdit(page), "MOremark");
    MOremark->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    const auto row = [&](int r, const QString& left, QWidget* leftField, const QString& right,
                         QWidget* rightField) {
        grid->addWidget(caption(page, left), r, 0);
        grid->addWidget(leftField, r, 1);
        if (!rightField) return;
        grid->addWidget(caption(page, right), r, 2);
        grid->addWidget(rightField, r, 3);
    };
    row(0, QStringLiteral("이름"), EDname, QStringLiteral("관계구분"), CBgubun);
    row(1, QStringLiteral("회원구분"), CBgroup, {}, nullptr);
    row(2, QStringLiteral("핸드폰"), EDhandphone, QStringLiteral("호출"), EDpipi);
    row(3, QStringLiteral("회사전화"), EDcomtel, QStringLiteral("집전화"), EDhometel);
    row(4, QStringLiteral("DM발송처"), CBdmsource, QStringLiteral("담당자"), EDname1);
    row(5, QStringLiteral("구입일"), withMark(page, EDguipday, LBguipday),
        QStringLiteral("제품종류"), CBcargubun);
    grid->addWidget(caption(page, QStringLiteral("메모")), 6, 0, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(MOremark, 6, 1, 1, 4);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(4, 1);
    return page;
}

QWidget* TFMman_imd::buildOtherPage() {
    auto* page = named(new QWidget, "TabSheet2");
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    EDbirthday = addEdit(page, "EDbirthday", 10);
    RBu = named(new QRadioButton(QStringLiteral("음"), page), "RBu");
    RBy = named(new QRadioButton(QStringLiteral("양"), page), "RBy");
    RBu->setChecked(true);
    auto* calendar = new QButtonGroup(page);
    calendar->addButton(RBu);
    calendar->addButton(RBy);
    EDmeetday = addEdit(page, "EDmeetday", 10);
    LBmeetday = weekdayLabel(page, "LBmeetday");
    EDcomname = addEdit(page, "EDcomname", 17);
    CBcompart = addCodeList(page, "CBcompart");
    EDbuse = addEdit(page, "EDbuse", 10);
    EDgrade = addEdit(page, "EDgrade", 10);
    EDjob = addEdit(page, "EDjob", 20);
    EDcomfax = addEdit(page, "EDcomfax", 14);
    EDhomefax = addEdit(page, "EDhomefax", 14);
    EDcomzip = addEdit(page, "EDcomzip", 9);
    EDcomaddr = addEdit(page, "EDcomaddr", 42);
    EDcomaddr1 = addEdit(page, "EDcomaddr1", 42);
    EDhomezip = addEdit(page, "EDhomezip", 9);
    EDhomeaddr = addEdit(page, "EDhomeaddr", 42);
    EDhomeaddr1 = addEdit(page, "EDhomeaddr1", 42);
    EDhighschool = addEdit(page, "EDhighschool", 12);
    EDuniv1 = addEdit(page, "EDuniv1", 12);
    EDuniv2 = addEdit(page, "EDuniv2", 12);
    EDmajor = addEdit(page, "EDmajor", 15);
    EDtg = addEdit(page, "EDtg", 22);
    EDcm = addEdit(page, "EDcm", 30);
    EDmarryday = addEdit(page, "EDmarryday", 10);
    LBmarryday = weekdayLabel(page, "LBmarryday");
    for (QLineEdit* address : {EDcomaddr, EDcomaddr1, EDhomeaddr, EDhomeaddr1})
        address->setToolTip(QStringLiteral("[F2] 우편번호 찾기"));

    auto* birth = new QWidget(page);
    auto* birthRow = new QHBoxLayout(birth);
    birthRow->setContentsMargins(0, 0, 0, 0);
    birthRow->addWidget(EDbirthday);
    birthRow->addWidget(RBu);
    birthRow->addWidget(RBy);
    birthRow->addStretch(1);

    const auto put = [&](int r, int c, const QString& text, QWidget* field, int span = 1) {
        grid->addWidget(caption(page, text), r, c);
        grid->addWidget(field, r, c + 1, 1, span);
    };
    put(0, 0, QStringLiteral("생년월일"), birth);
    put(0, 2, QStringLiteral("첫만남일"), withMark(page, EDmeetday, LBmeetday));
    put(1, 0, QStringLiteral("회사명"), EDcomname);
    put(1, 2, QStringLiteral("업종"), CBcompart);
    put(2, 0, QStringLiteral("근무부서"), EDbuse);
    put(2, 2, QStringLiteral("직위"), EDgrade);
    put(3, 0, QStringLiteral("담당업무"), EDjob);
    put(4, 0, QStringLiteral("회사FAX."), EDcomfax);
    put(4, 2, QStringLiteral("집FAX."), EDhomefax);
    put(5, 0, QStringLiteral("회사주소"), EDcomzip);
    grid->addWidget(EDcomaddr, 6, 1, 1, 3);
    grid->addWidget(EDcomaddr1, 7, 1, 1, 3);
    put(8, 0, QStringLiteral("집주소"), EDhomezip);
    grid->addWidget(EDhomeaddr, 9, 1, 1, 3);
    grid->addWidget(EDhomeaddr1, 10, 1, 1, 3);
    put(11, 0, QStringLiteral("고등학교"), EDhighschool);
    put(11, 2, QStringLiteral("대학교"), EDuniv1);
    put(12, 0, QStringLiteral("대학원"), EDuniv2);
    put(12, 2, QStringLiteral("전공"), EDmajor);
    put(13, 0, QStringLiteral("특기"), EDtg);
    put(13, 2, QStringLiteral("취미"), EDcm);
    put(14, 0, QStringLiteral("결혼기념일"), withMark(page, EDmarryday, LBmarryday));
    grid->setRowStretch(15, 1);
    grid->setColumnStretch(4, 1);
    return page;
}

QWidget* TFMman_imd::buildButtonColumn() {
    auto* column = new QWidget(this);
    auto* buttons = new QVBoxLayout(column);
    buttons->setContentsMargins(4, 26, 0, 0);
    buttons->setSpacing(8);
    BTinp = named(new QPushButton(QStringLiteral("등  록"), column), "BTinp");
    BTmod = named(new QPushButton(QStringLiteral("수  정"), column), "BTmod");
    BTdel = named(new QPushButton(QStringLiteral("삭  제"), column), "BTdel");
    BTquit = named(new QPushButton(QStringLiteral("종  료"), column), "BTquit");
    for (QPushButton* b : {BTinp, BTmod, BTdel, BTquit}) {
        b->setAutoDefault(false);
        b->setMinimumSize(96, 48);
    }
    buttons->addWidget(BTinp);
    buttons->addWidget(BTmod);
    buttons->addWidget(BTdel);
    buttons->addStretch(1);
    buttons->addWidget(BTquit);
    return column;
}

void TFMman_imd::buildStatusBar() {
    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = named(new QLabel(StatusBar1), "StatusPanel0");
    StatusPanel0->setMinimumWidth(220);
    StatusPanel1 = named(
        new QLabel(QStringLiteral("주소입력시 우편번호 참조는 [F2]키를 누르세요 !"), StatusBar1),
        "StatusPanel1");
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1, 1);
}

void TFMman_imd::installFieldHandling() {
    // Enter walks every field in tab order; the arrows walk the one-line
    // fields (in a drop-down list they choose an item).
    QList<QWidget*> lines;
    QList<QWidget*> lists;
    for (QWidget* control : std::as_const(controls_)) {
        if (qobject_cast<QLineEdit*>(control)) lines.append(control);
        if (qobject_cast<QComboBox*>(control)) lists.append(control);
        control->installEventFilter(this);
    }
    FocusKeys::install(lines, true);
    FocusKeys::install(lists, false);
    makeMemo(MOremark);
}
