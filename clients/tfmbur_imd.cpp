#include "clients/tfmbur_imd.h"

#include "clients/client_code_lists.h"
#include "common/action_guard.h"
#include "common/changed_elsewhere.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "common/form_keys.h"
#include "common/input_checks.h"
#include "common/number_format.h"
#include "listings/listing_amounts.h"
#include "listings/listing_entry_checks.h"
#include "listings/tfmbu_cod.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const ClientNumberField* numberFieldOf(const QString& control) {
    for (const ClientNumberField& f : clientNumberFields()) {
        if (control == QLatin1String(f.control)) return &f;
    }
    return nullptr;
}

}  // namespace

TFMbur_imd::TFMbur_imd(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMbur_imd"));
    buildForm();
    fillClientDealList(CBim);
    connectControls();
    installFieldHandling();
}

TFMbur_imd::~TFMbur_imd() {
    // The fields lose the focus while they are destroyed; nothing of the form may run then.
    for (QLineEdit* field : std::as_const(edits_))
        field->removeEventFilter(this);
}

void TFMbur_imd::connectControls() {
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { saveAsNew(); }));
    connect(BTmod, &QPushButton::clicked, this, guarded([this] { saveChange(); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { deleteRequest(); }));
    connect(BTcode, &QPushButton::clicked, this, guarded([this] { openCodes(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { close(); });
    connect(CBim, &QComboBox::currentIndexChanged, this, guarded([this] { fillCodeLists(); }));
}

void TFMbur_imd::installFieldHandling() {
    QList<QWidget*> texts;
    for (QLineEdit* field : std::as_const(edits_)) {
        field->installEventFilter(this);
        texts.append(field);
    }
    // Enter moves on in every field; the arrows move on in the text fields
    // only, the drop-down lists keep them for their items.
    FocusKeys::install(texts, true);
    FocusKeys::install({CBworking, CBim, CBcname}, false);
    makeMemo(Memo1);
}

void TFMbur_imd::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    formActivate();
}

// --- Activation and loading ------------------------------------------------

void TFMbur_imd::formActivate() {
    if (activated_) return;
    activated_ = true;
    if (!runGuarded([this] { activate(); })) closeSoon();
}

void TFMbur_imd::activate() {
    {
        const QSignalBlocker quiet(CBim);
        CBim->setCurrentIndex(0);
    }
    fillCodeLists();
    if (entryMode == 1) {
        EDinday->setText(todayText());
    } else if (!loadHandedInClient()) {
        closeSoon();
        return;
    }
    BTinp->setEnabled(entryMode == 1);
    BTmod->setEnabled(entryMode == 2);
    BTdel->setEnabled(entryMode == 2);
    BTcode->setEnabled(entryMode == 1);
    if (entryMode == 4) {
        BTquit->setFocus();
    } else {
        EDname->setFocus();
    }
}

bool TFMbur_imd::loadHandedInClient() {
    const std::optional<StoredClient> stored = loadClient(scancode);
    if (!stored) return false;
    showClient(*stored);
    savedNumber_ = scancode;
    return true;
}

void TFMbur_imd::showClient(const StoredClient& stored) {
    loaded_ = stored;
    const ClientRecord& client = stored.record;
    EDname->setText(client.name);
    {
        const QSignalBlocker quiet(CBim);
        showStoredItem(CBim, client.im);
    }
    fillCodeLists();
    showStoredItem(CBcname, client.cname);
    EDwantcom->setText(client.wantcom);
    EDhtel->setText(client.htel);
    EDpipi->setText(client.pipi);
    EDhphone->setText(client.hphone);
    EDfax->setText(client.fax);
    EDyesan->setText(stored.yesan);
    EDdpungl->setText(stored.dpungl);
    EDdpungu->setText(stored.dpungu);
    EDgpungl->setText(stored.gpungl);
    EDgpungu->setText(stored.gpungu);
    EDinday->setText(client.inday);
    EDaddr->setText(client.addr);
    showStoredItem(CBworking, client.working);
    Memo1->setPlainText(client.memo1);
}

void TFMbur_imd::fillCodeLists() {
    fillClientCodeLists(CBim, CBworking, CBcname);
}

// After the code form: the lists offer the codes as they now are, and the
// choices made stay chosen (a choice whose code is gone stays shown, as a
// stored value does).
void TFMbur_imd::refillCodeListsKeepingChoices() {
    const QString working = CBworking->currentText();
    const QString category = CBcname->currentText();
    fillCodeLists();
    showStoredItem(CBworking, working);
    showStoredItem(CBcname, category);
}

void TFMbur_imd::closeSoon() {
    // Closed from the event loop, so that exec() has started and returns at once.
    QTimer::singleShot(0, this, [this] { reject(); });
}

// --- Field behaviour --------------------------------------------------------

bool TFMbur_imd::isNumberField(const QLineEdit* field) const {
    return numberFieldOf(field->objectName()) != nullptr;
}

bool TFMbur_imd::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn && field != enteredField_) {
        enteredField_ = field;
        if (isNumberField(field)) enterNumberField(field);
    } else if (event->type() == QEvent::FocusOut) {
        // Leaving the window (a message box, another program, closing the
        // form) is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            isVisible() && field == enteredField_) {
            enteredField_ = nullptr;
            leaveField(field);
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The commas go while the number is edited. A text refused for its decimal
// point stays as typed, so that the user corrects it.
void TFMbur_imd::enterNumberField(QLineEdit* field) {
    if (!halfWidthNumberText(field->text()).contains(u'.'))
        field->setText(digitsOnly(field->text(), QStringLiteral("0")));
}

void TFMbur_imd::leaveField(QLineEdit* field) {
    if (field == EDinday) {
        if (!normalizeDateField(field)) field->setFocus();
        return;
    }
    const ClientNumberField* number = numberFieldOf(field->objectName());
    if (!number) return;
    if (!leaveWholeNumberField(field, QString::fromUtf8(number->label))) return;
    field->setText(thousandsComma(digitsOnly(field->text(), QStringLiteral("0")), 0));
}

// --- Actions ----------------------------------------------------------------

// The request as the controls show it; nothing (after a warning, with the
// focus in the field) when a text is too long for its field or a number
// holds a decimal point.
std::optional<ClientRecord> TFMbur_imd::clientFromControls() {
    ClientRecord client;
    for (const ClientTextField& f : clientTextFields()) {
        QString text;
        QWidget* control = findChild<QWidget*>(QLatin1String(f.control));
        if (auto* box = qobject_cast<QComboBox*>(control)) {
            text = box->currentText();
        } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
            text = field->text();
        }
        if (!fitsField(text, f.bytes)) {
            dialogs().warning(textTooLongMessage(QString::fromUtf8(f.label), f.bytes));
            control->setFocus();
            return std::nullopt;
        }
        client.*f.member = text;
    }
    std::optional<qint64> numbers[5];
    int i = 0;
    for (const ClientNumberField& f : clientNumberFields()) {
        QLineEdit* field = edits_.value(QLatin1String(f.control));
        if (halfWidthNumberText(field->text()).contains(u'.')) {
            dialogs().warning(decimalPointMessage(QString::fromUtf8(f.label)));
            field->setFocus();
            return std::nullopt;
        }
        numbers[i++] = numberFromDigits(field->text());
    }
    if (!EDyesan->text().isEmpty()) client.yesan = numbers[0].value_or(0);
    client.dpungl = numbers[1].value_or(0);
    client.dpungu = numbers[2].value_or(0);
    client.gpungl = numbers[3].value_or(0);
    client.gpungu = numbers[4].value_or(0);
    client.memo1 = Memo1->toPlainText();
    return client;
}

void TFMbur_imd::saveAsNew() {
    const std::optional<ClientRecord> client = clientFromControls();
    if (!client) return;
    savedNumber_ = saveClient(*client, ClientSave::AsNew).value_or(QString());
    dialogs().beep();
    dialogs().information(QStringLiteral("자료를 등록하였습니다 ...!"));
    EDname->setFocus();
}

void TFMbur_imd::saveChange() {
    std::optional<ClientRecord> client = clientFromControls();
    if (!client) return;
    client->changes = loaded_.record.changes;
    std::optional<QString> saved;
    for (;;) {
        try {
            saved = saveClient(*client, ClientSave::AsChange, scancode);
            break;
        } catch (const ClientChangedElsewhere& changed) {
            const ChangedElsewhereChoice choice =
                askChangedElsewhere(QStringLiteral("손님 자료를"), changed.current.record.changedBy,
                                    changedClientFields(loaded_, changed.current));
            if (choice == ChangedElsewhereChoice::Cancel) return;
            if (choice == ChangedElsewhereChoice::ReadAgain) {
                showClient(changed.current);
                return;
            }
            // Overwrite: this form's request over the one now stored.
            client->changes = changed.current.record.changes;
            loaded_ = changed.current;
        }
    }
    if (saved) {
        dialogs().beep();
        dialogs().information(QStringLiteral("자료를 수정하였습니다 ...!"));
    } else {
        dialogs().information(QStringLiteral("자료의 수정에 실패하였습니다 ...!"));
    }
    close();
}

void TFMbur_imd::deleteRequest() {
    dialogs().beep();
    if (dialogs().askYesNo(QStringLiteral("선택한 자료를 삭제할까요...!"))) {
        const bool found = deleteClient(scancode);
        dialogs().information(found ? QStringLiteral("자료를 삭제하였습니다 ...!")
                                    : QStringLiteral("해당되는 자료가 존재하지 않습니다 ...!"));
    }
    close();
}

void TFMbur_imd::openCodes() {
    {
        TFMbu_cod codes(this);
        codes.exec();
    }
    refillCodeListsKeepingChoices();
}
