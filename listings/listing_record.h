#pragma once

#include <QString>
#include <QtGlobal>

#include <QStringList>

#include <exception>
#include <optional>
#include <span>
#include <utility>

// One listing: a row of BUDONG.DB, keyed by its listing number `scancode`.
// Amounts are whole thousands of won, areas whole pyeong, dates "YYYY-MM-DD".
struct ListingRecord {
    QString scancode;
    QString name;
    QString htel;
    QString addr;
    QString addr1;
    QString im;
    QString cname;
    QString cname1;
    qint64 dpung = 0;
    qint64 gpung = 0;
    qint64 tmprice = 0;
    qint64 mpricepp = 0;
    QString cno;
    QString otel;
    QString hphone;
    QString buildname;
    QString duse;
    QString guse;
    qint64 stair = 0;
    qint64 rendmoney = 0;
    QString gdfirst;
    QString gdsecond;
    QString name1;
    QString htel1;
    QString otel1;
    QString hphone1;
    qint64 ensurem = 0;
    qint64 monthm = 0;
    qint64 pricepp = 0;
    QString bipum;
    qint64 tbipumm = 0;
    qint64 totalm = 0;
    QString inday;
    QString man;
    QString ipjuday;
    QString expireday;
    bool reqing = true;
    bool kwanggo = false;
    QString midday;
    QString lastday;
    QString memo1;
    QString memo2;
    // How many times the listing was saved, and the desk that saved it last
    // (see deskNumber()); a change is saved only over the count it was
    // loaded with.
    qint64 changes = 0;
    QString changedBy;
};

// Saving a change found that another desk saved the listing since it was
// loaded; `current` is the listing as it now stands in the store.
struct ListingChangedElsewhere : std::exception {
    explicit ListingChangedElsewhere(ListingRecord now) : current(std::move(now)) {}
    const char* what() const noexcept override { return "listing changed at another desk"; }
    ListingRecord current;
};

// What another desk changed: "caption: before → after" for every field in
// which `now` differs from `loaded`.
QStringList changedFields(const ListingRecord& loaded, const ListingRecord& now);

// A text field of the listing, typed into a one-line entry field.
struct ListingTextField {
    const char* field;    // field of BUDONG.DB
    const char* control;  // the entry field's object name
    const char* label;    // its caption on the form
    int bytes;            // CP949 byte limit
    QString ListingRecord::*member;
    bool keptWhenEmpty;  // an empty entry leaves the stored value as it is
};

// A whole-number field of the listing (amount, area or floor).
struct ListingNumberField {
    const char* field;
    const char* control;
    const char* label;
    qint64 ListingRecord::*member;
    bool grouped;  // shown with thousands commas ("#,##0"); the floor is not
};

std::span<const ListingTextField> listingTextFields();
std::span<const ListingNumberField> listingNumberFields();

// The listing with that number, or nothing when there is none.
std::optional<ListingRecord> loadListing(const QString& number);

// The payment dates of a listing as they were when the form loaded it; the
// diary reminders are rewritten only for a date that differs from these.
struct LoadedPaymentDates {
    QString midday;
    QString lastday;
};

enum class SaveKind { AsNew, AsChange };

// Saves the listing and its diary reminders in one transaction.
// AsNew: a new row numbered with a new time-stamp key, returned.
// AsChange: the row `changeNumber` is rewritten; nothing when it does not
// exist (then nothing is written). When another desk saved it since
// `record` was loaded (its change count differs), nothing is written and
// ListingChangedElsewhere is thrown. A text too long for its field, or any
// other refusal of the store, throws StoreError and leaves the store as it was.
std::optional<QString> saveListing(const ListingRecord& record, SaveKind kind,
                                   const QString& changeNumber, const LoadedPaymentDates& loaded);
