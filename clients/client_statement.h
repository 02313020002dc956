#pragma once

#include "listings/listing_search.h"

#include <QStringList>
#include <QVariant>

// The statements of the client list (the client search, the match and the
// lists of the offered history) are kept as data, in the shape of the
// listing search's: the lines of the local dialect and their parameters, so
// that the form, the benchmark and the tests run the very same statement.
using ClientStatement = ListingStatement;

// Adds condition lines to a statement: the first condition is joined by
// " where ", every later one by " and "; a condition of several lines
// carries the joiner on its first line only.
class ConditionLines {
public:
    explicit ConditionLines(ClientStatement& statement) : statement_(statement) {}

    void add(const QStringList& lines);
    void add(const QString& line) { add(QStringList{line}); }
    void param(const QString& name, const QVariant& value) {
        statement_.params.append({name, value});
    }
    int count() const { return conditions_; }

private:
    ClientStatement& statement_;
    int conditions_ = 0;
};

// The parts of a list of regions typed one after another with "," between
// them ("역삼, 삼성,"): each part trimmed, empty parts left out.
QStringList regionParts(const QString& regions);

// The region condition over `column` (S."addr"): "(", one line
// `S."<column>" like :<prefix>1` per part with a line "or" between two
// parts, and ")". Each part is a parameter that matches it literally
// anywhere in the column. Nothing is added when there is no part.
void addRegionCondition(ConditionLines& conditions, const QString& column, const QStringList& parts,
                        const QString& parameterPrefix);
