// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The program's texts in the pupil's language. Every text a pupil sees or hears is marked for
// Qt Linguist's lupdate (tr(), QCoreApplication::translate(), QT_TRANSLATE_NOOP in the layout
// tables with the window's class as the context) and looked up in the translation installed
// here; without one, every text stays as written.

#include <QStringList>

class QLocale;

namespace quindle {

// The languages the program is translated into, as locale names: "de", "pt_BR", ... (not
// English, the texts' own language).
[[nodiscard]] QStringList translatedLanguages();

// Whether the program has texts for locale, found as installTranslation finds them: a code with
// a region takes its language's texts ("de_AT": German) as a system set to it does. English,
// the texts' own language, and the C locale have them.
[[nodiscard]] bool isTranslatedInto(const QLocale &locale);

// Makes locale the default one, so that numbers and dates follow it, and installs the program's
// translation for it (for English, the plural forms of its texts) and Qt's own for its dialogs,
// replacing any installed before; for a language the program is not translated into, installs
// none, and the texts stay as written. Returns whether the program's texts were found.
bool installTranslation(const QLocale &locale);

} // namespace quindle
