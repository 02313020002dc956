#pragma once

// Start-up steps shared by the program and its tests.

// Registers the built-in resources (bitmaps, schema, seed data).
void initQuarnelResources();

// The forms name Windows fonts (굴림체, 궁서체, 바탕체); they are mapped to the
// installed Korean fonts.
void installFontSubstitutes();

class QIcon;
// The program's icon in every size it comes in.
QIcon quarnelIcon();
