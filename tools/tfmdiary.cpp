#include "tools/tfmdiary.h"

#include "common/action_guard.h"
#include "common/clock.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/list_printer.h"
#include "listings/tfmbu_imd.h"
#include "tools/diary_month_layout.h"
#include "tools/diary_month_print.h"
#include "tools/diary_month_view.h"
#include "tools/month_navigation.h"
#include "tools/tfmdiary_imd.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kComingDays = 30;
const QString kDeleteQuestion = QStringLiteral("선택한 일정을 삭제할까요...!");
const QString kNotFound = QStringLiteral("해당되는 자료가 존재하지 않습니다 ...!");
const QString kOwnedByListing =
    QStringLiteral("매물의 중도금·잔금 일정입니다. 날짜와 내용은 매물 입력화면에서 고칩니다.");

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* button(QWidget* form, const char* name, const QString& caption, const QString& hint) {
    auto* b = named(new QPushButton(caption, form), name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QPushButton* stepButton(QWidget* form, const char* name, const QString& caption,
                        const QString& hint) {
    QPushButton* b = button(form, name, caption, hint);
    b->setFixedWidth(32);
    return b;
}

QString weekdayName(const QDate& day) {
    return weekdayNames().at(day.dayOfWeek() % 7);
}

// "12-08 (화)"
QString shortDayText(const QString& day) {
    const QDate date = QDate::fromString(day, Qt::ISODate);
    if (!date.isValid()) return day;
    return day.mid(5) + QStringLiteral(" (") + weekdayName(date) + u')';
}

QListWidgetItem* entryItem(const QString& text, const DiaryEntry& entry) {
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, entry.key);
    item->setToolTip(entry.memo);
    if (entry.ownedByListing()) item->setForeground(QColor(0, 0, 160));
    return item;
}
}  // namespace

TFMdiary::TFMdiary(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMdiary"));
    setWindowTitle(QStringLiteral("큰달력 일정관리"));
    setFont(QFont(QStringLiteral("굴림체"), 10));
    buildControls();
    buildLayout();
    connectControls();
    // Nothing is typed on this form; Esc closes it.
    setEscapeCancels();
    selected_ = appClock().today();
}

TFMdiary::~TFMdiary() = default;

void TFMdiary::buildControls() {
    BTyearP = stepButton(this, "BTyearP", QStringLiteral("◀"), QStringLiteral("이전 해"));
    LByear = named(new QLabel(this), "LByear");
    LByear->setAlignment(Qt::AlignCenter);
    LByear->setMinimumWidth(56);
    BTyearN = stepButton(this, "BTyearN", QStringLiteral("▶"), QStringLiteral("다음 해"));
    BTmonthP = stepButton(this, "BTmonthP", QStringLiteral("◀"), QStringLiteral("이전 달"));
    CBmonth = named(new QComboBox(this), "CBmonth");
    for (int month = 1; month <= 12; ++month)
        CBmonth->addItem(monthItemText(month));
    BTmonthN = stepButton(this, "BTmonthN", QStringLiteral("▶"), QStringLiteral("다음 달"));
    BTtoday = button(this, "BTtoday", QStringLiteral("오늘"), QStringLiteral("오늘이 있는 달로"));

    GRmonth = named(new DiaryMonthView(this), "GRmonth");
    GRmonth->setToolTip(QString());
    LBday = named(new QLabel(this), "LBday");
    LVday = named(new QListWidget(this), "LVday");
    MMnote = named(new QPlainTextEdit(this), "MMnote");
    MMnote->setReadOnly(true);
    MMnote->setMaximumHeight(130);
    MMnote->setTabChangesFocus(true);
    LBcoming =
        named(new QLabel(QStringLiteral("오늘부터 %1일 일정").arg(kComingDays), this), "LBcoming");
    LVcoming = named(new QListWidget(this), "LVcoming");

    BTinp =
        button(this, "BTinp", QStringLiteral("추 가"), QStringLiteral("고른 날에 일정을 더합니다"));
    BTmod = button(this, "BTmod", QStringLiteral("수 정"), QStringLiteral("고른 일정을 고칩니다"));
    BTdel = button(this, "BTdel", QStringLiteral("삭 제"), QStringLiteral("고른 일정을 지웁니다"));
    BTlisting = button(this, "BTlisting", QStringLiteral("매물보기"),
                       QStringLiteral("중도금·잔금 일정의 매물을 봅니다"));
    BTpreview = button(this, "BTpreview", QStringLiteral("미리보기"),
                       QStringLiteral("이 달을 인쇄될 모양으로 봅니다"));
    BTprint =
        button(this, "BTprint", QStringLiteral("인 쇄"), QStringLiteral("이 달을 인쇄합니다"));
    BTquit = button(this, "BTquit", QStringLiteral("종 료"), QStringLiteral("메인메뉴로 복귀"));
}

void TFMdiary::buildLayout() {
    auto* bar = new QHBoxLayout;
    bar->setSpacing(2);
    bar->addWidget(BTyearP);
    bar->addWidget(LByear);
    bar->addWidget(BTyearN);
    bar->addSpacing(16);
    bar->addWidget(BTmonthP);
    bar->addWidget(CBmonth);
    bar->addWidget(BTmonthN);
    bar->addSpacing(16);
    bar->addWidget(BTtoday);
    bar->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(bar);
    left->addWidget(GRmonth, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(LBday);
    right->addWidget(LVday, 1);
    right->addWidget(MMnote);
    right->addWidget(LBcoming);
    right->addWidget(LVcoming, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addLayout(right, 1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {BTinp, BTmod, BTdel, BTlisting})
        buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : {BTpreview, BTprint, BTquit})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(1000, 680);
}

void TFMdiary::connectControls() {
    connect(BTyearP, &QPushButton::clicked, this,
            guarded([this] { selectDay(shiftYears(selected_, -1)); }));
    connect(BTyearN, &QPushButton::clicked, this,
            guarded([this] { selectDay(shiftYears(selected_, 1)); }));
    connect(BTmonthP, &QPushButton::clicked, this,
            guarded([this] { selectDay(shiftMonths(selected_, -1)); }));
    connect(BTmonthN, &QPushButton::clicked, this,
            guarded([this] { selectDay(shiftMonths(selected_, 1)); }));
    connect(CBmonth, &QComboBox::activated, this,
            [this](int index) { runGuarded([&] { selectDay(inMonth(selected_, index + 1)); }); });
    connect(BTtoday, &QPushButton::clicked, this,
            guarded([this] { selectDay(appClock().today()); }));
    connect(GRmonth, &DiaryMonthView::dayClicked, this,
            [this](const QDate& day) { runGuarded([&] { selectDay(day); }); });
    connect(GRmonth, &DiaryMonthView::dayActivated, this,
            [this](const QDate& day) { runGuarded([&] { addEntry(day); }); });
    connect(LVday, &QListWidget::currentRowChanged, this, [this] { showChosenEntry(); });
    connect(LVday, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        runGuarded([&] { openEntry(item->data(Qt::UserRole).toString()); });
    });
    connect(LVcoming, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { runGuarded([&] { comingClicked(item); }); });
    connect(LVcoming, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        runGuarded([&] {
            const QString key = item->data(Qt::UserRole).toString();
            comingClicked(item);
            openEntry(key);
        });
    });
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { addEntry(selected_); }));
    connect(BTmod, &QPushButton::clicked, this, guarded([this] { changeEntry(); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { deleteEntry(); }));
    connect(BTlisting, &QPushButton::clicked, this, guarded([this] { openListing(); }));
    connect(BTpreview, &QPushButton::clicked, this, guarded([this] { printMonth(true); }));
    connect(BTprint, &QPushButton::clicked, this, guarded([this] { printMonth(false); }));
    connect(BTquit, &QPushButton::clicked, this, &QDialog::close);
}

void TFMdiary::showEvent(QShowEvent* event) {
    TaskForm::showEvent(event);
    if (activated_) return;
    activated_ = true;
    runGuarded([this] { formActivate(); });
    GRmonth->setFocus();
}

void TFMdiary::formActivate() {
    const QString keep = selectedKey();
    loadMonth();
    loadComing();
    showDayList(keep);
}

void TFMdiary::selectDay(const QDate& day) {
    if (!day.isValid()) return;
    const bool samePage = day.year() == selected_.year() && day.month() == selected_.month();
    selected_ = day;
    if (samePage && !monthEntries_.empty()) {
        GRmonth->showMonth(day.year(), day.month(), day, appClock().today(),
                           diaryMonthPage(day.year(), day.month(), monthEntries_).entries);
    } else {
        loadMonth();
    }
    showDayList(QString());
}

void TFMdiary::loadMonth() {
    const int year = selected_.year();
    const int month = selected_.month();
    const QDate first = firstShownDay(year, month);
    const QDate last = first.addDays(weeksShown(year, month) * 7 - 1);
    monthEntries_ = diaryEntriesBetween(isoDate(first), isoDate(last));
    GRmonth->showMonth(year, month, selected_, appClock().today(),
                       diaryMonthPage(year, month, monthEntries_).entries);
    LByear->setText(QString::number(year));
    CBmonth->setCurrentIndex(month - 1);
}

void TFMdiary::loadComing() {
    const QDate today = appClock().today();
    comingEntries_ = diaryEntriesBetween(isoDate(today), isoDate(today.addDays(kComingDays - 1)));
    LVcoming->clear();
    for (const DiaryEntry& entry : comingEntries_) {
        LVcoming->addItem(
            entryItem(shortDayText(entry.day) + QStringLiteral("  ") + entry.shortText(), entry));
    }
}

void TFMdiary::showDayList(const QString& keepKey) {
    LBday->setText(isoDate(selected_) + QStringLiteral(" (") + weekdayName(selected_) +
                   QStringLiteral(") 일정"));
    LVday->clear();
    const QString day = isoDate(selected_);
    for (const DiaryEntry& entry : monthEntries_) {
        if (entry.day != day) continue;
        LVday->addItem(entryItem(entry.shortText(), entry));
        if (entry.key == keepKey) LVday->setCurrentRow(LVday->count() - 1);
    }
    if (LVday->currentRow() < 0 && LVday->count() > 0) LVday->setCurrentRow(0);
    showChosenEntry();
}

QString TFMdiary::selectedKey() const {
    const QListWidgetItem* item = LVday->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

const DiaryEntry* TFMdiary::chosenEntry() const {
    const QString key = selectedKey();
    if (key.isEmpty()) return nullptr;
    for (const DiaryEntry& entry : monthEntries_) {
        if (entry.key == key) return &entry;
    }
    return nullptr;
}

void TFMdiary::showChosenEntry() {
    const DiaryEntry* entry = chosenEntry();
    const bool own = entry && !entry->ownedByListing();
    BTmod->setEnabled(own);
    BTdel->setEnabled(own);
    BTlisting->setEnabled(entry && entry->ownedByListing());
    if (!entry) {
        MMnote->clear();
        return;
    }
    QString note = entry->title + u'\n' + entry->memo;
    if (entry->ownedByListing()) note += u'\n' + kOwnedByListing;
    MMnote->setPlainText(note);
}

void TFMdiary::comingClicked(QListWidgetItem* item) {
    const QString key = item->data(Qt::UserRole).toString();
    for (const DiaryEntry& entry : comingEntries_) {
        if (entry.key != key) continue;
        selectDay(QDate::fromString(entry.day, Qt::ISODate));
        showDayList(key);
        return;
    }
}

void TFMdiary::openEntry(const QString& key) {
    const DiaryEntry* entry = chosenEntry();
    if (!entry || entry->key != key) return;
    if (entry->ownedByListing())
        openListing();
    else
        changeEntry();
}

void TFMdiary::addEntry(const QDate& day) {
    TFMdiary_imd form(this);
    form.entryMode = 1;
    form.day = day;
    const bool saved = form.exec() == QDialog::Accepted;
    if (!saved) return;
    const std::optional<DiaryEntry> entry = diaryEntry(form.key);
    if (entry) selected_ = QDate::fromString(entry->day, Qt::ISODate);
    loadMonth();
    loadComing();
    showDayList(form.key);
}

void TFMdiary::changeEntry() {
    const DiaryEntry* entry = chosenEntry();
    if (!entry || entry->ownedByListing()) return;
    TFMdiary_imd form(this);
    form.entryMode = 2;
    form.key = entry->key;
    form.exec();
    // The entry may have moved to another day, or away altogether.
    const std::optional<DiaryEntry> changed = diaryEntry(form.key);
    if (changed) selected_ = QDate::fromString(changed->day, Qt::ISODate);
    loadMonth();
    loadComing();
    showDayList(form.key);
}

void TFMdiary::deleteEntry() {
    const DiaryEntry* entry = chosenEntry();
    if (!entry || entry->ownedByListing()) return;
    const QString key = entry->key;
    dialogs().beep();
    if (!dialogs().askYesNo(kDeleteQuestion)) return;
    if (!deleteDiaryEntry(key)) dialogs().information(kNotFound);
    formActivate();
}

void TFMdiary::openListing() {
    const DiaryEntry* entry = chosenEntry();
    if (!entry || !entry->ownedByListing()) return;
    TFMbu_imd form(this);
    form.entryMode = 4;
    form.scancode = entry->listing;
    form.exec();
    formActivate();
}

void TFMdiary::printMonth(bool preview) {
    const int year = selected_.year();
    const int month = selected_.month();
    const QDate first(year, month, 1);
    const DiaryMonthPage page = diaryMonthPage(
        year, month,
        diaryEntriesBetween(isoDate(first), isoDate(first.addDays(first.daysInMonth() - 1))));
    const Dialogs::PrintRequest request{
        diaryPrintTitle(year, month), PrintDevice::Orientation::Landscape,
        [&page](PrintDevice& device) { printDiaryMonth(device, page); }};
    if (preview)
        dialogs().preview(request);
    else
        printWithDialog(request, printerProblemMessage());
}
