#pragma once

#include "clients/client_statement.h"

#include <QString>

// The client search of the client list: the search panel's inputs turned
// into the statement of the client query.

// What the search panel holds. The range fields are the masked texts as
// shown, a blank for every free position: "대지"/"건평" "   30-  100"
// (characters 1–5 and 7–11, pyeong), "예산" "   3-   5" (characters 1–4 and
// 6–9, millions of won).
struct ClientSearchInput {
    QString im = QStringLiteral("전체");
    QString name;
    QString addr;
    QString wantcom;
    QString cname = QStringLiteral("전체");
    QString working = QStringLiteral("전체");
    QString dpungRange;
    QString gpungRange;
    QString yesanRange;
    QString day1;
    QString day2;
};

// The select lines of the client query, ending in from "BUREQU.DB" S.
QStringList clientSelectLines();

// "select " and the client columns, one line per given condition, and
// " order by S."inday"". Every typed or chosen value is a parameter; the
// preferred regions are a list of alternatives (parts trimmed, empty parts
// skipped); an area range selects the clients whose own range lies inside
// it (a client who gave no upper bound has none inside a typed upper
// bound); the budget is typed in millions and compared in thousands of won.
// A range part that is not a whole number refuses the search (`refusal`,
// `refusedField`).
ClientStatement buildClientSearch(const ClientSearchInput& input);

// The client query over the requests with these keys, in the order of
// their receipt date; no rows when there are none.
ClientStatement buildClientsByKey(const QStringList& keys);

// The caption of the budget in words while 예산 is typed: "예산▶ " + the
// words of the first amount + " >> " + the words of the second, each typed
// in millions of won. An empty or zero half, or one that is not a number,
// shows no words.
QString budgetCaption(const QString& yesanRange);
