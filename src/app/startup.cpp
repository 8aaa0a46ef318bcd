#include "app/startup.h"

#include "system/clock.h"
#include "system/locale.h"
#include "storage/default_document.h"

namespace mv52 {

std::string dateStamp(const Clock& clock) { return dateStampOf(clock.now()); }

std::unique_ptr<AppState> runStartup(StartupServices& services) {
    auto app = std::make_unique<AppState>();
    app->programFolder = services.programFolder;
    const FilePlaces places = services.userFolders != nullptr
                                  ? chooseFilePlaces(services.programFolder, *services.userFolders, services.writable)
                                  : FilePlaces{settingsFilePath(services.programFolder), services.programFolder, false};
    app->settingsPath = places.settingsFile;
    app->logFolder = places.logFolder;
    app->perUserFiles = places.perUser;
    app->versionIniPath = versionFilePath(services.programFolder);

    app->versions = loadVersionTable(services.profiles, app->versionIniPath);
    app->decimalSymbol = forceDecimalPoint(services.locale);
    app->settings = loadSettings(services.profiles, app->settingsPath, services.locale.systemDefaultLocaleId());

    Workspace& ws = *app->workspace;
    ws.modelType = kModelType;
    ws.secondModel = kModelType;
    ws.firmwareVersion = kProgramVersion;
    ws.setBandText(kBandTextOther);
    buildStartupDocument(ws, dateStamp(services.clock), services.programFolder);
    return app;
}

}  // namespace mv52
