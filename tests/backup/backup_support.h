#pragma once

#include "backup/backup_folder.h"
#include "backup/restore.h"
#include "data/tdm1.h"
#include "tests/support/store_fixture.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QStringList>

// An office with listings and photos, and the ways a test looks at its
// store and its backups.
class BackupTest : public StoreTest {
protected:
    QString root() const { return home_.filePath(QStringLiteral("backup")); }
    QString storeFile() { return db().filePath(); }

    void addListing(const QString& key, const QString& owner) {
        sql(QStringLiteral("INSERT INTO budong (scancode, name) VALUES (?, ?)"), {key, owner});
    }
    QStringList owners() {
        QStringList names;
        QSqlQuery query(db().connection());
        query.exec(QStringLiteral("SELECT name FROM budong ORDER BY scancode"));
        while (query.next())
            names.append(query.value(0).toString());
        return names;
    }
    // A photo file in PICT and its row in the photo table.
    void attachPhoto(const QString& key, const QString& listing, const QString& file,
                     const QByteArray& bytes) {
        writePict(file, bytes);
        sql(QStringLiteral("INSERT INTO pict (scancode, scanbud, filename) VALUES (?, ?, ?)"),
            {key, listing, file});
    }
    void writePict(const QString& file, const QByteArray& bytes) {
        QFile photo(QDir(office().pictDirectory()).filePath(file));
        ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
        photo.write(bytes);
    }
    QByteArray pict(const QString& file) {
        QFile photo(QDir(office().pictDirectory()).filePath(file));
        return photo.open(QIODevice::ReadOnly) ? photo.readAll() : QByteArray("(missing)");
    }
    // The program leaves the store, as before a restore from a shell.
    void closeOffice() {
        TDM1::destroy();
        Database::closeQdb3();
    }
    void openOffice() {
        Database::setQdb3(std::make_unique<Database>(office().aliasDirectory()));
        TDM1::create();
    }
    RestoreRequest restoreOf(const QString& backup) {
        RestoreRequest request;
        request.backup = backup;
        request.office = office();
        request.backupRoot = root();
        request.moment = clock().now();
        return request;
    }
    QStringList backupNames() {
        QStringList names;
        for (const BackupEntry& entry : listBackups(root()))
            names.append(entry.name);
        return names;
    }
};
