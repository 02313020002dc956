#pragma once

#include "data/table.h"

// The data module: the sixteen shared table objects of the program, all on
// the alias qdb3 and closed at creation. Forms open and close them as they
// need them; a table left open by one form is seen open by the next.
class TDM1 {
public:
    explicit TDM1(Database* database = nullptr);

    // The data module of the running program; created at start-up.
    static TDM1& instance();
    static void create(Database* database = nullptr);
    static void destroy();

    Table TBbucode;
    Table TBbudong;
    Table TBburequ;
    Table TBpict;  // index PICT_SCANBUD selected
    Table TBmy;
    Table TBcard;
    Table TBcont_2;
    Table TBmemo;
    Table TBman;
    Table TBmancode;
    Table TBcardi;
    Table TBcont_1;
    Table TBcardMain;  // read-only
    Table TBjungGaForm;
    Table TBjungGaH;
    Table TBdiary1;
};
