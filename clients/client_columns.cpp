#include "clients/client_columns.h"

namespace {

constexpr FieldType T = FieldType::Text;
constexpr FieldType I = FieldType::Integer;

struct Column {
    const char* name;
    const char* title;
    FieldType type;
    int size;
    bool shown;
    int width;  // 0: from the field's size
};

template <size_t N>
std::vector<FieldDef> fieldsOf(const Column (&columns)[N]) {
    std::vector<FieldDef> fields;
    fields.reserve(N);
    for (const Column& column : columns) {
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

const Column kClientColumns[kClientGridFieldCount] = {
    {"Scancode", "Scancode", T, 17, false, 0},
    {"Cname", "분류", T, 18, true, 8},
    {"Name", " 손님", T, 10, true, 8},
    {"Im", " 구분", T, 10, true, 0},
    {"Htel", "   집전화", T, 17, true, 0},
    {"inday", "접수일", T, 10, true, 0},
    {"Wantcom", "부동산명", T, 20, true, 14},
    {"yesan", "   예산", I, 0, true, 0},
    {"Working", "  상태", T, 15, true, 10},
    {"Addr", "선호지역", T, 20, true, kClientAddrGridWidth},
    {"dpungl", "대지하한", I, 0, true, 0},
    {"dpungu", "대지상한", I, 0, true, 0},
    {"gpungl", "건평하한", I, 0, true, 0},
    {"gpungu", "건평상한", I, 0, true, 0},
};

const Column kMatchedColumns[kMatchedPrintFieldCount + 1] = {
    {"Scancode", "등록코드", T, 17, false, 0},
    {"Inday", "접수일", T, 10, true, 0},
    {"Im", "구분", T, 10, true, 4},
    {"Cname", "분류", T, 18, true, kMatchedCnameGridWidth},
    {"Dpung", "대지평", I, 0, true, 0},
    {"Gpung", "건평", I, 0, true, 0},
    {"Stair", "층", I, 0, true, 2},
    {"Tmprice", "매매가", I, 0, true, 0},
    {"Ensurem", "보증", I, 0, true, 0},
    {"Pricepp", "평당", I, 0, true, 0},
    {"Monthm", "월세", I, 0, true, 0},
    {"Tbipumm", "권.비", I, 0, true, 0},
    {"Totalm", "보+권.비", I, 0, true, 0},
    {"Rendmoney", "융자", I, 0, true, 0},
    {"Gdfirst", "준공일", T, 10, true, 0},
    {"Man", "담당자", T, 10, true, 10},
    {"Addr", "주소", T, 42, false, kMatchedAddrGridWidth},
    {"Cname1", "상호명", T, 18, false, 12},
    {"Buildname", "건물명", T, 15, false, 0},
    {"Htel", "집전화", T, 17, false, 0},
    {"Htel1", "집전화(임차)", T, 17, false, 0},
    {"Otel", "회사전화", T, 17, false, 0},
    {"Otel1", "업소전화", T, 17, false, 0},
    {"Hphone", "휴대폰(소유)", T, 17, false, 0},
    {"Hphone1", "휴대폰(임차)", T, 17, false, 0},
    {"Midday", "중도금일", T, 10, true, 0},
    {"Lastday", "잔금일", T, 10, true, 0},
    {"Offerday", "제시일", T, 10, true, 0},
};

const Column kOfferedColumns[] = {
    {"offerday", "제시일", T, 10, true, 0},   {"remark", "메모", T, 40, true, 20},
    {"scanbud", "물건번호", T, 17, false, 0}, {"inday", "접수일", T, 10, true, 0},
    {"im", "구분", T, 10, true, 4},           {"cname", "분류", T, 18, true, 8},
    {"addr", "주소", T, 42, true, 24},        {"dpung", "대지평", I, 0, true, 0},
    {"gpung", "건평", I, 0, true, 0},         {"tmprice", "매매가", I, 0, true, 0},
    {"ensurem", "보증", I, 0, true, 0},       {"monthm", "월세", I, 0, true, 0},
    {"man", "담당자", T, 10, true, 0},
};

}  // namespace

std::vector<FieldDef> clientGridFields() {
    return fieldsOf(kClientColumns);
}

std::vector<FieldDef> matchedGridFields() {
    return fieldsOf(kMatchedColumns);
}

const QStringList& matchedDetailFields() {
    static const QStringList fields = {
        QStringLiteral("Cname1"), QStringLiteral("Buildname"), QStringLiteral("Otel"),
        QStringLiteral("Otel1"),  QStringLiteral("Htel"),      QStringLiteral("Htel1"),
        QStringLiteral("Hphone"), QStringLiteral("Hphone1"),   QStringLiteral("Addr"),
    };
    return fields;
}

std::vector<FieldDef> offeredHistoryFields() {
    return fieldsOf(kOfferedColumns);
}
