#include "contracts/tfmjungga.h"

#include "contracts/sheet_paper.h"
#include "contracts/sheet_rows.h"

#include <QLine>
#include <QPlainTextEdit>
#include <QRect>

namespace {
constexpr int kSheetWidth = 820;
constexpr int kLeft = 16;
constexpr int kRight = 800;
constexpr int kLabelX = 28;
constexpr int kColumnLine = 108;
constexpr int kMemoSide = 186;
}  // namespace

TFMjungGa::TFMjungGa(QWidget* parent) : ContractForm(explanationSheetProfile(), parent) {
    setObjectName(QStringLiteral("TFMjungGa"));
    buildSheet();
}

// The sheet in the order it prints: the property, the public-law
// restrictions, the registry (the owners, and the other rights in the memo
// beside them), taxes, other matters, the date, the broker and the parties.
void TFMjungGa::buildSheet() {
    SheetPaper* sheet = startSheet(kSheetWidth);
    sheet->title(QStringLiteral("중개대상물 확인 설명서(I)"), 12);
    SheetRows rows(sheet, 56);
    const auto field = [&](const char* name, int x, int width) {
        addField(QString::fromLatin1(name), x, rows.y(), width);
    };
    const auto frame = [&](int top) {
        sheet->box(QRect(kLeft, top - 2, kRight - kLeft, rows.y() - top + 2), 2);
        sheet->line(QLine(kColumnLine, top - 2, kColumnLine, rows.y()));
    };

    field("youname", 600, 110);
    rows.text(QStringLiteral("귀하"), 716);
    rows.next();

    rows.heading(QStringLiteral("1. 중개대상물의 표시"));
    int top = rows.y();
    rows.text(QStringLiteral("건 축 물"), kLabelX);
    rows.text(QStringLiteral("소재지"), 118);
    field("gsojaji", 170, 420);
    rows.text(QStringLiteral("건축년도"), 604);
    field("gyear", 666, 50);
    rows.next();
    rows.text(QStringLiteral("면적"), 118);
    field("gm2", 170, 90);
    rows.text(QStringLiteral("㎡"), 264);
    rows.text(QStringLiteral("구조"), 300);
    field("ggujo", 340, 160);
    rows.next();
    rows.text(QStringLiteral("용도"), 118);
    field("guse", 170, 160);
    rows.text(QStringLiteral("방향"), 344);
    field("gfor", 384, 160);
    rows.next();
    sheet->line(QLine(kLeft, rows.y() - 1, kRight, rows.y() - 1));
    rows.text(QStringLiteral("토    지"), kLabelX);
    rows.text(QStringLiteral("소재지"), 118);
    field("tsojaji", 170, 420);
    rows.next();
    rows.text(QStringLiteral("지목"), 118);
    field("tjimok", 170, 90);
    rows.text(QStringLiteral("면적"), 300);
    field("tm2", 340, 90);
    rows.text(QStringLiteral("㎡"), 434);
    rows.next();
    rows.text(QStringLiteral("지역"), 118);
    field("tsite", 170, 160);
    rows.text(QStringLiteral("지역또는구역"), 344);
    field("tsite1", 430, 230);
    rows.next();
    frame(top);
    rows.skip(4);
    rows.line(QStringLiteral(
        "부동산 중개업법 시행령 제 22조의 규정에 의하여 위 중개대상물에 대하여 확인 설정 합니다."));

    rows.skip(6);
    rows.heading(QStringLiteral("2. 공법상 이용제한 및 거래규제"));
    top = rows.y();
    const struct {
        const char* what;
        const char* basis;
        const char* contentLabel;
        const char* content;
    } rules[] = {{"이용제한", "usex1", "제한내용", "usex2"},
                 {"거래규제", "tradex1", "규제내용", "tradex2"}};
    for (const auto& rule : rules) {
        rows.text(QString::fromUtf8(rule.what), kLabelX);
        rows.text(QStringLiteral("근거"), 118);
        field(rule.basis, 190, 420);
        rows.next();
        rows.text(QString::fromUtf8(rule.contentLabel), 118);
        field(rule.content, 190, 420);
        rows.next();
    }
    frame(top);

    rows.skip(6);
    rows.heading(QStringLiteral("3. 등기부 기재사항"));
    top = rows.y();
    constexpr int kOwnersRight = kRight - kMemoSide - 16;
    rows.text(QStringLiteral("소유권에 관한 사항"), 200);
    rows.text(QStringLiteral("소유권이외의 권리 사항"), kOwnersRight + 20);
    rows.next();
    const int memoTop = rows.y();
    const struct {
        const char* who;
        const char* name;
        const char* number;
        const char* address;
    } owners[] = {{"건 축 물", "gname1", "gjumin1", "gaddr1"},
                  {"토    지", "gname2", "gjumin2", "gaddr2"}};
    for (const auto& owner : owners) {
        rows.text(QString::fromUtf8(owner.who), kLabelX);
        rows.text(QStringLiteral("성명"), 118);
        field(owner.name, 170, 110);
        rows.text(QStringLiteral("주민등록번호"), 300);
        field(owner.number, 390, 130);
        rows.next();
        rows.text(QStringLiteral("주소"), 118);
        field(owner.address, 170, 400);
        rows.next();
    }
    addMemo(QStringLiteral("memo1"), QRect(kRight - kMemoSide - 6, memoTop, kMemoSide, kMemoSide));
    rows.skip(std::max(0, memoTop + kMemoSide + 6 - rows.y()));
    frame(top);
    sheet->line(QLine(kOwnersRight, top - 2, kOwnersRight, rows.y()));

    rows.skip(10);
    top = rows.y();
    rows.text(QStringLiteral("4. 조세에 관한 사항"), kLabelX);
    rows.next();
    field("jose", 40, 750);
    rows.next();
    sheet->line(QLine(kLeft, rows.y() - 1, kRight, rows.y() - 1));
    rows.text(QStringLiteral("5. 기타미공시 중요시설 / 물건의 소유 관계등"), kLabelX);
    rows.next();
    field("gita", 40, 750);
    rows.next();
    sheet->box(QRect(kLeft, top - 2, kRight - kLeft, rows.y() - top + 2), 2);

    rows.skip(10);
    rows.text(QStringLiteral("일 자"), 500);
    field("yymmdd", 560, 110);
    rows.next();
    rows.skip(6);
    top = rows.y();
    rows.text(QStringLiteral("중개 업자"), kLabelX);
    rows.text(QStringLiteral("사무소명칭"), 118);
    field("mycomname", 210, 200);
    rows.next();
    rows.text(QStringLiteral("소  재  지"), 118);
    field("mysojaji", 210, 420);
    rows.next();
    rows.text(QStringLiteral("성      명"), 118);
    field("myname", 210, 120);
    rows.text(QStringLiteral("(인)"), 336);
    rows.next();
    sheet->line(QLine(kLeft, rows.y() - 1, kRight, rows.y() - 1));
    rows.text(QStringLiteral("확  인"), kLabelX);
    rows.text(QStringLiteral("매 도 인 (임 대 인)"), 118);
    field("imdaename", 250, 120);
    rows.text(QStringLiteral("(인)"), 376);
    rows.next();
    rows.text(QStringLiteral("매 수 인 (임 차 인)"), 118);
    field("imchaname", 250, 120);
    rows.text(QStringLiteral("(인)"), 376);
    rows.next();
    frame(top);
    finishSheet(rows.y() + 24);
}
