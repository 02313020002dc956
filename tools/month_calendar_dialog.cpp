#include "tools/month_calendar_dialog.h"

#include "common/clock.h"
#include "tools/month_navigation.h"

MonthCalendarDialog::MonthCalendarDialog(QWidget* parent)
    : TaskForm(parent), navigator_(new MonthNavigator(this)) {
    // A look-up: Esc cancels it, nothing typed is lost.
    setEscapeCancels();
    BTyearP = navigator_->BTyearP;
    BTyearN = navigator_->BTyearN;
    LByear = navigator_->LByear;
    BTmonthP = navigator_->BTmonthP;
    BTmonthN = navigator_->BTmonthN;
    CBmonth = navigator_->CBmonth;
    Calendar1 = navigator_->Calendar1;
    navigator_->select(appClock().today());
}

MonthCalendarDialog::~MonthCalendarDialog() = default;
