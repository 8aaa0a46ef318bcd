#pragma once
// Draws the channel sheet (exchange/print_sheet) on the pages of any paged device: the PDF
// writer of Export PDF and `mv52ctl print`, and the printer of Print and Print Preview. One
// layout for all of them; a page header (model, file, date printed, page n of m) on each.
//
// Needs a QGuiApplication (fonts); the command line runs one on the offscreen platform.

#include <QPageSize>
#include <cstdint>
#include <vector>

class QPagedPaintDevice;

namespace mv52 {

struct Sheet;

// Lays the sheet out on the device's pages (its page size and margins) and draws every page;
// returns the number of pages drawn, 0 when the device takes no painter.
int paintSheet(const Sheet& sheet, QPagedPaintDevice& device);

// The number of pages the sheet takes on the device, without drawing.
int sheetPageCount(const Sheet& sheet, QPagedPaintDevice& device);

// The paper of the system's locale: Letter where it measures in inches, A4 elsewhere.
QPageSize defaultSheetPageSize();

// The sheet as a PDF file's bytes: portrait, on `pageSize`, with the fonts embedded.
std::vector<std::uint8_t> sheetPdf(const Sheet& sheet, const QPageSize& pageSize);

}  // namespace mv52
