#pragma once

#include <QString>

// What a table of the store is to the import of an office's old tables.
enum class TableRole {
    OfficeData,     // entered by the office's users: listings, clients, cash book, …
    StartingData,   // filled for a new office (codes, the postal sample), replaced freely
    ProgramLayout,  // the printed documents' layouts, which the program supplies
    WorkTable       // rebuilt by the program on demand; its old copy is of no use
};

// The role of a table by its store name (canonical, lower case). A table the
// store has and this list does not name is office data, so tables added to
// the catalogue later are carried over and guarded like the others.
TableRole tableRole(const QString& table);

// Whether rows of the table are carried over from the old files.
inline bool isImported(TableRole role) {
    return role == TableRole::OfficeData || role == TableRole::StartingData;
}

// The Korean name of a table for messages ("매물" for budong); the store
// name itself for a table without one.
QString tableTitle(const QString& table);

// Korean words for why a table of the old folder was passed over.
QString passedOverReason(TableRole role);
