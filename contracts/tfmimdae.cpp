#include "contracts/tfmimdae.h"

#include "contracts/contract_sheet_blocks.h"
#include "contracts/sheet_paper.h"
#include "contracts/sheet_rows.h"

namespace {
constexpr int kSheetWidth = 820;
}  // namespace

TFMimdae::TFMimdae(QWidget* parent) : ContractForm(leaseContractProfile(), parent) {
    setObjectName(QStringLiteral("TFMimdae"));
    buildSheet();
}

void TFMimdae::buildSheet() {
    SheetPaper* sheet = startSheet(kSheetWidth);
    sheet->title(QStringLiteral("부 동 산  임 대 차  계 약 서"), 12);
    SheetRows rows(sheet, 56);
    const PlaceField field = [this](const char* name, int x, int y, int width) {
        addField(QString::fromLatin1(name), x, y, width);
    };

    rows.line(
        QStringLiteral("임대인과 임차인은 아래 표시 부동산에 관하여 다음 계약내용과 같이 협의하여 "
                       "임대차 계약을 체결한다."));
    rows.skip(8);
    rows.heading(QStringLiteral("1. 부동산의 표시"));
    int top = rows.y();
    placePropertyRows(rows, field, QStringLiteral("토      지"), QStringLiteral("건      물"));
    rows.text(QStringLiteral("임대할부분"), 28);
    field("imdae", 118, rows.y(), 560);
    rows.next();
    frameTable(sheet, rows, top);

    rows.skip(10);
    rows.heading(QStringLiteral("2. 계약내용"));
    rows.line(
        QStringLiteral("제 1 조  위 부동산의 임대차에 있어 임차인은 임대차 보증금 및 차임을 아래와 "
                       "같이 지불하기로 한다."));
    top = rows.y();
    placePayment(rows, field, {QStringLiteral("보  증  금"), "ensurem", QString()});
    field("ensurem1", 474, rows.y() - SheetRows::kPitch, 150);
    placePayment(rows, field,
                 {QStringLiteral("계  약  금"), "money1",
                  QStringLiteral("원정은 계약시에 지불하고 영수함.")});
    for (const auto& [amount, day] :
         {std::pair{"money21", "money21d"}, std::pair{"money22", "money22d"}}) {
        placePayment(rows, field,
                     {QStringLiteral("중  도  금"), amount, QStringLiteral("원정은"), day,
                      QStringLiteral("일에 지불하며")});
    }
    placePayment(rows, field,
                 {QStringLiteral("잔      금"), "money3", QStringLiteral("원정은"), "money3d",
                  QStringLiteral("일에 지불한다.")});
    placePayment(rows, field,
                 {QStringLiteral("차임(월세금)"), "monthm", QStringLiteral("원정은 매월"),
                  "monthmd", QStringLiteral("일에 지불하기로 한다."), 552, 30});
    frameTable(sheet, rows, top);

    rows.skip(8);
    int blank = rows.text(
        QStringLiteral(
            "제 2 조  임대인은 위 부동산을 임대차 목적대로 사용 수익할 수 있는 상태로 하여"),
        24);
    field("indoday", blank + 6, rows.y(), 90);
    rows.text(QStringLiteral("일 까지"), blank + 102);
    rows.next();
    blank =
        rows.text(QStringLiteral("         임차인에게 인도하며, 임대차기간은 인도일로부터"), 24);
    field("monthCount", blank + 6, rows.y(), 30);
    rows.text(QStringLiteral("개월로 한다."), blank + 42);
    rows.next();
    for (const char* wording :
         {"제 3 조  임차인은 임대인의 동의없이는 위 부동산의 용도나 구조 등을 변경하거나 "
          "전대,임차권 양도 또는",
          "         담보제공을 하지 못하며 임대차 목적 이외의 용도에 사용할 수 없다.",
          "제 4 조  임차인이 차임을 2기에 달하도록 지불하지 않은경우 임대인은 임대차계약을 해지할 "
          "수 있다.",
          "제 5 조  임대차 계약이 종료한 경우 임차인은 위 부동산을 원상으로 회복하여 임대인에게 "
          "돌려주며,",
          "         임대인은 보증금을 반환한다.",
          "제 6 조  임차인이 임대인에게 중도금(중도금이 없을 때에는 잔금)을 지불할때 까지는 "
          "임대인은 계약금",
          "         의 배액을 상환하고, 임차인은 계약금을 포기하고 이 계약을 해제할 수 있다.",
          "제 7 조  중개수수료는 본 계약체결과 동시에 당사자 쌍방이 각각 지불하며, 중개업자의 "
          "고의나 과실없이",
          "         법률당사자 사정으로 본 계약이 해약되어도 중개수수료는 지급한다."}) {
        rows.line(QString::fromUtf8(wording));
    }

    rows.skip(6);
    placeRemarks(rows, field, {"remark1", "remark2", "REMARK3", "REMARK4"});
    rows.skip(6);
    rows.text(QStringLiteral("이 계약을 증명하기 위하여 계약당사자가 이의없음을 확인하고 각자 "
                             "서명.날인한다.      서명일자"),
              24);
    field("signday", 690, rows.y(), 100);
    rows.next();

    rows.skip(10);
    placeParties(sheet, rows, field, QStringLiteral("임 대 인"), QStringLiteral("임 차 인"),
                 QStringLiteral("허 가 번 호"));
    finishSheet(rows.y() + 24);
}
