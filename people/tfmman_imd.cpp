#include "people/tfmman_imd.h"

#include "common/action_guard.h"
#include "common/cp949.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/person_code_lists.h"
#include "common/shared_values.h"
#include "people/person_dates.h"
#include "tools/tfmzip.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

namespace {

const QString kNameMissing = QStringLiteral("이름  입력하세요...!");
const QString kRegistered = QStringLiteral("자료를 등록하였습니다 ...!");
const QString kChanged = QStringLiteral("자료를 수정하였습니다 ...!");
const QString kChangeFailed = QStringLiteral("자료의 수정에 실패하였습니다 ...!");
const QString kDeleteQuestion = QStringLiteral("선택한 자료를 삭제할까요...!");

QString tooLongMessage(const QString& label, int bytes) {
    return QStringLiteral("%1 항목은 %2바이트까지 입력할 수 있습니다 ...!").arg(label).arg(bytes);
}

// The postal look-up gave an address longer than the field takes.
QString addressTooLongMessage(int bytes, const QString& label, int fieldBytes) {
    return QStringLiteral(
               "선택한 주소가 %1바이트라서 %2 칸(%3바이트)에 다 들어가지 않습니다. "
               "저장하기 전에 주소를 줄이거나 나누어 적으세요 ...!")
        .arg(bytes)
        .arg(label)
        .arg(fieldBytes);
}

const PersonTextField* textFieldOf(const char* control) {
    for (const PersonTextField& field : personTextFields()) {
        if (qstrcmp(field.control, control) == 0) return &field;
    }
    return nullptr;
}

}  // namespace

TFMman_imd::TFMman_imd(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMman_imd"));
    setWindowTitle(QStringLiteral("인적사항 입력/수정/삭제"));
    buildForm();
    connectControls();
    installFieldHandling();
    setEscapePresses(BTquit, [this] { return hasUnsavedChanges(); });
}

TFMman_imd::~TFMman_imd() {
    // The fields lose the focus while they are taken down; nothing of the form may run then.
    for (QWidget* control : std::as_const(controls_))
        control->removeEventFilter(this);
}

void TFMman_imd::connectControls() {
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { saveAsNew(); }));
    connect(BTmod, &QPushButton::clicked, this, guarded([this] { saveChange(); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { deletePerson(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { close(); });
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this](int page) { pageChosen(page); });
}

void TFMman_imd::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    formActivate();
}

// --- Loading ----------------------------------------------------------------

void TFMman_imd::formActivate() {
    if (activated_) return;
    activated_ = true;
    if (!runGuarded([this] { activate(); })) closeSoon();
}

void TFMman_imd::activate() {
    fillCodeLists();
    if (entryMode == 1) {
        EDmeetday->setText(todayText());
        EDguipday->setText(todayText());
    } else {
        const std::optional<PersonRecord> person = loadPerson(scancode);
        if (!person) {
            closeSoon();
            return;
        }
        showPerson(*person);
    }
    for (QLineEdit* field : {EDguipday, EDmeetday, EDmarryday})
        showWeekday(field);
    BTinp->setEnabled(entryMode == 1);
    BTmod->setEnabled(entryMode == 2);
    BTdel->setEnabled(entryMode == 2);
    shownAsSaved_ = personFromControls();
    PageControl1->setCurrentIndex(0);
    EDname->setFocus();
}

void TFMman_imd::fillCodeLists() {
    const PersonCodeLists& codes = sharedValues().personCodes;
    fillWithPersonCodes(*CBcompart, codes.list(1), 1);
    fillWithPersonCodes(*CBgroup, codes.list(2), 1);
    fillWithPersonCodes(*CBcargubun, codes.list(3), 1);
    fillWithPersonCodes(*CBgubun, codes.list(4), 1);
    CBdmsource->setCurrentIndex(0);
}

void TFMman_imd::showPerson(const PersonRecord& person) {
    for (const PersonTextField& field : personTextFields()) {
        QWidget* control = controls_.value(QLatin1String(field.control));
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setText(person.*field.member);
        } else if (auto* box = qobject_cast<QComboBox*>(control)) {
            selectStoredText(box, person.*field.member);
        }
    }
    (person.lunarBirthday() ? RBu : RBy)->setChecked(true);
    MOremark->setPlainText(person.remark);
}

// Shows a stored value in a drop-down list. A value the list no longer
// offers (a code deleted since) is added, so that saving keeps it.
void TFMman_imd::selectStoredText(QComboBox* box, const QString& text) {
    int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && !text.isEmpty()) {
        box->addItem(text);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

void TFMman_imd::closeSoon() {
    // Closed from the event loop, so that exec() has started and returns at once.
    QTimer::singleShot(0, this, [this] { reject(); });
}

// --- Fields -----------------------------------------------------------------

QString TFMman_imd::controlText(const PersonTextField& field) const {
    QWidget* control = controls_.value(QLatin1String(field.control));
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* box = qobject_cast<QComboBox*>(control)) return box->currentText();
    return {};
}

PersonRecord TFMman_imd::personFromControls() const {
    PersonRecord person;
    person.scancode = scancode;
    for (const PersonTextField& field : personTextFields())
        person.*field.member = controlText(field);
    person.uy = RBu->isChecked() ? QStringLiteral("U") : QStringLiteral("Y");
    person.remark = MOremark->toPlainText();
    return person;
}

bool TFMman_imd::hasUnsavedChanges() const {
    return entryMode != 4 && personFromControls() != shownAsSaved_;
}

void TFMman_imd::pageChosen(int page) {
    (page == 0 ? EDname : EDmeetday)->setFocus();
}

bool TFMman_imd::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2 &&
        (field == EDcomaddr || field == EDcomaddr1 || field == EDhomeaddr ||
         field == EDhomeaddr1)) {
        runGuarded([this, field] { lookUpPostalCode(field); });
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        // Leaving the window (a message box, the look-up, closing the form)
        // is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            isVisible() && field->isVisible()) {
            if (field == EDbirthday) {
                if (!checkBirthday()) QTimer::singleShot(0, field, [field] { field->setFocus(); });
            } else if (field == EDguipday || field == EDmeetday || field == EDmarryday) {
                leaveDateField(field);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFMman_imd::leaveDateField(QLineEdit* field) {
    if (!normalizeDateField(field)) {
        QTimer::singleShot(0, field, [field] { field->setFocus(); });
        return;
    }
    showWeekday(field);
}

// A birthday is a date of the chosen calendar: a solar date, or a lunar one
// whose month is 1-12 and day 1-30. Rewritten as "YYYY-MM-DD"; otherwise
// the user is told and false returned.
bool TFMman_imd::checkBirthday() {
    if (RBy->isChecked() || EDbirthday->text().trimmed().isEmpty())
        return normalizeDateField(EDbirthday);
    const std::optional<QString> lunar = lunarBirthdayText(EDbirthday->text());
    if (!lunar) {
        dialogs().warning(lunarBirthdayWarning());
        return false;
    }
    EDbirthday->setText(*lunar);
    return true;
}

void TFMman_imd::showWeekday(QLineEdit* field) {
    QLabel* mark = field == EDguipday ? LBguipday : field == EDmeetday ? LBmeetday : LBmarryday;
    const std::optional<QDate> date =
        field->text().trimmed().isEmpty() ? std::nullopt : parseDate(field->text());
    mark->setText(weekdayMark(date));
    QPalette colours = mark->palette();
    colours.setColor(QPalette::WindowText, weekdayColour(date));
    mark->setPalette(colours);
}

void TFMman_imd::lookUpPostalCode(QLineEdit* field) {
    TFMzip lookUp(this);
    lookUp.EDaddr->setText(field->text());
    lookUp.exec();
    if (!lookUp.chosen()) return;
    const QString address = lookUp.addr();
    const bool company = field == EDcomaddr || field == EDcomaddr1;
    (company ? EDcomzip : EDhomezip)->setText(lookUp.zip());
    // The whole address goes into the field, also when it is too long for
    // it: the user shortens it there, nothing is cut unseen.
    field->setText(address);
    const PersonTextField* stored = textFieldOf(field->objectName().toLatin1().constData());
    const int bytes = cp949ByteLength(address);
    if (stored && bytes > stored->bytes) {
        dialogs().information(
            addressTooLongMessage(bytes, QString::fromUtf8(stored->label), stored->bytes));
    }
    field->setFocus();
}

// Shows the page that holds the control and puts the focus into it.
void TFMman_imd::focusField(QWidget* field) {
    PageControl1->setCurrentWidget(TabSheet2->isAncestorOf(field) ? TabSheet2 : TabSheet1);
    field->setFocus();
}

// --- Buttons ----------------------------------------------------------------

// The Person as the controls hold it, once every entry is one the store
// takes: a name, dates that are dates, texts that fit their fields. Nothing
// (after the message, with the focus on the field) otherwise.
std::optional<PersonRecord> TFMman_imd::checkedPerson() {
    if (EDname->text().trimmed().isEmpty()) {
        dialogs().beep();
        dialogs().message(Dialogs::Icon::Error, kNameMissing, Dialogs::Buttons::Ok);
        focusField(EDname);
        return std::nullopt;
    }
    for (QLineEdit* field : {EDguipday, EDmeetday, EDmarryday}) {
        if (!normalizeDateField(field)) {
            focusField(field);
            return std::nullopt;
        }
        showWeekday(field);
    }
    if (!checkBirthday()) {
        focusField(EDbirthday);
        return std::nullopt;
    }
    for (const PersonTextField& field : personTextFields()) {
        if (cp949ByteLength(controlText(field)) > field.bytes) {
            dialogs().warning(tooLongMessage(QString::fromUtf8(field.label), field.bytes));
            focusField(controls_.value(QLatin1String(field.control)));
            return std::nullopt;
        }
    }
    return personFromControls();
}

void TFMman_imd::saveAsNew() {
    const std::optional<PersonRecord> person = checkedPerson();
    if (!person) return;
    const std::optional<QString> key = savePerson(*person, PersonSave::AsNew);
    savedKey_ = key.value_or(QString());
    shownAsSaved_ = *person;
    dialogs().beep();
    StatusPanel0->setText(kRegistered);
    focusField(EDname);
}

void TFMman_imd::saveChange() {
    const std::optional<PersonRecord> person = checkedPerson();
    if (!person) return;
    if (savePerson(*person, PersonSave::AsChange, scancode)) {
        savedKey_ = scancode;
        shownAsSaved_ = *person;
        dialogs().beep();
        StatusPanel0->setText(kChanged);
        dialogs().information(kChanged);
    } else {
        StatusPanel0->setText(kChangeFailed);
        dialogs().information(kChangeFailed);
    }
    close();
}

void TFMman_imd::deletePerson() {
    dialogs().beep();
    if (dialogs().askYesNo(kDeleteQuestion)) ::deletePerson(scancode);
    close();
}
