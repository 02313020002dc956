#pragma once

#include "tools/month_calendar_dialog.h"

#include <QString>

class QLabel;
class QPushButton;

// The calendar picker "FMcalendar": returns one day. It shares one result
// with the form that opens it, sharedResult(): the chosen day as "YYYY-MM-DD"
// or empty. The picker leaves the result as it is when it opens; OK, or a
// double-click on a day, writes the selected day into it and closes; Cancel
// empties it and closes. The caller copies a non-empty result into the date
// field it opened the picker for and leaves the field alone otherwise.
class TFMcalendar : public MonthCalendarDialog {
    Q_OBJECT
public:
    explicit TFMcalendar(QWidget* parent = nullptr);
    ~TFMcalendar() override;

    // The result shared between the picker and its caller. It belongs to the
    // picker's module, not to one picker: it outlives the form, and the
    // caller may read (or clear) it before and after showing the form.
    static QString& sharedResult();

    QPushButton* BitBtn1 = nullptr;  // OK
    QPushButton* BitBtn2 = nullptr;  // Cancel

private:
    void buildLayout();
    void takeDay();
    void cancel();

};
