#include "accounts/cash_entry.h"

#include "common/cp949_text.h"
#include "common/dates.h"
#include "common/input_checks.h"
#include "common/row_key.h"
#include "data/query.h"
#include "data/transaction.h"

namespace {
constexpr int kRemarkBytes = 30;
const QString kAmountLabel = QStringLiteral("금액");
const QString kTaxLabel = QStringLiteral("세액");
}  // namespace

qint64 taxOf(qint64 amount) {
    return amount / 10;
}

std::optional<qint64> amountFromText(const QString& text) {
    QString digits = halfWidthNumberText(text);
    digits.remove(u',');
    digits.remove(u' ');
    if (digits.isEmpty()) return 0;
    bool whole = false;
    const qint64 value = digits.toLongLong(&whole);
    if (!whole || digits.startsWith(u'+')) return std::nullopt;
    return value;
}

QString noDayMessage() {
    return QStringLiteral("일자를 입력하세요 !");
}
QString noPartnerMessage() {
    return QStringLiteral("거래처가 없습니다. 거래처를 먼저 등록하세요 !");
}
QString noAmountMessage() {
    return QStringLiteral("금액을 입력하세요 !");
}
QString negativeMessage(const QString& label) {
    return QStringLiteral("%1은 0 이상으로 입력하세요 !").arg(label);
}

std::optional<EntryRefusal> entryRefusal(const CashEntry& entry) {
    if (entry.day1.trimmed().isEmpty()) return EntryRefusal{noDayMessage(), EntryField::Day};
    if (!parseDate(entry.day1)) return EntryRefusal{dateFormatWarning(), EntryField::Day};
    if (entry.comname.isEmpty()) return EntryRefusal{noPartnerMessage(), EntryField::Partner};
    const struct {
        qint64 value;
        const QString& label;
        EntryField field;
    } amounts[] = {{entry.amount, kAmountLabel, EntryField::Amount},
                   {entry.vat, kTaxLabel, EntryField::Tax}};
    for (const auto& a : amounts) {
        if (a.value < 0) return EntryRefusal{negativeMessage(a.label), a.field};
        if (a.value > kLargestEntryAmount)
            return EntryRefusal{wholeNumberTooLargeMessage(a.label), a.field};
    }
    if (entry.amount == 0) return EntryRefusal{noAmountMessage(), EntryField::Amount};
    if (cp949ByteLength(entry.remark) > kRemarkBytes) {
        return EntryRefusal{
            QStringLiteral("내역은 %1바이트까지 입력할 수 있습니다 !").arg(kRemarkBytes),
            EntryField::Remark};
    }
    return std::nullopt;
}

QString storeEntry(const CashEntry& entry, Database* database) {
    const QString day = isoDate(parseDate(entry.day1).value_or(QDate()));
    const bool sale = entry.kind == EntryKind::Sale;
    const QVariant none{QMetaType(QMetaType::LongLong)};
    Query insert(database);
    insert.add(QStringLiteral(
        "insert into \"MAIPMACH.DB\" (Scancode, Comno, Comname, Day1, Money, Vat, Money1, Vat1, "
        "Remark, Yearmonth)"));
    insert.add(
        QStringLiteral("values (:key, :comno, :comname, :day, :money, :vat, :money1, :vat1, "
                       ":remark, :yearmonth)"));
    insert.setParam(QStringLiteral("comno"), entry.comno);
    insert.setParam(QStringLiteral("comname"), entry.comname);
    insert.setParam(QStringLiteral("day"), day);
    insert.setParam(QStringLiteral("money"), sale ? QVariant(qint64(0)) : QVariant(entry.amount));
    insert.setParam(QStringLiteral("vat"), sale ? QVariant(qint64(0)) : QVariant(entry.vat));
    insert.setParam(QStringLiteral("money1"), sale ? QVariant(entry.amount) : none);
    insert.setParam(QStringLiteral("vat1"), sale ? QVariant(entry.vat) : none);
    insert.setParam(QStringLiteral("remark"), entry.remark);
    insert.setParam(QStringLiteral("yearmonth"), day.left(7));
    Transaction transaction(insert.database());
    const QString key =
        writeWithNewKey(insert.database(), KeyRoom::ForDesk, [&](const QString& made) {
            insert.setParam(QStringLiteral("key"), made);
            insert.exec();
        });
    transaction.commit();
    return key;
}
