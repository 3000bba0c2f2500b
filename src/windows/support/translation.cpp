// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/support/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quindle {

namespace {

constexpr char kTranslations[] = ":/i18n";

bool loadProgramTexts(QTranslator &translator, const QLocale &locale)
{
    // English is the texts' own language, and the C locale's: its file gives their plural forms.
    return translator.load(locale.language() == QLocale::C ? QLocale(QLocale::English) : locale,
                           QStringLiteral("quindle"), QStringLiteral("_"),
                           QString::fromLatin1(kTranslations));
}

} // namespace

QStringList translatedLanguages()
{
    QStringList languages;
    // Picked by hand rather than by a name filter, which would build a regular expression at
    // every start for the --help text.
    for (const QString &file : QDir(QString::fromLatin1(kTranslations)).entryList(QDir::Files)) {
        if (file.startsWith(QLatin1String("quindle_")) && file.endsWith(QLatin1String(".qm")))
            languages << file.mid(8, file.size() - 11); // between "quindle_" and ".qm"
    }
    languages.removeOne(QStringLiteral("en")); // the texts' own language, always there
    return languages;
}

bool isTranslatedInto(const QLocale &locale)
{
    QTranslator translator;
    return loadProgramTexts(translator, locale);
}

bool installTranslation(const QLocale &locale)
{
    static QTranslator program;
    static QTranslator qt; // the standard dialogs and buttons, from Qt's own translations
    QLocale::setDefault(locale);
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    if (!loadProgramTexts(program, locale))
        return false;
    QCoreApplication::installTranslator(&program);
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return true;
}

} // namespace quindle
