#include "tools/tfmmemo.h"

#include "common/action_guard.h"
#include "common/cp949.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "common/form_keys.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString kEnterTitle = QStringLiteral("제목을 입력해 주세요...!");
const QString kDeleteQuestion = QStringLiteral("선택한 자료를 삭제할까요...!");
constexpr int kTitleBytes = 50;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}
}  // namespace

QString TFMmemo::dropUntitledQuestion() {
    return QStringLiteral("제목이 없는 메모는 저장되지 않습니다. 이 메모를 버릴까요 ...?");
}

TFMmemo::TFMmemo(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMmemo"));
    setWindowTitle(QStringLiteral("메모노트"));
    setFont(QFont(QStringLiteral("굴림체"), 10));
    buildControls();
    placeControls();
    connectControls();
}

TFMmemo::~TFMmemo() {
    disconnect(focusWatch_);
}

void TFMmemo::buildControls() {
    DBEdit1 = named(new QLineEdit(this), "DBEdit1");
    limitCp949(DBEdit1, kTitleBytes);
    DBEdit1->setAutoFillBackground(true);
    DBMemo1 = named(new QPlainTextEdit(this), "DBMemo1");
    DBMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    makeMemo(DBMemo1);
    DBMemo1->installEventFilter(this);
    Label1 = named(new QLabel(QStringLiteral("메모 리스트"), this), "Label1");
    Label2 = named(new QLabel(this), "Label2");
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EDsearch = named(new QLineEdit(this), "EDsearch");
    EDsearch->setPlaceholderText(QStringLiteral("제목이나 내용의 낱말로 찾기"));
    EDsearch->setClearButtonEnabled(true);
    DBGrid1 = named(new QTableWidget(0, 1, this), "DBGrid1");
    DBGrid1->setHorizontalHeaderLabels({QStringLiteral("                  메  모   제  목")});
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->installEventFilter(this);
    BTnew = named(new QPushButton(QStringLiteral("새로작성"), this), "BTnew");
    BTdel = named(new QPushButton(QStringLiteral("삭 제"), this), "BTdel");
    BTdel->setToolTip(QStringLiteral("현재 정보를 삭제"));
    BTdel->setEnabled(false);
    BTquit = named(new QPushButton(QStringLiteral("종 료"), this), "BTquit");
    BTquit->setToolTip(QStringLiteral("메인메뉴로 복귀"));
    for (QPushButton* button : {BTnew, BTdel, BTquit})
        button->setAutoDefault(false);
    StatusPanel1 = named(new QLabel(this), "StatusPanel1");
    StatusPanel2 = named(new QLabel(QStringLiteral("주제별 메모를 정리하고 관리합니다."), this),
                         "StatusPanel2");
    for (QLabel* panel : {StatusPanel1, StatusPanel2}) {
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
    }
    paintTitle(false);
    FocusKeys::install({DBEdit1}, false);
    setTabOrder(DBEdit1, DBMemo1);
    setTabOrder(DBMemo1, EDsearch);
    setTabOrder(EDsearch, DBGrid1);
    setTabOrder(DBGrid1, BTnew);
    setTabOrder(BTnew, BTdel);
    setTabOrder(BTdel, BTquit);
}

void TFMmemo::placeControls() {
    auto* left = new QGridLayout;
    left->addWidget(new QLabel(QStringLiteral("제목"), this), 0, 0);
    left->addWidget(DBEdit1, 0, 1);
    left->addWidget(new QLabel(QStringLiteral("내용"), this), 1, 0, Qt::AlignTop);
    left->addWidget(DBMemo1, 1, 1);

    auto* heading = new QHBoxLayout;
    heading->addWidget(Label1);
    heading->addWidget(Label2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BTnew);
    buttons->addWidget(BTdel);
    buttons->addWidget(BTquit);
    auto* right = new QVBoxLayout;
    right->addLayout(heading);
    right->addWidget(EDsearch);
    right->addWidget(DBGrid1, 1);
    right->addLayout(buttons);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addLayout(right, 2);
    auto* status = new QHBoxLayout;
    status->addWidget(StatusPanel1, 1);
    status->addWidget(StatusPanel2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(status);
    resize(760, 480);
}

void TFMmemo::connectControls() {
    connect(DBMemo1, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_) textChanged_ = true;
    });
    connect(DBGrid1, &QTableWidget::currentCellChanged, this, [this](int row) { rowChosen(row); });
    connect(EDsearch, &QLineEdit::textChanged, this, guarded([this] { showList(); }));
    connect(BTnew, &QPushButton::clicked, this, guarded([this] { newNote(); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { deleteNote(); }));
    connect(BTquit, &QPushButton::clicked, this, &QWidget::close);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget* from, QWidget* to) { focusMoved(from, to); });
}

void TFMmemo::showEvent(QShowEvent* event) {
    TaskForm::showEvent(event);
    if (activated_) return;
    activated_ = true;
    runGuarded([this] { formActivate(); });
}

void TFMmemo::formActivate() {
    reload(0);
}

MemoNote TFMmemo::typed() const {
    return {DBEdit1->text(), DBMemo1->toPlainText()};
}

bool TFMmemo::changed() const {
    return !(typed() == loaded_);
}

void TFMmemo::reload(int select) {
    notes_ = readMemoNotes();
    Label2->setText(QStringLiteral("자료: %1 건").arg(notes_.size()));
    if (select >= 0 && select < static_cast<int>(notes_.size()))
        showNote(select);
    else
        showBlank();
    showList();
}

void TFMmemo::showList() {
    shown_ = findMemoNotes(notes_, EDsearch->text());
    filling_ = true;
    DBGrid1->setRowCount(static_cast<int>(shown_.size()));
    for (size_t row = 0; row < shown_.size(); ++row) {
        DBGrid1->setItem(static_cast<int>(row), 0,
                         new QTableWidgetItem(notes_[static_cast<size_t>(shown_[row])].title));
    }
    filling_ = false;
    selectRowOfNote();
    StatusPanel1->setText(EDsearch->text().trimmed().isEmpty()
                              ? QString()
                              : QStringLiteral("검색: %1 건").arg(shown_.size()));
}

int TFMmemo::rowOf(int position) const {
    for (size_t row = 0; row < shown_.size(); ++row) {
        if (shown_[row] == position) return static_cast<int>(row);
    }
    return -1;
}

void TFMmemo::showNote(int position) {
    position_ = position;
    loaded_ = notes_[static_cast<size_t>(position)];
    filling_ = true;
    DBEdit1->setText(loaded_.title);
    DBMemo1->setPlainText(loaded_.text);
    filling_ = false;
    textChanged_ = false;
}

void TFMmemo::showBlank() {
    position_ = -1;
    loaded_ = {};
    filling_ = true;
    DBEdit1->clear();
    DBMemo1->clear();
    filling_ = false;
    textChanged_ = false;
}

void TFMmemo::store() {
    const MemoNote note = typed();
    if (position_ < 0) {
        appendMemoNote(note);
        reload(countMemoNotes() - 1);  // a new note is the last
    } else {
        replaceMemoNote(position_, loaded_, note);
        reload(position_);
    }
}

bool TFMmemo::leaveNote() {
    if (!changed()) return true;
    if (DBEdit1->text().trimmed().isEmpty()) {
        if (dialogs().askYesNo(dropUntitledQuestion())) return true;
        DBEdit1->setFocus();
        return false;
    }
    if (runGuarded([this] { store(); })) return true;
    // The note was changed or deleted meanwhile by another program: the list
    // is read again and what was typed stays, to be stored as a note of its
    // own.
    const MemoNote typedNote = typed();
    runGuarded([this] { reload(-1); });
    filling_ = true;
    DBEdit1->setText(typedNote.title);
    DBMemo1->setPlainText(typedNote.text);
    filling_ = false;
    return false;
}

void TFMmemo::selectRowOfNote() {
    filling_ = true;
    const int row = rowOf(position_);
    DBGrid1->setCurrentCell(row, row < 0 ? -1 : 0);
    if (row < 0) DBGrid1->clearSelection();
    filling_ = false;
}

void TFMmemo::rowChosen(int row) {
    if (filling_) return;
    if (row < 0 || row >= static_cast<int>(shown_.size())) return;
    const int wanted = shown_[static_cast<size_t>(row)];
    if (wanted == position_) return;
    const MemoNote wantedNote = notes_[static_cast<size_t>(wanted)];
    if (leaveNote()) {
        // Storing appends at the end or rewrites in place, so the chosen
        // note keeps its place unless another program moved it.
        if (wanted < static_cast<int>(notes_.size()) &&
            notes_[static_cast<size_t>(wanted)] == wantedNote)
            showNote(wanted);
        else
            showBlank();
    }
    selectRowOfNote();
    BTdel->setEnabled(DBGrid1->hasFocus() && position_ >= 0);
}

void TFMmemo::newNote() {
    if (!leaveNote()) return;
    showBlank();
    selectRowOfNote();
    DBEdit1->setFocus();
}

void TFMmemo::deleteNote() {
    if (position_ < 0) return;
    dialogs().beep();
    if (!dialogs().askYesNo(kDeleteQuestion)) return;
    const int row = rowOf(position_);
    deleteMemoNote(position_, loaded_);
    notes_ = readMemoNotes();
    Label2->setText(QStringLiteral("자료: %1 건").arg(notes_.size()));
    shown_ = findMemoNotes(notes_, EDsearch->text());
    // The note now in the deleted one's row, or the last.
    const int next = std::min(row, static_cast<int>(shown_.size()) - 1);
    if (next >= 0)
        showNote(shown_[static_cast<size_t>(next)]);
    else
        showBlank();
    showList();
    BTdel->setEnabled(false);
    DBGrid1->setFocus();
}

void TFMmemo::closeEvent(QCloseEvent* event) {
    bool leave = false;
    runGuarded([&] { leave = leaveNote(); });
    if (leave)
        TaskForm::closeEvent(event);
    else
        event->ignore();
}

bool TFMmemo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DBMemo1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        DBGrid1->setFocus();
        return true;
    }
    return TaskForm::eventFilter(watched, event);
}

void TFMmemo::paintTitle(bool focused) {
    QPalette palette = DBEdit1->palette();
    palette.setColor(QPalette::Base, focused ? Qt::blue : Qt::white);
    palette.setColor(QPalette::Text, focused ? Qt::yellow : Qt::black);
    DBEdit1->setPalette(palette);
}

void TFMmemo::focusMoved(QWidget* from, QWidget* to) {
    // Only moves inside this form count: a message box taking the focus for
    // a while changes nothing.
    if (!to || to->window() != this) return;
    paintTitle(to == DBEdit1);
    if (to == DBGrid1)
        BTdel->setEnabled(position_ >= 0 && !shown_.empty());
    else if (to != BTdel)
        BTdel->setEnabled(false);
    if (from == DBMemo1 && textChanged_) runGuarded([this, to] { textLeft(to); });
}

void TFMmemo::textLeft(QWidget* to) {
    textChanged_ = false;
    dialogs().beep();
    if (!DBEdit1->text().trimmed().isEmpty()) {
        leaveNote();
        return;
    }
    // Moving to another note, a new one or closing asks about the untitled
    // note itself.
    for (QWidget* moving : std::initializer_list<QWidget*>{DBGrid1, BTnew, BTquit, BTdel})
        if (to == moving) return;
    dialogs().information(kEnterTitle);
    DBEdit1->setFocus();
}
