#pragma once

#include "common/task_form.h"
#include "data/query.h"

class QLabel;
class QPushButton;
class QTableView;
class QueryModel;

// The offered history of one client "제시 내역": the listings the office has
// shown the client, the latest first, with the day and the note. The broker
// views a listing (double click), deletes entries recorded by mistake and
// prints the history. The opener calls setClient() before exec().
class TFMbur_offer : public TaskForm {
    Q_OBJECT
public:
    explicit TFMbur_offer(QWidget* parent = nullptr);
    ~TFMbur_offer() override;

    void setClient(const QString& scancode, const QString& name);
    // Reads the history again.
    void formActivate();

    Query QRoffer;

    QLabel* LBclient = nullptr;
    QTableView* DBGrid1 = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTprint = nullptr;
    QPushButton* BTpreview = nullptr;
    QPushButton* BTquit = nullptr;
    QLabel* StatusCount = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void deleteSelected();
    void print(bool preview);
    void viewListing();

    QueryModel* model_ = nullptr;
    QString client_;
    QString name_;
    bool shown_ = false;
};
