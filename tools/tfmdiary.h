#pragma once

#include "common/task_form.h"
#include "tools/diary_entries.h"

#include <QDate>

#include <vector>

class DiaryMonthView;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

// The office diary "큰달력 일정관리": a month of DIARY1.DB with each day's
// entries, the entries of the chosen day and of the coming 30 days beside
// it. The office's own entries are added, changed and deleted here (through
// TFMdiary_imd); a listing's payment-day reminders are opened in the listing
// entry form, in view mode. The month prints on one landscape page.
class TFMdiary : public TaskForm {
    Q_OBJECT
public:
    explicit TFMdiary(QWidget* parent = nullptr);
    ~TFMdiary() override;

    // Reads the month shown, the chosen day's entries and the coming days
    // again. Runs on the first show and after every change.
    void formActivate();
    // Shows the day's month with the day chosen.
    void selectDay(const QDate& day);
    QDate selectedDay() const { return selected_; }
    // The key of the entry chosen in the day's list; empty when none.
    QString selectedKey() const;

    QPushButton* BTyearP = nullptr;
    QLabel* LByear = nullptr;
    QPushButton* BTyearN = nullptr;
    QPushButton* BTmonthP = nullptr;
    QComboBox* CBmonth = nullptr;
    QPushButton* BTmonthN = nullptr;
    QPushButton* BTtoday = nullptr;
    DiaryMonthView* GRmonth = nullptr;
    QLabel* LBday = nullptr;
    QListWidget* LVday = nullptr;
    QPlainTextEdit* MMnote = nullptr;
    QLabel* LBcoming = nullptr;
    QListWidget* LVcoming = nullptr;
    QPushButton* BTinp = nullptr;
    QPushButton* BTmod = nullptr;
    QPushButton* BTdel = nullptr;
    QPushButton* BTlisting = nullptr;
    QPushButton* BTpreview = nullptr;
    QPushButton* BTprint = nullptr;
    QPushButton* BTquit = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void connectControls();

    void loadMonth();
    void loadComing();
    void showDayList(const QString& keepKey);
    void showChosenEntry();
    const DiaryEntry* chosenEntry() const;
    void comingClicked(QListWidgetItem* item);
    void openEntry(const QString& key);

    void addEntry(const QDate& day);
    void changeEntry();
    void deleteEntry();
    void openListing();
    void printMonth(bool preview);

    QDate selected_;
    bool activated_ = false;
    std::vector<DiaryEntry> monthEntries_;  // the days the page shows
    std::vector<DiaryEntry> comingEntries_;
};
