#pragma once

#include "people/person_record.h"

#include <QAbstractTableModel>
#include <QDate>

#include <vector>

// The rows of the people directory's grid: the Persons of the last search,
// read whole from the store (no read stays open while the list waits for the
// user), with the columns of the list and the dates that come next.
class PeopleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PeopleModel(QObject* parent = nullptr);

    // Shows these Persons; the next birthdays and anniversaries count from
    // `today`. Those that fall on or before `markUntil` (when given) are
    // shown in red: the days the list of coming days was asked for.
    void setPeople(std::vector<PersonRecord> people, const QDate& today,
                   const QDate& markUntil = {});
    const std::vector<PersonRecord>& people() const { return people_; }
    const PersonRecord& person(int row) const { return people_.at(static_cast<size_t>(row)); }
    // The row of the Person with that key; -1 when it is not shown.
    int rowOf(const QString& scancode) const;

    // The width of a column in characters of the grid's font.
    static int columnWidth(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<PersonRecord> people_;
    QDate today_;
    QDate markUntil_;
};

// How a next birthday is shown: "2027-01-05 (음)" for a lunar birthday, the
// date alone for a solar one; empty without one.
QString nextBirthdayText(const PersonRecord& person, const QDate& today);
