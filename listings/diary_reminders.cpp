#include "listings/diary_reminders.h"

#include "data/table.h"

namespace {

const QChar kCarriageReturn(13);

struct Reminder {
    QChar suffix;
    QString remark;
    QString ListingRecord::*date;
    QString LoadedPaymentDates::*loadedDate;
};

const Reminder kMiddlePayment{QLatin1Char('M'), QStringLiteral("중도금"), &ListingRecord::midday,
                              &LoadedPaymentDates::midday};
const Reminder kBalance{QLatin1Char('L'), QStringLiteral("잔금"), &ListingRecord::lastday,
                        &LoadedPaymentDates::lastday};

QString diaryTableName() {
    return QStringLiteral("DIARY1.DB");
}

void writeReminder(Table& diary, const Reminder& reminder, const ListingRecord& posted,
                   const QString& number, SaveKind kind) {
    const QString key = number + reminder.suffix;
    const QString date = posted.*reminder.date;
    const bool found = diary.findKey(key);
    if (date.isEmpty()) {
        if (found)
            diary.deleteRow();
        return;
    }
    if (kind == SaveKind::AsChange && found) {
        diary.edit();
    } else {
        diary.append();
        diary.setValue(QStringLiteral("scancode"), key);
    }
    diary.setValue(QStringLiteral("day1"), date);
    diary.setValue(QStringLiteral("remark"), reminder.remark);
    diary.setValue(QStringLiteral("memo1"), reminderNote(posted));
    diary.post();
}

}  // namespace

QString reminderNote(const ListingRecord& listing) {
    return listing.im + QStringLiteral("  ") + listing.cname + kCarriageReturn +
           QStringLiteral("소유자:") + listing.name + QStringLiteral(" [집:") + listing.htel +
           QStringLiteral("] [휴:") + listing.hphone + QStringLiteral("]") + kCarriageReturn +
           QStringLiteral("임차인:") + listing.name1 + QStringLiteral(" [집:") + listing.htel1 +
           QStringLiteral("] [휴:") + listing.hphone1 + QStringLiteral("]");
}

void writeReminders(const ListingRecord& posted, const QString& number, SaveKind kind,
                    const LoadedPaymentDates& loaded) {
    const auto changed = [&](const Reminder& r) { return posted.*r.date != loaded.*r.loadedDate; };
    if (!changed(kMiddlePayment) && !changed(kBalance))
        return;
    Table diary(diaryTableName());
    diary.open();
    for (const Reminder* reminder : {&kMiddlePayment, &kBalance}) {
        if (changed(*reminder))
            writeReminder(diary, *reminder, posted, number, kind);
    }
    diary.close();
}

void deleteReminders(const QString& number) {
    Table diary(diaryTableName());
    diary.open();
    for (const QChar suffix : {QLatin1Char('M'), QLatin1Char('L')}) {
        if (diary.findKey(number + suffix))
            diary.deleteRow();
    }
    diary.close();
}
