#pragma once

// Starts the program: the application, the office folder and its database,
// the main window and the data module; runs until the main window closes.
int runQuarnel(int argc, char** argv);
