#pragma once

#include "listings/listing_search.h"

#include <QString>

#include <vector>

// The listing searches that the benchmark times: the filters a broker uses
// every day, each built by the listing list's own statement builder.
struct SearchCase {
    QString name;
    ListingStatement statement;
};

std::vector<SearchCase> listingSearchCases();
