#include "contracts/document_profile.h"

namespace {

using R = FieldRole;

// The fields both contracts share, before and after their own.
std::vector<DocumentField> propertyFields() {
    return {
        {"sojaji", 60},
        {"dong", 4},
        {"ho", 4},
        {"duse", 30},
        {"m21", 6, R::SquareMetres, "m21p"},
        {"m21p", 6, R::Pyeong, "m21"},
        {"gujo", 30},
        {"m22", 6, R::SquareMetres, "m22p"},
        {"m22p", 6, R::Pyeong, "m22"},
    };
}

std::vector<DocumentField> partyFields() {
    return {
        {"signday", 10, R::SignDay},
        {"add1", 60},
        {"jumin1", 14},
        {"name1", 20},
        {"tel1", 17},
        {"add2", 60},
        {"jumin2", 14},
        {"name2", 20},
        {"tel2", 17},
        {"comadd1", 60},
        {"comtitle1", 20},
        {"comtel1", 14},
        {"comname1", 8},
        {"comno1", 15},
    };
}

std::vector<DocumentField> joined(std::initializer_list<std::vector<DocumentField>> parts) {
    std::vector<DocumentField> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace

const DocumentField* DocumentProfile::field(const QString& name) const {
    for (const DocumentField& f : fields) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0) return &f;
    }
    return nullptr;
}

const DocumentProfile& saleContractProfile() {
    static const DocumentProfile profile{
        DocumentKind::Sale,
        QStringLiteral("부동산 매매 계약서"),
        QStringLiteral("부 동 산  매 매  계 약 서"),
        QStringLiteral("cont_2"),
        QStringLiteral("contno"),
        QStringLiteral("TB_CARDm.DB"),
        QStringLiteral("계약서 인쇄 중 ..."),
        QStringLiteral("작성된 계약서가 등록되었습니다 ..!"),
        QStringLiteral("매매계약서"),
        QStringLiteral("sojaji"),
        QStringLiteral("signday"),
        joined({propertyFields(),
                {
                    {"ensurem", 0, R::Amount},
                    {"ensurem1", 15},
                    {"danga", 40},
                    {"money1", 0, R::Amount},
                    {"money21", 0, R::Amount},
                    {"money21d", 10},
                    {"money22", 0, R::Amount},
                    {"money22d", 10},
                    {"money3", 0, R::Amount},
                    {"money3d", 10},
                    {"indoday", 10},
                    {"remark1", 115},
                    {"remark2", 115},
                    {"Remark3", 115},
                    {"Remark4", 115},
                },
                partyFields()}),
        {{"addr", "sojaji"},
         {"duse", "duse"},
         {"name", "name1"},
         {"addr", "add1"},
         {"htel", "tel1"}},
    };
    return profile;
}

const DocumentProfile& leaseContractProfile() {
    static const DocumentProfile profile{
        DocumentKind::Lease,
        QStringLiteral("부동산 임대차 계약서 "),
        QStringLiteral("부 동 산  임 대 차  계 약 서"),
        QStringLiteral("cont_1"),
        QStringLiteral("contno"),
        QStringLiteral("TB_CARDI.DB"),
        QStringLiteral("계약서 인쇄 중 ..."),
        QStringLiteral("작성된 계약서가 등록되었습니다 ..!"),
        QStringLiteral("임대차계약서"),
        QStringLiteral("sojaji"),
        QStringLiteral("signday"),
        joined({propertyFields(),
                {
                    {"imdae", 70},
                    {"ensurem", 0, R::Amount},
                    {"ensurem1", 15},
                    {"money1", 0, R::Amount},
                    {"money21", 0, R::Amount},
                    {"money21d", 10},
                    {"money22", 0, R::Amount},
                    {"money22d", 10},
                    {"money3", 0, R::Amount},
                    {"money3d", 10},
                    {"monthm", 0, R::Amount},
                    {"monthmd", 2},
                    {"indoday", 10},
                    {"monthCount", 2},
                    {"remark1", 115},
                    {"remark2", 115},
                    {"REMARK3", 115},
                    {"REMARK4", 115},
                },
                partyFields()}),
        {{"addr", "sojaji"},
         {"addr", "add1"},
         {"duse", "duse"},
         {"name", "name1"},
         {"htel", "tel1"}},
    };
    return profile;
}

const DocumentProfile& explanationSheetProfile() {
    static const DocumentProfile profile{
        DocumentKind::Sheet,
        QStringLiteral("중개대상물 확인 설명서(I)"),
        QStringLiteral("중개대상물 확인 설명서(I)"),
        QStringLiteral("jungGaH"),
        QString(),
        QStringLiteral("jungGa"),
        QStringLiteral("확인서 인쇄 중 ..."),
        QStringLiteral("작성된 확인서가 등록되었습니다 ..!"),
        QStringLiteral("중개대상물확인설명서"),
        QStringLiteral("gsojaji"),
        QStringLiteral("yymmdd"),
        {
            {"gsojaji", 60}, {"gyear", 4},      {"gm2", 10},           {"ggujo", 20},
            {"guse", 20},    {"gfor", 20},      {"tsojaji", 60},       {"tjimok", 10},
            {"tm2", 10},     {"tsite", 20},     {"tsite1", 30},        {"yymmdd", 10},
            {"myname", 10},  {"mycomname", 20}, {"mysojaji", 60},      {"youname", 10},
            {"gname1", 10},  {"gjumin1", 14},   {"gaddr1", 60},        {"gname2", 10},
            {"gjumin2", 14}, {"gaddr2", 60},    {"memo1", 0, R::Memo}, {"usex1", 60},
            {"usex2", 60},   {"tradex1", 60},   {"tradex2", 60},       {"jose", 100},
            {"gita", 100},   {"imdaename", 10}, {"imchaname", 10},
        },
        {{"addr", "gsojaji"}},
    };
    return profile;
}
