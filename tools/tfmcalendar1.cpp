#include "tools/tfmcalendar1.h"

#include "common/action_guard.h"
#include "common/dates.h"
#include "tools/month_navigation.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* resultLabel(QWidget* form, const char* name) {
    auto* label = new QLabel(form);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(100);
    return label;
}

QPushButton* actionButton(QWidget* form, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, form);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}
}  // namespace

TFMcalendar1::TFMcalendar1(QWidget* parent) : MonthCalendarDialog(parent) {
    setObjectName(QStringLiteral("FMcalendar1"));
    setWindowTitle(QStringLiteral("기간선택"));

    LBday1 = resultLabel(this, "LBday1");
    LBday2 = resultLabel(this, "LBday2");
    BitBtn1 = actionButton(this, "BitBtn1", QStringLiteral("부터"));
    BitBtn3 = actionButton(this, "BitBtn3", QStringLiteral("까지"));
    BitBtn2 = actionButton(this, "BitBtn2", QStringLiteral("종료"));
    buildLayout();

    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { takeFrom(); }));
    connect(BitBtn3, &QPushButton::clicked, this, guarded([this] { takeTo(); }));
    connect(BitBtn2, &QPushButton::clicked, this, guarded([this] { reject(); }));
}

TFMcalendar1::~TFMcalendar1() = default;

void TFMcalendar1::buildLayout() {
    auto* results = new QGridLayout;
    results->addWidget(LBday1, 0, 0);
    results->addWidget(new QLabel(QStringLiteral("부터"), this), 0, 1);
    results->addWidget(LBday2, 1, 0);
    results->addWidget(new QLabel(QStringLiteral("까지"), this), 1, 1);
    results->setColumnStretch(0, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(navigator_->newBarLayout());
    layout->addWidget(Calendar1, 1);
    layout->addLayout(results);
    layout->addLayout(buttons);
    resize(300, 330);
}

QString TFMcalendar1::fromText() const {
    return LBday1->text();
}

QString TFMcalendar1::toText() const {
    return LBday2->text();
}

void TFMcalendar1::takeFrom() {
    LBday1->setText(isoDate(navigator_->selectedDate()));
}

void TFMcalendar1::takeTo() {
    LBday2->setText(isoDate(navigator_->selectedDate()));
    accept();
}
