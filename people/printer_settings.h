#pragma once

#include "people/print_object.h"

#include <QString>

#include <array>
#include <optional>

class IniFile;

// The printer's measurements and gutters kept in Lablo.ini, section
// "LABLOPRINTER", as the printer settings form shows them: ten texts in the
// order of the fields Edit1 … Edit10.
struct PrinterSettingsField {
    const char* key;
    const char* control;
    QString group;  // the field's group on the form, for messages
    QString label;
    bool whole;  // dots per inch: whole numbers
};

const std::array<PrinterSettingsField, 10>& printerSettingsFields();

using PrinterSettingsTexts = std::array<QString, 10>;

// The ten values as the form shows them: "0" for a missing key; a decimal
// written with "," reads as one with ".".
PrinterSettingsTexts readPrinterSettings(const IniFile& ini);
// The ten values of a measured printer.
PrinterSettingsTexts printerSettingsOf(const PrinterMeasurement& measurement);

// The first field whose text is not a number the file can keep (a negative
// or non-numeric length, a resolution that is not a whole number): its
// index, with the message to show; none when all ten are sound.
struct PrinterSettingsProblem {
    int field;
    QString message;
};
std::optional<PrinterSettingsProblem> checkPrinterSettings(const PrinterSettingsTexts& texts);
// Writes the ten keys (decimals with "."); only after checkPrinterSettings
// found nothing. Kept in memory until ini.save().
void writePrinterSettings(IniFile& ini, const PrinterSettingsTexts& texts);

// A real value as the form shows and the file keeps it: general form, up to
// 15 significant digits, "." as the decimal point.
QString settingsDecimal(double value);
