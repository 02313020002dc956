#pragma once

#include "reports/report.h"

#include <QString>

// The layouts of the two banded listing reports.

// "물 건 리 스 트": every listing of all_list.DB (the list's last search), two
// lines per listing, A4 landscape. `condition` is the caption under the
// heading, "[ 구분:…/분류:…/지역:… ]". A rule is drawn under every fifth
// listing. Pages break where the next listing no longer fits: 18 listings a
// page between the 23.3 mm page header and the bottom margin.
Report listingListReport(const QString& condition);

// "물 건  카 드": the whole record of one listing on an A4 portrait page.
Report propertyCardReport();

// The condition caption of the list's search: "[ 구분:매매/분류:아파트/지역:역삼 ]".
QString listingReportCondition(const QString& im, const QString& cname, const QString& addr);
