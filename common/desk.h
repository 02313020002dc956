#pragma once

#include <QString>

// The desk this program runs at, when an office works at several desks on
// one store: one digit or letter from [Office] desk= of quarnel.ini in the
// office folder. Empty when none (or anything else) is written there.
QString deskNumber();
