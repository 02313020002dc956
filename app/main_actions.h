#pragma once

class TFMbu_main;

// Connects the main window's buttons to the task forms that exist so far.
// Each form is created, shown modally and destroyed when it closes.
void connectMainActions(TFMbu_main& mainWindow);
