#pragma once
// The File menu's Print, Print Preview and Export PDF, and the toolbar's Print button: the
// channel sheet (exchange/print_sheet) of the document as it is now, in the program's
// language, drawn by platform/sheet_painter on the chosen printer, the preview's pages or a
// PDF file.

#include <functional>
#include <string>

#include "lang/language.h"

class QWidget;

namespace mv52 {

struct Sheet;
struct Workspace;
class Prompter;
class FileChooser;
class Clock;

struct PrintContext {
    Workspace& workspace;
    Prompter& prompter;
    FileChooser& files;
    const Clock& clock;
    QWidget* parent;
    std::function<LanguageIndex()> language;
    std::function<void(const std::string&)> note;  // the status bar's confirmation
};

class PrintCommands {
public:
    explicit PrintCommands(PrintContext context) : c_(std::move(context)) {}

    // The system's print dialog, then the sheet on the printer chosen.
    void print();
    // The sheet's pages in Qt's preview window (`PrintPreview`), from which it can be printed.
    void printPreview();
    // The sheet as a PDF file chosen in the save dialog, without a printer.
    void exportPdf();

private:
    Sheet sheet() const;

    PrintContext c_;
};

}  // namespace mv52
