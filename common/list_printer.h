#pragma once

#include <QString>

#include <functional>

class PrintDevice;
class Query;

// The settings of one ruled list. The list forms fill them in this order, by
// position, with designated initializers.
struct ListPrintOptions {
    int fieldCount = 0;        // fields considered for columns, from the first
    int rowsPerPage = 37;      // data rows in the table of one page
    int reserved = 10;         // not used; the list forms pass 10
    int rowHeightMm = 4;       // height of one table row, also the height of its text
    int topMm = 20;            // printable top to the heading; the table starts 20 mm lower
    int leftMm = 0;            // left margin of the table
    QString heading;           // centred above the table; also the name of the print job
    QString title;             // line above the table at its left
    QString footer;            // below the last table; containing "db": the summary rows instead
    int orientation = 1;       // 1 portrait, any other value landscape
    Query* summary = nullptr;  // printed below the last table when the footer contains "db"
    int numberRows = 1;        // non-zero: the running row number in the first column
};

// Drawn on a page of its own after the last table of a list: a chart of
// the list's figures.
using ListClosingPage = std::function<void(PrintDevice&)>;

// Prints the data set as a ruled table: one line per row, the columns and
// their titles taken from the data set's visible fields, the heading, title
// and print stamp above the table and "page/pages" below it.
//
// A table wider than the paper is never printed cut off: the user is asked
// whether its text may be made smaller to fit, and when even the smallest
// text is too wide, nothing is printed and the user is told (a preview
// shows the smaller text without asking). The print stamp and the page
// number are always placed on the paper.
//
// Whatever happens, the data set is back at its first row afterwards, the
// device's font name and size are restored, the job is ended and the
// orientation is portrait again. A job that ran to its end on a printer is
// confirmed with listPrintedMessage(); a preview is not. An error while
// drawing is passed on to the caller after that clean-up, without the
// confirmation. Returns whether the list was printed.
bool printList(PrintDevice& device, Query& dataSet, const ListPrintOptions& options,
               const ListClosingPage& closingPage = {});

// "프린터시에 문제가 생겼습니다. 확인후 재시도 하세요 ...!"
QString printerProblemMessage();

// Prints through the printer dialog (a printer or a PDF file), the page
// turned as the options say. When the dialog itself fails, `dialogFailure`
// is said and the list is printed on the current printer. Returns whether
// the list was printed (false when the user cancelled).
bool printListWithDialog(Query& dataSet, const ListPrintOptions& options,
                         const QString& dialogFailure = printerProblemMessage(),
                         const ListClosingPage& closingPage = {});

// Shows the list in a preview window, on the page it prints on, from which
// the user may print it.
void previewList(Query& dataSet, const ListPrintOptions& options,
                 const ListClosingPage& closingPage = {});

// "프린트를 완료하였습니다...?"
QString listPrintedMessage();
// Asked before a table wider than the paper is printed with smaller text.
QString listTooWideQuestion();
// Said when even the smallest text is too wide for the paper.
QString listCannotFitMessage();
