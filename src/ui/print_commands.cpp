#include "ui/print_commands.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <optional>

#include "app/document_commands.h"
#include "data/durable_files.h"
#include "data/local_time.h"
#include "document/workspace.h"
#include "exchange/print_sheet.h"
#include "lang/bilingual.h"
#include "lang/exchange_texts.h"
#include "lang/messages.h"
#include "lang/print_texts.h"
#include "platform/sheet_painter.h"
#include "storage/file_messages.h"
#include "system/clock.h"
#include "system/file_chooser.h"
#include "system/prompter.h"

namespace mv52 {
namespace {

// Portrait with the sheet's margins; the paper stays the printer's own.
void prepare(QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
    printer.setCreator(QStringLiteral("MV52"));
}

}  // namespace

Sheet PrintCommands::sheet() const {
    SheetRequest request;
    request.language = c_.language();
    request.fileName = c_.workspace.fileName;
    request.printedAt = formatLocalTime(c_.clock.now(), "%Y-%m-%d %H:%M");
    return describeSheet(c_.workspace.current, request);
}

void PrintCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    QPrintDialog dialog(&printer, c_.parent);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (dialog.exec() != QDialog::Accepted) return;
    // A printer that takes no painter (gone, or refusing the job) draws nothing: say so.
    const int pages = paintSheet(sheet(), printer);
    const std::string printerName = printer.printerName().toStdString();
    if (pages == 0)
        c_.prompter.ask(substitute(text(PrintText::PrintFailed, c_.language()), {printerName}), MessageButtons::Ok,
                        MessageIcon::Warning);
    else
        c_.note(substitute(text(PrintText::Printed, c_.language()), {std::to_string(pages), printerName}));
}

void PrintCommands::printPreview() {
    const Sheet shown = sheet();
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer);
    QPrintPreviewDialog dialog(&printer, c_.parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&shown](QPrinter* target) { paintSheet(shown, *target); });
    dialog.exec();
}

void PrintCommands::exportPdf() {
    const LanguageIndex language = c_.language();
    const std::string base = fileNameWithoutFolder(c_.workspace.fileName);
    const std::size_t dot = base.rfind('.');
    const std::optional<std::string> path =
        c_.files.chooseSave(text(PrintText::PdfFilter, language), (dot == std::string::npos ? base : base.substr(0, dot)) + ".pdf");
    if (!path || path->empty()) return;
    FileFailure failure{*path, 0};
    const std::vector<std::uint8_t> pdf = sheetPdf(sheet(), defaultSheetPageSize());
    if (pdf.empty() || !replaceFile({*path, pdf}, {}, &failure)) {
        c_.prompter.ask(messageText(MessageKey::MsgFileError, language) + "\n" + fileFailureText(failure, language),
                        MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    c_.note(substitute(text(ExchangeText::Exported, language), {*path}));
}

}  // namespace mv52
