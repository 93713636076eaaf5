#include "FrenchTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool FrenchTranslations::Install(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    // The French of France whatever the user's locale: every other text of the program is.
    const QLocale french(QLocale::French, QLocale::France);
    if (!translator->load(french, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}
