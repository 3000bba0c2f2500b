#include "windows/support/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quindle {

namespace {

constexpr char kTranslations[] = ":/i18n";

} // namespace

QStringList translatedLanguages()
{
    QStringList languages;
    for (const QString &file : QDir(QString::fromLatin1(kTranslations))
                                   .entryList({QStringLiteral("quindle_*.qm")}, QDir::Files)) {
        languages << file.mid(8, file.size() - 11); // between "quindle_" and ".qm"
    }
    return languages;
}

bool installTranslation(const QLocale &locale)
{
    static QTranslator program;
    static QTranslator qt; // the standard dialogs and buttons, from Qt's own translations
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    // English is the program's own language: a system in English loads nothing.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C ||
        !program.load(locale, QStringLiteral("quindle"), QStringLiteral("_"),
                      QString::fromLatin1(kTranslations)))
        return false;
    QCoreApplication::installTranslator(&program);
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return true;
}

} // namespace quindle
