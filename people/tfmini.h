#pragma once

#include "common/task_form.h"
#include "people/print_object.h"

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The printer settings form "프린터 설정": shows the measurements of the
// current printer and the four gutters (unprintable margins) that label
// printing reads, and keeps them in Lablo.ini. "프린터 사양 재설정" fills the
// fields from the printer itself, without starting a job; "저  장" writes
// them after checking every field.
class TFMini : public TaskForm {
    Q_OBJECT
public:
    explicit TFMini(QWidget* parent = nullptr);

    // Reads the ten values of the settings file into the fields.
    void formActivate();

    // Measures the current printer; none when there is none. The program
    // asks the system's default printer; tests put in a device of their own.
    std::function<std::optional<PrinterMeasurement>()> measure = measureCurrentPrinter;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void resetFromPrinter();
    void save();

    bool activated_ = false;
    std::array<QLineEdit*, 10> fields_{};

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLineEdit* Edit9 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QLabel* StatusBar1 = nullptr;
};
