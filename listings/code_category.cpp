#include "listings/code_category.h"

namespace {
const QString kListings = QStringLiteral("BUDONG.DB");
const QString kRequests = QStringLiteral("BUREQU.DB");
const QString kLease = QStringLiteral("임대");
const QString kSale = QStringLiteral("매매");
const QString kBuy = QStringLiteral("매수");
}  // namespace

QString categoryLetter(CodeCategory category) {
    switch (category) {
        case CodeCategory::Lease:
            return QStringLiteral("I");
        case CodeCategory::Sale:
            return QStringLiteral("M");
        case CodeCategory::Consultation:
            break;
    }
    return QStringLiteral("W");
}

std::vector<CodeUse> codeUses(CodeCategory category) {
    const QString kind = QStringLiteral("cname");
    switch (category) {
        case CodeCategory::Lease:
            return {{kListings, kind, {kLease}, QStringLiteral("dpung")},
                    {kRequests, kind, {kLease}, QStringLiteral("dpungl")}};
        case CodeCategory::Sale:
            return {{kListings, kind, {kSale}, QStringLiteral("dpung")},
                    {kRequests, kind, {kSale, kBuy}, QStringLiteral("dpungl")}};
        case CodeCategory::Consultation:
            break;
    }
    return {{kRequests, QStringLiteral("working"), {}, QStringLiteral("dpungl")}};
}
