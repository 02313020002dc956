#include "tools/month_navigation.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCharFormat>

#include <algorithm>

// QDate moves the day to the last day of a shorter month by itself.
QDate shiftMonths(const QDate& selected, int months) {
    return selected.addMonths(months);
}

QDate shiftYears(const QDate& selected, int years) {
    return selected.addYears(years);
}

QDate inMonth(const QDate& selected, int month) {
    return shiftMonths(selected, month - selected.month());
}

namespace {
// The day of the month in the given page, or the page's last day.
QDate onPage(const QDate& selected, int year, int month) {
    const QDate first(year, month, 1);
    return first.addDays(std::min(selected.day(), first.daysInMonth()) - 1);
}
}  // namespace

QString monthItemText(int month) {
    return QStringLiteral("%1").arg(month, 2);
}

namespace {
QPushButton* stepButton(QWidget* form, const char* name, const QString& caption,
                        const QString& hint) {
    auto* button = new QPushButton(caption, form);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    button->setFixedWidth(32);
    return button;
}
}  // namespace

MonthNavigator::MonthNavigator(QWidget* form) : QObject(form) {
    BTyearP = stepButton(form, "BTyearP", QStringLiteral("◀"), QStringLiteral("이전 해"));
    LByear = new QLabel(form);
    LByear->setObjectName(QStringLiteral("LByear"));
    LByear->setAlignment(Qt::AlignCenter);
    LByear->setMinimumWidth(48);
    BTyearN = stepButton(form, "BTyearN", QStringLiteral("▶"), QStringLiteral("다음 해"));
    BTmonthP = stepButton(form, "BTmonthP", QStringLiteral("◀"), QStringLiteral("이전 달"));
    CBmonth = new QComboBox(form);
    CBmonth->setObjectName(QStringLiteral("CBmonth"));
    for (int month = 1; month <= 12; ++month)
        CBmonth->addItem(monthItemText(month));
    BTmonthN = stepButton(form, "BTmonthN", QStringLiteral("▶"), QStringLiteral("다음 달"));
    buildCalendar(form);

    connect(BTyearP, &QPushButton::clicked, this,
            [this] { select(shiftYears(selectedDate(), -1)); });
    connect(BTyearN, &QPushButton::clicked, this,
            [this] { select(shiftYears(selectedDate(), 1)); });
    connect(BTmonthP, &QPushButton::clicked, this,
            [this] { select(shiftMonths(selectedDate(), -1)); });
    connect(BTmonthN, &QPushButton::clicked, this,
            [this] { select(shiftMonths(selectedDate(), 1)); });
    connect(CBmonth, &QComboBox::activated, this,
            [this](int index) { select(inMonth(selectedDate(), index + 1)); });
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, &MonthNavigator::followCalendar);
    connect(Calendar1, &QCalendarWidget::currentPageChanged, this, &MonthNavigator::followPage);
    followCalendar();
}

void MonthNavigator::buildCalendar(QWidget* form) {
    Calendar1 = new QCalendarWidget(form);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    // The year and month controls above the calendar replace its own bar.
    Calendar1->setNavigationBarVisible(false);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    Calendar1->setGridVisible(true);
    QTextCharFormat saturday = Calendar1->weekdayTextFormat(Qt::Saturday);
    saturday.setForeground(QColor(0, 0, 192));
    Calendar1->setWeekdayTextFormat(Qt::Saturday, saturday);
}

QDate MonthNavigator::selectedDate() const {
    return Calendar1->selectedDate();
}

void MonthNavigator::select(const QDate& day) {
    if (!day.isValid())
        return;
    Calendar1->setSelectedDate(day);
    Calendar1->setCurrentPage(Calendar1->selectedDate().year(), Calendar1->selectedDate().month());
    followCalendar();
}

void MonthNavigator::followCalendar() {
    const QDate day = selectedDate();
    LByear->setText(QString::number(day.year()));
    const QSignalBlocker blocker(CBmonth);
    CBmonth->setCurrentIndex(day.month() - 1);
}

// A page turned inside the calendar (keys, clicks on a day of the next
// month) takes the selected day along, so the controls and the day taken
// always agree with the month shown.
void MonthNavigator::followPage(int year, int month) {
    const QDate day = selectedDate();
    if (day.year() == year && day.month() == month)
        return;
    select(onPage(day, year, month));
}

QHBoxLayout* MonthNavigator::newBarLayout() const {
    auto* bar = new QHBoxLayout;
    bar->setSpacing(2);
    bar->addWidget(BTyearP);
    bar->addWidget(LByear);
    bar->addWidget(BTyearN);
    bar->addStretch();
    bar->addWidget(BTmonthP);
    bar->addWidget(CBmonth);
    bar->addWidget(BTmonthN);
    return bar;
}
