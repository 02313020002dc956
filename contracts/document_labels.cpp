#include "contracts/document_labels.h"

#include <QHash>

namespace {

// Captions shared by both contracts, with %1 and %2 for the two parties.
const QHash<QString, QString>& contractLabels() {
    static const QHash<QString, QString> labels{
        {"sojaji", "소재지"},
        {"dong", "동"},
        {"ho", "호"},
        {"duse", "토지 지목"},
        {"m21", "토지 면적(㎡)"},
        {"m21p", "토지 면적(평)"},
        {"gujo", "건물 구조,용도"},
        {"m22", "건물 면적(㎡)"},
        {"m22p", "건물 면적(평)"},
        {"imdae", "임대할부분"},
        {"ensurem1", "대금 한글"},
        {"danga", "단가(㎡당)"},
        {"money1", "계약금"},
        {"money21", "중도금(1)"},
        {"money21d", "중도금(1) 지불일"},
        {"money22", "중도금(2)"},
        {"money22d", "중도금(2) 지불일"},
        {"money3", "잔금"},
        {"money3d", "잔금 지불일"},
        {"monthm", "차임(월세금)"},
        {"monthmd", "차임 지불일"},
        {"indoday", "인도일"},
        {"monthcount", "임대차기간(개월)"},
        {"remark1", "특약사항 1"},
        {"remark2", "특약사항 2"},
        {"remark3", "특약사항 3"},
        {"remark4", "특약사항 4"},
        {"signday", "서명일자"},
        {"add1", "%1 주소"},
        {"jumin1", "%1 주민등록번호"},
        {"name1", "%1 성명"},
        {"tel1", "%1 전화"},
        {"add2", "%2 주소"},
        {"jumin2", "%2 주민등록번호"},
        {"name2", "%2 성명"},
        {"tel2", "%2 전화"},
        {"comadd1", "사무소소재지"},
        {"comtitle1", "사무소 명칭"},
        {"comtel1", "사무소 전화"},
        {"comname1", "대표"},
        {"comno1", "허가번호"},
    };
    return labels;
}

const QHash<QString, QString>& sheetLabels() {
    static const QHash<QString, QString> labels{
        {"youname", "귀하"},
        {"gsojaji", "건축물 소재지"},
        {"gyear", "건축년도"},
        {"gm2", "건축물 면적"},
        {"ggujo", "건축물 구조"},
        {"guse", "건축물 용도"},
        {"gfor", "방향"},
        {"tsojaji", "토지 소재지"},
        {"tjimok", "토지 지목"},
        {"tm2", "토지 면적"},
        {"tsite", "지역"},
        {"tsite1", "지역또는구역"},
        {"usex1", "이용제한 근거"},
        {"usex2", "이용제한 내용"},
        {"tradex1", "거래규제 근거"},
        {"tradex2", "거래규제 내용"},
        {"gname1", "건축물 소유자 성명"},
        {"gjumin1", "건축물 소유자 주민등록번호"},
        {"gaddr1", "건축물 소유자 주소"},
        {"gname2", "토지 소유자 성명"},
        {"gjumin2", "토지 소유자 주민등록번호"},
        {"gaddr2", "토지 소유자 주소"},
        {"memo1", "소유권이외의 권리 사항"},
        {"jose", "조세에 관한 사항"},
        {"gita", "기타미공시 중요시설"},
        {"yymmdd", "일자"},
        {"mycomname", "사무소명칭"},
        {"mysojaji", "사무소 소재지"},
        {"myname", "중개업자 성명"},
        {"imdaename", "매도인(임대인)"},
        {"imchaname", "매수인(임차인)"},
    };
    return labels;
}

}  // namespace

QString documentFieldLabel(DocumentKind kind, const QString& field) {
    const QString name = field.toLower();
    if (kind == DocumentKind::Sheet) return sheetLabels().value(name, field);
    if (name == QLatin1String("ensurem"))
        return kind == DocumentKind::Sale ? QStringLiteral("매매대금") : QStringLiteral("보증금");
    const auto found = contractLabels().constFind(name);
    if (found == contractLabels().constEnd()) return field;
    if (!found->contains(u'%')) return *found;
    const bool sale = kind == DocumentKind::Sale;
    QString label = *found;
    return label
        .replace(QStringLiteral("%1"), sale ? QStringLiteral("매도인") : QStringLiteral("임대인"))
        .replace(QStringLiteral("%2"), sale ? QStringLiteral("매수인") : QStringLiteral("임차인"));
}
