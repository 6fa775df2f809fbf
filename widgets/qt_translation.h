#pragma once
// Qt's own texts (the file dialog, message box buttons, the standard context
// menus) in the user's language, from the translations installed with Qt.
class QLocale;

// Installs qtbase's translation for the locale's languages into the running
// application. False when none is installed; Qt's English texts stay then.
bool InstallQtTranslation(const QLocale& locale);
