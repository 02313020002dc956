#include "listings/listing_entry_checks.h"

#include "common/cp949.h"
#include "common/number_format.h"
#include "listings/listing_amounts.h"

QString textTooLongMessage(const QString& label, int bytes) {
    return QStringLiteral("%1 항목은 %2바이트까지 입력할 수 있습니다 ...!").arg(label).arg(bytes);
}

QString numberTooLargeMessage(const QString& label) {
    return QStringLiteral("%1 항목에는 %2 까지 입력할 수 있습니다 ...!")
        .arg(label, formatAmount(kLargestListingNumber));
}

bool fitsField(const QString& text, int bytes) {
    return cp949ByteLength(text) <= bytes;
}
