#pragma once

class Database;
class OfficeFolder;

// What the main window does as it closes: when anything was written since
// the last backup, a backup into the configured folder. A progress window
// shows when it takes longer than half a second, and its button stops the
// backup; a backup that fails is told in a Korean message and recorded
// for the status bar. Closing always goes on.
void backUpOnClose(const OfficeFolder& office, Database& store);
