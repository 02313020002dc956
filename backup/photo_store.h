#pragma once

#include <QSet>
#include <QString>

// The photos of all the backups in one folder, each kept once under the
// SHA-256 hash of its bytes, so that a photo that many backups refer to is
// stored once and a photo changed under the same name is kept in both forms.
class PhotoStore {
public:
    explicit PhotoStore(QString folder) : folder_(std::move(folder)) {}

    const QString& folder() const { return folder_; }
    QString pathOf(const QString& hash) const;
    bool has(const QString& hash) const;

    // Adds the bytes of `file`, which hash to `hash`: copied under a
    // temporary name and renamed, so that the store never holds half a
    // photo. A copy whose bytes do not hash to `hash` (the file changed
    // meanwhile) is not kept. False with `error` set when it fails.
    bool add(const QString& file, const QString& hash, QString* error) const;

    // Removes every photo whose hash is not in `kept`; returns how many.
    int prune(const QSet<QString>& kept) const;

private:
    QString folder_;
};

// The SHA-256 hash of the file's bytes in lower-case hex; empty when the file
// cannot be read.
QString fileHash(const QString& path);
