#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class PrintDevice;

// What the property card prints: the typed texts of the card form.
struct PropertyCardText {
    QString title;
    QString addr;       // 소 재 지
    QString dpung;      // 면    적
    QString duse;       // 지    목
    QString youngdoJi;  // 용도지역
    QString youngdo;    // 용    도
    QString toji;       // 토지거래
    QString mpricepp;   // 평    당
    QString tmprice;    // 금    액
    QStringList memo;   // 기    타, line by line
};

// The photo's rectangle on the card, in millimetres from the printable
// origin: from (35, 45), 140 wide and 85 high, so to (175, 130).
QRect propertyCardPhotoRectMm();

// Prints the card as one A4 portrait page: the title centred at the top,
// the photo stretched into its frame, the facts in two columns and the memo
// in small type; memo lines below the printable area are left out. The
// device's font is given back and the job ended however drawing ends; an
// error while drawing is passed on after that.
void printPropertyCard(PrintDevice& device, const PropertyCardText& card, const QImage& photo);
