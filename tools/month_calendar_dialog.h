#pragma once

#include "common/task_form.h"

class MonthNavigator;
class QCalendarWidget;
class QComboBox;
class QLabel;
class QPushButton;

// A calendar form: the year and month controls and the calendar they steer,
// made by a MonthNavigator and starting at today. The period selection and
// the calendar picker add their own buttons.
class MonthCalendarDialog : public TaskForm {
    Q_OBJECT
public:
    explicit MonthCalendarDialog(QWidget* parent);
    ~MonthCalendarDialog() override;

    QPushButton* BTyearP = nullptr;
    QPushButton* BTyearN = nullptr;
    QLabel* LByear = nullptr;
    QPushButton* BTmonthP = nullptr;
    QPushButton* BTmonthN = nullptr;
    QComboBox* CBmonth = nullptr;
    QCalendarWidget* Calendar1 = nullptr;

protected:
    MonthNavigator* navigator_ = nullptr;
};
