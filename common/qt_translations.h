#pragma once

class QCoreApplication;

// Loads Qt's own Korean texts (the print dialog, the preview's tool bar, the
// text fields' context menu, the file dialog), from the translations that
// the system's Qt installs (Debian: qt6-translations-l10n). Returns false
// when they are not installed; the dialogs then stay in English.
bool installQtKoreanTranslations(QCoreApplication& app);
