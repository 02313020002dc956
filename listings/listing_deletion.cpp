#include "listings/listing_deletion.h"

#include "clients/offered_history.h"
#include "common/office_folder.h"
#include "common/store_helpers.h"
#include "data/database.h"
#include "data/query.h"
#include "data/table.h"
#include "data/transaction.h"
#include "listings/diary_reminders.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A photo row names a file inside PICT; anything with a folder part is not
// one of the office's photo copies and is left alone.
bool isPlainFileName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(u'/') && !name.contains(u'\\');
}

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

int removePhotoFiles(const QStringList& fileNames) {
    const QString folder = officeFolder().pictDirectory();
    int removed = 0;
    for (const QString& name : fileNames) {
        if (!isPlainFileName(name))
            continue;
        if (QFile::remove(folder + u'/' + name))
            ++removed;
    }
    return removed;
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
    removePhotoFiles(files);
    return found;
}
