#pragma once

#include <QString>

// The status-bar hint of a picture button of the main window, chosen by the
// button's Tag (1..7 and 9); empty for any other tag.
QString mainButtonHint(int tag);
