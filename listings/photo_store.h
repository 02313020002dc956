#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QIODevice;

// The photo rows of pict.db and their files in PICT/. Several rows may name
// one file (a file attached again, or overwritten, under the same name), so
// a file is removed only when no row names it any more.

// The most photos a listing holds.
constexpr int kMaxListingPhotos = 10;

struct PhotoEntry {
    QString scancode;  // the photo row's key
    QString filename;  // its file in PICT/
};

// The first ten photos of a listing in the order of the index PICT_SCANBUD.
std::vector<PhotoEntry> listingPhotoEntries(const QString& scanbud);
// How many photo rows the listing has (beyond ten as well).
int listingPhotoCount(const QString& scanbud);
// The file name of the photo row; none when the row has gone.
std::optional<QString> photoFileName(const QString& photoScancode);

// Whether a row of another listing than `scanbud` names the file (any row
// when `scanbud` is empty).
bool fileNamedByOtherListing(const QString& fileName, const QString& scanbud);

// Deletes the photo row in one transaction; then its file (and its
// thumbnail) when no other row names it. False when the row had gone:
// nothing is deleted then.
bool deletePhoto(const QString& photoScancode);

// Removes those of the files (names in PICT/) that no photo row names, and
// their thumbnails. A name with a folder part is never one of the office's
// photo copies and is left alone. Gives how many files were removed.
int removeUnnamedPhotoFiles(const QStringList& fileNames);

// The upper-case name a chosen file gets in PICT/.
QString photoNameFor(const QString& sourcePath);
// A name longer than the photo row's 50 bytes is refused, never cut.
bool photoNameTooLong(const QString& name);
// The first of NAME_1.EXT, NAME_2.EXT, … that no file in PICT/ and no row
// has, within 50 bytes.
QString freePhotoName(const QString& name);

// Copies the bytes of `source` to `target` in blocks of 30000 bytes. The
// target appears whole or not at all: a failed copy (unreadable source, full
// disk) leaves an existing target as it was and no partial file; the reason
// is thrown in Korean.
void copyPhotoBytes(QIODevice& source, const QString& target);

// Attaches a chosen file to a listing: copies it into PICT/ as `name`
// (unless `copy` is false: the file is there already) and, when `scanbud`
// is not empty, adds the photo row with a new time-stamp key and `remark`,
// all or nothing: a failed copy adds no row, a refused row leaves no new
// file.
void attachPhoto(const QString& sourcePath, const QString& name, bool copy, const QString& scanbud,
                 const QString& remark);
