#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <utility>

class Query;

// The listing search: the panel's inputs turned into the statement of the
// listing query, as data (its lines and its parameters), so the form, the
// benchmark and the tests run the very same statement.

enum class ListingDateField { ExpireDay, InDay };
enum class ListingSortOrder { Cname, Addr, Scancode, ExpireDay };

// What the search panel holds. The range fields are the masked texts as
// shown, one character per position and a blank where nothing was typed:
// "합계금" "    10-   200" (characters 1–6 and 8–13, millions of won),
// "대지"/"건평" "   30-  100" (1–5 and 7–11), "층수" " 3- 5" (1–2 and 4–5).
struct ListingSearchInput {
    QString im = QStringLiteral("전체");
    QString cname = QStringLiteral("전체");
    QString cname1;
    QString totalmRange;
    QString dpungRange;
    QString gpungRange;
    QString stairRange;
    QString name1;
    QString addr;
    // The two flags: "Y" when true, "N" when false; none means either (the
    // flag is no condition).
    std::optional<bool> reqing = true;
    std::optional<bool> kwanggo = false;
    QString buildname;
    QString man;
    QString day1;
    QString day2;
    ListingDateField dateField = ListingDateField::ExpireDay;
    ListingSortOrder sortOrder = ListingSortOrder::Scancode;
};

// A statement of the listing query. When the inputs cannot be searched
// (a range part that is not a whole number) it has no lines, `refusal`
// holds the Korean sentence for the user and `refusedField` the name of the
// control to put the focus in.
struct ListingStatement {
    QStringList lines;
    QList<std::pair<QString, QVariant>> params;  // in the order they first appear
    QString refusal;
    QString refusedField;

    bool ok() const { return refusal.isEmpty(); }
    // The parameter's value; invalid when the statement has no such parameter.
    QVariant param(const QString& name) const;
    bool hasParam(const QString& name) const { return param(name).isValid(); }
    // Replaces the query's lines and parameters with this statement's.
    void applyTo(Query& query) const;
};

// The search of the listing list: the column list, one line per given
// condition (the first joined by " where ", the others by " and "), the two
// flag conditions always, and the sort line. Typed text and the chosen
// drop-down texts are parameters; like patterns match the typed text
// literally.
ListingStatement buildListingSearch(const ListingSearchInput& input);

// The search panel as it shows the listings whose lease ends between
// `fromDay` and `untilDay`, both "YYYY-MM-DD" and inclusive, in the order of
// the end date, whatever their request and advertisement flags.
ListingSearchInput expiringLeaseInput(const QString& fromDay, const QString& untilDay);
ListingStatement buildExpiringLeaseSearch(const QString& fromDay, const QString& untilDay);

// Whether the search reads the lease-end date (a period on 계약만료일 or the
// order of that date), so that the list shows that column.
bool searchUsesLeaseEnd(const ListingSearchInput& input);

// Characters `start` (1-based) to `start + length - 1` of a masked text,
// trimmed; empty when the text is shorter.
QString maskedPart(const QString& maskedText, int start, int length);
