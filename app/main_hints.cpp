#include "app/main_hints.h"

QString mainButtonHint(int tag) {
    switch (tag) {
        case 1:
            return QStringLiteral("부동산 물건관리 및 원하는 물건 검색");
        case 2:
            return QStringLiteral("구매자 관리 및 일치하는 물건 검색");
        case 3:
            return QStringLiteral("큰달력 일정관리");
        case 4:
            return QStringLiteral("금전출납관리");
        case 5:
            return QStringLiteral("인명부관리 및 DM ...");
        case 6:
            return QStringLiteral("주요정보 메모관리");
        case 7:
            return QStringLiteral("계약서를 관리합니다");
        case 9:
            return QStringLiteral("프로그램을 완전히 종료합니다");
        default:
            return {};
    }
}
