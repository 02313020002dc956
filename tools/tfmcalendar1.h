#pragma once

#include "tools/month_calendar_dialog.h"

#include <QString>

class QLabel;
class QPushButton;

// The period selection "기간선택": the user takes one day of the calendar as
// the start ("부터") and another as the end ("까지"). Opened modally with no
// values; both results are empty at opening. Afterwards the caller copies
// fromText() and toText() (the texts of LBday1 and LBday2) into its two date
// fields, whichever button closed the form.
class TFMcalendar1 : public MonthCalendarDialog {
    Q_OBJECT
public:
    explicit TFMcalendar1(QWidget* parent = nullptr);
    ~TFMcalendar1() override;

    QLabel* LBday1 = nullptr;        // the start, "YYYY-MM-DD" or empty
    QLabel* LBday2 = nullptr;        // the end, "YYYY-MM-DD" or empty
    QPushButton* BitBtn1 = nullptr;  // "부터": takes the selected day as the start
    QPushButton* BitBtn3 = nullptr;  // "까지": takes it as the end and closes
    QPushButton* BitBtn2 = nullptr;  // "종료": closes

    QString fromText() const;
    QString toText() const;

private:
    void buildLayout();
    void takeFrom();
    void takeTo();

};
