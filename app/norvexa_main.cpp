// norvexa: the desktop program. `norvexa [PROJECT.nvx]` starts it, with that project
// open when one is named.
#include <filesystem>
#include <optional>

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "shell/ui/desktop_program.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Norvexa");
    QApplication::setApplicationDisplayName("Norvexa");
    QApplication::setDesktopFileName("norvexa");
    QApplication::setWindowIcon(QIcon(":/icons/norvexa.png"));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // Standard buttons and dialogs in Italian ("Sì", "No", "Annulla").
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Italian), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    std::optional<std::filesystem::path> project;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) project = arguments.at(1).toStdString();
    norvexa::DesktopProgram program(project);
    program.start();
    return QApplication::exec();
}
