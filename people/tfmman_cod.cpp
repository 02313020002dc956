#include "people/tfmman_cod.h"

#include "common/action_guard.h"
#include "common/cp949.h"
#include "common/dialogs.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString kCaption = QStringLiteral("행사형태 Code 관리");
const QString kDuplicate = QStringLiteral("이미 등록된 코드입니다 ..!");
const QString kInUse =
    QStringLiteral("삭제하려는 코드는 현재 사용되고 있으므로 삭제불가 합니다 ..!");
const QString kChooseToDelete = QStringLiteral("삭제할 코드를 선택하세요 ...!");
const QString kAdded = QStringLiteral("자료가 등록되었습니다 ...!");
const QString kDeleted = QStringLiteral("자료를 삭제하였습니다 ...!");
constexpr int kCodeBytes = 15;

// What the category is for, shown when it is chosen.
QString categoryMessage(PersonCodeCategory category) {
    switch (category) {
        case PersonCodeCategory::BusinessType:
            return QStringLiteral("회사 업종코드를 입력/삭제 합니다. ...!");
        case PersonCodeCategory::ProductKind:
            return QStringLiteral("제품의 종류코드를 입력/삭제 합니다. ...!");
        case PersonCodeCategory::Group:
            return QStringLiteral("모임/회원의 종류코드를 입력/삭제 합니다. ...!");
        case PersonCodeCategory::Relation:
            break;
    }
    return QStringLiteral("인간 관계코드를 입력/삭제 합니다. ...!");
}

// What to type, shown when the code field is entered.
QString entryMessage(PersonCodeCategory category) {
    switch (category) {
        case PersonCodeCategory::BusinessType:
            return QStringLiteral("새로운 회사 업종코드를 입력 하세요. ...!");
        case PersonCodeCategory::ProductKind:
            return QStringLiteral("새로운 제품종류코드를 입력 하세요. ...!");
        case PersonCodeCategory::Group:
            return QStringLiteral("새로운 회원/그룹 관계코드를 입력 하세요. ...!");
        case PersonCodeCategory::Relation:
            break;
    }
    return QStringLiteral("새로운 인간 관계코드를 입력 하세요. ...!");
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QFont boldFont(const QFont& base, int pointSize) {
    QFont font = base;
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}
}  // namespace

TFMman_cod::TFMman_cod(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMman_cod"));
    setWindowTitle(kCaption);
    setFont(QFont(QStringLiteral("굴림체"), 10));
    buildControls();
    placeControls();
    connectControls();
    // Esc closes the form, after asking when a typed code was not added.
    setEscapePresses(BTquit, [this] { return hasUnaddedCode(); });
}

// The focus moves once more while the widgets are taken down; by then this
// form is no longer one to tell about it.
TFMman_cod::~TFMman_cod() {
    disconnect(focusWatch_);
}

void TFMman_cod::buildControls() {
    PNcategory = named(new QFrame(this), "PNcategory");
    PNcategory->setFrameShape(QFrame::StyledPanel);
    PNcategory->setFrameShadow(QFrame::Sunken);
    RBgubun = named(new QRadioButton(QStringLiteral("관계 구분"), PNcategory), "RBgubun");
    RBcompart = named(new QRadioButton(QStringLiteral("업종 구분"), PNcategory), "RBcompart");
    RBcargubun = named(new QRadioButton(QStringLiteral("제품종류"), PNcategory), "RBcargubun");
    RBgroup = named(new QRadioButton(QStringLiteral("모임/회원"), PNcategory), "RBgroup");
    RBgubun->setChecked(true);

    LBgubun = named(new QLabel(QStringLiteral("관계 구분 코드"), this), "LBgubun");
    LBgubun->setFont(boldFont(font(), 11));
    LBgubun->setAlignment(Qt::AlignCenter);
    LBgubun->setFrameShape(QFrame::Panel);
    LBgubun->setFrameShadow(QFrame::Sunken);

    EDcode = named(new QLineEdit(this), "EDcode");
    limitCp949(EDcode, kCodeBytes);
    EDcode->setFont(boldFont(font(), 12));
    QPalette entryColours = EDcode->palette();
    entryColours.setColor(QPalette::Base, Qt::blue);
    entryColours.setColor(QPalette::Text, Qt::yellow);
    EDcode->setPalette(entryColours);

    BTinp = named(new QPushButton(QStringLiteral("추가"), this), "BTinp");
    BTinp->setToolTip(QStringLiteral("입력된 코드 추가"));
    BTinp->setDefault(true);

    LBlistTitle = named(new QLabel(QStringLiteral("현재 등록된 내용"), this), "LBlistTitle");
    LBreccount = named(new QLabel(this), "LBreccount");
    LBreccount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ListBox1 = named(new QListWidget(this), "ListBox1");
    BTdel = named(new QPushButton(QStringLiteral("삭제"), this), "BTdel");
    BTdel->setToolTip(QStringLiteral("선택된 코드 삭제"));
    BTdel->setAutoDefault(false);
    BTdel->setEnabled(false);
    BTquit = named(new QPushButton(QStringLiteral("종    료"), this), "BTquit");
    BTquit->setToolTip(QStringLiteral("이전 화면으로 복귀"));
    BTquit->setAutoDefault(false);

    PNmsg = named(new QLabel(this), "PNmsg");
    PNmsg->setFrameShape(QFrame::Panel);
    PNmsg->setFrameShadow(QFrame::Sunken);
    PNmsg->setIndent(8);

    const QList<QWidget*> tabOrder{RBgubun, RBcompart, RBcargubun, RBgroup, EDcode,
                                   BTinp,   ListBox1,  BTdel,      BTquit};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    EDcode->setFocus();
}

void TFMman_cod::placeControls() {
    setFixedSize(572, 402);
    PNcategory->setGeometry(12, 12, 190, 144);
    RBgubun->setGeometry(14, 8, 120, 28);
    RBcompart->setGeometry(14, 40, 120, 28);
    RBcargubun->setGeometry(14, 72, 120, 28);
    RBgroup->setGeometry(14, 104, 120, 28);
    LBgubun->setGeometry(12, 166, 190, 30);
    EDcode->setGeometry(12, 204, 190, 34);
    BTinp->setGeometry(214, 38, 76, 310);
    LBlistTitle->setGeometry(302, 12, 150, 22);
    LBreccount->setGeometry(452, 12, 108, 22);
    ListBox1->setGeometry(302, 38, 170, 310);
    BTdel->setGeometry(480, 38, 80, 310);
    BTquit->setGeometry(12, 308, 190, 40);
    PNmsg->setGeometry(0, 362, 572, 40);
}

void TFMman_cod::connectControls() {
    for (QRadioButton* button : {RBgubun, RBcompart, RBcargubun, RBgroup}) {
        connect(button, &QRadioButton::clicked, this,
                guarded([this, button] { categoryClicked(button); }));
    }
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { addCode(); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { deleteCode(); }));
    connect(BTquit, &QPushButton::clicked, this, &QDialog::close);
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { listClicked(); });
    // Moving through the list with the keys picks a code as a click does; a
    // selection made by the form itself (loading, adding) does not.
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] {
        if (ListBox1->hasFocus()) listClicked();
    });
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget*, QWidget* to) { focusMoved(to); });
}

void TFMman_cod::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    runGuarded([this] { formActivate(); });
}

void TFMman_cod::formActivate() {
    loadList();
    PNmsg->setText(categoryMessage(currentCategory()));
}

PersonCodeCategory TFMman_cod::currentCategory() const {
    if (RBcompart->isChecked()) return PersonCodeCategory::BusinessType;
    if (RBcargubun->isChecked()) return PersonCodeCategory::ProductKind;
    if (RBgroup->isChecked()) return PersonCodeCategory::Group;
    return PersonCodeCategory::Relation;
}

void TFMman_cod::categoryClicked(QRadioButton* button) {
    LBgubun->setText(button->text());
    PNmsg->setText(categoryMessage(currentCategory()));
    loadList();
}

void TFMman_cod::loadList() {
    ListBox1->clear();
    BTdel->setEnabled(false);
    ListBox1->addItems(catalogue_.codes(currentCategory()));
    showCount();
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
}

void TFMman_cod::showCount() {
    LBreccount->setText(QStringLiteral("(%1 건)").arg(ListBox1->count()));
}

void TFMman_cod::listClicked() {
    const QListWidgetItem* item = ListBox1->currentItem();
    if (!item) return;
    EDcode->setText(item->text());
    PNmsg->setText(kChooseToDelete);
    BTdel->setEnabled(item->isSelected());
}

void TFMman_cod::focusMoved(QWidget* to) {
    // Only moves inside this form count; a message box taking the focus for
    // a while changes nothing.
    if (to == EDcode) PNmsg->setText(entryMessage(currentCategory()));
}

// A code typed into the field that the list does not hold yet.
bool TFMman_cod::hasUnaddedCode() const {
    const QString code = EDcode->text();
    return !code.isEmpty() &&
           ListBox1->findItems(code, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty();
}

void TFMman_cod::addCode() {
    const QString code = EDcode->text();
    switch (catalogue_.add(currentCategory(), code)) {
        case PersonCodeCatalogue::AddResult::Empty:
            return;
        case PersonCodeCatalogue::AddResult::Duplicate:
            dialogs().information(kDuplicate);
            return;
        case PersonCodeCatalogue::AddResult::Added:
            break;
    }
    ListBox1->addItem(code);
    showCount();
    PNmsg->setText(kAdded);
}

void TFMman_cod::deleteCode() {
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !item->isSelected()) return;
    switch (catalogue_.remove(currentCategory(), item->text())) {
        case PersonCodeCatalogue::RemoveResult::InUse:
            dialogs().beep();
            dialogs().information(kInUse);
            return;
        case PersonCodeCatalogue::RemoveResult::Missing:
            // Another program deleted it meanwhile: the list shows the table again.
            loadList();
            return;
        case PersonCodeCatalogue::RemoveResult::Removed:
            break;
    }
    PNmsg->setText(kDeleted);
    delete ListBox1->takeItem(ListBox1->row(item));
    // Nothing stays chosen: a second press must not delete a neighbour.
    ListBox1->setCurrentRow(-1);
    ListBox1->clearSelection();
    EDcode->clear();
    showCount();
    BTdel->setEnabled(false);
}
