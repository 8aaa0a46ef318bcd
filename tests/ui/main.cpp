// The window tests: offscreen Qt unless a platform is chosen, one QApplication for all.
//
//   mv52_ui_tests --screenshot DIR   writes the main window in English and in Chinese as
//                                    DIR/mv52-main-en.png and DIR/mv52-main-zh.png instead
//                                    of running the tests.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <string>

int writeScreenshots(const std::string& folder);

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform reports every window it cannot size by hints; that says nothing
// about the program.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    previousHandler = qInstallMessageHandler(quietOffscreenNotes);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("MV52-tests"));
    QApplication::setApplicationName(QStringLiteral("MV52-tests"));
    // Closing the main window in a test must not end the event loops of later tests.
    QApplication::setQuitOnLastWindowClosed(false);
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0) return writeScreenshots(argv[i + 1]);
    return RUN_ALL_TESTS();
}
