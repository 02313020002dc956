#pragma once

// Helpers shared by the client tests: the listing tests' helpers (controls
// by object name, drop-down items) and a store of client requests.

#include "tests/listings/listings_support.h"

#include "clients/match_settings.h"
#include "clients/tfmbur_lst.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTableView>

#include <memory>
#include <optional>

class ClientsStoreTest : public ListingsStoreTest {
protected:
    // A client request with the fields given as (field, value) pairs.
    void addClient(const QString& key,
                   std::initializer_list<std::pair<const char*, QVariant>> values) {
        QStringList fields{QStringLiteral("scancode")};
        QStringList marks{QStringLiteral("?")};
        QVariantList parameters{key};
        for (const auto& [field, value] : values) {
            fields.append(QLatin1String(field));
            marks.append(QStringLiteral("?"));
            parameters.append(value);
        }
        sql(QStringLiteral("INSERT INTO burequ (%1) VALUES (%2)")
                .arg(fields.join(u','), marks.join(u',')),
            parameters);
    }
    QVariant client(const QString& key, const char* field) { return fieldOf("burequ", field, key); }
};

// Six clients that each search condition tells apart, and seven listings.
//        name    kind  category  wanted  regions        budget  land     bldg    status
//  C1    김매수  매수  아파트    래미안  역삼,잠실       60,000  20-40    -       문의
//  C2    이임대  임대  상가      -       해운대          20,000  -        30-50   작업중
//  C3    박전체  전체  전체      -       -               -       -        -       계약
//  C4    최상가  매수  상가건물  -       강남           300,000  50-150  100-400 좋은손님
//  C5    정원룸  임대  원룸      -       신촌             5,000  -        0-10   취소
//  C6    강토지  매수  토지      -       분당            40,000  100-     -       문의
class ClientsAndListingsTest : public ClientsStoreTest {
protected:
    void SetUp() override {
        ClientsStoreTest::SetUp();
        sql(QStringLiteral(
            "INSERT INTO burequ (scancode, name, im, cname, wantcom, addr, yesan, dpungl, "
            "dpungu, gpungl, gpungu, working, inday, htel) VALUES "
            "('C1', '김매수', '매수', '아파트', '래미안', '역삼,잠실', 60000, 20, 40, 0, 0, "
            " '문의', '2026-01-10', '02-111-1111'), "
            "('C2', '이임대', '임대', '상가', '', '해운대', 20000, 0, 0, 30, 50, '작업중', "
            " '2026-02-10', ''), "
            "('C3', '박전체', '전체', '전체', '', '', NULL, 0, 0, 0, 0, '계약', '2026-03-10', ''), "
            "('C4', '최상가', '매수', '상가건물', '', '강남', 300000, 50, 150, 100, 400, "
            " '좋은손님', '2026-04-10', ''), "
            "('C5', '정원룸', '임대', '원룸', '', '신촌', 5000, 0, 0, 0, 10, '취소', "
            " '2026-05-10', ''), "
            "('C6', '강토지', '매수', '토지', '', '분당', 40000, 100, 0, 0, 0, '문의', "
            " '2026-06-10', '')"));
        sql(QStringLiteral(
            "INSERT INTO budong (scancode, im, cname, cname1, addr, dpung, gpung, tmprice, "
            "ensurem, reqing, kwanggo, inday) VALUES "
            "('L01', '매매', '아파트', '래미안', '서울 강남구 역삼동', 30, 25, 50000, 0, 'Y', 'N', "
            " '2026-01-01'), "
            "('L02', '매매', '아파트', '자이', '서울 송파구 잠실동', 20, 33, 90000, 0, 'N', 'N', "
            " '2026-01-02'), "
            "('L03', '임대', '아파트', 'Raemian', '서울 강남구 삼성동', 0, 30, 0, 30000, 'Y', "
            " 'N', '2026-01-03'), "
            "('L04', '임대', '상가', '50%상가', '부산 해운대구', 0, 40, 0, 10000, 'Y', 'N', "
            " '2026-01-04'), "
            "('L05', '매매', '상가건물', '', '서울 강남구 역삼동', 100, 300, 200000, 0, 'Y', 'N', "
            " '2026-01-05')"));
    }
};

// The client list shown and active, and what its grids and printouts show.
class ClientListFixture : public ClientsAndListingsTest {
protected:
    std::unique_ptr<TFMbur_lst> openForm() {
        auto form = std::make_unique<TFMbur_lst>();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    static QStringList keysOf(Query& query, QTableView* grid) {
        QStringList keys;
        const int field = query.fieldIndex(QStringLiteral("Scancode"));
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            keys.append(query.valueAt(row, field).toString());
        return keys;
    }
    static QStringList clients(TFMbur_lst& form) { return keysOf(form.QRburequ, form.DBGrid1); }
    static QStringList listings(TFMbur_lst& form) { return keysOf(form.QRbudong, form.DBGrid2); }
    static QStringList titles(QTableView* grid) {
        QStringList result;
        for (int column = 0; column < grid->model()->columnCount(); ++column)
            result.append(grid->model()->headerData(column, Qt::Horizontal).toString());
        return result;
    }
    static void selectClient(TFMbur_lst& form, int row) {
        form.DBGrid1->selectionModel()->setCurrentIndex(
            form.DBGrid1->model()->index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    static void writeSettings(const QString& text) {
        QFile file(matchSettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("[BUDONG]\nMatching=%1\n").arg(text).toUtf8());
    }
    static QString settingsFile() {
        QFile file(matchSettingsPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    using Op = RecordingPrintDevice::Op;
    static std::optional<Op> textOp(const RecordingPrintDevice& device, const QString& text) {
        for (const Op& op : device.ops(Op::Text)) {
            if (op.text == text) return op;
        }
        return std::nullopt;
    }
};

// Types into a line field as the user does: focus in, clear, type.
inline void typeInto(QLineEdit* field, const QString& typed) {
    field->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    typeText(field, typed);
}
