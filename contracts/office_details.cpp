#include "contracts/office_details.h"

#include "data/table.h"

OfficeDetails readOfficeDetails() {
    Table my(QStringLiteral("MY.DB"));
    my.open();
    OfficeDetails details;
    if (!my.eof()) {
        details.comname1 = my.text(QStringLiteral("Comname1"));
        details.comtitle1 = my.text(QStringLiteral("Comtitle1"));
        details.comadd1 = my.text(QStringLiteral("Comadd1"));
        details.comtel1 = my.text(QStringLiteral("Comtel1"));
        details.comno1 = my.text(QStringLiteral("Comno1"));
    }
    my.close();
    return details;
}
