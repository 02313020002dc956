#include "listings/listing_columns.h"

namespace {
struct GridColumn {
    const char* name;
    const char* title;
    FieldType type;
    int size;
    bool shown;
    int width;  // 0: from the field's size
};

constexpr FieldType T = FieldType::Text;
constexpr FieldType I = FieldType::Integer;

// Grid order; the index of a column here is its place in the settings file.
constexpr GridColumn kGridColumns[kListingGridFieldCount] = {
    {"Scancode", "등록코드", T, 17, false, 0},
    {"Inday", "접수일", T, 10, true, 0},
    {"Im", "구분", T, 10, true, 5},
    {"Cname", "분류", T, 18, true, kCnameGridWidth},
    {"Cname1", "부동산명", T, 18, false, 12},
    {"Addr", "주   소", T, 42, false, kAddrGridWidth},
    {"Dpung", "대지평수", I, 0, true, 0},
    {"Gpung", "건평", I, 0, true, 0},
    {"Stair", "층수", I, 0, true, 0},
    {"Tmprice", "매매가", I, 0, true, 0},
    {"Ensurem", "보증", I, 0, true, 0},
    {"Htel", "집전화", T, 17, false, 0},
    {"Otel", "회사전화", T, 17, false, 0},
    {"Mpricepp", "평당가격", I, 0, true, 0},
    {"Pricepp", "평당임대가", I, 0, true, 0},
    {"Monthm", "월세", I, 0, true, 0},
    {"Tbipumm", "권.비", I, 0, true, 0},
    {"Rendmoney", "융자", I, 0, true, 0},
    {"Gdfirst", "준공일", T, 10, true, 0},
    {"Man", "담당자", T, 10, true, 10},
    {"Buildname", "건물명", T, 15, false, 0},
    {"Htel1", "집전화(임차)", T, 17, false, 0},
    {"Otel1", "회사전화(임차)", T, 17, false, 0},
    {"Hphone", "휴대폰(소유)", T, 17, false, 0},
    {"Hphone1", "휴대폰(임차)", T, 17, false, 0},
    {"Name", "소유주", T, 10, false, 0},
    {"Name1", "임차인", T, 10, false, 0},
    {"Duse", "지목", T, 10, false, 0},
    {"Guse", "시설", T, 10, false, 0},
    {"Totalm", "보+권.비", I, 0, true, 0},
    {"Midday", "중도금일", T, 10, true, 0},
    {"Lastday", "잔금일", T, 10, true, 0},
};
}  // namespace

std::vector<FieldDef> listingGridFields() {
    std::vector<FieldDef> fields;
    fields.reserve(kListingGridFieldCount);
    for (const GridColumn& column : kGridColumns) {
        FieldDef field;
        field.name = QString::fromLatin1(column.name);
        field.displayLabel = QString::fromUtf8(column.title);
        field.type = column.type;
        field.size = column.size;
        field.visible = column.shown;
        field.displayWidth = column.width > 0 ? column.width : defaultDisplayWidth(field);
        if (column.type == FieldType::Integer) field.displayFormat = QStringLiteral("###,###");
        fields.push_back(field);
    }
    return fields;
}

std::vector<FieldDef> listingListFields() {
    std::vector<FieldDef> fields = listingGridFields();
    FieldDef leaseEnd;
    leaseEnd.name = QStringLiteral("Expireday");
    leaseEnd.displayLabel = QStringLiteral("계약만료");
    leaseEnd.type = FieldType::Text;
    leaseEnd.size = 10;
    leaseEnd.visible = false;
    leaseEnd.displayWidth = defaultDisplayWidth(leaseEnd);
    fields.push_back(leaseEnd);
    return fields;
}

const QStringList& listingQueryColumns() {
    static const QStringList columns = {
        QStringLiteral("scancode"),  QStringLiteral("cname"),    QStringLiteral("im"),
        QStringLiteral("dpung"),     QStringLiteral("gpung"),    QStringLiteral("stair"),
        QStringLiteral("addr"),      QStringLiteral("mpricepp"), QStringLiteral("pricepp"),
        QStringLiteral("ensurem"),   QStringLiteral("monthm"),   QStringLiteral("inday"),
        QStringLiteral("totalm"),    QStringLiteral("gdfirst"),  QStringLiteral("gdsecond"),
        QStringLiteral("man"),       QStringLiteral("cname1"),   QStringLiteral("tmprice"),
        QStringLiteral("htel"),      QStringLiteral("htel1"),    QStringLiteral("otel"),
        QStringLiteral("otel1"),     QStringLiteral("hphone"),   QStringLiteral("hphone1"),
        QStringLiteral("name"),      QStringLiteral("name1"),    QStringLiteral("duse"),
        QStringLiteral("guse"),      QStringLiteral("tbipumm"),  QStringLiteral("buildname"),
        QStringLiteral("rendmoney"), QStringLiteral("midday"),   QStringLiteral("lastday"),
        QStringLiteral("expireday"),
    };
    return columns;
}

QStringList listingSelectLines() {
    QStringList lines{QStringLiteral("select ")};
    const QStringList& columns = listingQueryColumns();
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const QString column = QStringLiteral("S.\"%1\"").arg(columns[i]);
        lines.append(i + 1 < columns.size() ? column + u','
                                            : column + QStringLiteral(" from \"BUDONG.DB\" S"));
    }
    return lines;
}

const QStringList& listingDetailFields() {
    static const QStringList fields = {
        QStringLiteral("Cname1"), QStringLiteral("Buildname"), QStringLiteral("Otel"),
        QStringLiteral("Otel1"),  QStringLiteral("Htel"),      QStringLiteral("Htel1"),
        QStringLiteral("Hphone"), QStringLiteral("Hphone1"),   QStringLiteral("Addr"),
    };
    return fields;
}
