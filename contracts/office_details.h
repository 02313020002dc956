#pragma once

#include <QString>

// The office's own details kept in MY.DB (its first row), copied into every
// new contract.
struct OfficeDetails {
    QString comname1;   // representative broker
    QString comtitle1;  // office name
    QString comadd1;    // office address
    QString comtel1;    // telephone
    QString comno1;     // registration number
};

// The first row of MY.DB; empty texts when the table has no row.
OfficeDetails readOfficeDetails();
