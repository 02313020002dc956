#include "people/label_geometry.h"

#include "common/ini_file.h"
#include "common/mm_scale.h"

#include <QFileInfo>

#include <cmath>

namespace {

// R(numerator / denominator): the nearest whole number, halves to even.
int roundedQuotient(int numerator, int denominator) {
    return roundHalfEven(static_cast<double>(numerator) / denominator);
}

struct CountKey {
    const char* key;
    int LabelGeometry::*member;
    int least;
    int most;
};

const CountKey kCounts[] = {
    {"RowCount", &LabelGeometry::rowCount, 1, label_limits::kMostRows},
    {"ColCount", &LabelGeometry::colCount, 1, label_limits::kMostColumns},
    {"DivScale", &LabelGeometry::divScale, 1, label_limits::kMostDivScale},
};

struct LengthKey {
    const char* key;
    int LabelGeometry::*member;
    int LabelGeometry::*gutter;  // the gutter a margin includes; null for a gap
};

const LengthKey kLengths[] = {
    {"LeftMargin", &LabelGeometry::leftMargin, &LabelGeometry::gutterLeft},
    {"RightMargin", &LabelGeometry::rightMargin, &LabelGeometry::gutterRight},
    {"TopMargin", &LabelGeometry::topMargin, &LabelGeometry::gutterTop},
    {"BottomMargin", &LabelGeometry::bottomMargin, &LabelGeometry::gutterBottom},
    {"Hterm", &LabelGeometry::hterm, nullptr},
    {"Vterm", &LabelGeometry::vterm, nullptr},
};

const LengthKey kGutters[] = {
    {"GutterLeft", &LabelGeometry::gutterLeft, nullptr},
    {"GutterRight", &LabelGeometry::gutterRight, nullptr},
    {"GutterTop", &LabelGeometry::gutterTop, nullptr},
    {"GutterBottom", &LabelGeometry::gutterBottom, nullptr},
};

// Millimetres of the file in tenths: "4.23" is 42.
int readTenths(const IniFile& ini, const char* key, int fallbackTenths) {
    const double mm =
        ini.decimal(labelSettingsSection(), QLatin1String(key), fallbackTenths / 10.0,
                    label_limits::kLeastLength / 10.0, label_limits::kMostLength / 10.0);
    return static_cast<int>(std::lround(mm * 10));
}

}  // namespace

int LabelGeometry::labelWidth() const {
    const int used = leftMargin + rightMargin + 10 + (colCount - 1) * hterm;
    return roundedQuotient(paperWidth - used, colCount);
}

int LabelGeometry::labelHeight() const {
    const int used = topMargin + bottomMargin + 10 + (rowCount - 1) * vterm;
    return roundedQuotient(paperHeight - used, rowCount);
}

QSize LabelGeometry::screenLabel() const {
    return {roundedQuotient(labelWidth(), divScale), roundedQuotient(labelHeight(), divScale)};
}

QSize LabelGeometry::screenPaper() const {
    return {roundedQuotient(paperWidth, divScale), roundedQuotient(paperHeight, divScale)};
}

QPoint LabelGeometry::labelCorner(int row, int col) const {
    return {leftMargin - gutterLeft + labelWidth() * col + col * hterm,
            topMargin - gutterTop + labelHeight() * row + row * vterm};
}

QRect LabelGeometry::drawnLabel(int row, int col) const {
    const int w = labelWidth();
    const int h = labelHeight();
    const int left = roundedQuotient(w * col + leftMargin + col * hterm, divScale);
    const int fromTop = roundedQuotient(h * row + topMargin + row * vterm, divScale);
    // Edges measured upward from the paper's bottom edge, then turned to
    // a distance from its top edge.
    const int height =
        roundedQuotient(paperHeight, divScale) - roundedQuotient(paperHeight - h, divScale);
    return {QPoint(left, fromTop), QSize(roundedQuotient(w, divScale), height)};
}

QString labelSettingsSection() {
    return QStringLiteral("LABLOPRINTER");
}

QString labelSettingsPath() {
    return IniFile::inProgramDirectory(QStringLiteral("Lablo.ini"));
}

QString tenthsAsMillimetres(int tenths) {
    const QString sign = tenths < 0 ? QStringLiteral("-") : QString();
    const int magnitude = std::abs(tenths);
    return sign + QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
}

namespace {
// Millimetres as the file keeps them: "1", "1.5".
QString fileMillimetres(int tenths) {
    if (tenths % 10 == 0) return QString::number(tenths / 10);
    return tenthsAsMillimetres(tenths);
}
}  // namespace

bool ensureLabelSettings(const QString& path) {
    IniFile ini(path);
    if (ini.hasKey(labelSettingsSection(), QStringLiteral("RowCount"))) return true;
    const LabelGeometry defaults;
    for (const LengthKey& gutter : kGutters) {
        if (!ini.hasKey(labelSettingsSection(), QLatin1String(gutter.key)))
            ini.setText(labelSettingsSection(), QLatin1String(gutter.key),
                        fileMillimetres(defaults.*gutter.member));
    }
    writeLabelGeometry(ini, defaults);
    return ini.save();
}

void readGutters(const IniFile& ini, LabelGeometry& geometry) {
    // The margins stay measured from the paper edge, so the labels keep
    // their place on the sheet; what is printed moves with the new gutters.
    for (const LengthKey& gutter : kGutters)
        geometry.*gutter.member = readTenths(ini, gutter.key, 10);
}

LoadedGeometry readLabelGeometry(const IniFile& ini) {
    LoadedGeometry loaded;
    LabelGeometry& g = loaded.geometry;
    for (const LengthKey& gutter : kGutters)
        g.*gutter.member = readTenths(ini, gutter.key, 10);
    for (const LengthKey& key : kLengths) {
        g.*key.member = readTenths(ini, key.key, 10);
        if (key.gutter) g.*key.member += g.*key.gutter;
    }
    g.paperWidth = ini.number(labelSettingsSection(), QStringLiteral("PaperWidth"), 2100,
                              label_limits::kLeastPaper, label_limits::kMostPaper);
    g.paperHeight = ini.number(labelSettingsSection(), QStringLiteral("PaperHeight"), 2970,
                               label_limits::kLeastPaper, label_limits::kMostPaper);
    const LabelGeometry defaults;
    for (const CountKey& count : kCounts) {
        const QString key = QLatin1String(count.key);
        const QString text = ini.text(labelSettingsSection(), key);
        bool ok = false;
        const int value = text.toInt(&ok);
        if (text.isEmpty() && !ini.hasKey(labelSettingsSection(), key)) {
            g.*count.member = defaults.*count.member;
        } else if (ok && value >= count.least && value <= count.most) {
            g.*count.member = value;
        } else {
            g.*count.member = defaults.*count.member;
            loaded.replaced.append(QStringLiteral("%1=%2 → %3 (%4~%5)")
                                       .arg(key, text)
                                       .arg(defaults.*count.member)
                                       .arg(count.least)
                                       .arg(count.most));
        }
    }
    return loaded;
}

void writeLabelGeometry(IniFile& ini, const LabelGeometry& g) {
    const QString section = labelSettingsSection();
    for (const LengthKey& gutter : kGutters) {
        if (!ini.hasKey(section, QLatin1String(gutter.key)))
            ini.setText(section, QLatin1String(gutter.key), fileMillimetres(g.*gutter.member));
    }
    for (const LengthKey& key : kLengths) {
        const int tenths = g.*key.member - (key.gutter ? g.*key.gutter : 0);
        ini.setText(section, QLatin1String(key.key), fileMillimetres(tenths));
    }
    ini.setNumber(section, QStringLiteral("RowCount"), g.rowCount);
    ini.setNumber(section, QStringLiteral("ColCount"), g.colCount);
    ini.setNumber(section, QStringLiteral("PaperWidth"), g.paperWidth);
    ini.setNumber(section, QStringLiteral("PaperHeight"), g.paperHeight);
    ini.setNumber(section, QStringLiteral("DivScale"), g.divScale);
}

QString replacedSettingsMessage(const QStringList& replaced) {
    return QStringLiteral(
               "Lablo.ini의 라벨 설정 중 쓸 수 없는 값을 기본값으로 바꾸었습니다 ...!\n") +
           replaced.join(u'\n');
}
