#pragma once

#include "data/query.h"

#include "common/task_form.h"

class QLineEdit;
class QPushButton;
class QTableView;
class ColouredQueryModel;

// The postal-code look-up "우편번호부". The caller may put a search text into
// EDaddr and shows the form modally. When the user chose a row with Enter the
// caption is "!" and the chosen row is the current row of QRzip.
class TFMzip : public TaskForm {
    Q_OBJECT
public:
    explicit TFMzip(QWidget* parent = nullptr);
    ~TFMzip() override;

    QLineEdit* EDaddr = nullptr;
    QPushButton* BTinq = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QTableView* DBGrid1 = nullptr;
    Query QRzip;

    // True when the caption is "!" (a row was chosen).
    bool chosen() const;
    // Fields of the chosen (current) row; empty when there is none.
    QString zip();
    QString addr();
    QString ddd();

    // Runs the search when the search field already holds text.
    void formActivate();
    void search();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildGrid();
    void handleGridKey(int key, const QString& text);
    QString currentText(const QString& field);

    ColouredQueryModel* model_ = nullptr;
    bool activated_ = false;
};
