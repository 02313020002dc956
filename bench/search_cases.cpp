#include "bench/search_cases.h"

namespace {
SearchCase make(const char* name, const ListingSearchInput& input) {
    return {QString::fromLatin1(name), buildListingSearch(input)};
}
}  // namespace

std::vector<SearchCase> listingSearchCases() {
    std::vector<SearchCase> cases;
    const ListingSearchInput defaults;
    cases.push_back(make("default_flags", defaults));

    ListingSearchInput kind;
    kind.im = QStringLiteral("매매");
    kind.cname = QStringLiteral("아파트");
    cases.push_back(make("kind_category", kind));

    ListingSearchInput amount;
    amount.totalmRange = QStringLiteral("   300-   500");  // 3억 to 5억 원
    cases.push_back(make("amount_range", amount));

    ListingSearchInput address;
    address.addr = QStringLiteral("역삼");
    cases.push_back(make("address_like", address));

    ListingSearchInput name;
    name.name1 = QStringLiteral("민수");
    cases.push_back(make("name_like", name));

    ListingSearchInput dates;
    dates.day1 = QStringLiteral("2026-12-08");
    dates.day2 = QStringLiteral("2027-01-07");
    cases.push_back(make("expireday_range", dates));

    cases.push_back(
        {QStringLiteral("expiring_leases"),
         buildExpiringLeaseSearch(QStringLiteral("2026-12-08"), QStringLiteral("2027-01-07"))});

    ListingSearchInput byKind;
    byKind.sortOrder = ListingSortOrder::Cname;
    cases.push_back(make("sort_cname", byKind));

    ListingSearchInput byAddress;
    byAddress.sortOrder = ListingSortOrder::Addr;
    cases.push_back(make("sort_addr", byAddress));

    ListingSearchInput byKey;
    byKey.reqing = false;
    byKey.sortOrder = ListingSortOrder::Scancode;
    cases.push_back(make("sort_scancode_unflagged", byKey));
    return cases;
}
