#pragma once

#include "clients/client_statement.h"
#include "clients/match_settings.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

class Query;
struct ListingRecord;

// The match of a client request with the listings: one rule, read both
// ways. matchConditions() says which conditions a client's wishes set under
// the match settings; the client list turns them into the statement over
// BUDONG.DB that finds the listings for a client, and the listing forms test
// them on one listing to find the clients it fits ("손님?"). So a listing
// found for a client always finds that client back.

// A client's wishes, as a row of BUREQU.DB holds them (nothing where a
// number field is empty).
struct ClientWishes {
    QString scancode;
    QString name;
    QString im;
    QString cname;
    QString wantcom;
    QString addr;
    QString working;
    std::optional<qint64> yesan;
    std::optional<qint64> dpungl;
    std::optional<qint64> dpungu;
    std::optional<qint64> gpungl;
    std::optional<qint64> gpungu;
};

// The fields of a listing that the match compares, as the store holds them
// (an invalid value where the field is empty), so that the rule tests a
// listing exactly as the store compares its row.
struct MatchListing {
    QVariant im;
    QVariant cname;
    QVariant cname1;
    QVariant addr;
    QVariant reqing;
    QVariant dpung;
    QVariant gpung;
    QVariant tmprice;
    QVariant ensurem;
};

// The listing columns the rule compares.
enum class MatchColumn { Im, Cname, Cname1, Addr, Reqing, Dpung, Gpung, Tmprice, Ensurem };

// One condition of the rule.
struct MatchCondition {
    enum class Test {
        Equals,           // the column holds exactly `text`
        Contains,         // the column holds `text` somewhere (ASCII letters in either case)
        ContainsAny,      // the column holds one of `parts` somewhere
        AtLeast,          // the column's number is at least `number`
        AtMost,           // the column's number is at most `number`
        BudgetByOwnKind,  // a sale (매매) at most `number` in price, or a lease (임대) in deposit
    };
    Test test;
    MatchColumn column;
    QString text;
    QStringList parts;
    qint64 number = 0;
};

// The listing kind a client kind looks for: a client who wants to buy
// ("매수") looks for listings for sale ("매매"); "임대" looks for "임대". A
// client of kind "전체" or of no kind sets no kind: empty.
QString wantedListingKind(const QString& clientKind);

// The rule. Under the settings, the client's wishes set these conditions:
// - the kind, always, unless the client's is "전체" or empty;
// - 부동산명: the listing's name (cname1) holds the wanted name;
// - 분류: the listing's category holds the client's, unless "전체" or empty;
// - 선호지역: the listing's address holds one of the preferred regions (each
//   part of the client's list trimmed, empty parts skipped);
// - 대지상한 / 건평상한: the land / building area at least the client's lower
//   bound and at most the upper bound; a bound of 0 (left empty) is none;
// - 예산: a buyer's sale price (tmprice), a tenant's deposit (ensurem), at
//   most the budget; a client of kind "전체" compares each listing by its own
//   kind (a listing of neither kind does not fit); no budget, no condition;
// - 의뢰중만: listings still offered (reqing "Y").
std::vector<MatchCondition> matchConditions(const ClientWishes& client,
                                            const MatchSettings& settings);

// Whether the listing meets every condition, compared as the store compares:
// an empty field meets no condition, a text is larger than any number.
bool listingMeets(const MatchListing& listing, const std::vector<MatchCondition>& conditions);
bool listingFitsClient(const MatchListing& listing, const ClientWishes& client,
                       const MatchSettings& settings);

// How the matched grid shows the listings for one client.
struct MatchView {
    bool hideOffered = false;  // leave out the listings already offered to this client
};

// The match statement: "select " and the listing columns, the last offered
// date of each listing to this client (`offerday`), from "BUDONG.DB" S, one
// line per condition (every value of the client bound as a parameter, the
// numbers as numbers), and " order by S."inday"".
ClientStatement buildClientMatch(const ClientWishes& client, const MatchSettings& settings,
                                 const MatchView& view = {});

// The columns of BUREQU.DB the rule reads, as `select` lines over
// "BUREQU.DB" S (the client list's query selects them too).
ClientWishes clientWishesOf(Query& query);
ClientWishes clientWishesFromRow(Query& query, int row);

// A listing of BUDONG.DB or of the entry form as the rule reads it.
MatchListing matchListingOf(const ListingRecord& listing);
// The listing with that number as the store holds it; nothing when none.
std::optional<MatchListing> loadMatchListing(const QString& scancode);

// A client the listing fits.
struct FittingClient {
    QString scancode;
    QString working;
};

// Every client request whose wishes the listing meets under the settings,
// in the order of their receipt date.
std::vector<FittingClient> clientsFittingListing(const MatchListing& listing,
                                                 const MatchSettings& settings);

// Whether a client is still waiting for a listing: the status is neither
// "계약" (contracted) nor "취소" (cancelled).
bool isWaitingClient(const QString& working);
