// Qt's own texts in Spanish: the buttons, labels, tooltips and menus of the
// standard file dialogs, whatever the desktop's language.
#pragma once

class QCoreApplication;

namespace ruvela {

// Installs Qt's Spanish translation (qtbase_es, from Qt's translations
// directory) into `app`, and makes Spanish the default locale, from which
// the dialogs' file list words the kinds of files. Without the translation
// the program still runs with Qt's texts in English: it says so once on
// stderr and returns false. Called before any window is made.
bool InstallQtSpanish(QCoreApplication& app);

}  // namespace ruvela
