#pragma once

#include "common/person_code_lists.h"
#include "common/shared_values.h"
#include "data/query.h"

#include <QDate>
#include <QMainWindow>
#include <QString>
#include <QUrl>

#include <array>
#include <functional>

class PictureButton;
class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolButton;
class StatusPanels;
class TitleBand;

// The main window "공인중개사  사무실  업무관리 [Quarnel 3.0]": a picture menu
// whose buttons open the task forms, a status bar with the hint of the button
// under the mouse and a running clock, and the product band across the top.
// It also keeps what the task forms share (common/shared_values.h): the
// person code lists, the program directory and the photo-changed flag; and
// the query QR1 on which the exists-or-delete routine runs.
//
// The task forms are opened by whoever listens to the request signals; each
// listener shows its form modally, so when the signal returns the form has
// closed and the window runs its activation again.
class TFMbu_main : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFMbu_main(QWidget* parent = nullptr);
    ~TFMbu_main() override;

    // Rebuilds the five person code lists from MANCODE.DB. A store error is
    // shown; the lists rebuilt before it keep their new codes.
    void loadPersonCodeLists();
    const PersonCodeLists& personCodeLists() const { return sharedValues().personCodes; }
    // Fills `box` with the person code list `listIndex` (0..4); mode 4 puts
    // "전체" first. Selects the first item when there is one.
    void ChangeCho2ForCho1(QComboBox* box, int listIndex, int mode) const;

    // The office folder with its trailing separator, stored at every activation.
    const QString& programDirectory() const { return programDirectory_; }

    // The query of the exists-or-delete routine (common/store_helpers.h).
    Query QR1;

    // Starting an external diary program and opening the office's own
    // manual go through these, so that tests can see what was asked. When
    // either fails, the built-in diary or manual opens instead.
    std::function<bool(const QString& program)> startProgram;
    std::function<bool(const QUrl& document)> openDocument;
    // What the window does as it closes: a backup of the office when
    // anything was written since the last one (backup/backup_on_close.h).
    std::function<void()> backUpOnClose;

    // What the window does each time it becomes active: the program
    // directory and the pictures are read again.
    void formActivate();

    // The text of status panel 0..2.
    QString statusText(int panel) const;
    // Reads the notices of the first status panel again.
    void refreshNotices();

  public slots:
    // Shows the current time in status panel 2.
    void Timer1Timer();

  signals:
    void listingsRequested();        // BT1: listing management
    void clientsRequested();         // BT2: client list
    void cashBookRequested();        // BT4: cash book
    void peopleRequested();          // BT5: people directory
    void memosRequested();           // BT6: memo notes
    void contractsRequested();       // BT7: contract chooser, no listing chosen
    void viewerRequested();          // SpeedButton1 "뷰어": listing display
    void expiringLeasesRequested();  // BitBtn2: listings whose contract ends within 30 days
    void diaryRequested();           // BT3: the built-in diary
    void manualRequested();          // BitBtn1 "설명서": the built-in manual

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildPictureArea();
    QWidget* buildButtonColumn();
    void buildStatusBar();
    void connectActions();
    void loadBitmaps();
    void showHint(int tag);
    void centreOnScreen();
    void openTask(void (TFMbu_main::*request)());
    void BT3Click();
    void BitBtn1Click();

    Query QRscd;
    QString programDirectory_;
    bool activatedOnce_ = false;
    QDate noticeDay_;  // the day the notices were read for

    TitleBand* Panel2 = nullptr;
    QLabel* Image1 = nullptr;
    QWidget* Panel3 = nullptr;
    std::array<PictureButton*, 8> pictureButtons_{};  // BT1 … BT7, BT9
    QToolButton* SpeedButton1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    StatusPanels* statusPanels_ = nullptr;
    QTimer* Timer1 = nullptr;
};

// The warning shown instead of starting the diary program named in
// quarnel.ini when the store is on a database server.
QString serverDiaryRefusal(const QString& program);
