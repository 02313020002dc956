#include "common/list_geometry.h"

#include "common/list_printer.h"

#include <algorithm>

int numberColumnDigits(int rowCount) {
    int digits = 1;
    for (int rest = rowCount / 10; rest > 0; rest /= 10)
        ++digits;
    return std::max(3, digits);
}

ListGeometry listGeometry(const ListPrintOptions& options, const MmScale& scale, int rowCount) {
    ListGeometry g;
    g.paddingX = roundHalfEven(scale.dx / 2.0);
    g.paddingY = roundHalfEven(scale.dy / 2.0);
    g.x0 = options.leftMm * scale.dx + 10;
    g.y0 = (options.topMm + 20) * scale.dy;
    g.rowHeight = options.rowHeightMm * scale.dy;
    g.rowsPerPage = std::max(1, options.rowsPerPage);
    g.tableHeight = (g.rowsPerPage + 1) * g.rowHeight;
    g.rowCount = std::max(0, rowCount);
    g.numberDigits = numberColumnDigits(g.rowCount);
    g.pageCount = (g.rowCount + g.rowsPerPage - 1) / g.rowsPerPage;
    g.lastPageRows = g.rowCount - std::max(0, g.pageCount - 1) * g.rowsPerPage;
    return g;
}
