#pragma once

#include <QDate>

#include <cstdint>

class Database;

inline constexpr std::uint64_t kDefaultEntrySeed = 20261210;
inline constexpr int kGeneratedPartners = 50;

// Adds 50 business partners to upche.DBF (when they are not there yet) and
// `count` purchase and sales entries of them to MAIPMACH.DB, in one
// transaction: dates over the six years up to `today`, more of them in each
// later year (the last year holds about two sevenths), about 60 % purchases
// and 40 % sales, amounts from 10,000 to 50,000,000 won with a tenth as tax.
// The same seed gives the same entries. Returns the number of entries written.
int fillCashBook(Database& database, int count, std::uint64_t seed = kDefaultEntrySeed,
                 QDate today = QDate(2026, 12, 8));
