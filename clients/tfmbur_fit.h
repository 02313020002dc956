#pragma once

#include "clients/client_match.h"
#include "common/task_form.h"
#include "data/query.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class QueryModel;

// "이 물건에 맞는 손님": the client requests whose wishes a listing meets,
// under the match settings of qdb.ini and the rule of the client list's
// match, so that every client listed here finds the listing with "물건?".
// Opened by the listing list and the listing entry form ("손님?") and after
// a new listing was saved. The opener calls setListing() before exec().
class TFMbur_fit : public TaskForm {
    Q_OBJECT
public:
    explicit TFMbur_fit(QWidget* parent = nullptr);
    ~TFMbur_fit() override;

    // The listing as the rule reads it, and how the form names it.
    void setListing(const MatchListing& listing, const QString& description);
    // Finds the clients again.
    void formActivate();

    // The keys of the clients listed, in the list's order.
    QStringList listedClients();

    Query QRburequ;

    QLabel* LBlisting = nullptr;
    QLabel* LBsettings = nullptr;
    QCheckBox* CKBwaiting = nullptr;
    QTableView* DBGrid1 = nullptr;
    QPushButton* BTallview = nullptr;
    QPushButton* BTprint = nullptr;
    QPushButton* BTpreview = nullptr;
    QPushButton* BTquit = nullptr;
    QLabel* StatusCount = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void viewClient();
    void print(bool preview);

    QueryModel* model_ = nullptr;
    MatchListing listing_;
    QString description_;
    bool shown_ = false;
};

// The settings as words: "분류, 선호지역, 예산" ("구분만" when none is ticked).
QString matchSettingsWords(const MatchSettings& settings);

// How a listing is named on the forms: "매매 아파트  서울시 강남구 역삼동".
QString listingDescription(const MatchListing& listing);
