#pragma once

#include "data/query.h"

#include <QString>

// The property card report "물 건  카 드" (QuickRep1): the whole record of
// one listing on an A4 portrait page, shown in the preview window, from
// which the user prints. The list sets the listing's number with
// setScancode() before run().
class TFMqrOneSheet1 {
public:
    TFMqrOneSheet1();

    // The listing to print: parameter s1 of QRpart.
    void setScancode(const QString& scancode);
    // Opens QRpart, reads the listing, closes it and shows the preview.
    void run();

    Query QRpart;
};
