#include "contracts/payment_check.h"

#include "common/number_format.h"
#include "contracts/amount_field.h"
#include "contracts/document_row.h"

std::optional<QString> paymentMismatchQuestion(DocumentKind kind, const DocumentRow& row) {
    if (kind == DocumentKind::Sheet) return std::nullopt;
    const auto amount = [&row](const char* field) {
        return amountWon(row.value(QString::fromLatin1(field)).value_or(QString()));
    };
    const std::optional<qint64> total = amount("ensurem");
    qint64 paid = 0;
    for (const char* field : {"money1", "money21", "money22", "money3"}) {
        const std::optional<qint64> payment = amount(field);
        if (!payment || !total) return std::nullopt;
        paid += *payment;
    }
    if (paid == *total) return std::nullopt;
    const QString what =
        kind == DocumentKind::Sale ? QStringLiteral("매매대금") : QStringLiteral("보증금");
    const qint64 difference = paid - *total;
    return QStringLiteral(
               "계약금, 중도금, 잔금의 합계가 %1과 맞지 않습니다.\n"
               "%1: %2원\n지불 합계: %3원 (%4원 %5)\n그대로 저장할까요 ...?")
        .arg(what, formatAmount(*total), formatAmount(paid),
             formatAmount(difference < 0 ? -difference : difference),
             difference < 0 ? QStringLiteral("부족") : QStringLiteral("초과"));
}
