#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstring>
#include <iostream>
#include <memory>

#ifdef _WIN32
#include "data/windows_api.h"
#endif

#include "cli/cli.h"
#include "app/file_places.h"
#include "platform/program_location.h"
#include "platform/user_folders.h"

namespace {

// The command named on the line, past any "--lang en|zh".
const char* commandName(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0) {
            ++i;
            continue;
        }
        return argv[i];
    }
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    // The link commands run their session in Qt's event loop. "print" draws with Qt's fonts,
    // which need a QGuiApplication; it needs no display, so it runs on the offscreen platform
    // unless QT_QPA_PLATFORM names another.
    std::unique_ptr<QCoreApplication> app;
    if (std::strcmp(commandName(argc, argv), "print") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    mv52::cli::Context ctx{mv52::programFolder(argc > 0 ? argv[0] : nullptr), std::cout, std::cerr,
                          mv52::LanguageIndex::English, {}};
    // The same rule as the desktop program: the tree's files, or this user's when the tree is shared.
    const mv52::FilePlaces places = mv52::chooseFilePlaces(ctx.programFolder, mv52::userFolders());
    ctx.settingsPath = places.settingsFile;
    ctx.logFolder = places.logFolder;
    mv52::cli::loadInstallation(ctx);
#ifdef _WIN32
    // argv holds the ANSI code page's rendering there, which loses a file name in Chinese; Qt
    // reads the wide command line. The texts printed are UTF-8, as the console is told.
    ::SetConsoleOutputCP(CP_UTF8);
    mv52::cli::Args args;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) args.push_back(arguments[i].toStdString());
#else
    const mv52::cli::Args args(argv + 1, argv + argc);
#endif
    try {
        return mv52::cli::runCommandLine(args, ctx);
    } catch (const std::exception& e) {
        std::cerr << "mv52ctl: " << e.what() << "\n";
        return mv52::cli::kExitFailed;
    }
}
