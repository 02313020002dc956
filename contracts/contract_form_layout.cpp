// Building the frame of the document forms: the status and title bar, the
// sheet in its scrolling area with the fee panel beside it, the button bar
// and the status bar.

#include "contracts/contract_form.h"

#include "common/cp949.h"
#include "common/focus_keys.h"
#include "common/form_keys.h"
#include "contracts/fee_panel.h"
#include "contracts/sheet_paper.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
QLabel* hiddenLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->hide();
    return label;
}
}  // namespace

QPushButton* ContractForm::addButton(const char* name, const QString& caption,
                                     const QString& hint) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    button->setMinimumWidth(84);
    return button;
}

void ContractForm::buildFrame() {
    LBscancode = hiddenLabel(this, "LBscancode");
    LBsojaji = hiddenLabel(this, "LBsojaji");

    LBstatus = new QLabel(this);
    LBstatus->setObjectName(QStringLiteral("LBstatus"));
    LBstatus->setFrameShape(QFrame::Panel);
    LBstatus->setFrameShadow(QFrame::Sunken);
    LBstatus->setMinimumWidth(140);
    LBtitle = new QLabel(profile_.heading, this);
    LBtitle->setObjectName(QStringLiteral("LBtitle"));
    QFont titleFont = LBtitle->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 3);
    LBtitle->setFont(titleFont);
    auto* top = new QHBoxLayout;
    top->addWidget(LBstatus);
    top->addSpacing(16);
    top->addWidget(LBtitle);
    top->addStretch();
    if (profile_.isContract()) {
        CKB3print = new QCheckBox(QStringLiteral("3매 출력"), this);
        CKB3print->setObjectName(QStringLiteral("CKB3print"));
        top->addWidget(CKB3print);
    }

    paper_ = new SheetPaper;
    paper_->setObjectName(QStringLiteral("PNsheet"));
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setBackgroundRole(QPalette::Dark);
    ScrollBox1->setAlignment(Qt::AlignHCenter);
    auto* middle = new QHBoxLayout;
    middle->addWidget(ScrollBox1, 1);
    if (profile_.isContract()) {
        fee_ = new FeePanel(profile_.kind == DocumentKind::Sale ? FeeDeal::Sale : FeeDeal::Lease,
                            this);
        fee_->setFixedWidth(250);
        middle->addWidget(fee_);
    }

    BTmod = addButton("BTmod", QStringLiteral("저 장"), QStringLiteral("작성된 계약서 등록"));
    BTdel = addButton("BTdel", QStringLiteral("삭 제"), QStringLiteral("현재 정보를 삭제"));
    BTnew = addButton("BTnew", QStringLiteral("신규작성"), QStringLiteral("새로운 계약서 작성"));
    DBNavigator1 = new RecordNavigator(this);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    BTprint = addButton("BTprint", QStringLiteral("출 력"), QStringLiteral("계약서 출력"));
    if (profile_.isContract()) {
        BTmy =
            addButton("BTmy", QStringLiteral("기본정보"), QStringLiteral("중개인 기본정보 관리"));
    }
    BTquit = addButton("BTquit", QStringLiteral("종 료"), QStringLiteral("메인메뉴로 복귀"));
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{BTmod, BTdel, BTnew, DBNavigator1, BTprint}) {
        buttons->addWidget(w);
    }
    if (BTmy) buttons->addWidget(BTmy);
    buttons->addStretch();
    buttons->addWidget(BTquit);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
}

QLineEdit* ContractForm::addField(const QString& name, int x, int y, int width) {
    const DocumentField* field = profile_.field(name);
    Q_ASSERT_X(field, "ContractForm::addField", qPrintable(name));
    auto* edit = new QLineEdit(paper_);
    edit->setObjectName(QStringLiteral("DB") + field->name);
    edit->setGeometry(x, y + (SheetPaper::kRowHeight - SheetPaper::kFieldHeight) / 2, width,
                      SheetPaper::kFieldHeight);
    // An amount field takes any text while it is edited; only its digits count.
    if (field->bytes > 0) limitCp949(edit, field->bytes);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this] { fieldEdited(); });
    edits_.insert(field->name.toLower(), edit);
    return edit;
}

QPlainTextEdit* ContractForm::addMemo(const QString& name, const QRect& geometry) {
    const DocumentField* field = profile_.field(name);
    Q_ASSERT_X(field && field->role == FieldRole::Memo, "ContractForm::addMemo", qPrintable(name));
    memo_ = new QPlainTextEdit(paper_);
    memo_->setObjectName(QStringLiteral("DB") + field->name);
    memo_->setGeometry(geometry);
    memoName_ = field->name.toLower();
    makeMemo(memo_);
    memo_->installEventFilter(this);
    // Typed text only: loading a row blocks the memo's signals.
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { fieldEdited(); });
    return memo_;
}

SheetPaper* ContractForm::startSheet(int width) {
    paper_->setFixedWidth(width);
    return paper_;
}

void ContractForm::finishSheet(int height) {
    paper_->setFixedHeight(height);
    ScrollBox1->setWidget(paper_);
    // Enter walks the one-line fields in the order they were placed.
    QList<QWidget*> fields;
    for (QWidget* w : paper_->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        fields.append(w);
    FocusKeys::install(fields, false);
}
