#pragma once

#include <QString>

// The store's name for a table. The program spells one table several ways
// ("BUDONG.DB", "budong.db", "budong", "'PICT.DB'"); all reach the table named
// in lower case without quotes, directory or extension.
QString canonicalTableName(const QString& spelling);
