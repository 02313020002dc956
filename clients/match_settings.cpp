#include "clients/match_settings.h"

#include "common/ini_file.h"

#include <array>

namespace {

const QString kSection = QStringLiteral("BUDONG");
const QString kKey = QStringLiteral("Matching");

using Box = bool MatchSettings::*;
// The boxes in the order of their characters.
constexpr std::array<Box, 7> kBoxes{
    &MatchSettings::cname, &MatchSettings::addr,    &MatchSettings::gpung,   &MatchSettings::dpung,
    &MatchSettings::yesan, &MatchSettings::wantcom, &MatchSettings::openOnly};

}  // namespace

MatchSettings MatchSettings::fromText(const QString& text) {
    MatchSettings settings;
    for (size_t i = 0; i < kBoxes.size(); ++i) {
        const auto at = static_cast<qsizetype>(i);
        settings.*kBoxes[i] = at < text.size() && text.at(at) == u'1';
    }
    return settings;
}

QString MatchSettings::text() const {
    QString text;
    for (const Box box : kBoxes)
        text += this->*box ? u'1' : u'0';
    return text;
}

QString matchSettingsPath() {
    return IniFile::inProgramDirectory(QStringLiteral("qdb.ini"));
}

MatchSettings readMatchSettings() {
    const IniFile ini(matchSettingsPath());
    return MatchSettings::fromText(ini.text(kSection, kKey, QStringLiteral("000000")));
}

bool writeMatchSettings(const MatchSettings& settings) {
    IniFile ini(matchSettingsPath());
    ini.setText(kSection, kKey, settings.text());
    return ini.save();
}
