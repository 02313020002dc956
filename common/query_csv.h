#pragma once

#include <QByteArray>
#include <QString>

class Query;

// Lists handed on as CSV files, the way the office gives its figures to a
// tax accountant or opens them in a spreadsheet.

// The rows of the query as CSV in UTF-8 with a byte-order mark (so that a
// spreadsheet reads the Korean text): one line of titles, then one line per
// row, with the visible fields among the first `fieldCount` (all fields when
// negative), in field order. Numbers are written whole and exactly, without
// thousands commas, so that the spreadsheet reads them as numbers; an empty
// number stays empty. Texts are quoted. Lines end with CR LF. The query is
// back at its first row afterwards.
QByteArray queryCsv(Query& query, int fieldCount = -1);

// Asks for a file name and writes the query's rows there as CSV; ".csv" is added to a name without
// it. The file is replaced only when everything was written; otherwise the user is told. Returns
// whether a file was written (false when the user cancelled).
bool saveQueryAsCsv(Query& query, int fieldCount = -1);

// "CSV 파일로 저장하였습니다 ...!"
QString csvSavedMessage();
// "파일을 저장할 수 없습니다: <path>"
QString csvNotWrittenMessage(const QString& path);
