#pragma once

#include <QString>
#include <QStringList>

// The other listings of an owner, found by the home telephone: one item
// "임대 - 아파트 - 30 - 25" (deal kind, property kind, land area, building
// area) per listing whose `htel` equals the telephone. An empty telephone
// finds nothing (it would otherwise list every listing without one).
QStringList listingsWithTelephone(const QString& telephone);
