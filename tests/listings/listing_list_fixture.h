#pragma once

#include "common/query_model.h"
#include "listings/tfmbu_lst.h"
#include "tests/support/modal.h"
#include "tests/support/store_fixture.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

// A store with six listings that each search condition of the listing list
// tells apart, and helpers that drive the list through its controls.
//
//         deal  kind      price    land bldg floor flags  lease end
//  A001   매매  아파트    500,000   30   25   12   Y N    -
//  A002   임대  상가       30,000    0   40    1   Y N    2026-12-20
//  A003   임대  아파트    200,000   20   33    3   Y N    2027-01-07
//  A004   매매  토지    1,200,000  300    0    0   N N    2026-12-08
//  A005   매매  상가건물  900,000   50  100    5   Y Y    2027-01-08
//  A006   임대  원룸            0    0    8    2   Y N    2026-12-07
class ListingListFixture : public StoreTest {
protected:
    struct Listing {
        const char* scancode;
        const char* im;
        const char* cname;
        const char* cname1;
        const char* addr;
        const char* addr1;
        const char* name;
        const char* name1;
        const char* buildname;
        const char* man;
        const char* inday;
        const char* expireday;
        const char* reqing;
        const char* kwanggo;
        qint64 tmprice;
        qint64 dpung;
        qint64 gpung;
        qint64 stair;
    };

    void SetUp() override {
        StoreTest::SetUp();
        insert({"A001", "매매", "아파트", "역삼래미안", "서울시 강남구 역삼동", "101동 1203호",
                "김철수", "", "", "김실장", "2026-01-10", "", "Y", "N", 500000, 30, 25, 12});
        insert({"A002", "임대", "상가", "50%할인상가", "서울시 마포구 합정동", "역삼빌딩 2층",
                "이영희", "박민수", "합정_타워", "이과장", "2026-03-05", "2026-12-20", "Y", "N",
                30000, 0, 40, 1});
        insert({"A003", "임대", "아파트", "잠실자이", "서울시 송파구 잠실동", "12-3", "최민수",
                "김영수", "", "박대리", "2026-06-01", "2027-01-07", "Y", "N", 200000, 20, 33, 3});
        insert({"A004", "매매", "토지", "", "성남시 분당구 정자동", "", "정우성", "", "", "김실장",
                "2026-07-01", "2026-12-08", "N", "N", 1200000, 300, 0, 0});
        insert({"A005", "매매", "상가건물", "", "부산시 해운대구 우동", "", "한지민", "",
                "우동타워", "최부장", "2026-08-01", "2027-01-08", "Y", "Y", 900000, 50, 100, 5});
        insert({"A006", "임대", "원룸", "", "대전시 서구 둔산동", "", "오세훈", "서지수", "",
                "실장님", "2026-09-01", "2026-12-07", "Y", "N", 0, 0, 8, 2});
    }

    void insert(const Listing& l) {
        const auto t = [](const char* text) { return QString::fromUtf8(text); };
        sql(QStringLiteral(
                "INSERT INTO budong (scancode, im, cname, cname1, addr, addr1, name, name1, "
                "buildname, man, "
                "inday, expireday, reqing, kwanggo, tmprice, dpung, gpung, stair, totalm) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)"),
            {t(l.scancode), t(l.im), t(l.cname), t(l.cname1), t(l.addr), t(l.addr1), t(l.name),
             t(l.name1), t(l.buildname), t(l.man), t(l.inday), t(l.expireday), t(l.reqing),
             t(l.kwanggo), l.tmprice, l.dpung, l.gpung, l.stair});
    }

    // A form shown and active, after its first activation.
    std::unique_ptr<TFMbu_lst> openForm() {
        auto form = std::make_unique<TFMbu_lst>();
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    template <typename Widget>
    static Widget* control(QWidget& form, const char* name) {
        auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static void click(QWidget& form, const char* name) {
        QTest::mouseClick(control<QPushButton>(form, name), Qt::LeftButton);
    }

    // The listing numbers of the grid's rows, in order.
    static QStringList shown(TFMbu_lst& form) {
        QStringList keys;
        const int field = form.QRbudong.fieldIndex(QStringLiteral("Scancode"));
        auto* grid = control<QTableView>(form, "DBGrid1");
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            keys.append(form.QRbudong.valueAt(row, field).toString());
        }
        return keys;
    }

    static QString statusCount(QWidget& form) {
        return control<QLabel>(form, "StatusCount")->text();
    }

    // The grid's text in the column titled `title`.
    static QString cell(QWidget& form, int row, const QString& title) {
        const QAbstractItemModel* model = control<QTableView>(form, "DBGrid1")->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            if (model->headerData(column, Qt::Horizontal).toString() == title) {
                return model->data(model->index(row, column)).toString();
            }
        }
        ADD_FAILURE() << "no column " << title.toStdString();
        return {};
    }

    static QStringList columnTitles(QWidget& form) {
        const QAbstractItemModel* model = control<QTableView>(form, "DBGrid1")->model();
        QStringList titles;
        for (int column = 0; column < model->columnCount(); ++column) {
            titles.append(model->headerData(column, Qt::Horizontal).toString());
        }
        return titles;
    }

    static void selectRow(QWidget& form, int row) {
        auto* grid = control<QTableView>(form, "DBGrid1");
        grid->selectionModel()->setCurrentIndex(
            grid->model()->index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
};
