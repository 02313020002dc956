#pragma once

#include <QString>

// The office folder is the program directory of the office: it holds the
// settings files (quarnel.ini, GridSet.ini, …), the photo folder PICT/, the
// bitmaps the office has replaced, and by default the data directory behind
// the alias qdb3. It is $QUARNEL_HOME when set, else the user's data location.
class OfficeFolder {
public:
    explicit OfficeFolder(QString path);

    // The folder chosen from the environment.
    static OfficeFolder fromEnvironment();

    const QString& path() const { return path_; }
    // The folder with a trailing separator, as the forms join file names to it.
    QString programDirectory() const;
    QString filePath(const QString& name) const;
    QString iniPath() const { return filePath(QStringLiteral("quarnel.ini")); }
    QString pictDirectory() const { return filePath(QStringLiteral("PICT")); }

    // The directory named by an alias in [Aliases] of quarnel.ini; a relative
    // entry is taken from the office folder. The default of qdb3 is "qdb3".
    QString aliasDirectory(const QString& alias = QStringLiteral("qdb3")) const;

    // Whether quarnel.ini itself names the alias's directory (rather than the
    // default being taken).
    bool namesAliasDirectory(const QString& alias = QStringLiteral("qdb3")) const;

    // Creates the folder and PICT/ (owner-only when made here), and writes the alias entry into
    // quarnel.ini when it has none. The data directory is left to whoever
    // opens the store (see openOfficeStore). Returns false when the folder
    // cannot be created.
    bool ensureCreated() const;

private:
    QString path_;
};

// The office folder of the running program (set at start-up, or by a test).
const OfficeFolder& officeFolder();
void setOfficeFolder(const OfficeFolder& folder);
