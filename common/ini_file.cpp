#include "common/ini_file.h"

#include "common/office_folder.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace {

QString decoded(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder cp949("windows-949");
    return cp949.isValid() ? cp949(bytes) : text;
}

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = decoded(file.readAll());
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool isSectionLine(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(u'[') && trimmed.endsWith(u']');
}

bool isSection(const QString& line, const QString& section) {
    const QString trimmed = line.trimmed();
    return isSectionLine(line) &&
           trimmed.mid(1, trimmed.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
}

// The key of a "key=value" line; empty for any other line.
QString keyOf(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    return equals <= 0 ? QString() : line.left(equals).trimmed();
}

bool isKey(const QString& line, const QString& key) {
    return keyOf(line).compare(key, Qt::CaseInsensitive) == 0;
}

qsizetype findSection(const QStringList& lines, const QString& section) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isSection(lines[i], section)) return i;
    }
    return -1;
}

// One past the section's last line.
qsizetype sectionEnd(const QStringList& lines, qsizetype header) {
    qsizetype end = header + 1;
    while (end < lines.size() && !isSectionLine(lines[end]))
        ++end;
    return end;
}

// The index of the key's line, -1 when missing.
qsizetype findKey(const QStringList& lines, const QString& section, const QString& key) {
    const qsizetype header = findSection(lines, section);
    if (header < 0) return -1;
    const qsizetype end = sectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (isKey(lines[i], key)) return i;
    }
    return -1;
}

}  // namespace

int clampedNumber(const QString& text, int fallback, int least, int most) {
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed();
    if (!wholeNumber.match(trimmed).hasMatch()) return fallback;
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok);
    if (!ok) return trimmed.startsWith(u'-') ? least : most;  // beyond any range
    return static_cast<int>(std::clamp<qint64>(value, least, most));
}

IniFile::IniFile(QString path) : path_(std::move(path)), lines_(readLines(path_)) {}

QString IniFile::inProgramDirectory(const QString& name) {
    return officeFolder().programDirectory() + name;
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return findKey(lines_, section, key) >= 0;
}

QString IniFile::text(const QString& section, const QString& key, const QString& fallback) const {
    const qsizetype at = findKey(lines_, section, key);
    if (at < 0) return fallback;
    const QString& line = lines_[at];
    return line.mid(line.indexOf(u'=') + 1).trimmed();
}

int IniFile::number(const QString& section, const QString& key, int fallback, int least,
                    int most) const {
    if (!hasKey(section, key)) return fallback;
    return clampedNumber(text(section, key), fallback, least, most);
}

double IniFile::decimal(const QString& section, const QString& key, double fallback, double least,
                        double most) const {
    static const QRegularExpression decimalNumber(QStringLiteral("^[+-]?[0-9]*([.,][0-9]*)?$"));
    QString value = text(section, key);
    if (value.isEmpty() || !decimalNumber.match(value).hasMatch()) return fallback;
    value.replace(u',', u'.');
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number)) return fallback;
    return std::clamp(number, least, most);
}

void IniFile::setText(const QString& section, const QString& key, const QString& value) {
    const QString line = key + u'=' + value;
    if (const qsizetype at = findKey(lines_, section, key); at >= 0) {
        lines_[at] = line;
        return;
    }
    qsizetype header = findSection(lines_, section);
    if (header < 0) {
        if (!lines_.isEmpty()) lines_.append(QString());
        lines_.append(u'[' + section + u']');
        header = lines_.size() - 1;
    }
    // After the section's last key, before the blank lines that part it
    // from the next section.
    qsizetype at = sectionEnd(lines_, header);
    while (at > header + 1 && lines_[at - 1].trimmed().isEmpty())
        --at;
    lines_.insert(at, line);
}

void IniFile::setNumber(const QString& section, const QString& key, qint64 value) {
    setText(section, key, QString::number(value));
}

void IniFile::setDecimal(const QString& section, const QString& key, double value, int decimals) {
    // QString::number never uses the locale's decimal comma.
    setText(section, key, QString::number(value, 'f', std::max(0, decimals)));
}

bool IniFile::save() const {
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write((lines_.join(u'\n') + u'\n').toUtf8());
    return file.commit();
}
