#pragma once

#include <QString>

class Query;

// Replaces the table `targetTable` with the columns and all rows of the
// query's statement: the table is created anew with the result's column
// names and declared types (so text keeps its width), in one transaction.
// An empty result leaves an empty table with the query's columns.
void batchCopy(Query& source, const QString& targetTable);
