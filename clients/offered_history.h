#pragma once

#include "clients/client_statement.h"

#include <QList>
#include <QString>
#include <QStringList>

// The history of listings the office has shown ("제시") to client requests,
// in BUOFFER.DB: one row per client, listing and day (`scanreq`, `scanbud`,
// `offerday` "YYYY-MM-DD") with an optional note `remark`. A client's or a
// listing's rows go with it when it is deleted.

// The longest note, in CP949 bytes.
inline constexpr int kOfferNoteBytes = 40;

// Records in one transaction that the listings were offered to the client
// on `day`. A listing offered to the client again on the same day keeps one
// row; a note given now replaces the one it had. A listing no longer in the
// store is skipped. False, with nothing written, when the client request is
// no longer in the store.
bool markOffered(const QString& client, const QStringList& listings, const QString& day,
                 const QString& note);

// One entry of a client's history.
struct OfferedEntry {
    QString listing;
    QString day;
};

// Deletes the entries of the client's history, in one transaction.
void deleteOfferedEntries(const QString& client, const QList<OfferedEntry>& entries);

// Delete every history row of the client, or of the listing. They write
// inside the caller's transaction (the deletion of the client or listing).
void deleteOfferedHistoryOfClient(const QString& client);
void deleteOfferedHistoryOfListing(const QString& listing);

// The client's history with the listings it names, the latest first: the
// day, the note, and the listing's number, receipt date, kind, category,
// address, areas and amounts and agent. A listing deleted outside the
// program still shows its row, with empty listing columns.
ClientStatement offeredHistoryStatement(const QString& client);
