#include "tools/tfmcalendar.h"

#include "common/action_guard.h"
#include "common/dates.h"
#include "tools/month_navigation.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The result holds a short date; the caller's fields take at most this many
// characters.
constexpr int kResultLength = 20;
}  // namespace

QString& TFMcalendar::sharedResult() {
    static QString result;
    return result;
}

TFMcalendar::TFMcalendar(QWidget* parent) : MonthCalendarDialog(parent) {
    setObjectName(QStringLiteral("FMcalendar"));
    setWindowTitle(QStringLiteral("FMcalendar"));

    BitBtn1 = new QPushButton(QStringLiteral("확인"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("취소"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    buildLayout();

    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { takeDay(); }));
    connect(BitBtn2, &QPushButton::clicked, this, guarded([this] { cancel(); }));
    // A double-click on a day (or Enter in the calendar) takes that day.
    connect(Calendar1, &QCalendarWidget::activated, this, guarded([this] { takeDay(); }));
}

TFMcalendar::~TFMcalendar() = default;

void TFMcalendar::buildLayout() {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(navigator_->newBarLayout());
    layout->addWidget(Calendar1, 1);
    layout->addLayout(buttons);
    resize(300, 270);
}

void TFMcalendar::takeDay() {
    sharedResult() = isoDate(navigator_->selectedDate()).left(kResultLength);
    accept();
}

void TFMcalendar::cancel() {
    sharedResult().clear();
    reject();
}
