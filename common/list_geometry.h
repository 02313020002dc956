#pragma once

#include "common/mm_scale.h"

struct ListPrintOptions;

// Where the ruled table of a list lies on the page, in printer dots, and how
// its rows fall onto pages.
struct ListGeometry {
    int x0 = 0;           // left edge of the table
    int y0 = 0;           // top edge of the table
    int rowHeight = 0;    // one table row
    int tableHeight = 0;  // title row plus rows per page
    int paddingX = 0;     // cell padding, half a millimetre-scale dot each way
    int paddingY = 0;
    int rowsPerPage = 1;
    int rowCount = 0;
    int pageCount = 0;
    int lastPageRows = 0;
    int numberDigits = 3;  // width of the number column in "0" characters

    // Rows ruled on a page: all of them except on the last page.
    int rowsOnPage(int page) const { return page >= pageCount ? lastPageRows : rowsPerPage; }
    // The top of table line j; line 0 is the top of the title row.
    int lineY(int j) const { return y0 + j * rowHeight; }
    // Top of the text below the table (page number, footer).
    int belowTableY() const { return y0 + tableHeight + 10; }
};

// The decimal digits of the row count, at least three.
int numberColumnDigits(int rowCount);

// The geometry of a list of `rowCount` rows. Rows per page below one count
// as one, so that every page takes at least one row.
ListGeometry listGeometry(const ListPrintOptions& options, const MmScale& scale, int rowCount);
