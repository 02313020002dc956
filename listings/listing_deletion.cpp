#include "listings/listing_deletion.h"

#include "clients/offered_history.h"
#include "common/store_helpers.h"
#include "data/database.h"
#include "data/query.h"
#include "data/table.h"
#include "data/transaction.h"
#include "listings/diary_reminders.h"
#include "listings/photo_store.h"

namespace {

void deletePhotoRows(const QString& number) {
    Query query;
    query.add(QStringLiteral("delete from \"PICT.DB\" P where P.\"scanbud\" = :s1"));
    query.setParam(QStringLiteral("s1"), number);
    query.exec();
}

}  // namespace

QStringList listingPhotoFiles(const QString& number) {
    Table photos(QStringLiteral("PICT.DB"));
    photos.setIndexName(QStringLiteral("PICT_SCANBUD"));
    photos.open();
    QStringList files;
    if (photos.findKey(number)) {
        while (!photos.eof() && photos.text(QStringLiteral("scanbud")) == number) {
            files.append(photos.text(QStringLiteral("filename")));
            photos.next();
        }
    }
    photos.close();
    return files;
}

bool deleteListingWithPhotos(const QString& number) {
    Transaction transaction(Database::qdb3());
    const QStringList files = listingPhotoFiles(number);
    deletePhotoRows(number);
    deleteReminders(number);
    deleteOfferedHistoryOfListing(number);
    // Last, so that its message comes when every other row change has gone through.
    Table listings(QStringLiteral("BUDONG.DB"));
    const bool found = deleteByKey(listings, number, true, false);
    transaction.commit();
    // A file that another listing's photo row still names stays.
    removeUnnamedPhotoFiles(files);
    return found;
}
