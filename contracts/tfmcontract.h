#pragma once

#include "common/task_form.h"

class QLabel;
class QPushButton;

// The contract chooser "계약서": the way into the lease contract, the sale
// contract, the contract search and the explanation sheet. The opener sets
// LBscancode: empty from the main window (the documents open for browsing),
// a listing's number from the listing list (each document opens as a new
// one filled from that listing). The chooser stays open until 종 료.
class TFMcontract : public TaskForm {
    Q_OBJECT
public:
    explicit TFMcontract(QWidget* parent = nullptr);

    QLabel* LBscancode = nullptr;  // hidden: the listing's number, or empty

private:
    template <typename Form>
    void openDocument();
    void openSearch();

    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn3 = nullptr;
};
