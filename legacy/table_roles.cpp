#include "legacy/table_roles.h"

#include <QHash>

TableRole tableRole(const QString& table) {
    static const QHash<QString, TableRole> roles{
        {QStringLiteral("bucode"), TableRole::StartingData},
        {QStringLiteral("mancode"), TableRole::StartingData},
        {QStringLiteral("addr"), TableRole::StartingData},
        {QStringLiteral("tb_cardm"), TableRole::ProgramLayout},
        {QStringLiteral("tb_cardi"), TableRole::ProgramLayout},
        {QStringLiteral("tb_card"), TableRole::ProgramLayout},
        {QStringLiteral("jungga"), TableRole::ProgramLayout},
        {QStringLiteral("all_list"), TableRole::WorkTable},
        {QStringLiteral("xxx"), TableRole::WorkTable},
        {QStringLiteral("year_tot"), TableRole::WorkTable},
    };
    return roles.value(table, TableRole::OfficeData);
}

QString passedOverReason(TableRole role) {
    switch (role) {
        case TableRole::ProgramLayout:
            return QStringLiteral("문서 서식은 프로그램에 들어 있습니다");
        case TableRole::WorkTable:
            return QStringLiteral("프로그램이 그때그때 다시 만드는 작업용 표입니다");
        default:
            return QString();
    }
}

QString tableTitle(const QString& table) {
    static const QHash<QString, QString> titles{
        {QStringLiteral("budong"), QStringLiteral("매물")},
        {QStringLiteral("burequ"), QStringLiteral("고객 의뢰")},
        {QStringLiteral("pict"), QStringLiteral("매물 사진")},
        {QStringLiteral("diary1"), QStringLiteral("일정")},
        {QStringLiteral("my"), QStringLiteral("사무소 정보")},
        {QStringLiteral("cont_1"), QStringLiteral("임대차 계약서")},
        {QStringLiteral("cont_2"), QStringLiteral("매매 계약서")},
        {QStringLiteral("junggah"), QStringLiteral("중개대상물 확인서")},
        {QStringLiteral("maipmach"), QStringLiteral("금전 출납")},
        {QStringLiteral("maipwon"), QStringLiteral("금전 출납(보조)")},
        {QStringLiteral("man"), QStringLiteral("인명부")},
        {QStringLiteral("upche"), QStringLiteral("거래처")},
        {QStringLiteral("memo"), QStringLiteral("메모")},
        {QStringLiteral("bucode"), QStringLiteral("매물 분류 코드")},
        {QStringLiteral("mancode"), QStringLiteral("인명 코드")},
        {QStringLiteral("addr"), QStringLiteral("우편번호")},
    };
    return titles.value(table, table);
}
