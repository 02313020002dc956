#pragma once

#include "data/query.h"

#include <QString>

// The listing report "물 건 리 스 트" (QREBparts1): every listing the listing
// list copied into all_list.DB, shown in the preview window, from which the
// user prints. The list sets the condition caption LBcondi before run().
class TFMqrparts1 {
public:
    TFMqrparts1();

    // Opens QRparts, reads its rows, closes it and shows the preview.
    void run();

    QString LBcondi;
    Query QRparts;
};
