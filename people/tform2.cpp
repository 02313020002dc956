#include "people/tform2.h"

#include "common/action_guard.h"
#include "common/dialogs.h"
#include "common/ini_file.h"
#include "people/tfmini.h"
#include "people/tfmsizeset.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString kOpenFailed = QStringLiteral("데이타 화일을 여는 도중에 오류발생 ...!");
const QString kTypeHint = QStringLiteral("라벨에 표시될 문자를 입력후 Enter 키를 치세요 ...!");
const QString kPrinted = QStringLiteral("프린트를 완료하였습니다...?");
const QString kNothingToPrint = QStringLiteral("인쇄할 자료가 없습니다 ...!");
const QString kSettingsNotWritten =
    QStringLiteral("Lablo.ini 파일을 만들 수 없습니다. 기본값으로 진행합니다 ...!");
const QString kItemFont = QStringLiteral("굴림체");

struct RoleItem {
    QString text;
    QPoint at;
};
const RoleItem kRoles[kRoleItems] = {
    {QStringLiteral("우편번호"), {10, 10}},
    {QStringLiteral("**************** 주소-1 ****************"), {5, 40}},
    {QStringLiteral("**************** 주소-2 ****************"), {5, 55}},
    {QStringLiteral("*** 부서 ***"), {10, 80}},
    {QStringLiteral("*** 직위 ***"), {100, 80}},
    {QStringLiteral("** 이름 **"), {50, 100}},
    {QStringLiteral("귀하"), {150, 100}},
};

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text,
                        const QString& hint) {
    auto* button = named(new QToolButton(parent), name);
    button->setText(text);
    button->setToolTip(hint);
    return button;
}

void colour(QWidget* widget, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
}

PrintDevice::FontSpec fontSpec(const QFont& font) {
    PrintDevice::FontSpec printed;
    printed.name = font.family();
    printed.pointSize = font.pointSize();
    printed.bold = font.bold();
    printed.italic = font.italic();
    printed.underline = font.underline();
    return printed;
}
}  // namespace

QPoint pulledInside(QPoint at, QSize size, QSize label) {
    // An item larger than the label keeps its beginning in view.
    const int left = std::max(std::min(at.x(), label.width() - 3 - size.width()), 1);
    const int top = std::max(std::min(at.y(), label.height() - 4 - size.height()), 1);
    return {left, top};
}

ItemLabel::ItemLabel(int number, const QString& text, QWidget* parent)
    : QLabel(text, parent), number_(number) {
    setObjectName(QStringLiteral("Item%1").arg(number));
    setAutoFillBackground(true);
    colour(this, Qt::white);
    setCursor(Qt::SizeAllCursor);
}

TForm2::TForm2(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Label Print"));
    setFont(QFont(QStringLiteral("굴림체"), 10));
    runSizeForm = [](TFMsizeset& form) { form.exec(); };
    buildControls();
    buildPrintPanel();
    placeControls();
    connectControls();
}

TForm2::~TForm2() {
    disconnect(focusWatch_);
}

void TForm2::buildControls() {
    BTleft = toolButton(this, "BTleft", QStringLiteral("←"), QStringLiteral("Left"));
    BTright = toolButton(this, "BTright", QStringLiteral("→"), QStringLiteral("Right"));
    BTup = toolButton(this, "BTup", QStringLiteral("↑"), QStringLiteral("Up"));
    BTdown = toolButton(this, "BTdown", QStringLiteral("↓"), QStringLiteral("Down"));
    BTfontUp = toolButton(this, "BTfontUp", QStringLiteral("가+"), QStringLiteral("Font Size Up"));
    BTfontDown =
        toolButton(this, "BTfontDown", QStringLiteral("가-"), QStringLiteral("Font Size Down"));
    BTfontSet = toolButton(this, "BTfontSet", QStringLiteral("글꼴"), QStringLiteral("Font Set"));
    BTdelete = toolButton(this, "BTdelete", QStringLiteral("삭제"),
                          QStringLiteral("Current Label Delete"));
    CBfontSize = named(new QComboBox(this), "CBfontSize");
    CBfontSize->addItems({"2", "4", "6", "8", "9", "10", "12", "14", "16", "18", "20", "22", "24",
                          "26", "28", "36"});
    CBfontSize->setCurrentText(QStringLiteral("8"));
    BTformSet = named(new QPushButton(QStringLiteral("폼설정"), this), "BTformSet");
    BTformSet->setToolTip(QStringLiteral("Label Size Set"));
    BTprint = named(new QPushButton(QStringLiteral("Print"), this), "BTprint");
    BTquit = named(new QPushButton(QStringLiteral("종 료"), this), "BTquit");
    for (QPushButton* button : {BTformSet, BTprint, BTquit})
        button->setAutoDefault(false);

    ScrollBox1 = named(new QScrollArea(this), "ScrollBox1");
    Panel1 = named(new QFrame, "Panel1");
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setAutoFillBackground(true);
    colour(Panel1, Qt::white);
    ScrollBox1->setWidget(Panel1);
    ScrollBox1->setAlignment(Qt::AlignCenter);
    Panel1->installEventFilter(this);
    DragFrame = named(new QFrame(Panel1), "DragFrame");
    DragFrame->setFrameShape(QFrame::Box);
    DragFrame->setStyleSheet(QStringLiteral("QFrame { border: 1px solid blue; }"));
    DragFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    DragFrame->hide();

    EDcurLabel = named(new QLineEdit(this), "EDcurLabel");
    QPalette palette = EDcurLabel->palette();
    palette.setColor(QPalette::Text, Qt::blue);
    EDcurLabel->setPalette(palette);
    EDcurLabel->installEventFilter(this);
    LBmsg = named(new QLabel(this), "LBmsg");
    LBmsg->setFrameShape(QFrame::Panel);
    LBmsg->setFrameShadow(QFrame::Sunken);
}

void TForm2::buildPrintPanel() {
    PNprt = named(new QFrame(this), "PNprt");
    PNprt->setFrameShape(QFrame::Panel);
    PNprt->setFrameShadow(QFrame::Raised);
    PNprt->setAutoFillBackground(true);
    EDstartRow = named(new QSpinBox(PNprt), "EDstartRow");
    EDstartCol = named(new QSpinBox(PNprt), "EDstartCol");
    CKBoutlinedraw = named(new QCheckBox(QStringLiteral("외곽선 그림"), PNprt), "CKBoutlinedraw");
    BTpnprtOK = named(new QPushButton(QStringLiteral("확 인"), PNprt), "BTpnprtOK");
    BTpnprtpreview = named(new QPushButton(QStringLiteral("미리보기"), PNprt), "BTpnprtpreview");
    BTpnprtsetup = named(new QPushButton(QStringLiteral("프린터 설정"), PNprt), "BTpnprtsetup");
    BTpnprtquit = named(new QPushButton(QStringLiteral("종 료"), PNprt), "BTpnprtquit");
    for (QPushButton* button : {BTpnprtOK, BTpnprtpreview, BTpnprtsetup, BTpnprtquit})
        button->setAutoDefault(false);

    auto* start = new QHBoxLayout;
    start->addWidget(new QLabel(QStringLiteral("시작 줄"), PNprt));
    start->addWidget(EDstartRow);
    start->addWidget(new QLabel(QStringLiteral("시작 열"), PNprt));
    start->addWidget(EDstartCol);
    start->addWidget(CKBoutlinedraw);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {BTpnprtOK, BTpnprtpreview, BTpnprtsetup, BTpnprtquit})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(PNprt);
    layout->addLayout(start);
    layout->addLayout(buttons);
    PNprt->hide();
}

void TForm2::placeControls() {
    auto* tools = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{BTleft, BTright, BTup, BTdown, BTfontUp,
                                                           BTfontDown, BTfontSet, BTdelete,
                                                           CBfontSize, BTformSet, BTprint, BTquit})
        tools->addWidget(widget);
    tools->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(EDcurLabel);
    layout->addWidget(LBmsg);
    resize(640, 420);
}

void TForm2::connectControls() {
    connect(BTleft, &QToolButton::clicked, this, [this] { moveCurrent(-1, 0); });
    connect(BTright, &QToolButton::clicked, this, [this] { moveCurrent(1, 0); });
    connect(BTup, &QToolButton::clicked, this, [this] { moveCurrent(0, -1); });
    connect(BTdown, &QToolButton::clicked, this, [this] { moveCurrent(0, 1); });
    connect(BTfontUp, &QToolButton::clicked, this, [this] { growFont(1); });
    connect(BTfontDown, &QToolButton::clicked, this, [this] { growFont(-1); });
    connect(BTfontSet, &QToolButton::clicked, this, [this] { chooseFont(); });
    connect(BTdelete, &QToolButton::clicked, this, [this] { deleteCurrent(); });
    connect(BTformSet, &QPushButton::clicked, this, guarded([this] { openSizeForm(); }));
    connect(BTprint, &QPushButton::clicked, this, [this] { showPrintPanel(); });
    connect(BTquit, &QPushButton::clicked, this, &QDialog::close);
    connect(EDcurLabel, &QLineEdit::textEdited, this, [this](const QString& t) { textEdited(t); });
    connect(BTpnprtOK, &QPushButton::clicked, this, guarded([this] { printRun(); }));
    connect(BTpnprtpreview, &QPushButton::clicked, this, guarded([this] { previewRun(); }));
    connect(BTpnprtsetup, &QPushButton::clicked, this, guarded([this] {
                TFMini form(this);
                form.exec();
                readGutters(IniFile(labelSettingsPath()), geometry_);
            }));
    connect(BTpnprtquit, &QPushButton::clicked, PNprt, &QWidget::hide);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget*, QWidget* to) { focusMoved(to); });
}

void TForm2::showEvent(QShowEvent* event) {
    TaskForm::showEvent(event);
    if (activated_) return;
    activated_ = true;
    runGuarded([this] { formActivate(); });
}

void TForm2::formActivate() {
    const QString path = labelSettingsPath();
    if (!ensureLabelSettings(path)) dialogs().warning(kSettingsNotWritten);
    const LoadedGeometry loaded = readLabelGeometry(IniFile(path));
    geometry_ = loaded.geometry;
    if (!loaded.replaced.isEmpty()) dialogs().information(replacedSettingsMessage(loaded.replaced));
    sizeLabel();
    try {
        addresses_ = readMailOutLabels();
    } catch (const std::exception&) {
        dialogs().information(kOpenFailed);
        QTimer::singleShot(0, this, &QDialog::reject);
        return;
    }
    for (const RoleItem& role : kRoles)
        addItem(role.text, role.at);
    // Items below a short label would print on the next one.
    pullItemsInside();
}

void TForm2::sizeLabel() {
    const QSize label = geometry_.screenLabel();
    Panel1->setFixedSize(std::max(label.width(), 1), std::max(label.height(), 1));
    EDstartRow->setRange(1, geometry_.rowCount);
    EDstartCol->setRange(1, geometry_.colCount);
}

ItemLabel* TForm2::item(int number) const {
    if (number < 1 || number > static_cast<int>(items_.size())) return nullptr;
    return items_[static_cast<size_t>(number - 1)];
}

ItemLabel* TForm2::addItem(const QString& text, std::optional<QPoint> at) {
    const int number = static_cast<int>(items_.size()) + 1;
    auto* label = new ItemLabel(number, text, Panel1);
    label->setFont(QFont(kItemFont, CBfontSize->currentText().toInt()));
    label->adjustSize();
    label->move(at.value_or(QPoint(3 * number + 10, 3 * number + 10)));
    label->installEventFilter(this);
    label->show();
    items_.push_back(label);
    DragFrame->raise();
    return label;
}

std::vector<LabelItem> TForm2::labelItems() const {
    std::vector<LabelItem> result;
    for (const ItemLabel* label : items_)
        result.push_back(
            {label->text(), label->pos(), fontSpec(label->font()), !label->isHidden()});
    return result;
}

void TForm2::pullItemsInside() {
    const QSize label = geometry_.screenLabel();
    for (ItemLabel* item : items_)
        item->move(pulledInside(item->pos(), item->size(), label));
}

void TForm2::selectItem(ItemLabel* chosen) {
    clearCurrent();
    current_ = chosen->number();
    chosen->savedColor = chosen->palette().color(QPalette::Window);
    colour(chosen, Qt::yellow);
    EDcurLabel->setText(chosen->text());
}

void TForm2::clearCurrent() {
    if (ItemLabel* old = item(current_)) colour(old, old->savedColor);
    current_ = 0;
    EDcurLabel->clear();
}

void TForm2::moveCurrent(int dx, int dy) {
    ItemLabel* chosen = item(current_);
    if (!chosen) return;
    chosen->move(chosen->pos() + QPoint(dx, dy));
    pullItemsInside();
}

void TForm2::growFont(int points) {
    ItemLabel* chosen = item(current_);
    if (!chosen) return;
    QFont font = chosen->font();
    const int before = font.pointSize();
    font.setPointSize(std::max(1, before + points));
    chosen->setFont(font);
    chosen->adjustSize();
    const QSize label = geometry_.screenLabel();
    if (points > 0 &&
        (chosen->width() > label.width() - 3 || chosen->height() > label.height() - 3)) {
        font.setPointSize(before);
        chosen->setFont(font);
        chosen->adjustSize();
    }
    pullItemsInside();
}

void TForm2::chooseFont() {
    ItemLabel* chosen = item(current_);
    if (!chosen) return;
    QFont font = chosen->font();
    if (!dialogs().chooseFont(font)) return;
    chosen->setFont(font);
    chosen->adjustSize();
    pullItemsInside();
    colour(chosen, chosen->savedColor);
    current_ = 0;
    EDcurLabel->clear();
}

void TForm2::deleteCurrent() {
    ItemLabel* chosen = item(current_);
    if (!chosen) return;
    colour(chosen, chosen->savedColor);
    chosen->hide();
    current_ = 0;
    EDcurLabel->clear();
}

void TForm2::textEdited(const QString& text) {
    if (ItemLabel* chosen = item(current_)) {
        chosen->setText(text);
        chosen->adjustSize();
    }
}

void TForm2::textEntered() {
    const QString text = EDcurLabel->text();
    if (text.isEmpty()) return;
    if (item(current_)) {
        clearCurrent();
        return;
    }
    addItem(text, std::nullopt);
    pullItemsInside();
    EDcurLabel->clear();
}

void TForm2::openSizeForm() {
    TFMsizeset form(this);
    form.geometry = geometry_;
    runSizeForm(form);
    geometry_ = form.geometry;
    sizeLabel();
    pullItemsInside();
}

void TForm2::itemPressed(ItemLabel* chosen, QMouseEvent* event) {
    selectItem(chosen);
    chosen->dragging = true;
    grasp_ = event->position().toPoint();
    DragFrame->setGeometry(chosen->geometry());
    DragFrame->show();
    DragFrame->raise();
}

void TForm2::itemMoved(ItemLabel* chosen, QMouseEvent* event) {
    if (!chosen->dragging) return;
    const QPoint inLabel = chosen->mapToParent(event->position().toPoint());
    DragFrame->move(inLabel - grasp_);
}

void TForm2::itemReleased(ItemLabel* chosen) {
    if (!chosen->dragging) return;
    chosen->dragging = false;
    chosen->move(DragFrame->pos() + QPoint(1, 1));
    DragFrame->hide();
    pullItemsInside();
    EDcurLabel->setFocus();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (auto* chosen = qobject_cast<ItemLabel*>(watched)) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                itemPressed(chosen, static_cast<QMouseEvent*>(event));
                return true;
            case QEvent::MouseMove:
                itemMoved(chosen, static_cast<QMouseEvent*>(event));
                return true;
            case QEvent::MouseButtonRelease:
                itemReleased(chosen);
                return true;
            default:
                break;
        }
    } else if (watched == Panel1 && event->type() == QEvent::MouseButtonPress) {
        clearCurrent();
    } else if (watched == EDcurLabel) {
        if (event->type() == QEvent::FocusIn) LBmsg->setText(kTypeHint);
        if (event->type() == QEvent::FocusOut) LBmsg->clear();
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                textEntered();
                return true;
            }
        }
    }
    return TaskForm::eventFilter(watched, event);
}

void TForm2::showPrintPanel() {
    PNprt->adjustSize();
    PNprt->move((width() - PNprt->width()) / 2, (height() - PNprt->height()) / 2);
    PNprt->show();
    PNprt->raise();
    EDstartRow->setFocus();
}

void TForm2::focusMoved(QWidget* to) {
    // The panel hides when the focus goes elsewhere in this form; a dialog
    // the panel opened (the printer's, a message) leaves it up.
    if (!PNprt->isVisible() || !to || to->window() != this) return;
    if (to != PNprt && !PNprt->isAncestorOf(to)) PNprt->hide();
}

LabelRun TForm2::labelRun() const {
    LabelRun run;
    run.geometry = geometry_;
    run.items = labelItems();
    run.startRow = EDstartRow->value();
    run.startCol = EDstartCol->value();
    run.outline = CKBoutlinedraw->isChecked();
    return run;
}

void TForm2::printRun() {
    if (addresses_.empty()) {
        dialogs().information(kNothingToPrint);
        return;
    }
    const LabelRun run = labelRun();
    const std::vector<LabelAddress> addresses = addresses_;
    const Dialogs::PrintRequest request{
        QStringLiteral("라벨 인쇄"), PrintDevice::Orientation::Portrait,
        [run, addresses](PrintDevice& device) { printLabels(device, run, addresses); }};
    // An error of the job reaches the guard, and no completion is claimed.
    if (dialogs().print(request) != Dialogs::PrintOutcome::Printed) return;
    dialogs().informationYes(kPrinted);
    PNprt->hide();
}

void TForm2::previewRun() {
    if (addresses_.empty()) {
        dialogs().information(kNothingToPrint);
        return;
    }
    const LabelRun run = labelRun();
    const std::vector<LabelAddress> addresses = addresses_;
    dialogs().preview(
        {QStringLiteral("라벨 미리보기"), PrintDevice::Orientation::Portrait,
         [run, addresses](PrintDevice& device) { printLabels(device, run, addresses); }});
}
