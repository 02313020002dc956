// How the fields of the document forms behave: the highlight of the field
// being edited, the amount fields, the signing date and the two units of
// the areas.

#include "contracts/contract_form.h"

#include "common/dates.h"
#include "common/dialogs.h"
#include "contracts/amount_field.h"
#include "contracts/area_conversion.h"
#include "contracts/fee_panel.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
bool leavesWindowOnly(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}
}  // namespace

bool ContractForm::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    const bool isField =
        field && (field == memo_ || edits_.value(field->objectName().mid(2).toLower()) == field);
    if (!isField) return TaskForm::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn && field != enteredField_) {
        enteredField_ = field;
        enterField(field);
    } else if (event->type() == QEvent::FocusOut && !leavesWindowOnly(event) && isVisible() &&
               field == enteredField_) {
        // Leaving the window (a message, another program) is not leaving the field.
        enteredField_ = nullptr;
        leaveField(field);
    }
    return TaskForm::eventFilter(watched, event);
}

QString ContractForm::storedText(const QString& name) const {
    const QString key = name.toLower();
    if (memo_ && key == memoName_) return memo_->toPlainText();
    const QLineEdit* edit = edits_.value(key);
    if (!edit) return {};
    // An amount being edited shows its figure alone; it counts as the text
    // it becomes on leaving the field.
    const DocumentField* field = profile_.field(name);
    if (edit == enteredField_ && field && field->role == FieldRole::Amount) {
        if (const std::optional<QString> amount = amountFieldTextForTyped(edit->text()))
            return *amount;
    }
    return storedWonMark(edit->text());
}

void ContractForm::setShownText(const QString& name, const QString& stored) {
    const QString key = name.toLower();
    if (memo_ && key == memoName_) {
        const QSignalBlocker quiet(memo_);
        memo_->setPlainText(stored);
        return;
    }
    if (QLineEdit* edit = edits_.value(key)) edit->setText(shownWonMark(stored));
}

// The user changed the document: a stored row is now being edited; on a
// form with no row at all a new one begins.
void ContractForm::fieldEdited() {
    if (inserting_ || editing_) return;
    if (hasStoredRow()) {
        editing_ = true;
        return;
    }
    inserting_ = true;
    loaded_.clear();
    if (profile_.isContract()) copyOfficeDetails(/*intoEmptyOnly=*/true);
    showNewDocumentStatus();
    followCurrentRow();
}

void ContractForm::highlight(QWidget* field, bool on) {
    QPalette colours = field->palette();
    const QPalette standard = palette();
    colours.setColor(QPalette::Base, on ? QColor(Qt::blue) : standard.color(QPalette::Base));
    colours.setColor(QPalette::Text, on ? QColor(Qt::yellow) : QColor(Qt::black));
    field->setPalette(colours);
}

void ContractForm::enterField(QWidget* field) {
    highlight(field, true);
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (!edit) return;
    enteredText_ = edit->text();
    const DocumentField* document = profile_.field(edit->objectName().mid(2));
    if (document && document->role == FieldRole::Amount) edit->setText(amountFigure(edit->text()));
}

void ContractForm::leaveField(QWidget* field) {
    highlight(field, false);
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (!edit) return;
    const DocumentField* document = profile_.field(edit->objectName().mid(2));
    if (!document) return;
    switch (document->role) {
        case FieldRole::Amount:
            leaveAmountField(edit);
            break;
        case FieldRole::SignDay:
            if (const std::optional<QDate> date = parseDate(edit->text())) {
                const QString iso = isoDate(*date);
                if (iso != edit->text()) {
                    edit->setText(iso);
                    fieldEdited();
                }
            }
            break;
        case FieldRole::SquareMetres:
        case FieldRole::Pyeong:
            leaveAreaField(edit, *document);
            break;
        case FieldRole::Text:
        case FieldRole::Memo:
            break;
    }
}

void ContractForm::leaveAmountField(QLineEdit* field) {
    if (!inserting_ && !editing_ && !hasStoredRow() && field->text().isEmpty()) {
        // No document on the form and nothing typed: nothing to write.
        field->setText(enteredText_);
        return;
    }
    const std::optional<QString> text = amountFieldTextForTyped(field->text());
    if (!text) {
        dialogs().informationYes(amountTooLongMessage());
        field->setText(enteredText_);
        return;
    }
    const QString shown = shownWonMark(*text);
    field->setText(shown);
    if (shown != enteredText_) fieldEdited();
    showFee();
}

void ContractForm::leaveAreaField(QLineEdit* field, const DocumentField& area) {
    if (field->text() == enteredText_ || field->text().trimmed().isEmpty()) return;
    QLineEdit* other = edits_.value(area.partner.toLower());
    const DocumentField* partner = profile_.field(area.partner);
    if (!other || !partner || !other->text().trimmed().isEmpty()) return;
    const std::optional<QString> converted =
        area.role == FieldRole::SquareMetres
            ? pyeongFromSquareMetres(field->text(), partner->bytes)
            : squareMetresFromPyeong(field->text(), partner->bytes);
    if (!converted) return;
    other->setText(*converted);
    fieldEdited();
}

void ContractForm::showFee() {
    if (!fee_) return;
    const std::optional<qint64> amount = amountWon(storedText(QStringLiteral("ensurem")));
    const std::optional<qint64> rent = profile_.kind == DocumentKind::Lease
                                           ? amountWon(storedText(QStringLiteral("monthm")))
                                           : std::optional<qint64>(0);
    fee_->showAmounts(amount, rent);
}
