// scaleplate: the desktop program.
#include <QApplication>
#include <csignal>
#include <cstring>
#include <iostream>

#include "base/Version.h"
#include "scale/settings/Settings.h"
#include "scale/settings/SettingsLocation.h"
#include "ui/common/Dialogs.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/Translations.h"
#include "ui/definition/DefinitionEditor.h"
#include "ui/main/MainWindow.h"
#include "ui/plate/PlateDesigner.h"
#include "ui/plate/PresetFolder.h"
#include "ui/print/PrintPlate.h"

int main(int argc, char** argv) {
    std::signal(SIGXFSZ, SIG_IGN);  // a file-size limit is a write error, not a crash
    // Answered before Qt starts, so that it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "scaleplate " << sp::kVersion << "\n";
        return 0;
    }
    QApplication app(argc, argv);
    const std::string exePath = QCoreApplication::applicationFilePath().toStdString();
    QApplication::setApplicationName(QString::fromStdString(sp::ApplicationTitle(exePath)));
    QApplication::setApplicationVersion(sp::kVersion);
    QApplication::setWindowIcon(sp::ProgramIcon());
    sp::InstallQtTranslations(&app);

    sp::Dialogs dialogs;
    // "scaleplate FILE.scaleplate" (a double click in a file manager) opens
    // the plate designer alone with that file.
    if (argc == 2 && argv[1][0] != '-') {
        const std::string settings = sp::LocateSettings(exePath).file;
        try {
            sp::CreateSettings(settings);
        } catch (const std::exception&) {
            // The designer then keeps its [Designer] section only for this run.
        }
        sp::PlateDesigner designer(settings, sp::PresetFolder(exePath), dialogs);
        designer.SetPrintHandler([&](const sp::Plate& plate, const std::string& folder) {
            sp::PrintPlate(&designer, plate, folder, settings, dialogs, designer.windowTitle());
        });
        designer.OpenFile(QString::fromLocal8Bit(argv[1]));
        designer.show();
        return app.exec();
    }
    sp::MainWindow mainWindow(exePath, dialogs);
    sp::DefinitionEditor definitionEditor(QString::fromStdString(sp::DialogFolder(exePath, mainWindow.SettingsFile())), mainWindow.Title(), dialogs,
                                         &mainWindow);
    mainWindow.SetDefinitionEditor(&definitionEditor);
    mainWindow.show();
    return app.exec();
}
