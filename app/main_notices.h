#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The first panel of the main window's status bar carries short notices for
// the office, in a fixed order: first the diary's count of today's and
// tomorrow's entries, then whatever other parts join it (each a line in
// noticeParts() of main_notices.cpp). A part with nothing to say is left out.
struct MainNotice {
    QString text;    // what the panel shows
    QString detail;  // the panel's hint, where there is more to say than the text
};

// Every part read now and joined in order: the texts in one line, the
// details (or, lacking one, the text) one to a line for the hint.
MainNotice mainNotice();

// The parts joined in order, the empty ones left out.
MainNotice joinNotices(const std::vector<MainNotice>& parts);
