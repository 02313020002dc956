#pragma once

#include <QString>
#include <QStringList>

// A settings file of "[section]" headers and "key=value" lines, as the
// program keeps them in its program directory (GridSet.ini, qdb.ini,
// Lablo.ini). Sections and keys are found whatever their case. Every number
// read is held to the range its form allows, so that a damaged or hand-made
// file cannot feed a form a value it would never accept from the user.
// Decimals are written with "." whatever the locale.
//
//     IniFile ini(IniFile::inProgramDirectory(QStringLiteral("Lablo.ini")));
//     const int columns = ini.number(QStringLiteral("LABEL"), QStringLiteral("ColCount"), 3, 1,
//     10); ini.setDecimal(QStringLiteral("LABEL"), QStringLiteral("Top"), 12.5, 1); if
//     (!ini.save()) ...  // say so; nothing else was changed
class IniFile {
public:
    // Reads the file; a missing or unreadable file reads as empty. The text
    // is UTF-8, or CP949 when it is not valid UTF-8 (a file from the old
    // program).
    explicit IniFile(QString path);

    // The file `name` in the program directory.
    static QString inProgramDirectory(const QString& name);

    const QString& path() const { return path_; }

    bool hasKey(const QString& section, const QString& key) const;
    // The value, trimmed; `fallback` when the section or the key is missing.
    QString text(const QString& section, const QString& key, const QString& fallback = {}) const;
    // A whole number held to [least, most]: a number outside is clamped to
    // the nearer end; a missing key or a value that is not a whole number
    // gives `fallback`.
    int number(const QString& section, const QString& key, int fallback, int least, int most) const;
    // The same for a decimal; "." and "," both read as the decimal point.
    double decimal(const QString& section, const QString& key, double fallback, double least,
                   double most) const;

    // Changes are kept in memory until save().
    void setText(const QString& section, const QString& key, const QString& value);
    void setNumber(const QString& section, const QString& key, qint64 value);
    // Written with `decimals` places and "." as the decimal point.
    void setDecimal(const QString& section, const QString& key, double value, int decimals);

    // Writes the whole file at once (never half written), keeping its other
    // sections, keys and comments. False when it cannot be written.
    bool save() const;

private:
    QString path_;
    QStringList lines_;
};

// A whole number read from a settings file, held to [least, most]; empty
// text or text that is not a whole number gives `fallback`.
int clampedNumber(const QString& text, int fallback, int least, int most);
