#pragma once

#include "common/task_form.h"
#include "people/tfmupche_store.h"

#include <QHash>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The partner detail "업체등록상세": enters new partners one after another,
// or changes one. The list sets the hidden label LBcomno to the partner's
// number for a change (empty for new partners) before exec(). A change of
// number or name is carried into the cash book in the same transaction.
// "종료" (also Esc) drops what was typed, after asking when anything was.
class TFMupche1 : public TaskForm {
    Q_OBJECT
public:
    explicit TFMupche1(QWidget* parent = nullptr);
    ~TFMupche1() override;

    // Loads the partner of LBcomno, or starts a new one; on the first show.
    void formActivate();
    // Whether the fields differ from the partner as loaded (or from the
    // empty new partner).
    bool hasUnsavedChanges() const;

    QLabel* LBcomno = nullptr;
    QLineEdit* EDcomno = nullptr;
    QLineEdit* EDcomname = nullptr;
    QLineEdit* EDname = nullptr;
    QLineEdit* EDcomaddr = nullptr;
    QLineEdit* EDzip = nullptr;
    QLineEdit* EDupta = nullptr;
    QLineEdit* EDjugmook = nullptr;
    QLineEdit* EDtelno = nullptr;
    QLineEdit* EDfaxno = nullptr;
    QLineEdit* EDremark = nullptr;
    QPushButton* BTinp = nullptr;
    QPushButton* BTquit = nullptr;

signals:
    // A partner was saved; the list shows it at once.
    void saved();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    void connectControls();
    QLineEdit* field(const char* control) const;
    PartnerRecord fromFields() const;
    void showPartner(const PartnerRecord& partner);
    void startNewPartner();
    void lookUpPostalCode();
    void save();
    void quit();

    QList<QLineEdit*> fields_;  // in tab order
    std::optional<PartnerKey> old_;
    PartnerRecord shown_;  // what the fields held when loaded or started
    bool activated_ = false;
};
