#pragma once

#include "people/label_geometry.h"

#include <QString>

#include <vector>

// A common A4 sheet of labels: its grid and the label's size, all in tenths
// of a millimetre, with the sheet's own left and top margins and gaps.
struct LabelPreset {
    QString name;
    int rows;
    int cols;
    int width;
    int height;
    int left;
    int top;
    int hgap;
    int vgap;
};

const std::vector<LabelPreset>& labelPresets();

// The geometry with the preset's grid on A4. The margins are measured from
// the paper edge as the label form keeps them, and the right and bottom
// margins chosen so that the label has the preset's size (as nearly as the
// layout's reserve millimetre allows where the labels reach the edge).
LabelGeometry appliedPreset(LabelGeometry geometry, const LabelPreset& preset);
