#include "contracts/contract_form.h"

#include "common/action_guard.h"
#include "common/changed_elsewhere.h"
#include "common/desk.h"
#include "common/dialogs.h"
#include "common/list_printer.h"
#include "contracts/document_labels.h"
#include "contracts/document_title.h"
#include "contracts/layout_printer.h"
#include "contracts/office_details.h"
#include "contracts/payment_check.h"
#include "contracts/tfmmy_lst.h"
#include "data/transaction.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString kBrowseHint = QStringLiteral("작성된 계약서 내용을 검색 또는 수정 합니다 ...!");
const QString kNewHint = QStringLiteral("새로운 계약서 내용을 입력 후 저장 버튼을 누르세요 ...!");
const QString kNewStatus = QStringLiteral("신규작성");

// The hourglass while a document is looked for.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The zero form an amount field takes when it is entered and left empty.
bool sameAmount(const QString& stored, const QString& shown) {
    static const QString zero = QStringLiteral("  (\\0)");
    return stored == shown || (stored.isEmpty() && shown == zero);
}

}  // namespace

ContractForm::ContractForm(const DocumentProfile& profile, QWidget* parent)
    : TaskForm(parent), profile_(profile), table_(profile.table) {
    setWindowTitle(profile.caption);
    buildFrame();
    connectControls();
    // Esc is the close button, which asks before typed text is thrown away.
    setEscapePresses(BTquit, [] { return false; });
    setWindowState(Qt::WindowMaximized);
}

ContractForm::~ContractForm() {
    // The fields lose the focus while they are destroyed; nothing of the form may run then.
    for (QLineEdit* field : std::as_const(edits_))
        field->removeEventFilter(this);
    if (memo_) memo_->removeEventFilter(this);
}

void ContractForm::connectControls() {
    connect(BTmod, &QPushButton::clicked, this, guarded([this] { saveDocument(); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { deleteDocument(); }));
    connect(BTnew, &QPushButton::clicked, this, guarded([this] { newDocument(); }));
    connect(BTprint, &QPushButton::clicked, this, guarded([this] { printDocument(); }));
    if (BTmy) connect(BTmy, &QPushButton::clicked, this, guarded([this] { editOfficeDetails(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { reject(); });
}

void ContractForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    formActivate();
}

// --- Modes ------------------------------------------------------------------

ContractForm::Mode ContractForm::mode() const {
    const QString text = LBscancode->text();
    if (text.isEmpty()) return Mode::Browse;
    if (text == QStringLiteral("New")) return Mode::New;
    if (text == QStringLiteral("Dtl")) return Mode::Detail;
    return Mode::Listing;
}

void ContractForm::formActivate() {
    if (activated_) return;
    activated_ = true;
    if (!runGuarded([this] { activate(); })) closeSoon();
}

void ContractForm::activate() {
    table_.open();
    switch (mode()) {
        case Mode::New:
            openNew();
            break;
        case Mode::Detail:
            openDetail();
            break;
        case Mode::Browse:
            openBrowse();
            break;
        case Mode::Listing:
            openFromListing();
            break;
    }
}

void ContractForm::openNew() {
    LBstatus->setText(kNewStatus);
    for (QPushButton* b : {BTnew, BTdel, BTprint})
        b->setEnabled(false);
    DBNavigator1->detach();
    startNewRow();
    StatusBar1->showMessage(kNewHint);
}

void ContractForm::openDetail() {
    const WaitCursor hourglass;
    LBstatus->setText(QStringLiteral("상세검색"));
    BTnew->setEnabled(false);
    setBrowseCaption();
    StatusBar1->showMessage(kBrowseHint);
    if (!findHandedDocument()) {
        dialogs().informationYes(
            QStringLiteral("선택한 %1를 찾을 수 없습니다 ...!").arg(documentWord()));
        closeSoon();
        return;
    }
    showStoredRow();
    editing_ = true;
    DBNavigator1->attach([this](RecordNavigator::Move move) { runGuarded([&] { moveTo(move); }); });
}

bool ContractForm::findHandedDocument() {
    if (documentKey > 0 && !profile_.keyField.isEmpty()) {
        return table_.findKey(QString::number(documentKey));
    }
    const QString address = LBsojaji->text();
    for (table_.first(); !table_.eof(); table_.next()) {
        if (table_.text(QStringLiteral("sojaji")) == address) return true;
    }
    return false;
}

void ContractForm::openBrowse() {
    setStatusCount();
    setBrowseCaption();
    showStoredRow();
    followCurrentRow();
    DBNavigator1->attach([this](RecordNavigator::Move move) { runGuarded([&] { moveTo(move); }); });
    StatusBar1->showMessage(kBrowseHint);
}

void ContractForm::openFromListing() {
    LBstatus->setText(kNewStatus);
    BTdel->setEnabled(false);
    BTprint->setEnabled(false);
    DBNavigator1->detach();
    startNewRow();
    const QString number = LBscancode->text();
    Table listings(QStringLiteral("BUDONG.DB"));
    listings.open();
    const bool found = listings.findKey(number);
    if (found) {
        for (const auto& [from, to] : profile_.listingCopies) {
            setShownText(to, listings.text(from));
        }
        for (const DocumentField& f : profile_.fields)
            loaded_.insert(f.name.toLower(), storedText(f.name));
        showFee();
    }
    listings.close();
    StatusBar1->showMessage(kNewHint);
    if (!found) {
        // A new, empty document rather than a stored one under a new label.
        dialogs().informationYes(
            QStringLiteral(
                "매물번호 %1 인 매물을 찾을 수 없습니다.\n새 %2를 빈 양식으로 작성합니다 ...!")
                .arg(number, documentWord()));
    }
}

QString ContractForm::documentWord() const {
    return profile_.isContract() ? QStringLiteral("계약서") : QStringLiteral("확인서");
}

// A new, unsaved row on the form: empty, with the office's details in a
// contract. What the form shows now counts as unchanged.
void ContractForm::startNewRow() {
    inserting_ = true;
    editing_ = false;
    showValues({});
    if (profile_.isContract()) copyOfficeDetails();
    loaded_.clear();
    for (const DocumentField& f : profile_.fields)
        loaded_.insert(f.name.toLower(), storedText(f.name));
    showFee();
}

void ContractForm::copyOfficeDetails(bool intoEmptyOnly) {
    const OfficeDetails office = readOfficeDetails();
    const QPair<QString, QString> copies[] = {{QStringLiteral("comadd1"), office.comadd1},
                                              {QStringLiteral("comtitle1"), office.comtitle1},
                                              {QStringLiteral("comname1"), office.comname1},
                                              {QStringLiteral("comno1"), office.comno1},
                                              {QStringLiteral("comtel1"), office.comtel1}};
    for (const auto& [name, value] : copies) {
        if (!intoEmptyOnly || storedText(name).isEmpty()) setShownText(name, value);
    }
}

void ContractForm::showStoredRow() {
    inserting_ = false;
    editing_ = false;
    QHash<QString, QString> values;
    if (hasStoredRow()) {
        for (const DocumentField& f : profile_.fields) {
            values.insert(f.name.toLower(), table_.text(f.name));
        }
    }
    showValues(values);
    loaded_.clear();
    for (const DocumentField& f : profile_.fields)
        loaded_.insert(f.name.toLower(), values.value(f.name.toLower()));
    showFee();
}

void ContractForm::showValues(const QHash<QString, QString>& values) {
    for (const DocumentField& f : profile_.fields)
        setShownText(f.name, values.value(f.name.toLower()));
}

void ContractForm::setStatusCount() {
    LBstatus->setText(QStringLiteral("검색: ") + QString::number(table_.recordCount()));
}

qint64 ContractForm::storedKey() const {
    if (inserting_ || !hasStoredRow() || profile_.keyField.isEmpty()) return 0;
    return table_.integer(profile_.keyField);
}

bool ContractForm::hasCurrentRow() const {
    return inserting_ || hasStoredRow();
}

void ContractForm::followCurrentRow() {
    BTdel->setEnabled(hasCurrentRow());
    BTprint->setEnabled(hasCurrentRow());
}

void ContractForm::setBrowseCaption() {
    BTmod->setText(QStringLiteral("수 정"));
    BTmod->setToolTip(QStringLiteral("수정된 내용으로 갱신합니다"));
}

bool ContractForm::hasUnsavedChanges() const {
    if (!inserting_ && !editing_) return false;
    for (const DocumentField& f : profile_.fields) {
        const QString stored = loaded_.value(f.name.toLower());
        const QString shown = storedText(f.name);
        if (f.role == FieldRole::Amount ? !sameAmount(stored, shown) : stored != shown) return true;
    }
    return false;
}

bool ContractForm::hasContent() const {
    for (const DocumentField& f : profile_.fields) {
        if (!storedText(f.name).trimmed().isEmpty()) return true;
    }
    return false;
}

bool ContractForm::confirmLeavingChanges(const QString& question) {
    return !hasUnsavedChanges() || dialogs().askYesNo(question);
}

void ContractForm::moveTo(RecordNavigator::Move move) {
    if (!confirmLeavingChanges(
            QStringLiteral("입력한 내용이 저장되지 않았습니다. 다른 %1로 옮겨갈까요 ...?")
                .arg(documentWord()))) {
        return;
    }
    switch (move) {
        case RecordNavigator::Move::First:
            table_.first();
            break;
        case RecordNavigator::Move::Prior:
            table_.prior();
            break;
        case RecordNavigator::Move::Next:
            table_.next();
            break;
        case RecordNavigator::Move::Last:
            table_.last();
            break;
    }
    showStoredRow();
    followCurrentRow();
}

DocumentRow ContractForm::documentRow() const {
    DocumentRow row;
    for (const FieldDef& field : table_.info().fields) {
        if (edits_.contains(field.name.toLower()) || field.name.toLower() == memoName_) {
            row.set(field.name, storedText(field.name));
        } else {
            row.set(field.name,
                    inserting_ || !hasStoredRow() ? QString() : table_.text(field.name));
        }
    }
    return row;
}

void ContractForm::closeSoon() {
    // Closed from the event loop, so that exec() has started and returns at once.
    QTimer::singleShot(0, this, [this] {
        confirmedClose_ = true;
        reject();
    });
}

void ContractForm::reject() {
    if (!confirmedClose_ && hasUnsavedChanges() && !dialogs().askYesNo(escapeQuestion())) return;
    QDialog::reject();
}

// --- Buttons ----------------------------------------------------------------

void ContractForm::saveDocument() {
    if (!inserting_ && !editing_) return;
    if (profile_.isContract() && storedText(QStringLiteral("sojaji")).trimmed().isEmpty()) {
        dialogs().informationYes(QStringLiteral("소재지를 입력하세요 ..!"));
        edits_.value(QStringLiteral("sojaji"))->setFocus();
        return;
    }
    if (const std::optional<QString> question =
            paymentMismatchQuestion(profile_.kind, documentRow())) {
        if (!dialogs().askYesNo(*question)) return;
    }
    if (!storeRow()) return;
    BTdel->setEnabled(true);
    BTprint->setEnabled(true);
    dialogs().informationYes(profile_.savedMessage);
    setStatusCount();
}

// Writes the form's row: a new row, or the changes of the stored one. When
// the store refuses, nothing is written and the form keeps what was typed.
// When another desk saved the document since the form read it, the user
// chooses; false when nothing was saved then.
bool ContractForm::storeRow() {
    while (!writeRow()) {
        if (!settleChangeElsewhere()) return false;
    }
    showStoredRow();
    return true;
}

// One try at writing the row, in one transaction; false, with nothing
// written, when another desk saved the stored row meanwhile.
bool ContractForm::writeRow() {
    Transaction transaction(Database::qdb3());
    try {
        const QString changes = QStringLiteral("changes");
        qint64 count = 1;
        if (inserting_) {
            table_.append();
        } else {
            // The count moves on only from the value the form read; the
            // statement holds the row until the action ends.
            const qint64 loaded = table_.integer(changes);
            const QVariant key = profile_.keyField.isEmpty() ? QVariant(table_.rowId())
                                                             : table_.value(profile_.keyField);
            if (!claimRowChange(Database::qdb3(), profile_.table, profile_.keyField, key, loaded))
                return false;
            count = loaded + 1;
            table_.edit();
        }
        for (const DocumentField& f : profile_.fields)
            table_.setValue(f.name, storedText(f.name));
        table_.setValue(changes, count);
        table_.setValue(QStringLiteral("changedby"), deskNumber());
        table_.post();
        transaction.commit();
    } catch (...) {
        table_.cancel();
        throw;
    }
    return true;
}

// Another desk saved the document (or deleted it) since the form read it:
// says what it changed and lets the user read it again, overwrite it or go
// back to the form. True when the form's document is to be written again.
bool ContractForm::settleChangeElsewhere() {
    if (!table_.refresh()) {
        dialogs().information(
            QStringLiteral("이 %1는 이미 삭제되었습니다. 저장하지 않았습니다 ...!")
                .arg(documentWord()));
        return false;
    }
    QStringList changes;
    for (const DocumentField& f : profile_.fields) {
        noteChangedField(changes, documentFieldLabel(profile_.kind, f.name),
                         loaded_.value(f.name.toLower()), table_.text(f.name));
    }
    switch (askChangedElsewhere(documentWord() + u'를', table_.text(QStringLiteral("changedby")),
                                changes)) {
        case ChangedElsewhereChoice::ReadAgain:
            showStoredRow();
            followCurrentRow();
            return false;
        case ChangedElsewhereChoice::Cancel:
            return false;
        case ChangedElsewhereChoice::Overwrite:
            break;
    }
    // What the other desk saved is now what this form changes.
    for (const DocumentField& f : profile_.fields)
        loaded_.insert(f.name.toLower(), table_.text(f.name));
    return true;
}

void ContractForm::deleteDocument() {
    dialogs().beep();
    if (!dialogs().askYesNo(QStringLiteral("선택한 자료를 삭제할까요...!"))) return;
    if (!inserting_ && hasStoredRow()) {
        Transaction transaction(Database::qdb3());
        table_.deleteRow();
        transaction.commit();
    }
    showStoredRow();
    followCurrentRow();
    setStatusCount();
}

void ContractForm::newDocument() {
    if (profile_.isContract()) {
        if (!confirmLeavingChanges(
                QStringLiteral("입력한 내용이 저장되지 않았습니다. 새로 작성할까요 ...?"))) {
            return;
        }
    } else if ((inserting_ && hasContent()) || (editing_ && hasUnsavedChanges())) {
        // The sheet on the form is kept before a new one is begun.
        if (!storeRow()) return;
        dialogs().informationYes(profile_.savedMessage);
    }
    startNewRow();
    showNewDocumentStatus();
    edits_.value(profile_.addressField.toLower())->setFocus();
}

void ContractForm::showNewDocumentStatus() {
    LBstatus->setText(kNewStatus);
    BTmod->setText(QStringLiteral("저 장"));
    BTmod->setToolTip(QStringLiteral("작성된 계약서 등록"));
    StatusBar1->showMessage(kNewHint);
}

void ContractForm::printDocument() {
    const DocumentRow row = documentRow();
    LayoutMemo memo;
    if (memo_) memo.text = memo_->toPlainText();
    const LayoutRun run{profile_.layoutTable, profile_.jobTitle, profile_.isContract() ? 0 : 5,
                        memo_ ? &memo : nullptr};
    const int runs = CKB3print && CKB3print->isChecked() ? 3 : 1;
    const Dialogs::PrintRequest request{
        documentTitle(profile_.documentName, storedText(profile_.addressField),
                      storedText(profile_.dateField)),
        PrintDevice::Orientation::Portrait, [&](PrintDevice& device) {
            for (int i = 0; i < runs; ++i) {
                if (!printLayout(device, run, row)) return;
            }
        }};
    printWithDialog(request, printerProblemMessage());
}

void ContractForm::editOfficeDetails() {
    {
        TFMmy_lst office(this);
        office.exec();
    }
    if (inserting_ || editing_) copyOfficeDetails();
}
