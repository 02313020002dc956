#include "tools/tfmdiary_imd.h"

#include "common/action_guard.h"
#include "common/cp949.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "common/form_keys.h"
#include "tools/diary_entries.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString kNoDay = QStringLiteral("날짜를 입력하세요 ...!");
const QString kNoTitle = QStringLiteral("제목을 입력하세요 ...!");
const QString kVanished =
    QStringLiteral("이 일정은 그 사이에 삭제되었습니다. 새 일정으로 등록할까요 ...?");

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}
}  // namespace

TFMdiary_imd::TFMdiary_imd(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMdiary_imd"));
    setWindowTitle(QStringLiteral("일정 입력/수정"));
    setFont(QFont(QStringLiteral("굴림체"), 10));
    buildControls();
    setEscapePresses(BTquit, [this] { return hasUnsavedChanges(); });
}

TFMdiary_imd::~TFMdiary_imd() = default;

void TFMdiary_imd::buildControls() {
    EDday1 = named(new QLineEdit(this), "EDday1");
    EDday1->setMaxLength(10);
    EDday1->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
    EDremark = named(new QLineEdit(this), "EDremark");
    limitCp949(EDremark, kDiaryTitleBytes);
    EDremark->setToolTip(QStringLiteral("한글 10자, 영문 20자까지"));
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    makeMemo(Memo1);
    BTok = named(new QPushButton(QStringLiteral("저 장"), this), "BTok");
    BTok->setToolTip(QStringLiteral("일정을 저장합니다"));
    BTquit = named(new QPushButton(QStringLiteral("취 소"), this), "BTquit");
    BTquit->setToolTip(QStringLiteral("저장하지 않고 닫습니다"));
    for (QPushButton* button : {BTok, BTquit})
        button->setAutoDefault(false);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("날  짜"), EDday1);
    fields->addRow(QStringLiteral("제  목"), EDremark);
    fields->addRow(QStringLiteral("메  모"), Memo1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BTok);
    buttons->addWidget(BTquit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(420, 300);

    FocusKeys::install({EDday1, EDremark}, false);
    // A date typed in another way is rewritten as the field is left; one
    // that is no date is said when saving, once.
    connect(EDday1, &QLineEdit::editingFinished, this, [this] {
        if (const std::optional<QDate> typed = parseDate(EDday1->text()))
            EDday1->setText(isoDate(*typed));
    });
    connect(BTok, &QPushButton::clicked, this, guarded([this] { save(); }));
    connect(BTquit, &QPushButton::clicked, this, &QDialog::reject);
}

void TFMdiary_imd::showEvent(QShowEvent* event) {
    TaskForm::showEvent(event);
    if (activated_) return;
    activated_ = true;
    runGuarded([this] { formActivate(); });
}

void TFMdiary_imd::formActivate() {
    if (entryMode == 2) {
        const std::optional<DiaryEntry> entry = diaryEntry(key);
        if (!entry) {
            QTimer::singleShot(0, this, &QDialog::reject);
            return;
        }
        EDday1->setText(entry->day);
        EDremark->setText(entry->title);
        Memo1->setPlainText(entry->memo);
    } else {
        EDday1->setText(isoDate(day));
    }
    loadedDay_ = EDday1->text();
    loadedTitle_ = EDremark->text();
    loadedMemo_ = Memo1->toPlainText();
    EDremark->setFocus();
}

bool TFMdiary_imd::hasUnsavedChanges() const {
    return EDday1->text() != loadedDay_ || EDremark->text() != loadedTitle_ ||
           Memo1->toPlainText() != loadedMemo_;
}

bool TFMdiary_imd::checkFields() {
    if (!normalizeDateField(EDday1)) {
        EDday1->setFocus();
        return false;
    }
    if (EDday1->text().isEmpty()) {
        dialogs().information(kNoDay);
        EDday1->setFocus();
        return false;
    }
    if (EDremark->text().trimmed().isEmpty()) {
        dialogs().information(kNoTitle);
        EDremark->setFocus();
        return false;
    }
    return true;
}

void TFMdiary_imd::save() {
    if (!checkFields()) return;
    const QString dayText = EDday1->text();
    const QString title = EDremark->text().trimmed();
    const QString memo = Memo1->toPlainText();
    if (entryMode == 2 && changeDiaryEntry(key, dayText, title, memo)) {
        accept();
        return;
    }
    // What was typed for an entry deleted meanwhile stays on the form unless
    // the user has it registered anew.
    if (entryMode == 2 && !dialogs().askYesNo(kVanished)) return;
    key = addDiaryEntry(dayText, title, memo);
    entryMode = 2;
    accept();
}
