#include "people/printer_settings.h"

#include "common/ini_file.h"
#include "people/label_geometry.h"

#include <cmath>

namespace {
constexpr int kMostDpi = 100000;
constexpr double kMostMillimetres = 10000.0;

std::optional<double> decimalOf(QString text) {
    text = text.trimmed();
    text.replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}
}  // namespace

const std::array<PrinterSettingsField, 10>& printerSettingsFields() {
    static const QString printable = QStringLiteral("프린트 가능 길이");
    static const QString perMm = QStringLiteral("미리미터당 픽셀 수");
    static const QString dpi = QStringLiteral("프린트 해상도");
    static const QString gutter = QStringLiteral("기본 마진");
    static const std::array<PrinterSettingsField, 10> fields{{
        {"PrinterPageWidth", "Edit1", printable, QStringLiteral("가로"), false},
        {"PrinterPageHeight", "Edit2", printable, QStringLiteral("세로"), false},
        {"PixelsPerMiliHorizontal", "Edit3", perMm, QStringLiteral("가로"), false},
        {"PixelsPerMiliVertical", "Edit4", perMm, QStringLiteral("세로"), false},
        {"PixelsPerInchHorizontal", "Edit5", dpi, QStringLiteral("가로"), true},
        {"PixelsPerInchVertical", "Edit6", dpi, QStringLiteral("세로"), true},
        {"GutterLeft", "Edit7", gutter, QStringLiteral("좌"), false},
        {"GutterRight", "Edit8", gutter, QStringLiteral("우"), false},
        {"GutterTop", "Edit9", gutter, QStringLiteral("상"), false},
        {"GutterBottom", "Edit10", gutter, QStringLiteral("하"), false},
    }};
    return fields;
}

QString settingsDecimal(double value) {
    return QString::number(value, 'g', 15);
}

PrinterSettingsTexts readPrinterSettings(const IniFile& ini) {
    PrinterSettingsTexts texts;
    const auto& fields = printerSettingsFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const QString key = QLatin1String(fields[i].key);
        if (fields[i].whole) {
            texts[i] = QString::number(ini.number(labelSettingsSection(), key, 0, 0, kMostDpi));
            continue;
        }
        const QString text = ini.text(labelSettingsSection(), key, QStringLiteral("0"));
        const std::optional<double> value = decimalOf(text);
        texts[i] = value ? settingsDecimal(*value) : text;
    }
    return texts;
}

PrinterSettingsTexts printerSettingsOf(const PrinterMeasurement& m) {
    return {settingsDecimal(m.printableWidthMm()),
            settingsDecimal(m.printableHeightMm()),
            settingsDecimal(m.dotsPerMmX()),
            settingsDecimal(m.dotsPerMmY()),
            QString::number(m.dpiX),
            QString::number(m.dpiY),
            settingsDecimal(m.gutterLeftMm()),
            settingsDecimal(m.gutterRightMm()),
            settingsDecimal(m.gutterTopMm()),
            settingsDecimal(m.gutterBottomMm())};
}

std::optional<PrinterSettingsProblem> checkPrinterSettings(const PrinterSettingsTexts& texts) {
    const auto& fields = printerSettingsFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const QString name = QStringLiteral("%1 '%2'").arg(fields[i].group, fields[i].label);
        const int index = static_cast<int>(i);
        if (fields[i].whole) {
            bool ok = false;
            const int dpi = texts[i].trimmed().toInt(&ok);
            if (!ok || dpi < 0 || dpi > kMostDpi)
                return PrinterSettingsProblem{
                    index, QStringLiteral("%1에는 0에서 %2 사이의 정수를 입력하세요 ...!")
                               .arg(name)
                               .arg(kMostDpi)};
            continue;
        }
        const std::optional<double> value = decimalOf(texts[i]);
        if (!value || *value < 0 || *value > kMostMillimetres)
            return PrinterSettingsProblem{
                index, QStringLiteral("%1에는 0 이상의 숫자를 입력하세요 ...!").arg(name)};
    }
    return std::nullopt;
}

void writePrinterSettings(IniFile& ini, const PrinterSettingsTexts& texts) {
    const auto& fields = printerSettingsFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const QString key = QLatin1String(fields[i].key);
        if (fields[i].whole) {
            ini.setNumber(labelSettingsSection(), key, texts[i].trimmed().toInt());
        } else {
            ini.setText(labelSettingsSection(), key, settingsDecimal(*decimalOf(texts[i])));
        }
    }
}
