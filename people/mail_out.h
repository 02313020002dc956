#pragma once

#include "people/person_record.h"

#include <QString>
#include <QStringList>

#include <vector>

// The mail-out table: the Persons of the directory's last "DM", in the order
// the directory showed them, for the label printing to read. It is the store's
// table `xxx` ("XXX.DB") with the columns of the directory's list query:
// scancode, name, gubun, comname, buse, grade, hometel, pipi, comtel,
// cargubun, guipday, name1, remark, homezip, homeaddr, homeaddr1, comzip,
// comaddr, comaddr1, dmsource. It has no key, so its rows stand in the order
// they were written: a cursor over it (data/table.h) or readMailOut() meets
// them in the directory's order. `dmsource` says where the mail goes:
// "직장" the company address (comzip, comaddr, comaddr1, buse, grade), any
// other value the home address (homezip, homeaddr, homeaddr1).

QString mailOutTableName();
QStringList mailOutColumns();

// Replaces the rows of the mail-out table by `people`, in one transaction:
// afterwards it holds exactly them, or (on an error) what it held before.
// A table of that name with other columns (another list's scratch copy) is
// made again with the mail-out columns.
void replaceMailOut(const std::vector<PersonRecord>& people);

// The Persons of the mail-out table in the directory's order, with the
// fields of its columns (the others keep their defaults). Throws StoreError when the
// table cannot be read.
std::vector<PersonRecord> readMailOut();
