#pragma once

// The program's texts in the pupil's language. Every text a pupil sees or hears is marked for
// Qt Linguist's lupdate (tr(), QCoreApplication::translate(), QT_TRANSLATE_NOOP in the layout
// tables with the window's class as the context) and looked up in the translation installed
// here; without one, every text stays as written.

#include <QStringList>

class QLocale;

namespace quindle {

// The languages the program is translated into, as locale names: "de", "pt_BR", ...
[[nodiscard]] QStringList translatedLanguages();

// Installs the program's translation for locale and Qt's own for its dialogs, replacing any
// installed before; for a language the program is not translated into, installs none. Returns
// whether the program's translation was found.
bool installTranslation(const QLocale &locale);

} // namespace quindle
