#include "contracts/tfmmama.h"

#include "contracts/contract_sheet_blocks.h"
#include "contracts/sheet_paper.h"
#include "contracts/sheet_rows.h"

namespace {
constexpr int kSheetWidth = 820;
}  // namespace

TFMmama::TFMmama(QWidget* parent) : ContractForm(saleContractProfile(), parent) {
    setObjectName(QStringLiteral("TFMmama"));
    buildSheet();
}

void TFMmama::buildSheet() {
    SheetPaper* sheet = startSheet(kSheetWidth);
    sheet->title(QStringLiteral("부 동 산  매 매  계 약 서"), 12);
    SheetRows rows(sheet, 56);
    const PlaceField field = [this](const char* name, int x, int y, int width) {
        addField(QString::fromLatin1(name), x, y, width);
    };

    rows.line(
        QStringLiteral("매도인과 매수인 쌍방은 아래 표시 부동산에 관하여 다음 계약내용과 같이 "
                       "매매계약을 체결한다."));
    rows.skip(8);
    rows.heading(QStringLiteral("1. 부동산의 표시"));
    int top = rows.y();
    placePropertyRows(rows, field, QStringLiteral("토지"), QStringLiteral("건물"));
    frameTable(sheet, rows, top);

    rows.skip(10);
    rows.heading(QStringLiteral("2. 계약내용"));
    rows.line(QStringLiteral(
        "제 1 조  위 부동산의 매매에 있어 매수인은 매매대금을 아래와 같이 지불하기로 한다."));
    top = rows.y();
    rows.text(QStringLiteral("매매  대금"), 28);
    rows.text(QStringLiteral("금"), 118);
    field("ensurem", 138, rows.y(), 330);
    field("ensurem1", 474, rows.y(), 110);
    rows.text(QStringLiteral("단가(㎡당)"), 592);
    field("danga", 660, rows.y(), 134);
    rows.next();
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
    frameTable(sheet, rows, top);

    rows.skip(8);
    rows.line(
        QStringLiteral("제 2 조  매도인은 매수인으로부터 매매대금의 잔금을 수령함과 동시에 "
                       "매수인에게 소유권 이전등기에 필요한"));
    const int blank = rows.text(
        QStringLiteral("         모든 서류를 교부하고 이전등기에 협력하며, 위 부동산을"), 24);
    field("indoday", blank + 6, rows.y(), 90);
    rows.text(QStringLiteral("일 인도한다."), blank + 102);
    rows.next();
    for (const char* wording :
         {"제 3 조  매도인은 위 부동산에 설정된 저당권,지상권,임차권등 소유권의 행사를 제한하는 "
          "사유가 있거나,",
          "         조세공과 기타 부담금의 미납금 등이 있을때에는 잔금 수수일 까지 그 권리의 하자 "
          "및 부담등을 제거",
          "         하여 완전한 소유권을 매수인에게 이전한다. 다만 승계하기로 합의하는 권리 및 "
          "금액은 그러하지 ",
          "         아니하다.",
          "제 4 조  위 부동산에 관하여 발생한 수익과 제세공과금 등의 부담금은 위 부동산의 인도일을 "
          "기준으로 하되",
          "         그 전일 까지의 것은 매도인에게, 그 이후의 것은 매수인에게 각각 귀속한다.",
          "         다만, 지방세의 납부책임은 지방세법의 납세의무자로 한다.",
          "제 5 조  매수인이 매도인에게 중도금(중도금이 없을때에는 잔금)을 지불할때 까지는 "
          "매도인은 계약금의 배액을",
          "         상환하고, 매수인은 계약금을 포기하고 이 계약을 해제할 수 있다.",
          "제 6 조  중개수수료는 본 계약의 체결과 동시에 당사자 쌍방이 각각 지불하며, 중개업자의 "
          "고의나 과실없이",
          "         거래당사자 사정으로 본 계약이 해약되어도 중개수수료는 지불한다."}) {
        rows.line(QString::fromUtf8(wording));
    }

    rows.skip(6);
    placeRemarks(rows, field, {"remark1", "remark2", "Remark3", "Remark4"});
    rows.skip(6);
    rows.text(QStringLiteral("본 계약을 증명하기 위하여 계약당사자가 이의없음을 확인하고 각자 "
                             "서명.날인한다.      서명일자"),
              24);
    field("signday", 690, rows.y(), 100);
    rows.next();

    rows.skip(10);
    placeParties(sheet, rows, field, QStringLiteral("매 도 인"), QStringLiteral("매 수 인"),
                 QStringLiteral("허 가  번 호"));
    finishSheet(rows.y() + 24);
}
