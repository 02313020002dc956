#pragma once

class QCoreApplication;
class QPlainTextEdit;
class QTextEdit;

// Keys that behave the same in every window of the program.

// Enter (Return or the keypad's Enter) on a focused push button or tool
// button presses it, as Space does, in every window: the task forms and
// the message boxes and dialogs of the system alike. Installed once on the
// application at start-up (and by the tests, so forms are tried as they
// run).
void installEnterPressesButtons(QCoreApplication& app);

// A memo: Tab and Shift+Tab leave it for the next and previous control
// instead of typing a tab; Enter stays a new line.
void makeMemo(QPlainTextEdit* memo);
void makeMemo(QTextEdit* memo);
