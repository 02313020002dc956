#include "people/tfmupche_search.h"

#include "data/query.h"
#include "data/sql_dialect.h"

namespace {

FieldDef listField(const char* name, const char* label, FieldType type, int width, bool visible) {
    FieldDef field;
    field.name = QLatin1String(name);
    field.type = type;
    field.displayLabel = QString::fromUtf8(label);
    field.displayWidth = width;
    field.visible = visible;
    return field;
}

}  // namespace

std::vector<FieldDef> partnerListFields() {
    using T = FieldType;
    std::vector<FieldDef> fields{
        listField("COMNO", "사업자번호", T::Text, 14, true),
        listField("COMNAME", "거래처명", T::Text, 20, true),
        listField("NAME", "대표자", T::Text, 12, true),
        listField("TELNO", "전화번호", T::Text, 14, true),
        listField("FAXNO", "팩스번호", T::Text, 14, true),
        listField("ADDR", "주소", T::Text, 40, false),
        listField("DCIS", "DC", T::Text, 2, true),
        listField("DAY1", "결재", T::SmallInt, 4, true),
        listField("VATOK", "VAT", T::Text, 3, true),
        listField("ZIP", "우편번호", T::Text, 7, false),
        listField("UPTA", "업태", T::Text, 14, false),
        listField("UPJONG", "업종", T::Text, 20, false),
        listField("FMONEY", "초기미수", T::Float, 12, false),
        listField("REMARK", "비고", T::Text, 20, false),
    };
    fields[12].displayFormat = QStringLiteral("###,###");
    return fields;
}

void applyPartnerSearch(Query& query, const PartnerSearch& search) {
    query.clear();
    query.clearParams();
    query.add(QStringLiteral("select * from \"upche.dbf\" u"));
    QString connector = QStringLiteral(" where ");
    const struct {
        const QString& typed;
        const char* column;
        const char* parameter;
    } conditions[] = {{search.comno, "comno", "p1"},
                      {search.comname, "comname", "p2"},
                      {search.name, "name", "p3"},
                      {search.addr, "addr", "p4"}};
    for (const auto& c : conditions) {
        if (c.typed.isEmpty()) continue;
        query.add(connector + QStringLiteral("u.\"%1\" like :%2")
                                  .arg(QLatin1String(c.column), QLatin1String(c.parameter)));
        query.setParam(QLatin1String(c.parameter), containsPattern(c.typed));
        connector = QStringLiteral(" and ");
    }
    query.add(search.byName ? QStringLiteral(" order by u.\"comname\",u.\"comno\"")
                            : QStringLiteral(" order by u.\"comno\""));
    query.setPersistentFields(partnerListFields());
}
