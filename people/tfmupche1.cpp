#include "people/tfmupche1.h"

#include "common/action_guard.h"
#include "common/cp949.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "tools/tfmzip.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The hourglass while a save and its cascade run.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

bool samePartner(const PartnerRecord& a, const PartnerRecord& b) {
    for (const PartnerTextField& f : partnerTextFields()) {
        if (a.*f.member != b.*f.member) return false;
    }
    return true;
}

}  // namespace

TFMupche1::TFMupche1(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMupche1"));
    setWindowTitle(QStringLiteral("업체등록상세"));
    setFont(QFont(QStringLiteral("굴림체"), 10));
    buildForm();
    connectControls();
}

TFMupche1::~TFMupche1() {
    for (QLineEdit* f : std::as_const(fields_))
        f->removeEventFilter(this);
}

void TFMupche1::buildForm() {
    LBcomno = named(new QLabel(this), "LBcomno");
    LBcomno->hide();
    // The caption of each field; the address names its look-up key.
    const QHash<QString, QString> captions{
        {QStringLiteral("EDcomaddr"), QStringLiteral("사업장주소(F2)")}};
    auto* grid = new QGridLayout;
    int row = 0;
    for (const PartnerTextField& f : partnerTextFields()) {
        auto* edit = named(new QLineEdit(this), f.control);
        limitCp949(edit, f.bytes);
        const QString control = QLatin1String(f.control);
        auto* label = new QLabel(captions.value(control, QString::fromUtf8(f.label)), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        fields_.append(edit);
        ++row;
    }
    EDcomno = field("EDcomno");
    EDcomname = field("EDcomname");
    EDname = field("EDname");
    EDcomaddr = field("EDcomaddr");
    EDcomaddr->setToolTip(QStringLiteral("F2: 우편번호부에서 주소 찾기"));
    EDzip = field("EDzip");
    EDupta = field("EDupta");
    EDjugmook = field("EDjugmook");
    EDtelno = field("EDtelno");
    EDfaxno = field("EDfaxno");
    EDremark = field("EDremark");

    BTinp = named(new QPushButton(QStringLiteral("등록"), this), "BTinp");
    BTquit = named(new QPushButton(QStringLiteral("종료"), this), "BTquit");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {BTinp, BTquit}) {
        b->setAutoDefault(false);
        b->setMinimumSize(90, 40);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* outer = new QHBoxLayout(this);
    outer->addLayout(grid, 1);
    outer->addLayout(buttons);
    // The field being typed into is yellow, the others silver.
    setStyleSheet(
        QStringLiteral("QLineEdit { background: silver; } "
                       "QLineEdit:focus { background: yellow; }"));
    setFixedSize(520, 380);
    QList<QWidget*> order(fields_.begin(), fields_.end());
    order << BTinp << BTquit;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QLineEdit* TFMupche1::field(const char* control) const {
    for (QLineEdit* f : fields_) {
        if (f->objectName() == QLatin1String(control)) return f;
    }
    return nullptr;
}

void TFMupche1::connectControls() {
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { save(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { quit(); });
    // Esc is "종료", which asks itself before dropping anything typed.
    setEscapePresses(BTquit, [] { return false; });
    FocusKeys::install(QList<QWidget*>(fields_.begin(), fields_.end()), false);
    for (QLineEdit* f : std::as_const(fields_))
        f->installEventFilter(this);
}

void TFMupche1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    runGuarded([this] { formActivate(); });
}

void TFMupche1::formActivate() {
    const QString number = LBcomno->text();
    if (number.isEmpty()) {
        startNewPartner();
        return;
    }
    const std::optional<PartnerRecord> partner = loadPartner(number);
    if (!partner) {
        dialogs().information(partnerNotFoundMessage());
        BTinp->setEnabled(false);
        return;
    }
    old_ = PartnerKey{partner->comno, partner->comname};
    showPartner(*partner);
    EDcomno->setFocus();
}

void TFMupche1::showPartner(const PartnerRecord& partner) {
    for (const PartnerTextField& f : partnerTextFields())
        field(f.control)->setText(partner.*f.member);
    shown_ = partner;
}

void TFMupche1::startNewPartner() {
    old_.reset();
    showPartner(PartnerRecord{});
    EDcomno->setFocus();
}

PartnerRecord TFMupche1::fromFields() const {
    PartnerRecord partner;
    for (const PartnerTextField& f : partnerTextFields())
        partner.*f.member = field(f.control)->text();
    return partner;
}

bool TFMupche1::hasUnsavedChanges() const {
    return BTinp->isEnabled() && !samePartner(fromFields(), shown_);
}

bool TFMupche1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == EDcomaddr && key == Qt::Key_F2) {
        runGuarded([this] { lookUpPostalCode(); });
        return true;
    }
    // The arrows walk the fields, but not up out of the first nor down out of the last.
    if (key == Qt::Key_Up && watched != EDcomno) {
        focusNext(static_cast<QWidget*>(watched), false);
        return true;
    }
    if (key == Qt::Key_Down && watched != EDremark) {
        focusNext(static_cast<QWidget*>(watched), true);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFMupche1::lookUpPostalCode() {
    TFMzip lookUp(this);
    lookUp.EDaddr->setText(EDcomaddr->text());
    lookUp.exec();
    if (!lookUp.chosen()) return;
    EDcomaddr->setText(lookUp.addr());
    EDzip->setText(lookUp.zip());
    if (EDtelno->text().isEmpty()) EDtelno->setText(lookUp.ddd());
}

void TFMupche1::save() {
    PartnerSaveResult result;
    {
        const WaitCursor hourglass;
        result = savePartner(fromFields(), old_);
    }
    if (result.outcome != PartnerSaveOutcome::Saved) {
        if (result.outcome == PartnerSaveOutcome::DuplicateNumber) {
            dialogs().warning(result.message);
        } else {
            dialogs().information(result.message);
        }
        if (QLineEdit* f = field(result.control.toLatin1().constData())) f->setFocus();
        return;
    }
    // Told only once the partner and its cash book are committed.
    const bool change = old_.has_value();
    dialogs().information(partnerSavedMessage(change));
    emit saved();
    if (change) {
        shown_ = fromFields();
        accept();
        return;
    }
    startNewPartner();
}

void TFMupche1::quit() {
    if (hasUnsavedChanges() && !dialogs().askYesNo(escapeQuestion())) return;
    reject();
}
