#include "contracts/fee_panel.h"

#include "common/number_format.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
QString won(qint64 amount) {
    return formatAmount(amount) + u'원';
}

QString percent(int permille) {
    return QStringLiteral("%1.%2%").arg(permille / 10).arg(permille % 10);
}
}  // namespace

QString feeLimitText(FeeDeal deal, const FeeLimit& limit, qint64 amountWon, qint64 monthlyRentWon) {
    QStringList lines;
    if (deal == FeeDeal::Sale) {
        lines << QStringLiteral("거래금액: ") + won(limit.baseWon);
    } else if (monthlyRentWon > 0) {
        const int times = limit.baseWon == amountWon + monthlyRentWon * 100 ? 100 : 70;
        lines << QStringLiteral("거래금액: ") + won(limit.baseWon)
              << QStringLiteral("  (보증금 %1 + 월차임 %2 × %3)")
                     .arg(won(amountWon), won(monthlyRentWon))
                     .arg(times);
    } else {
        lines << QStringLiteral("거래금액: 보증금 ") + won(limit.baseWon);
    }
    lines << QStringLiteral("상한요율: ") + percent(limit.ratePermille)
          << QStringLiteral("한도액: ") +
                 (limit.capWon ? won(*limit.capWon) : QStringLiteral("없음"))
          << QStringLiteral("중개보수 상한: ") + won(limit.maxFeeWon)
          << QStringLiteral("(부가가치세 별도, 거래 당사자 한쪽마다)");
    return lines.join(u'\n');
}

FeePanel::FeePanel(FeeDeal deal, QWidget* parent)
    : QGroupBox(QStringLiteral("중개보수 상한"), parent), deal_(deal) {
    setObjectName(QStringLiteral("GBfee"));
    CBfeeProperty = new QComboBox(this);
    CBfeeProperty->setObjectName(QStringLiteral("CBfeeProperty"));
    CBfeeProperty->addItem(QStringLiteral("주택"), static_cast<int>(FeeProperty::Housing));
    CBfeeProperty->addItem(QStringLiteral("주거용 오피스텔"),
                           static_cast<int>(FeeProperty::Officetel));
    CBfeeProperty->addItem(QStringLiteral("그 밖의 부동산 (상가·토지 등)"),
                           static_cast<int>(FeeProperty::Other));
    LBfee = new QLabel(this);
    LBfee->setObjectName(QStringLiteral("LBfee"));
    LBfee->setWordWrap(true);
    LBfee->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* note = new QLabel(QStringLiteral("2021.10.19 시행 요율표에 따름"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CBfeeProperty);
    layout->addWidget(LBfee);
    layout->addWidget(note);
    layout->addStretch();
    connect(CBfeeProperty, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    refresh();
}

FeeProperty FeePanel::property() const {
    return static_cast<FeeProperty>(CBfeeProperty->currentData().toInt());
}

void FeePanel::showAmounts(std::optional<qint64> amountWon, std::optional<qint64> monthlyRentWon) {
    amount_ = amountWon;
    rent_ = monthlyRentWon;
    refresh();
}

void FeePanel::refresh() {
    if (!amount_ || (deal_ == FeeDeal::Lease && !rent_)) {
        LBfee->setText(QStringLiteral("금액을 읽을 수 없습니다."));
        return;
    }
    const qint64 rent = deal_ == FeeDeal::Lease ? rent_.value_or(0) : 0;
    const FeeLimit limit = maxBrokerageFee(deal_, property(), *amount_, rent);
    LBfee->setText(feeLimitText(deal_, limit, *amount_, rent));
}
