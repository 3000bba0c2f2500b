#include "windows/support/translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace quindle {

QString ui(const char *text)
{
    return QCoreApplication::translate("Quindle", text);
}

QString ui(const QString &text)
{
    return ui(text.toUtf8().constData());
}

void installTranslation(const QLocale &locale)
{
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    if (locale.language() == QLocale::Japanese &&
        translator.load(QStringLiteral(":/i18n/quindle_ja.qm")))
        QCoreApplication::installTranslator(&translator);
}

} // namespace quindle
