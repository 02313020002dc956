#pragma once

#include <QString>
#include <QStringList>

// Deletes a listing with everything that hangs on it: its row of BUDONG.DB
// (through the delete-by-key routine, which reports the deletion or the
// missing row), its photo rows of PICT.DB and their picture files in the
// office's PICT folder, its two diary reminders and the history of its
// offers to clients.
//
// The row changes are one transaction; the picture files are deleted only
// after it was committed, so a failure leaves every row and every file in
// place. A file that a photo row of another listing still names stays, and
// so does a file that cannot be deleted. Returns whether the listing row was
// found.
bool deleteListingWithPhotos(const QString& number);

// The photo file names of the listing, in the order of the photo index.
QStringList listingPhotoFiles(const QString& number);
