#include <QCoreApplication>
#include <iostream>

#include "cli/cli.h"
#include "app/file_places.h"
#include "platform/program_location.h"
#include "platform/user_folders.h"

int main(int argc, char** argv) {
    // The link commands run their session in Qt's event loop.
    QCoreApplication app(argc, argv);
    mv52::cli::Context ctx{mv52::programFolder(argc > 0 ? argv[0] : nullptr), std::cout, std::cerr,
                          mv52::LanguageIndex::English, {}};
    // The same rule as the desktop program: the tree's files, or this user's when the tree is shared.
    const mv52::FilePlaces places = mv52::chooseFilePlaces(ctx.programFolder, mv52::userFolders());
    ctx.settingsPath = places.settingsFile;
    ctx.logFolder = places.logFolder;
    mv52::cli::loadInstallation(ctx);
    const mv52::cli::Args args(argv + 1, argv + argc);
    try {
        return mv52::cli::runCommandLine(args, ctx);
    } catch (const std::exception& e) {
        std::cerr << "mv52ctl: " << e.what() << "\n";
        return mv52::cli::kExitFailed;
    }
}
