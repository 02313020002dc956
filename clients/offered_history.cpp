#include "clients/offered_history.h"

#include "data/database.h"
#include "data/query.h"
#include "data/transaction.h"

namespace {

void deleteWhere(const QString& condition, const QString& value) {
    Query query;
    query.add(QStringLiteral("delete from \"BUOFFER.DB\" O where ") + condition);
    query.setParam(QStringLiteral("k1"), value);
    query.exec();
}

// Sets the note of an existing entry; false when there is none.
bool updateEntry(const QString& client, const QString& listing, const QString& day,
                 const QString& note) {
    Query query;
    query.add(QStringLiteral("update \"BUOFFER.DB\" O set O.\"remark\" = :note"));
    query.add(QStringLiteral(" where O.\"scanreq\" = :c and O.\"scanbud\" = :l"));
    query.add(QStringLiteral(" and O.\"offerday\" = :d"));
    query.setParam(QStringLiteral("note"), note);
    query.setParam(QStringLiteral("c"), client);
    query.setParam(QStringLiteral("l"), listing);
    query.setParam(QStringLiteral("d"), day);
    return query.exec() > 0;
}

bool entryExists(const QString& client, const QString& listing, const QString& day) {
    Query query;
    query.add(QStringLiteral("select O.\"scanreq\" from \"BUOFFER.DB\" O"));
    query.add(QStringLiteral(" where O.\"scanreq\" = :c and O.\"scanbud\" = :l"));
    query.add(QStringLiteral(" and O.\"offerday\" = :d"));
    query.setParam(QStringLiteral("c"), client);
    query.setParam(QStringLiteral("l"), listing);
    query.setParam(QStringLiteral("d"), day);
    query.open();
    const bool exists = !query.isEmpty();
    query.close();
    return exists;
}

bool rowExists(const QString& table, const QString& scancode) {
    Query query;
    query.add(
        QStringLiteral("select S.\"scancode\" from \"%1\" S where S.\"scancode\" = :k").arg(table));
    query.setParam(QStringLiteral("k"), scancode);
    query.open();
    const bool exists = !query.isEmpty();
    query.close();
    return exists;
}

void insertEntry(const QString& client, const QString& listing, const QString& day,
                 const QString& note) {
    Query query;
    query.add(QStringLiteral("insert into \"BUOFFER.DB\" (scanreq, scanbud, offerday, remark)"));
    query.add(QStringLiteral(" values (:c, :l, :d, :note)"));
    query.setParam(QStringLiteral("c"), client);
    query.setParam(QStringLiteral("l"), listing);
    query.setParam(QStringLiteral("d"), day);
    query.setParam(QStringLiteral("note"), note);
    query.exec();
}

}  // namespace

bool markOffered(const QString& client, const QStringList& listings, const QString& day,
                 const QString& note) {
    Transaction transaction(Database::qdb3());
    if (!rowExists(QStringLiteral("BUREQU.DB"), client)) return false;
    for (const QString& listing : listings) {
        if (!rowExists(QStringLiteral("BUDONG.DB"), listing)) continue;
        if (!note.isEmpty() && updateEntry(client, listing, day, note)) continue;
        if (note.isEmpty() && entryExists(client, listing, day)) continue;
        insertEntry(client, listing, day, note);
    }
    transaction.commit();
    return true;
}

void deleteOfferedEntries(const QString& client, const QList<OfferedEntry>& entries) {
    Transaction transaction(Database::qdb3());
    for (const OfferedEntry& entry : entries) {
        Query query;
        query.add(QStringLiteral("delete from \"BUOFFER.DB\" O"));
        query.add(QStringLiteral(" where O.\"scanreq\" = :c and O.\"scanbud\" = :l"));
        query.add(QStringLiteral(" and O.\"offerday\" = :d"));
        query.setParam(QStringLiteral("c"), client);
        query.setParam(QStringLiteral("l"), entry.listing);
        query.setParam(QStringLiteral("d"), entry.day);
        query.exec();
    }
    transaction.commit();
}

void deleteOfferedHistoryOfClient(const QString& client) {
    deleteWhere(QStringLiteral("O.\"scanreq\" = :k1"), client);
}

void deleteOfferedHistoryOfListing(const QString& listing) {
    deleteWhere(QStringLiteral("O.\"scanbud\" = :k1"), listing);
}

ClientStatement offeredHistoryStatement(const QString& client) {
    ClientStatement statement;
    statement.lines = {
        QStringLiteral(
            "select O.\"offerday\", O.\"remark\", O.\"scanbud\", S.\"inday\", S.\"im\","),
        QStringLiteral(" S.\"cname\", S.\"addr\", S.\"dpung\", S.\"gpung\", S.\"tmprice\","),
        QStringLiteral(" S.\"ensurem\", S.\"monthm\", S.\"man\""),
        QStringLiteral(" from \"BUOFFER.DB\" O left join \"BUDONG.DB\" S"),
        QStringLiteral(" on S.\"scancode\" = O.\"scanbud\""),
        QStringLiteral(" where O.\"scanreq\" = :c"),
        QStringLiteral(" order by O.\"offerday\" desc, O.\"scanbud\""),
    };
    statement.params.append({QStringLiteral("c"), client});
    return statement;
}
