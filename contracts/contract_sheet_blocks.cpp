#include "contracts/contract_sheet_blocks.h"

#include "contracts/sheet_paper.h"
#include "contracts/sheet_rows.h"

#include <QLine>
#include <QRect>

namespace {
constexpr int kLeft = 16;
constexpr int kLabelX = 28;  // the first column of a table
constexpr int kColumnLine = 108;
constexpr int kEntryX = 118;  // where the entries of a table begin
constexpr int kRight = 800;   // the right edge of the tables
constexpr int kAmountX = 138;
constexpr int kAmountWidth = 330;
constexpr int kWordingX = 474;
}  // namespace

void placePropertyRows(SheetRows& rows, const PlaceField& field, const QString& land,
                       const QString& building) {
    rows.text(QStringLiteral("소  재  지"), kLabelX);
    field("sojaji", kEntryX, rows.y(), 420);
    rows.text(QStringLiteral("("), 544);
    field("dong", 552, rows.y(), 44);
    rows.text(QStringLiteral("동"), 600);
    field("ho", 620, rows.y(), 44);
    rows.text(QStringLiteral("호)"), 668);
    rows.next();
    const struct {
        const QString& label;
        const char* use;
        const char* useLabel;
        int useX;
        const char* squareMetres;
        const char* pyeong;
    } parts[] = {{land, "duse", "지목", 156, "m21", "m21p"},
                 {building, "gujo", "구조,용도", 180, "m22", "m22p"}};
    for (const auto& part : parts) {
        rows.text(part.label, kLabelX);
        rows.text(QString::fromUtf8(part.useLabel), kEntryX);
        field(part.use, part.useX, rows.y(), 370 - part.useX);
        rows.text(QStringLiteral("면적"), 384);
        field(part.squareMetres, 420, rows.y(), 64);
        rows.text(QStringLiteral("㎡  ("), 488);
        field(part.pyeong, 524, rows.y(), 64);
        rows.text(QStringLiteral("평)"), 592);
        rows.next();
    }
}

void placePayment(SheetRows& rows, const PlaceField& field, const PaymentLine& line) {
    rows.text(line.label, kLabelX);
    rows.text(QStringLiteral("금"), kEntryX);
    field(line.amount, kAmountX, rows.y(), kAmountWidth);
    if (!line.wording.isEmpty()) rows.text(line.wording, kWordingX);
    if (line.day) {
        field(line.day, line.dayX, rows.y(), line.dayWidth);
        rows.text(line.afterDay, line.dayX + line.dayWidth + 6);
    }
    rows.next();
}

void placeRemarks(SheetRows& rows, const PlaceField& field, const char* const (&remarks)[4]) {
    rows.heading(QStringLiteral("※ 특약사항"));
    for (const char* remark : remarks) {
        field(remark, 40, rows.y(), 760);
        rows.next();
    }
}

void placeParties(SheetPaper* sheet, SheetRows& rows, const PlaceField& field, const QString& first,
                  const QString& second, const QString& permitLabel) {
    rows.heading(QStringLiteral("3. 계약당사자 및 중개업자의 인적사항"));
    const int top = rows.y();
    const struct {
        const QString& who;
        const char* address;
        const char* telephone;
        const char* number;
        const char* name;
    } parties[] = {{first, "add1", "tel1", "jumin1", "name1"},
                   {second, "add2", "tel2", "jumin2", "name2"}};
    for (const auto& party : parties) {
        if (rows.y() > top) sheet->line(QLine(kLeft, rows.y() - 1, kRight, rows.y() - 1));
        rows.text(party.who, kLabelX);
        rows.text(QStringLiteral("주   소"), kEntryX);
        field(party.address, 210, rows.y(), 380);
        rows.text(QStringLiteral("전화"), 600);
        field(party.telephone, 640, rows.y(), 150);
        rows.next();
        rows.text(QStringLiteral("주민등록번호"), kEntryX);
        field(party.number, 210, rows.y(), 130);
        rows.text(QStringLiteral("성명"), 350);
        field(party.name, 390, rows.y(), 170);
        rows.text(QStringLiteral("(인)"), 566);
        rows.next();
    }
    sheet->line(QLine(kLeft, rows.y() - 1, kRight, rows.y() - 1));
    rows.text(QStringLiteral("중개업자"), kLabelX);
    rows.text(QStringLiteral("사무소소재지"), kEntryX);
    field("comadd1", 210, rows.y(), 380);
    rows.text(QStringLiteral("전화"), 600);
    field("comtel1", 640, rows.y(), 150);
    rows.next();
    rows.text(QStringLiteral("사무소  명칭"), kEntryX);
    field("comtitle1", 210, rows.y(), 160);
    rows.text(QStringLiteral("대표"), 376);
    field("comname1", 410, rows.y(), 80);
    rows.text(QStringLiteral("인"), 494);
    rows.text(permitLabel, 528);
    field("comno1", 612, rows.y(), 150);
    rows.next();
    frameTable(sheet, rows, top);
}

void frameTable(SheetPaper* sheet, const SheetRows& rows, int top) {
    sheet->box(QRect(kLeft, top - 2, kRight - kLeft, rows.y() - top + 2), 2);
    sheet->line(QLine(kColumnLine, top - 2, kColumnLine, rows.y()));
}
