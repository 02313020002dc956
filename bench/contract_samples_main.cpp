// quarnel_contract_samples: prints the sale contract, the lease contract and
// the explanation sheet with the values of an ordinary deal, each as a PDF
// file in the folder given (TB_CARDm.pdf, TB_CARDI.pdf, jungGa.pdf), from the
// layouts the program carries. The pictures of the printed pages in
// docs/screenshots are made from them with
// pdftoppm -r 100 -png -singlefile.

#include "app/startup.h"
#include "common/qt_dialogs.h"
#include "common/qt_print_device.h"
#include "contracts/amount_field.h"
#include "contracts/document_profile.h"
#include "contracts/document_row.h"
#include "contracts/layout_printer.h"
#include "data/database.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quarnel_contract_samples FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    initQuarnelResources();
    installFontSubstitutes();
    installDialogs(std::make_unique<QtDialogs>());
    QTemporaryDir store;
    try {
        Database::setQdb3(std::make_unique<Database>(store.path()));
        const DocumentProfile* const documents[] = {&saleContractProfile(), &leaseContractProfile(),
                                                    &explanationSheetProfile()};
        const auto amount = [](const char* digits) {
            return amountFieldText(QString::fromLatin1(digits));
        };
        const auto common = [&](DocumentRow& row) {
            const QPair<const char*, QString> values[] = {
                {"sojaji", "서울특별시 종로구 청운동 12-3 한빛빌라"},
                {"dong", "101"},
                {"ho", "302"},
                {"duse", "대"},
                {"m21", "84.5"},
                {"m21p", "25.56"},
                {"gujo", "철근콘크리트조 주택"},
                {"m22", "59.9"},
                {"m22p", "18.12"},
                {"money1", amount("30000000")},
                {"money21", amount("100000000")},
                {"money21d", "2027-01-10"},
                {"money22", amount("0")},
                {"money3", amount("170000000")},
                {"money3d", "2027-02-20"},
                {"indoday", "2027-02-20"},
                {"remark1",
                 "1. 현 시설 상태에서의 계약이며, 잔금일 전까지 발생한 관리비는 매도인이 "
                 "부담한다."},
                {"remark2", "2. 등기부상 근저당권은 잔금 지급과 동시에 말소하기로 한다."},
                {"signday", "2026-12-08"},
                {"add1", "서울특별시 종로구 자하문로 45"},
                {"jumin1", "650312-1******"},
                {"name1", "김철수"},
                {"tel1", "010-1234-5678"},
                {"add2", "경기도 고양시 일산동구 중앙로 1200"},
                {"jumin2", "820705-2******"},
                {"name2", "이영희"},
                {"tel2", "010-9876-5432"},
                {"comadd1", "서울특별시 종로구 종로 1"},
                {"comtitle1", "한빛공인중개사사무소"},
                {"comtel1", "02-700-1234"},
                {"comname1", "홍길동"},
                {"comno1", "11110-2026-001"}};
            for (const auto& [field, value] : values)
                row.set(QString::fromLatin1(field), value);
        };
        for (const DocumentProfile* profile : documents) {
            DocumentRow row;
            for (const DocumentField& field : profile->fields)
                row.set(field.name, QString());
            LayoutMemo memo;
            if (profile->kind == DocumentKind::Sale) {
                common(row);
                row.set(QStringLiteral("ensurem"), amount("300000000"));
                row.set(QStringLiteral("ensurem1"), QStringLiteral("(계약금 10%)"));
                row.set(QStringLiteral("danga"), QStringLiteral("3,550,296원"));
            } else if (profile->kind == DocumentKind::Lease) {
                common(row);
                row.set(QStringLiteral("imdae"), QStringLiteral("3층 전부 (302호)"));
                row.set(QStringLiteral("ensurem"), amount("300000000"));
                row.set(QStringLiteral("monthm"), amount("500000"));
                row.set(QStringLiteral("monthmd"), QStringLiteral("25"));
                row.set(QStringLiteral("monthCount"), QStringLiteral("24"));
            } else {
                const QPair<const char*, QString> values[] = {
                    {"gsojaji", "서울특별시 종로구 청운동 12-3 한빛빌라 302호"},
                    {"gyear", "2009"},
                    {"gm2", "59.9"},
                    {"ggujo", "철근콘크리트조"},
                    {"guse", "다세대주택"},
                    {"gfor", "남향"},
                    {"tsojaji", "서울특별시 종로구 청운동 12-3"},
                    {"tjimok", "대"},
                    {"tm2", "330.5"},
                    {"tsite", "제2종일반주거지역"},
                    {"tsite1", "최고고도지구"},
                    {"yymmdd", "2026-12-08"},
                    {"myname", "홍길동"},
                    {"mycomname", "한빛공인중개사사무소"},
                    {"mysojaji", "서울특별시 종로구 종로 1"},
                    {"youname", "이영희"},
                    {"gname1", "김철수"},
                    {"gjumin1", "650312-1******"},
                    {"gaddr1", "서울특별시 종로구 자하문로 45"},
                    {"gname2", "김철수"},
                    {"gjumin2", "650312-1******"},
                    {"gaddr2", "서울특별시 종로구 자하문로 45"},
                    {"usex1", "국토의 계획 및 이용에 관한 법률"},
                    {"usex2", "건폐율 60% 이하, 용적률 200% 이하"},
                    {"tradex1", "해당 없음"},
                    {"tradex2", "토지거래허가구역 아님"},
                    {"jose", "재산세, 종합부동산세: 매년 6월 1일 현재 소유자 부담"},
                    {"gita", "주차장 1대, 옥상 공용 물탱크 (관리규약에 따름)"},
                    {"imdaename", "김철수"},
                    {"imchaname", "이영희"}};
                for (const auto& [field, value] : values)
                    row.set(QString::fromLatin1(field), value);
                memo.text = QStringLiteral(
                    "을구 1번 근저당권설정 2019년 5월 3일 접수 채권최고액 금 120,000,000원 "
                    "근저당권자 주식회사 한빛은행 (청운동지점)\n"
                    "을구 2번 전세권설정 없음\n"
                    "갑구: 압류, 가압류, 가처분 등기 없음");
            }
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            const QString file =
                folder + u'/' + profile->layoutTable.section(u'.', 0, 0) + QStringLiteral(".pdf");
            printer.setOutputFileName(file);
            // Drawn as for a preview: no word of success to answer.
            QtPrintDevice device(&printer, /*preview=*/true);
            LayoutRun run{profile->layoutTable, profile->jobTitle, profile->isContract() ? 0 : 5,
                          nullptr};
            if (!profile->isContract()) run.memo = &memo;
            printLayout(device, run, row);
            std::printf("%s\n", qPrintable(file));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        Database::closeQdb3();
        return 1;
    }
    Database::closeQdb3();
    return 0;
}
