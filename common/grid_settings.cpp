#include "common/grid_settings.h"

#include "common/column_width.h"
#include "common/ini_file.h"
#include "data/query.h"

#include <limits>

namespace {
const QString kVisibleKey = QStringLiteral("Visible");
const QString kWidthKey = QStringLiteral("Width");
}  // namespace

QString gridSettingsPath() {
    return IniFile::inProgramDirectory(QStringLiteral("GridSet.ini"));
}

GridSettings readGridSettings(const QString& section) {
    const IniFile ini(gridSettingsPath());
    return {ini.text(section, kVisibleKey), ini.text(section, kWidthKey)};
}

bool writeGridSettings(const QString& section, const GridSettings& settings) {
    IniFile ini(gridSettingsPath());
    ini.setText(section, kVisibleKey, settings.visible);
    ini.setText(section, kWidthKey, settings.widths);
    return ini.save();
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
        // Too wide a width is held to the widest the settings accept; none
        // at all (not a number, zero or less) keeps the field's own.
        const int characters =
            clampedNumber(width, 0, std::numeric_limits<int>::min(), kMostColumnCharacters);
        if (characters >= kLeastColumnCharacters) field.displayWidth = characters;
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
