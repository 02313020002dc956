#include "listings/tfmbu_imd.h"

#include "clients/client_match.h"
#include "clients/match_settings.h"
#include "clients/tfmbur_fit.h"
#include "common/action_guard.h"
#include "common/changed_elsewhere.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "common/form_keys.h"
#include "common/input_checks.h"
#include "common/number_format.h"
#include "data/table.h"
#include "listings/listing_amounts.h"
#include "listings/listing_deletion.h"
#include "listings/listing_entry_checks.h"
#include "listings/listing_phone_lookup.h"
#include "listings/tfmbu_cod.h"
#include "listings/tfmpictcho.h"
#include "tools/tfmzip.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

const char* const kSensitiveFields[] = {"EDcname1",  "EDname",      "EDhtel",  "EDotel",
                                        "EDhphone",  "EDbuildname", "EDhtel1", "EDotel1",
                                        "EDhphone1", "EDaddr1"};

// Left with a whole number, these recompute the price per pyeong and the difference.
const char* const kDerivingNumberFields[] = {"EDdpung",   "EDtmprice", "EDrendmoney",
                                             "EDensurem", "EDmonthm",  "EDtbipumm"};
const char* const kDateFields[] = {"EDinday",     "EDgdfirst", "EDgdsecond", "EDipjuday",
                                   "EDexpireday", "EDmidDay",  "EDlastDay"};

template <std::size_t N>
bool isOneOf(const QString& name, const char* const (&names)[N]) {
    for (const char* candidate : names) {
        if (name == QLatin1String(candidate))
            return true;
    }
    return false;
}

const ListingNumberField* numberFieldOf(const QString& name) {
    for (const ListingNumberField& f : listingNumberFields()) {
        if (name == QLatin1String(f.control)) return &f;
    }
    return nullptr;
}

bool isNumberField(const QString& name) {
    return numberFieldOf(name) != nullptr;
}

// The hourglass while a long action runs.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

TFMbu_imd::TFMbu_imd(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("TFMbu_imd"));
    buildForm();
    connectControls();
    installFieldHandling();
}

TFMbu_imd::~TFMbu_imd() {
    // The fields lose the focus while they are destroyed; nothing of the form may run then.
    for (QLineEdit* field : std::as_const(edits_))
        field->removeEventFilter(this);
    for (QPushButton* button : {BTinp, BTmod, BTdel, BTquit, BTcode, BTpictInp, BTclients}) {
        button->removeEventFilter(this);
    }
}

QLineEdit* TFMbu_imd::edit(const char* name) const {
    return edits_.value(QLatin1String(name), nullptr);
}

void TFMbu_imd::connectControls() {
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { saveAsNew(); }));
    connect(BTmod, &QPushButton::clicked, this, guarded([this] { saveChange(); }));
    connect(BTdel, &QPushButton::clicked, this, guarded([this] { deleteListing(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { close(); });
    connect(BTcode, &QPushButton::clicked, this, guarded([this] { openCodes(); }));
    connect(BTpictInp, &QPushButton::clicked, this, guarded([this] { openPhotos(); }));
    connect(BTclients, &QPushButton::clicked, this, guarded([this] { showFittingClients(); }));
    connect(BTzip, &QPushButton::clicked, this, guarded([this] { lookUpPostalCode(); }));
    connect(CBim, &QComboBox::currentIndexChanged, this,
            guarded([this] { fillClassificationList(); }));
    connect(RBhide, &QRadioButton::clicked, this, [this] {
        if (entryMode != 1)
            setSensitiveHidden(true);
    });
    connect(RBview, &QRadioButton::clicked, this, [this] { setSensitiveHidden(false); });
}

void TFMbu_imd::installFieldHandling() {
    QList<QWidget*> keyed;
    for (QLineEdit* field : std::as_const(edits_))
        field->installEventFilter(this);
    // Enter and the arrows walk the entry fields and drop-down lists in tab order.
    for (QWidget* w = EDname; w; w = w->nextInFocusChain()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
            keyed.append(w);
        if (w->nextInFocusChain() == EDname)
            break;
    }
    FocusKeys::install(keyed, true);
    makeMemo(Memo1);
    makeMemo(Memo2);
    for (QPushButton* button : {BTinp, BTmod, BTdel, BTquit, BTcode, BTpictInp, BTclients}) {
        button->installEventFilter(this);
    }
}

void TFMbu_imd::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    formActivate();
}

// --- Activation -------------------------------------------------------------

void TFMbu_imd::formActivate() {
    if (activated_)
        return;
    activated_ = true;
    if (!runGuarded([this] { activate(); }))
        closeSoon();
}

void TFMbu_imd::activate() {
    if (entryMode == 1) {
        startNewListing();
        BTinp->setEnabled(true);
        BTmod->setEnabled(false);
        BTdel->setEnabled(false);
        BTcode->setEnabled(true);
        EDname->setFocus();
        return;
    }
    const bool viewOnly = entryMode != 2;
    if (viewOnly)
        setSensitiveHidden(true);
    if (!loadHandedInListing()) {
        closeSoon();
        return;
    }
    BTinp->setEnabled(!viewOnly);
    BTmod->setEnabled(!viewOnly);
    BTdel->setEnabled(!viewOnly);
    BTcode->setEnabled(false);
    if (viewOnly) {
        BTquit->setFocus();
    } else {
        EDname->setFocus();
    }
}

void TFMbu_imd::startNewListing() {
    CBim->setCurrentIndex(0);
    fillClassificationList();
    loadedDates_ = {};
    edit("EDinday")->setText(todayText());
    for (const ListingNumberField& f : listingNumberFields()) {
        if (f.grouped)
            edit(f.control)->setText(QStringLiteral("0"));
    }
}

bool TFMbu_imd::loadHandedInListing() {
    currentNumber_ = scancode;
    const std::optional<ListingRecord> listing = loadListing(scancode);
    if (!listing)
        return false;
    showListing(*listing);
    return true;
}

void TFMbu_imd::showListing(const ListingRecord& listing) {
    for (const ListingTextField& f : listingTextFields())
        edit(f.control)->setText(listing.*f.member);
    {
        const QSignalBlocker quiet(CBim);
        selectStoredText(CBim, listing.im);
    }
    fillClassificationList();
    selectStoredText(CBcname, listing.cname);
    for (const ListingNumberField& f : listingNumberFields()) {
        const qint64 value = listing.*f.member;
        edit(f.control)->setText(f.grouped ? formatAmount(value) : QString::number(value));
    }
    CKBreqing->setChecked(listing.reqing);
    CKBkwanggo->setChecked(listing.kwanggo);
    loadedDates_ = {listing.midday.left(10), listing.lastday.left(10)};
    loaded_ = listing;
    Memo1->setPlainText(listing.memo1);
    Memo2->setPlainText(listing.memo2);
    const qint64 difference =
        listingDifference(listing.tmprice, listing.rendmoney, listing.ensurem);
    statusPanel0_->setText(loadedDifferenceText(difference));
}

// Shows a stored value in a drop-down list. A value the list does not offer
// (a code deleted since) is added, so that saving the listing keeps it.
void TFMbu_imd::selectStoredText(QComboBox* box, const QString& text) {
    int index = comboSearch(box, text);
    if (index == 0 && !text.isEmpty() && box->itemText(0) != text) {
        box->addItem(text);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

void TFMbu_imd::fillClassificationList() {
    CBcname->clear();
    CBcname->addItem(QStringLiteral("전체"));
    CBcname->setCurrentIndex(0);
    const QString deal = CBim->currentText();
    if (deal == QStringLiteral("전체"))
        return;
    const QString category =
        deal == QStringLiteral("임대") ? QStringLiteral("I") : QStringLiteral("M");
    Table codes(QStringLiteral("BUCODE.DB"));
    codes.open();
    for (codes.first(); !codes.eof(); codes.next()) {
        if (codes.text(QStringLiteral("gubun")) == category) {
            CBcname->addItem(codes.text(QStringLiteral("code")));
        }
    }
    codes.close();
    CBcname->setCurrentIndex(0);
}

void TFMbu_imd::closeSoon() {
    // Closed from the event loop, so that exec() has started and returns at once.
    QTimer::singleShot(0, this, [this] { reject(); });
}

// --- Field behaviour --------------------------------------------------------

bool TFMbu_imd::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        markFocusedButton(button, event->type() == QEvent::FocusIn);
        return false;
    }
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress:
            if (field == EDaddr && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
                runGuarded([this] { lookUpPostalCode(); });
                return true;
            }
            break;
        case QEvent::FocusIn:
            if (field != enteredField_) {
                enteredField_ = field;
                if (isNumberField(field->objectName()))
                    enterNumberField(field);
            }
            break;
        case QEvent::FocusOut: {
            // Leaving the window (a message box, another program, closing the form) is
            // not leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
                break;
            if (!isVisible())
                break;
            if (field == enteredField_) {
                enteredField_ = nullptr;
                leaveField(field);
            }
            break;
        }
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

// The commas go for editing. A text refused for its decimal point comes back
// as typed, so that the user corrects it instead of finding ten times the value.
void TFMbu_imd::enterNumberField(QLineEdit* field) {
    if (!halfWidthNumberText(field->text()).contains(QLatin1Char('.')))
        field->setText(digitsOnly(field->text(), QStringLiteral("0")));
}

void TFMbu_imd::leaveField(QLineEdit* field) {
    const QString name = field->objectName();
    if (isNumberField(name)) {
        leaveNumberField(field);
    } else if (isOneOf(name, kDateFields)) {
        leaveDateField(field);
    } else if (field == EDhtel) {
        runGuarded([this] { lookUpTelephone(); });
    }
}

// A whole number is shown with thousands commas; anything else keeps the
// focus in the field (see leaveWholeNumberField), and nothing is derived.
void TFMbu_imd::leaveNumberField(QLineEdit* field) {
    const QString label = QString::fromUtf8(numberFieldOf(field->objectName())->label);
    if (!leaveWholeNumberField(field, label)) return;
    if (const std::optional<QString> shown = leftAmountText(field->text())) field->setText(*shown);
    if (isOneOf(field->objectName(), kDerivingNumberFields)) showDerivedAmounts();
}

void TFMbu_imd::showDerivedAmounts() {
    const DerivedAmounts derived =
        deriveAmounts(edit("EDdpung")->text(), edit("EDtmprice")->text(),
                      edit("EDrendmoney")->text(), edit("EDensurem")->text());
    if (derived.pricePerPyeongText)
        edit("EDmpricepp")->setText(*derived.pricePerPyeongText);
    if (derived.statusText)
        statusPanel0_->setText(*derived.statusText);
}

void TFMbu_imd::leaveDateField(QLineEdit* field) {
    if (!normalizeDateField(field))
        field->setFocus();
}

void TFMbu_imd::lookUpTelephone() {
    CBexistList->clear();
    const QStringList others = listingsWithTelephone(EDhtel->text());
    QPalette palette = CBexistList->palette();
    palette.setColor(QPalette::Base, others.isEmpty() ? Qt::white : Qt::yellow);
    palette.setColor(QPalette::Button, others.isEmpty() ? Qt::white : Qt::yellow);
    CBexistList->setPalette(palette);
    if (others.isEmpty())
        return;
    CBexistList->addItems(others);
    CBexistList->setCurrentIndex(0);
}

void TFMbu_imd::lookUpPostalCode() {
    TFMzip lookUp(this);
    lookUp.EDaddr->setText(EDaddr->text());
    lookUp.exec();
    if (!lookUp.chosen())
        return;
    if (EDaddr1->text().isEmpty())
        EDaddr1->setText(lookUp.zip());
    EDaddr->setText(lookUp.addr());
}

void TFMbu_imd::setSensitiveHidden(bool hidden) {
    for (const char* name : kSensitiveFields) {
        QLineEdit* field = edit(name);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, hidden ? Qt::white : Qt::black);
        field->setPalette(palette);
    }
}

void TFMbu_imd::markFocusedButton(QPushButton* button, bool focused) {
    if (!focused) {
        ShapeBT->hide();
        return;
    }
    ShapeBT->move(ShapeBT->x(), button->y() - 3);
    ShapeBT->show();
    ShapeBT->lower();
}

// --- Button actions ---------------------------------------------------------

// The listing as the controls show it; nothing (after a warning, with the
// focus in the field) when a text is too long for its field or a number too
// large for a listing.
std::optional<ListingRecord> TFMbu_imd::listingFromControls() {
    ListingRecord listing;
    for (const ListingTextField& f : listingTextFields()) {
        QLineEdit* field = edit(f.control);
        if (!fitsField(field->text(), f.bytes)) {
            dialogs().warning(textTooLongMessage(QString::fromUtf8(f.label), f.bytes));
            field->setFocus();
            return std::nullopt;
        }
        listing.*f.member = field->text();
    }
    for (const ListingNumberField& f : listingNumberFields()) {
        QLineEdit* field = edit(f.control);
        if (halfWidthNumberText(field->text()).contains(QLatin1Char('.'))) {
            dialogs().warning(decimalPointMessage(QString::fromUtf8(f.label)));
            field->setFocus();
            return std::nullopt;
        }
        const std::optional<qint64> value = numberFromDigits(field->text());
        if (!value) {
            dialogs().warning(numberTooLargeMessage(QString::fromUtf8(f.label)));
            field->setFocus();
            return std::nullopt;
        }
        listing.*f.member = *value;
    }
    listing.im = CBim->currentText();
    listing.cname = CBcname->currentText();
    listing.reqing = CKBreqing->isChecked();
    listing.kwanggo = CKBkwanggo->isChecked();
    listing.memo1 = Memo1->toPlainText();
    listing.memo2 = Memo2->toPlainText();
    return listing;
}

void TFMbu_imd::saveAsNew() {
    const std::optional<ListingRecord> listing = listingFromControls();
    if (!listing)
        return;
    const std::optional<QString> number = saveListing(*listing, SaveKind::AsNew, {}, loadedDates_);
    currentNumber_ = number.value_or(QString());
    dialogs().beep();
    dialogs().information(QStringLiteral("자료를 등록하였습니다 ...!"));
    EDname->setFocus();
    offerWaitingClients(currentNumber_);
}

// After a new listing was saved: how many waiting clients it fits, and
// their list when the broker wants it.
void TFMbu_imd::offerWaitingClients(const QString& number) {
    const std::optional<MatchListing> listing = loadMatchListing(number);
    if (!listing) return;
    int waiting = 0;
    for (const FittingClient& client : clientsFittingListing(*listing, readMatchSettings())) {
        if (isWaitingClient(client.working)) ++waiting;
    }
    if (waiting == 0) return;
    if (!dialogs().askYesNo(
            QStringLiteral("이 물건에 맞는 손님이 %1명 있습니다. 손님 목록을 볼까요 ...?").arg(waiting)))
        return;
    TFMbur_fit clients(this);
    clients.setListing(*listing, listingDescription(*listing));
    clients.exec();
}

// The clients the listing as the form shows it fits, saved or not.
void TFMbu_imd::showFittingClients() {
    const std::optional<ListingRecord> shown = listingFromControls();
    if (!shown) return;
    const MatchListing listing = matchListingOf(*shown);
    TFMbur_fit clients(this);
    clients.setListing(listing, listingDescription(listing));
    clients.exec();
}

void TFMbu_imd::saveChange() {
    std::optional<ListingRecord> listing = listingFromControls();
    if (!listing)
        return;
    listing->changes = loaded_.changes;
    std::optional<QString> saved;
    for (;;) {
        try {
            saved = saveListing(*listing, SaveKind::AsChange, scancode, loadedDates_);
            break;
        } catch (const ListingChangedElsewhere& changed) {
            const ChangedElsewhereChoice choice = askChangedElsewhere(
                QStringLiteral("물건을"), changed.current.changedBy, changedFields(loaded_, changed.current));
            if (choice == ChangedElsewhereChoice::Cancel) return;
            if (choice == ChangedElsewhereChoice::ReadAgain) {
                showListing(changed.current);
                return;
            }
            // Overwrite: this form's listing over the one now stored.
            listing->changes = changed.current.changes;
            loaded_ = changed.current;
            loadedDates_ = {changed.current.midday.left(10), changed.current.lastday.left(10)};
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

void TFMbu_imd::deleteListing() {
    dialogs().beep();
    if (!dialogs().askYesNo(QStringLiteral("선택한 자료와 사진을 삭제할까요...!"))) {
        close();
        return;
    }
    {
        const WaitCursor hourglass;
        deleteListingWithPhotos(scancode);
    }
    deleted = true;
    close();
}

void TFMbu_imd::openPhotos() {
    if (currentNumber_.isEmpty()) {
        dialogs().information(QStringLiteral("물건 정보를 등록 후 사진을 등록할 수 있습니다 ...!"));
        return;
    }
    TFMpictCho chooser(this);
    chooser.LBscanBud->setText(currentNumber_);
    chooser.exec();
}

void TFMbu_imd::openCodes() {
    {
        TFMbu_cod codes(this);
        codes.exec();
    }
    fillClassificationList();
}
