#pragma once

#include "people/person_record.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

// The directory handed on: every field of the Persons of a search, as a CSV
// list for a spreadsheet or as electronic business cards for a telephone.

// CSV in UTF-8 with a byte-order mark (so that a spreadsheet reads the Korean
// text), one heading line, every value quoted, lines ended by CR LF. The
// next birthday is counted from `today`.
QByteArray peopleCsv(const std::vector<PersonRecord>& people, const QDate& today);

// vCard 3.0, one card per Person in one text: name, organisation, telephone
// and fax numbers, addresses, a solar birthday as BDAY (a lunar one goes
// into the note, since a card's birthday is a solar date), the wedding day
// and the relation and group codes as categories. Lines end with CR LF and
// are folded at 75 bytes without splitting a character.
QByteArray peopleVCards(const std::vector<PersonRecord>& people);

// Writes the bytes as the whole file, replacing it only when everything was
// written. False when the file cannot be written.
bool writeWholeFile(const QString& path, const QByteArray& bytes);
