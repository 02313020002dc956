#pragma once

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// Where the photos that imported photo rows name come from and go to. The
// old folder's PICT is read, the office's PICT written; nothing is copied
// until the tables have been committed.
//
// A row keeps its file name when the office has no file of that name yet
// (the photo is copied) or holds the very same photo; when the office holds
// another picture under that name, the import's copy is named apart
// ("A_1.JPG") and the row follows the new name. A name with a folder in it
// could lead outside PICT: its row is left out and the name reported. A
// photo missing from the old folder is reported; its row is kept.

struct PhotoCopy {
    QString source;
    QString target;
};

struct PhotoSkip {
    QString name;
    QString reason;
};

class PhotoPlan {
public:
    // `sourceFolder` may be empty (the old folder has no PICT); `nameLimit`
    // is the byte limit of the rows' file name field (0: none).
    PhotoPlan(QString sourceFolder, QString targetFolder, int nameLimit);

    // The file name the row is to hold, or nothing when the row is left out.
    std::optional<QString> place(const QString& fileName);

    const std::vector<PhotoCopy>& copies() const { return copies_; }
    const std::vector<PhotoSkip>& skipped() const { return skipped_; }
    int alreadyThere() const { return alreadyThere_; }

private:
    std::optional<QString> decide(const QString& fileName);
    QString sourceOf(const QString& fileName) const;
    QString nameApart(const QString& fileName) const;
    bool taken(const QString& name) const;

    QString sourceFolder_;
    QString targetFolder_;
    int nameLimit_;
    QStringList sourceNames_;
    QHash<QString, std::optional<QString>> decided_;  // file name -> the row's name
    QHash<QString, bool> plannedTargets_;
    std::vector<PhotoCopy> copies_;
    std::vector<PhotoSkip> skipped_;
    int alreadyThere_ = 0;
};

// Copies the planned photos; each copy is written whole under a temporary
// name and then renamed, so no half-written photo is left behind. Returns
// the number copied; failures are added to `failed`.
int copyPhotos(const std::vector<PhotoCopy>& copies, std::vector<PhotoSkip>* failed);
