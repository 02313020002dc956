#pragma once

#include "data/table.h"

#include "common/task_form.h"

#include <array>

class QLabel;
class QTimer;
class PictureView;

// The listing display "물건 디스플레이": an unattended display for a screen
// facing customers. It shows one listing of BUDONG.DB in large type and
// moves to the next every ten seconds, through every listing in key order
// and round again. Esc closes it.
class TFMdisp : public TaskForm {
    Q_OBJECT
public:
    explicit TFMdisp(QWidget* parent = nullptr);
    ~TFMdisp() override;

    // On activation: the table opened, the current listing shown, the timer
    // started.
    void formActivate();
    // A tick of Timer1: the next listing, or the first once the end was
    // reached.
    void Timer1Timer();

    // The table walked by the display.
    Table TBbudong{QStringLiteral("BUDONG.DB")};
    QTimer* Timer1 = nullptr;

    // Values beside the captions, and the amounts in words.
    QLabel* DBIm = nullptr;
    QLabel* DBCname = nullptr;
    QLabel* DBDpung = nullptr;
    QLabel* DBGpung = nullptr;
    QLabel* DBTmprice = nullptr;
    QLabel* DBMpricepp = nullptr;
    QLabel* DBStair = nullptr;
    QLabel* DBGdfirst = nullptr;
    QLabel* DBGdsecond = nullptr;
    QLabel* DBEnsurem = nullptr;
    QLabel* DBMonthm = nullptr;
    QLabel* DBPricepp = nullptr;
    QLabel* DBIpjuday = nullptr;
    QLabel* DBExpireday = nullptr;
    QLabel* EDTmprice = nullptr;
    QLabel* EDMpricepp = nullptr;
    QLabel* EDEnsurem = nullptr;
    QLabel* EDMonthm = nullptr;
    QLabel* EDPricepp = nullptr;
    QLabel* LBexit = nullptr;
    PictureView* Image1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void buildForm();
    void showListing();
    void stop();

    bool shown_ = false;
};
