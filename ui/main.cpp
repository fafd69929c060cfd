// qmconf: the configuration editor of the QM-series monitoring board.
#include "Application.h"
#include "TForm1.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    qm::Application app(argc, argv);
    // The window speaks Russian; so should the toolkit's own dialogs and
    // buttons where its translations are installed.
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&toolkitTexts);
    return app.Run([] { return std::make_unique<qm::TForm1>(); });
}
