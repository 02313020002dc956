#include "listings/listing_phone_lookup.h"

#include "data/query.h"

QStringList listingsWithTelephone(const QString& telephone) {
    if (telephone.isEmpty())
        return {};
    Query query;
    query.add(QStringLiteral(
        "select b.\"im\",b.\"cname\",b.\"dpung\",b.\"gpung\" from \"budong.db\" b "));
    query.add(QStringLiteral("where b.\"htel\" = :s1"));
    query.setParam(QStringLiteral("s1"), telephone);
    query.open();
    QStringList items;
    const QString separator = QStringLiteral(" - ");
    for (query.first(); !query.eof(); query.next()) {
        items.append(query.text(QStringLiteral("im")) + separator +
                     query.text(QStringLiteral("cname")) + separator +
                     QString::number(query.integer(QStringLiteral("dpung"))) + separator +
                     QString::number(query.integer(QStringLiteral("gpung"))));
    }
    query.close();
    return items;
}
