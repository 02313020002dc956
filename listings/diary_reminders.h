#pragma once

#include "listings/listing_record.h"

#include <QString>

// The reminders a listing keeps in the diary table DIARY1.DB, which the
// companion calendar program shows: one for the middle-payment date (key =
// listing number + "M", remark "중도금") and one for the balance date (key =
// listing number + "L", remark "잔금").

// The note of a reminder: deal kind, property kind, owner and tenant, three
// lines separated by a single carriage return (the calendar program's line
// break).
QString reminderNote(const ListingRecord& listing);

// Brings the reminders of the listing `number` in line with the payment dates
// of `posted`, touching only a date that differs from the date as loaded: a
// cleared date deletes its reminder; a new or changed date writes it (a new
// listing always gets new entries; a changed listing has its entry updated in
// place, or a new one when it had none). Runs inside the caller's transaction.
void writeReminders(const ListingRecord& posted, const QString& number, SaveKind kind,
                    const LoadedPaymentDates& loaded);

// Deletes both reminders of the listing, where they exist.
void deleteReminders(const QString& number);
