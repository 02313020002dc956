#pragma once

#include "common/task_form.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class PictureView;
struct PropertyCardText;

// The property card "물건카드": one photo of a listing with its main facts,
// printed on one A4 page. The photo manager sets the photo's path in
// LBfileName and the listing's number in LBscancode before exec(). The user
// may add to or change the texts before printing; nothing typed here is
// stored.
class TFMoneSheet : public TaskForm {
    Q_OBJECT
public:
    explicit TFMoneSheet(QWidget* parent = nullptr);

    // On activation: the photo shown and the listing's facts filled in.
    void formActivate();
    // "프린트": the card through the printer dialog.
    void print();
    PropertyCardText cardText() const;

    QLabel* LBfileName = nullptr;
    QLabel* LBscancode = nullptr;
    QLineEdit* EDtitle = nullptr;
    QLineEdit* EDaddr = nullptr;
    QLineEdit* EDdpung = nullptr;
    QLineEdit* EDduse = nullptr;
    QLineEdit* EDyoungdoJi = nullptr;
    QLineEdit* EDyoungdo = nullptr;
    QLineEdit* EDtoji = nullptr;
    QLineEdit* EDtmprice = nullptr;
    QLineEdit* EDmpricepp = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    PictureView* Image1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void fillFromListing();

    bool shown_ = false;
};
