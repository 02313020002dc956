#pragma once

#include "common/person_code_lists.h"

#include <QString>

#include <memory>

// The values the main window keeps for all forms, reached without reaching
// into the main window:
//
//     sharedValues().photoChanged = true;                       // a photo form
//     const QStringList& groups = sharedValues().personCodes.list(2);
//     const QString pict = sharedValues().programDirectory() + "PICT/";
//
// The program installs one at start-up; the main window fills the person
// code lists when it is created and the people forms rebuild them. Tests
// get a fresh one for every test.
class SharedValues {
public:
    // Set and read by the photo forms; false at start.
    bool photoChanged = false;
    // The person code lists of MANCODE.DB (lists 0..4).
    PersonCodeLists personCodes;

    // The program directory with its trailing separator: the office folder.
    QString programDirectory() const;
};

SharedValues& sharedValues();
void installSharedValues(std::unique_ptr<SharedValues> values);
