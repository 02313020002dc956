#include "people/people_model.h"

#include "common/dates.h"
#include "people/next_birthday.h"

#include <QColor>

#include <iterator>

namespace {

using P = PersonRecord;

enum class Computed { None, NextBirthday, NextAnniversary };

struct Column {
    const char* title;
    int width;
    QString PersonRecord::*member;
    Computed computed;
};

// The list's columns in their order; the dates that come next stand beside the name.
const Column kColumns[] = {
    {"이름", 8, &P::name, Computed::None},
    {"다음 생일", 15, nullptr, Computed::NextBirthday},
    {"다음 결혼기념일", 12, nullptr, Computed::NextAnniversary},
    {"관계구분", 10, &P::gubun, Computed::None},
    {"직장명", 14, &P::comname, Computed::None},
    {"근무부서", 10, &P::buse, Computed::None},
    {"직위", 8, &P::grade, Computed::None},
    {"집전화", 13, &P::hometel, Computed::None},
    {"호출번호", 13, &P::pipi, Computed::None},
    {"직장전화", 13, &P::comtel, Computed::None},
    {"제품종류", 10, &P::cargubun, Computed::None},
    {"구입일자", 10, &P::guipday, Computed::None},
    {"담당자", 8, &P::name1, Computed::None},
    {"집주소", 30, &P::homeaddr, Computed::None},
    {"...", 20, &P::homeaddr1, Computed::None},
    {"회사주소", 30, &P::comaddr, Computed::None},
    {"....", 20, &P::comaddr1, Computed::None},
    {"비고", 30, &P::remark, Computed::None},
};

QString firstLine(const QString& text) {
    const qsizetype end = text.indexOf(u'\n');
    return (end < 0 ? text : text.left(end)).trimmed();
}

}  // namespace

QString nextBirthdayText(const PersonRecord& person, const QDate& today) {
    const std::optional<QDate> next = nextBirthday(person, today);
    if (!next) return {};
    return person.lunarBirthday() ? isoDate(*next) + QStringLiteral(" (음)") : isoDate(*next);
}

PeopleModel::PeopleModel(QObject* parent) : QAbstractTableModel(parent) {}

void PeopleModel::setPeople(std::vector<PersonRecord> people, const QDate& today,
                            const QDate& markUntil) {
    beginResetModel();
    people_ = std::move(people);
    today_ = today;
    markUntil_ = markUntil;
    endResetModel();
}

int PeopleModel::rowOf(const QString& scancode) const {
    for (size_t row = 0; row < people_.size(); ++row) {
        if (people_[row].scancode == scancode) return static_cast<int>(row);
    }
    return -1;
}

int PeopleModel::columnWidth(int column) {
    return column >= 0 && column < int(std::size(kColumns)) ? kColumns[size_t(column)].width : 10;
}

int PeopleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(people_.size());
}

int PeopleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kColumns));
}

QVariant PeopleModel::data(const QModelIndex& index, int role) const {
    if ((role != Qt::DisplayRole && role != Qt::ForegroundRole) || !index.isValid() ||
        index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const PersonRecord& person = people_[static_cast<size_t>(index.row())];
    const Column& column = kColumns[static_cast<size_t>(index.column())];
    if (column.computed == Computed::None)
        return role == Qt::DisplayRole ? QVariant(firstLine(person.*column.member)) : QVariant();
    const std::optional<QDate> date = column.computed == Computed::NextBirthday
                                          ? nextBirthday(person, today_)
                                          : nextAnniversary(person, today_);
    if (role == Qt::ForegroundRole) {
        const bool marked = date && markUntil_.isValid() && *date <= markUntil_;
        return marked ? QVariant(QColor(Qt::red)) : QVariant();
    }
    if (column.computed == Computed::NextBirthday) return nextBirthdayText(person, today_);
    return isoDate(date.value_or(QDate()));
}

QVariant PeopleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QString::fromUtf8(kColumns[static_cast<size_t>(section)].title);
}
