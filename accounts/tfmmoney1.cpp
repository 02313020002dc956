#include "accounts/tfmmoney1.h"

#include "accounts/cash_entry.h"
#include "common/action_guard.h"
#include "common/cp949.h"
#include "common/dates.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "common/input_checks.h"
#include "common/number_format.h"
#include "data/query.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kRemarkBytes = 30;
const QString kAmountLabel = QStringLiteral("금액");
const QString kTaxLabel = QStringLiteral("세액");

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* caption(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// Why a typed amount could not be read: a decimal point, more digits than
// any amount has, or characters that are no number.
QString notAnAmountMessage(const QString& typed, const QString& label) {
    if (typed.contains(u'.')) return decimalPointMessage(label);
    const bool digits = std::all_of(typed.begin(), typed.end(), [](QChar c) {
        return c.isDigit() || c == u',' || c == u' ' || c == u'-';
    });
    if (digits) return wholeNumberTooLargeMessage(label);
    return QStringLiteral("%1 항목에는 숫자로 입력하세요 ...!").arg(label);
}

}  // namespace

TFMmoney1::TFMmoney1(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMmoney1"));
    setWindowTitle(QStringLiteral("매입 / 매출 등록"));
    setFont(QFont(QStringLiteral("굴림체"), 10));
    buildForm();
    connectControls();
}

TFMmoney1::~TFMmoney1() {
    // The fields lose the focus while they are destroyed; nothing of the form may run then.
    for (QLineEdit* field : {DBEdit1, DBEmoney, DBEvat})
        field->removeEventFilter(this);
}

void TFMmoney1::buildForm() {
    DBEdit1 = named(new QLineEdit(this), "DBEdit1");
    DBEdit1->setMaxLength(10);
    CBcomname = named(new QComboBox(this), "CBcomname");
    CBcomno = named(new QComboBox(this), "CBcomno");
    CBcomno->hide();
    CBgubun = named(new QComboBox(this), "CBgubun");
    CBgubun->addItems({QStringLiteral("매입"), QStringLiteral("매출")});
    DBEmoney = named(new QLineEdit(this), "DBEmoney");
    DBEvat = named(new QLineEdit(this), "DBEvat");
    for (QLineEdit* amount : {DBEmoney, DBEvat})
        amount->setAlignment(Qt::AlignRight);
    DBEdit4 = named(new QLineEdit(this), "DBEdit4");
    limitCp949(DBEdit4, kRemarkBytes);
    BTinp = named(new QPushButton(QStringLiteral("등록"), this), "BTinp");
    BTinp->setToolTip(QStringLiteral("신규 등록"));
    BTquit = named(new QPushButton(QStringLiteral("종료"), this), "BTquit");
    BTquit->setToolTip(QStringLiteral("메인화면으로 복귀"));
    for (QPushButton* button : {BTinp, BTquit}) {
        button->setAutoDefault(false);
        button->setMinimumHeight(34);
    }
    StatusBar1 =
        named(new QLabel(QStringLiteral("매입/매출 자료를 등록하세요 !"), this), "StatusBar1");
    StatusBar1->setFrameShape(QFrame::Panel);
    StatusBar1->setFrameShadow(QFrame::Sunken);
    StatusBar1->setIndent(6);
    StatusBar1->setFixedHeight(26);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    const struct {
        const char* label;
        QWidget* field;
    } rows[] = {{"일자", DBEdit1},  {"거래처", CBcomname}, {"구분", CBgubun},
                {"금액", DBEmoney}, {"세액", DBEvat},      {"내역", DBEdit4}};
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(caption(r.label, this), row, 0);
        grid->addWidget(r.field, row, 1);
        ++row;
    }
    grid->addWidget(BTinp, 0, 2, 3, 1);
    grid->addWidget(BTquit, 3, 2, 3, 1);
    // The fields stay together at the top; the message bar sits at the foot.
    grid->setRowStretch(row, 1);
    grid->addWidget(StatusBar1, row + 1, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setFixedSize(440, 300);

    const QList<QWidget*> order{DBEdit1, CBcomname, CBgubun, DBEmoney,
                                DBEvat,  DBEdit4,   BTinp,   BTquit};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TFMmoney1::connectControls() {
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { save(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { reject(); });
    // The hidden list of numbers follows the chosen partner.
    connect(CBcomname, &QComboBox::currentIndexChanged, CBcomno,
            [this](int index) { CBcomno->setCurrentIndex(index); });
    FocusKeys::install({DBEdit1, CBcomname, CBgubun, DBEmoney, DBEvat, DBEdit4}, false);
    for (QLineEdit* field : {DBEdit1, DBEmoney, DBEvat})
        field->installEventFilter(this);
}

void TFMmoney1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    formActivate();
}

void TFMmoney1::formActivate() {
    CBgubun->setCurrentIndex(0);
    runGuarded([this] { fillPartners(); });
    startNewEntry();
}

void TFMmoney1::fillPartners() {
    CBcomname->clear();
    CBcomno->clear();
    Query partners;
    partners.add(QStringLiteral(
        "select u.\"comname\",u.\"comno\" from \"upche.dbf\" u order by u.\"comname\""));
    partners.open();
    for (; !partners.eof(); partners.next()) {
        CBcomname->addItem(partners.value(0).toString());
        CBcomno->addItem(partners.value(1).toString());
    }
    partners.close();
    if (CBcomname->count() > 0) CBcomname->setCurrentIndex(0);
}

void TFMmoney1::startNewEntry() {
    DBEdit1->clear();
    DBEmoney->setText(QStringLiteral("0"));
    DBEvat->setText(QStringLiteral("0"));
    DBEdit4->clear();
    DBEdit1->setFocus();
}

bool TFMmoney1::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn && field != DBEdit1) {
        // The commas go for editing (a minus sign stays, to be refused with
        // its message); the whole amount is selected to be typed over.
        field->setText(QString(field->text()).remove(u','));
        QTimer::singleShot(0, field, [field] { field->selectAll(); });
    } else if (event->type() == QEvent::FocusOut) {
        // Leaving the window (a message box, closing the form) is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && isVisible())
            leaveField(field);
    }
    return QDialog::eventFilter(watched, event);
}

void TFMmoney1::leaveField(QLineEdit* field) {
    if (field == DBEdit1) {
        // Going to "종료" drops the entry; nothing to check then.
        if (QApplication::focusWidget() == BTquit) return;
        if (!normalizeDateField(DBEdit1))
            QTimer::singleShot(0, DBEdit1, [this] { DBEdit1->setFocus(); });
        return;
    }
    const QString& label = field == DBEmoney ? kAmountLabel : kTaxLabel;
    if (!leaveWholeNumberField(field, label)) return;
    const qint64 value = amountFromText(field->text()).value_or(0);
    field->setText(formatAmount(value));
    if (field == DBEmoney) DBEvat->setText(formatAmount(taxOf(value)));
}

void TFMmoney1::save() {
    CashEntry entry;
    entry.day1 = DBEdit1->text();
    const int partner = CBcomname->currentIndex();
    if (partner >= 0) {
        entry.comname = CBcomname->currentText();
        entry.comno = CBcomno->itemText(partner);
    }
    entry.kind = CBgubun->currentIndex() == 1 ? EntryKind::Sale : EntryKind::Purchase;
    entry.remark = DBEdit4->text();
    const struct {
        QLineEdit* field;
        const QString& label;
        qint64& value;
    } amounts[] = {{DBEmoney, kAmountLabel, entry.amount}, {DBEvat, kTaxLabel, entry.vat}};
    for (const auto& a : amounts) {
        const QString typed = halfWidthNumberText(a.field->text());
        const std::optional<qint64> value = amountFromText(typed);
        if (!value || typed.contains(u'.')) {
            dialogs().warning(notAnAmountMessage(typed, a.label));
            a.field->setFocus();
            return;
        }
        a.value = *value;
    }
    if (const std::optional<EntryRefusal> refusal = entryRefusal(entry)) {
        dialogs().warning(refusal->message);
        switch (refusal->field) {
            case EntryField::Day:
                DBEdit1->setFocus();
                break;
            case EntryField::Partner:
                CBcomname->setFocus();
                break;
            case EntryField::Amount:
                DBEmoney->setFocus();
                break;
            case EntryField::Tax:
                DBEvat->setFocus();
                break;
            case EntryField::Remark:
                DBEdit4->setFocus();
                break;
        }
        return;
    }
    storedKeys_.append(storeEntry(entry));
    startNewEntry();
}
