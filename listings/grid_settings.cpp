#include "listings/grid_settings.h"

#include "common/office_folder.h"
#include "data/query.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

const QString kVisibleKey = QStringLiteral("Visible");
const QString kWidthKey = QStringLiteral("Width");

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
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

QString valueOf(const QString& line) {
    return line.mid(line.indexOf(u'=') + 1).trimmed();
}

// Index of the section's header line, -1 when missing.
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

QString readValue(const QStringList& lines, const QString& section, const QString& key) {
    const qsizetype header = findSection(lines, section);
    if (header < 0) return {};
    for (qsizetype i = header + 1; i < sectionEnd(lines, header); ++i) {
        if (keyOf(lines[i]).compare(key, Qt::CaseInsensitive) == 0) return valueOf(lines[i]);
    }
    return {};
}

void setValue(QStringList& lines, const QString& section, const QString& key,
              const QString& value) {
    qsizetype header = findSection(lines, section);
    if (header < 0) {
        if (!lines.isEmpty()) lines.append(QString());
        lines.append(u'[' + section + u']');
        header = lines.size() - 1;
    }
    const qsizetype end = sectionEnd(lines, header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (keyOf(lines[i]).compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = key + u'=' + value;
            return;
        }
    }
    // After the section's last key, before the blank lines that part it
    // from the next section.
    qsizetype at = end;
    while (at > header + 1 && lines[at - 1].trimmed().isEmpty())
        --at;
    lines.insert(at, key + u'=' + value);
}

}  // namespace

QString gridSettingsPath() {
    return officeFolder().programDirectory() + QStringLiteral("GridSet.ini");
}

GridSettings readGridSettings(const QString& section) {
    const QStringList lines = readLines(gridSettingsPath());
    return {readValue(lines, section, kVisibleKey), readValue(lines, section, kWidthKey)};
}

bool writeGridSettings(const QString& section, const GridSettings& settings) {
    QStringList lines = readLines(gridSettingsPath());
    setValue(lines, section, kVisibleKey, settings.visible);
    setValue(lines, section, kWidthKey, settings.widths);
    QSaveFile file(gridSettingsPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    file.write((lines.join(u'\n') + u'\n').toUtf8());
    return file.commit();
}

void applyGridSettings(Query& query, const GridSettings& settings) {
    QString widths = settings.widths;
    const int fields = std::min(static_cast<int>(settings.visible.size()), query.fieldCount());
    for (int i = 0; i < fields; ++i) {
        FieldDef& field = query.field(i);
        field.visible = settings.visible[i] == u'1';
        const qsizetype comma = widths.indexOf(u',');
        const QString width = comma < 0 ? widths : widths.left(comma);
        widths = comma < 0 ? QString() : widths.mid(comma + 1);
        bool ok = false;
        const int characters = width.trimmed().toInt(&ok);
        if (ok && characters > 0) field.displayWidth = characters;
    }
}

GridSettings gridSettingsOf(const Query& query, int fieldCount) {
    GridSettings settings;
    const auto& fields = query.fields();
    const int count = std::min(fieldCount, static_cast<int>(fields.size()));
    for (int i = 0; i < count; ++i) {
        const FieldDef& field = fields[static_cast<size_t>(i)];
        settings.visible += field.visible ? u'1' : u'0';
        settings.widths += QString::number(field.displayWidth) + u',';
    }
    return settings;
}
