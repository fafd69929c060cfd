// The toolkit's own texts (its dialogs' and buttons') in Russian, as the
// window speaks, where the toolkit's translations are installed.
#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qm {

// Loads the translations into texts and installs them; texts must outlive
// their use.
inline void InstallToolkitTexts(QTranslator& texts) {
    if (texts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&texts);
}

} // namespace qm
