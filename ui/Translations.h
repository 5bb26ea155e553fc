#pragma once
// Qt's own dialogs (file, font, colour, print dialogs, the buttons of message boxes) speak
// Japanese like the rest of the program, whatever the desktop's language.

class QCoreApplication;

namespace ui {

// Loads Qt's Japanese translations (Debian's qt6-translations-l10n) and makes Japanese
// the default locale. False when the translations are not installed: Qt's dialogs then
// stay in English, and nothing else changes.
bool installJapaneseTranslations(QCoreApplication& app);

} // namespace ui
