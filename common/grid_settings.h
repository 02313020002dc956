#pragma once

#include <QString>

class Query;

// The column settings of a list grid, kept in "GridSet.ini" in the program
// directory, one section per form. `visible` has one character per field in
// field order, "1" shown and "0" hidden; `widths` has each field's display
// width in characters followed by a comma ("17,10,5,").
struct GridSettings {
    QString visible;
    QString widths;

    bool isEmpty() const { return visible.isEmpty(); }
};

// "GridSet.ini" in the program directory.
QString gridSettingsPath();

// Reads the section's `Visible` and `Width` (empty when the file, the section
// or a key is missing).
GridSettings readGridSettings(const QString& section);

// Writes both keys into the section, keeping the file's other sections and
// keys. Returns false when the file cannot be written.
bool writeGridSettings(const QString& section, const GridSettings& settings);

// Applies the settings to the query's fields: field i is shown exactly when
// character i of `visible` is "1", and takes the next width of `widths`; a
// width beyond the widest the column settings accept (common/column_width.h)
// is held to it. Empty settings leave the fields as they are; characters
// beyond the query's fields are ignored, and a width that is not a positive
// whole number (a short or damaged list) leaves that field's width
// unchanged.
void applyGridSettings(Query& query, const GridSettings& settings);

// The settings that describe the query's first `fieldCount` fields.
GridSettings gridSettingsOf(const Query& query, int fieldCount);
