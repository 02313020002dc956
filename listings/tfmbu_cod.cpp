#include "listings/tfmbu_cod.h"

#include "common/action_guard.h"
#include "common/cp949.h"
#include "common/dialogs.h"
#include "listings/code_usage.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString kCaption = QStringLiteral("사용되는 각종 분류별  Code  관리");
const QString kDuplicate = QStringLiteral("이미 등록된 코드입니다 ..!");
const QString kInUse = QStringLiteral("매물정보 또는 의뢰자정보에서 사용중인 코드이므로 삭제불가 합니다 ..!");
const QString kSelected = QStringLiteral("선택한 코드를 수정/삭제할 수 있습니다 ...!");
const QString kAdded = QStringLiteral("자료가 등록되었습니다 ...!");
const QString kChanged = QStringLiteral("자료를 수정하였습니다 ...!");
const QString kDeleted = QStringLiteral("자료를 삭제하였습니다 ...!");
constexpr int kCodeBytes = 12;

QString categoryMessage(CodeCategory category) {
    switch (category) {
        case CodeCategory::Lease:
            return QStringLiteral("임대시 부동산의 종류코드를 입력 하세요. ...!");
        case CodeCategory::Sale:
            return QStringLiteral("매매시 부동산의 종류코드를 입력 하세요. ...!");
        case CodeCategory::Consultation:
            break;
    }
    return QStringLiteral("손님들의 현재 진행상황 구분코드를 입력/삭제 합니다. ...!");
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

// Hides the progress panel when a code change ends, however it ends.
class ProgressPanelScope {
public:
    explicit ProgressPanelScope(QWidget* panel) : panel_(panel) {}
    ~ProgressPanelScope() { panel_->hide(); }
    ProgressPanelScope(const ProgressPanelScope&) = delete;
    ProgressPanelScope& operator=(const ProgressPanelScope&) = delete;

private:
    QWidget* panel_;
};
}  // namespace

TFMbu_cod::TFMbu_cod(QWidget* parent) : TaskForm(parent) {
    setWindowTitle(kCaption);
    setFont(QFont(QStringLiteral("굴림체"), 10));
    buildControls();
    placeControls();
    connectControls();
}

// The focus moves once more while the widgets are taken down; by then this
// form is no longer one to tell about it.
TFMbu_cod::~TFMbu_cod() { disconnect(focusWatch_); }

void TFMbu_cod::buildControls() {
    PNcategory = named(new QFrame(this), "PNcategory");
    PNcategory->setFrameShape(QFrame::StyledPanel);
    PNcategory->setFrameShadow(QFrame::Sunken);
    RBim = named(new QRadioButton(QStringLiteral("임대: 분류"), PNcategory), "RBim");
    RBma = named(new QRadioButton(QStringLiteral("매도: 분류"), PNcategory), "RBma");
    RBworking = named(new QRadioButton(QStringLiteral("손님: 상담 현황"), PNcategory), "RBworking");
    RBim->setChecked(true);

    LBgubun = named(new QLabel(RBim->text(), this), "LBgubun");
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
    BTmodify = named(new QPushButton(QStringLiteral("수정"), this), "BTmodify");
    BTmodify->setToolTip(QStringLiteral("입력된 코드로 수정"));

    LBlistTitle = named(new QLabel(QStringLiteral("현재 등록된 내용"), this), "LBlistTitle");
    LBreccount = named(new QLabel(this), "LBreccount");
    LBreccount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ListBox1 = named(new QListWidget(this), "ListBox1");
    BTdel = named(new QPushButton(QStringLiteral("삭제"), this), "BTdel");
    BTdel->setToolTip(QStringLiteral("선택된 코드 삭제"));
    BTdel->setEnabled(false);
    BTquit = named(new QPushButton(QStringLiteral("종    료"), this), "BTquit");
    BTquit->setToolTip(QStringLiteral("이전 화면으로 복귀"));
    BTquit->setAutoDefault(false);

    PNmsg = named(new QLabel(this), "PNmsg");
    PNmsg->setFrameShape(QFrame::Panel);
    PNmsg->setFrameShadow(QFrame::Sunken);
    PNmsg->setIndent(8);

    PNgage = named(new QFrame(this), "PNgage");
    PNgage->setFrameShape(QFrame::Panel);
    PNgage->setFrameShadow(QFrame::Raised);
    PNgage->setLineWidth(2);
    PNgage->setAutoFillBackground(true);
    Gauge1 = named(new QProgressBar(PNgage), "Gauge1");
    Gauge1->setRange(0, 1);
    Gauge1->setValue(0);
    PNgage->hide();

    const QList<QWidget*> tabOrder{RBim, RBma, RBworking, EDcode, BTinp,
                                   BTmodify, ListBox1, BTdel, BTquit};
    for (qsizetype i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
    EDcode->setFocus();
}

void TFMbu_cod::placeControls() {
    setFixedSize(572, 402);
    PNcategory->setGeometry(12, 12, 190, 112);
    RBim->setGeometry(14, 10, 166, 28);
    RBma->setGeometry(14, 42, 166, 28);
    RBworking->setGeometry(14, 74, 166, 28);
    LBgubun->setGeometry(12, 136, 190, 30);
    EDcode->setGeometry(12, 176, 190, 34);
    BTinp->setGeometry(214, 38, 76, 148);
    BTmodify->setGeometry(214, 200, 76, 148);
    LBlistTitle->setGeometry(302, 12, 150, 22);
    LBreccount->setGeometry(452, 12, 108, 22);
    ListBox1->setGeometry(302, 38, 170, 310);
    BTdel->setGeometry(480, 38, 80, 310);
    BTquit->setGeometry(12, 308, 190, 40);
    PNmsg->setGeometry(0, 362, 572, 40);
    PNgage->setGeometry(86, 150, 400, 64);
    Gauge1->setGeometry(16, 18, 368, 28);
}

void TFMbu_cod::connectControls() {
    for (QRadioButton* button : {RBim, RBma, RBworking}) {
        connect(button, &QRadioButton::clicked, this,
                guarded([this, button] { categoryClicked(button); }));
    }
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { addCode(); }));
    connect(BTmodify, &QPushButton::clicked, this, guarded([this] { changeCode(); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { deleteCode(); }));
    connect(BTquit, &QPushButton::clicked, this, &QDialog::close);
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { listClicked(); });
    // Moving through the list with the keys picks a code as a click does; a
    // selection made by the form itself (loading, changing) does not.
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] {
        if (ListBox1->hasFocus()) listClicked();
    });
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget* from, QWidget* to) { focusMoved(from, to); });
}

void TFMbu_cod::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    runGuarded([this] { formActivate(); });
}

void TFMbu_cod::formActivate() {
    ListBox1->clear();
    loadList();
}

CodeCategory TFMbu_cod::currentCategory() const {
    if (RBma->isChecked()) return CodeCategory::Sale;
    if (RBworking->isChecked()) return CodeCategory::Consultation;
    return CodeCategory::Lease;
}

void TFMbu_cod::categoryClicked(QRadioButton* button) {
    loadList();
    LBgubun->setText(button->text());
    showCategoryMessage();
}

void TFMbu_cod::loadList() {
    ListBox1->clear();
    ListBox1->addItems(catalogue_.codes(currentCategory()));
    showCount();
    if (ListBox1->count() > 0) {
        ListBox1->setCurrentRow(0);
        EDcode->setText(ListBox1->item(0)->text());
    }
}

// The code the list has selected; none after a delete or in an empty list.
// "수정" and "삭제" act on it alone, never on a row the list merely moved to.
QListWidgetItem* TFMbu_cod::selectedCode() const {
    QListWidgetItem* item = ListBox1->currentItem();
    return item && item->isSelected() ? item : nullptr;
}

void TFMbu_cod::selectNothing() {
    ListBox1->setCurrentRow(-1);
    ListBox1->clearSelection();
    EDcode->clear();
}

void TFMbu_cod::showCount() {
    LBreccount->setText(QStringLiteral("(%1 건)").arg(ListBox1->count()));
}

void TFMbu_cod::showCategoryMessage() { PNmsg->setText(categoryMessage(currentCategory())); }

void TFMbu_cod::listClicked() {
    const QListWidgetItem* item = ListBox1->currentItem();
    if (ListBox1->count() == 0 || !item) return;
    EDcode->setText(item->text());
    BTdel->setEnabled(true);
    BTmodify->setEnabled(true);
    PNmsg->setText(kSelected);
}

void TFMbu_cod::focusMoved(QWidget* from, QWidget* to) {
    // Only moves inside this form count; a message box or another window
    // taking the focus for a while leaves the buttons as they are.
    if (!to || to->window() != this) return;
    if (to == EDcode) showCategoryMessage();
    // Leaving the list withdraws the delete button, except when the focus
    // goes to that very button: a mouse click on it takes the focus from the
    // list first, and the click must still reach it.
    if (from == ListBox1 && to != BTdel) BTdel->setEnabled(false);
}

void TFMbu_cod::showProgress(const CascadeStep& step) {
    if (step.position == 0) {
        Gauge1->setRange(0, qMax(1, step.total));
        Gauge1->setValue(0);
        PNgage->show();
        PNgage->raise();
        PNgage->repaint();
        return;
    }
    Gauge1->setValue(step.position);
}

void TFMbu_cod::addCode() {
    const QString code = EDcode->text();
    switch (catalogue_.add(currentCategory(), code)) {
        case CodeCatalogue::AddResult::Empty:
            return;
        case CodeCatalogue::AddResult::Duplicate:
            dialogs().informationYes(kDuplicate);
            return;
        case CodeCatalogue::AddResult::Added:
            break;
    }
    ListBox1->addItem(code);
    // The entry and the list agree: the new code is the selected one.
    ListBox1->setCurrentRow(ListBox1->count() - 1);
    showCount();
    PNmsg->setText(kAdded);
}

void TFMbu_cod::changeCode() {
    QListWidgetItem* selected = selectedCode();
    if (!selected) return;
    const int row = ListBox1->row(selected);
    const QString oldCode = selected->text();
    const QString newCode = EDcode->text();
    CodeCatalogue::ChangeResult result;
    {
        ProgressPanelScope panel(PNgage);
        result = catalogue_.change(currentCategory(), oldCode, newCode,
                                   [this](const CascadeStep& step) { showProgress(step); });
    }
    switch (result) {
        case CodeCatalogue::ChangeResult::Duplicate:
            dialogs().informationYes(kDuplicate);
            return;
        case CodeCatalogue::ChangeResult::NotFound:
            return;
        case CodeCatalogue::ChangeResult::Changed:
            break;
    }
    ListBox1->item(row)->setText(newCode);
    ListBox1->setCurrentRow(row);
    PNmsg->setText(kChanged);
}

void TFMbu_cod::deleteCode() {
    const QListWidgetItem* item = selectedCode();
    if (!item) return;
    const QString code = item->text();
    switch (codeUsage(QRsrc, currentCategory(), code)) {
        case CodeUsage::InUse:
            dialogs().beep();
            dialogs().informationYes(kInUse);
            return;
        case CodeUsage::Unknown:
            return;
        case CodeUsage::Unused:
            break;
    }
    if (catalogue_.remove(currentCategory(), code)) {
        PNmsg->setText(kDeleted);
        delete ListBox1->takeItem(ListBox1->row(item));
        // The list would move on to a neighbour while the entry still held
        // the deleted code; a later "수정" would rename that neighbour.
        selectNothing();
    }
    showCount();
    BTdel->setEnabled(false);
}
