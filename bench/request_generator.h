#pragma once

#include <QDate>

#include <cstdint>

class Database;

inline constexpr std::uint64_t kDefaultRequestSeed = 20261209;

// Appends `count` generated client requests to BUREQU.DB of the store, in
// one transaction through one prepared insert: people who want to rent
// (about 60 %), buy ("매매" or "매수") a kind of the store's classification
// codes, with a budget, wanted areas and district, a consultation stage of
// the store's codes and a receipt date in the three years before `today`.
// The same seed gives the same requests. Returns the number of rows written.
int fillRequests(Database& database, int count, std::uint64_t seed = kDefaultRequestSeed,
                 QDate today = QDate(2026, 12, 8));
