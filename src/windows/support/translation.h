#pragma once

// The program's texts in the pupil's language: Japanese where the system's locale is Japanese,
// as written everywhere else. Every text the pupil sees or hears goes through ui().

#include <QString>

class QLocale;

namespace quindle {

// text (UTF-8) in the installed language.
[[nodiscard]] QString ui(const char *text);
[[nodiscard]] QString ui(const QString &text);

// Installs the translation for locale, or none: then every text stays as written.
void installTranslation(const QLocale &locale);

} // namespace quindle
