#pragma once

#include "accounts/year_settlement.h"
#include "common/task_form.h"
#include "data/query.h"

class MonthChart;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QueryModel;

// The yearly settlement "년간 : 거래처별 - 월별 매입/매출 결산": one year of
// the cash book as a table of partners by month, for sales or purchases,
// with the row totals, the totals row "▶ 합 계" last and a bar chart of the
// twelve month totals; printed with the chart on the last page, or saved as
// CSV. Opened modally from the cash book, maximised.
class TFMmaipMach : public TaskForm {
    Q_OBJECT
public:
    explicit TFMmaipMach(QWidget* parent = nullptr);
    ~TFMmaipMach() override;

    // On the first show: the settlement of the year field (empty at first).
    void formActivate();
    // Rebuilds the work table for the year and kind and shows it ("결  산").
    void settle();

    SettlementKind kind() const;
    const Settlement& settlement() const { return settlement_; }

    Query QRyear;

    QLineEdit* EDyear = nullptr;
    QRadioButton* RBmaip = nullptr;
    QRadioButton* RBmach = nullptr;
    QPushButton* BTcarDtal = nullptr;
    QPushButton* BTprt = nullptr;
    QPushButton* BTpreview = nullptr;
    QPushButton* BTcsv = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QTableView* DBGrid1 = nullptr;
    MonthChart* CHmonth = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void connectControls();
    QString year() const;
    QString chartTitle() const;
    void print(bool preview);
    void saveCsv();

    QueryModel* model_ = nullptr;
    Settlement settlement_;
    QString settledYear_;
    bool activated_ = false;
};
