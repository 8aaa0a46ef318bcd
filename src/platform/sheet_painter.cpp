#include "platform/sheet_painter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <array>

#include "exchange/print_sheet.h"

namespace mv52 {
namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

enum FontRole { Body, Bold, Heading, Header, kFontRoles };

constexpr int kLineFlags = static_cast<int>(Qt::AlignLeft) | static_cast<int>(Qt::AlignVCenter);
constexpr int kWrappedFlags = kLineFlags | static_cast<int>(Qt::TextWordWrap);

// Latin letters and digits from DejaVu Sans, Chinese from WenQuanYi Micro Hei (Debian's
// fonts-dejavu-core and fonts-wqy-microhei), both embedded. Not Noto Sans CJK: Qt's PDF gives
// its digits no text, and the ideographs that share a glyph with a radical (页, 音) the
// radical's, so a reader's search and pdftotext miss them.
QFont sheetFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures: "Off" drawn with the "ff" ligature reads as "O\uFB00" to a search.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

struct Placed {
    QRectF rect;
    QString text;
    FontRole font;
    int flags;
};

struct Page {
    std::vector<Placed> texts;
    std::vector<QLineF> lines;
};

// The whole sheet placed on pages of the device's paint area, in device pixels.
class Layout {
public:
    Layout(const Sheet& sheet, QPaintDevice& device) : sheet_(sheet) {
        const std::array<std::pair<double, bool>, kFontRoles> sizes = {{{8.5, false}, {8.5, true}, {11.5, true}, {8, false}}};
        for (int i = 0; i < kFontRoles; ++i) {
            fonts_[static_cast<std::size_t>(i)] = sheetFont(sizes[static_cast<std::size_t>(i)].first,
                                                            sizes[static_cast<std::size_t>(i)].second);
            metrics_.emplace_back(fonts_[static_cast<std::size_t>(i)], &device);
        }
        width_ = device.width();
        height_ = device.height();
        mm_ = device.logicalDpiX() / 25.4;
        line_ = metrics_[Body].lineSpacing() * 1.25;
        top_ = metrics_[Header].lineSpacing() * 1.6 + 3 * mm_;
        for (const SheetBlock& block : sheet.blocks) place(block);
        if (pages_.empty()) newPage();
    }

    const std::vector<Page>& pages() const { return pages_; }
    const QFont& font(FontRole role) const { return fonts_[static_cast<std::size_t>(role)]; }

    // The header, placed when the number of pages is known.
    void header(QPainter& painter, int page) const {
        const QFontMetricsF& m = metrics_[Header];
        const QRectF band(0, 0, width_, m.lineSpacing() * 1.2);
        painter.setFont(font(Header));
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, qs(sheet_.model + "   " + sheet_.fileName));
        painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, qs(sheet_.printedAt));
        painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                         qs(sheet_.pageText(page, static_cast<int>(pages_.size()))));
        painter.drawLine(QLineF(0, band.bottom() + mm_, width_, band.bottom() + mm_));
    }

private:
    void newPage() {
        pages_.emplace_back();
        y_ = top_;
    }
    Page& page() {
        if (pages_.empty()) newPage();
        return pages_.back();
    }
    // Room for `h` more on this page, else a new page (unless this one is still empty).
    void ensure(double h) {
        if (pages_.empty() || (y_ + h > height_ && y_ > top_)) newPage();
    }
    void text(const QRectF& rect, const std::string& t, FontRole f, int flags = kLineFlags) {
        page().texts.push_back({rect, qs(t), f, flags});
    }
    double textWidth(const std::string& t, FontRole f) const {
        return metrics_[static_cast<std::size_t>(f)].horizontalAdvance(qs(t));
    }

    void place(const SheetBlock& block) {
        switch (block.kind) {
            case SheetBlockKind::Heading: return heading(block);
            case SheetBlockKind::Pairs: return pairs(block);
            case SheetBlockKind::Table: return table(block);
        }
    }

    void heading(const SheetBlock& block) {
        const double h = metrics_[Heading].lineSpacing() * 1.3;
        if (block.newPage && !pages_.empty() && y_ > top_) newPage();
        const double before = y_ > top_ ? 3 * mm_ : 0;
        // Kept with the first lines of what it heads.
        ensure(before + h + 3 * line_);
        y_ += y_ > top_ ? before : 0;
        text(QRectF(0, y_, width_, h), block.title, Heading);
        y_ += h;
    }

    void pairs(const SheetBlock& block) {
        const int columns = std::max(1, block.pairColumns);
        const double column = width_ / columns;
        const double gap = 2 * mm_;
        double label = 0;
        for (const auto& row : block.rows) label = std::max(label, textWidth(row.at(0), Body));
        label = std::min(label, column * 0.6);
        for (std::size_t i = 0; i < block.rows.size(); i += static_cast<std::size_t>(columns)) {
            ensure(line_);
            for (int c = 0; c < columns && i + static_cast<std::size_t>(c) < block.rows.size(); ++c) {
                const auto& row = block.rows[i + static_cast<std::size_t>(c)];
                const double x = c * column;
                text(QRectF(x, y_, label, line_), elided(row.at(0), Body, label), Body);
                const double itemWidth = column - label - 2 * gap;
                text(QRectF(x + label + gap, y_, itemWidth, line_), elided(row.at(1), Bold, itemWidth), Bold);
            }
            y_ += line_;
        }
        y_ += mm_;
    }

    std::string elided(const std::string& t, FontRole f, double width) const {
        return metrics_[static_cast<std::size_t>(f)].elidedText(qs(t), Qt::ElideRight, width).toStdString();
    }

    void table(const SheetBlock& block) {
        const std::size_t n = block.columns.size();
        if (n == 0) return;
        const double pad = 2.5 * mm_;
        std::vector<double> widths(n, 0);
        for (std::size_t c = 0; c < n; ++c) widths[c] = textWidth(block.columns[c], Bold);
        for (const auto& row : block.rows)
            for (std::size_t c = 0; c < n && c < row.size(); ++c) widths[c] = std::max(widths[c], textWidth(row[c], Body));
        for (double& w : widths) w += pad;
        // The last column takes what is left and wraps; the others keep their width.
        double fixed = 0;
        for (std::size_t c = 0; c + 1 < n; ++c) fixed += widths[c];
        widths[n - 1] = std::max(width_ - fixed, width_ * 0.15);
        if (fixed + widths[n - 1] > width_) {
            const double scale = width_ / (fixed + widths[n - 1]);
            for (double& w : widths) w *= scale;
        }
        auto headings = [&] {
            double x = 0;
            for (std::size_t c = 0; c < n; ++c) {
                text(QRectF(x, y_, widths[c] - pad, line_), elided(block.columns[c], Bold, widths[c] - pad), Bold);
                x += widths[c];
            }
            y_ += line_;
            page().lines.push_back(QLineF(0, y_ - 0.2 * mm_, width_, y_ - 0.2 * mm_));
        };
        ensure(2 * line_);
        headings();
        const QFontMetricsF& body = metrics_[Body];
        for (const auto& row : block.rows) {
            const double lastWidth = widths[n - 1] - pad;
            const std::string last = row.size() >= n ? row[n - 1] : std::string();
            const double wrapped = body.boundingRect(QRectF(0, 0, lastWidth, 1e6), kWrappedFlags, qs(last)).height();
            const double h = std::max(line_, wrapped + (line_ - body.lineSpacing()));
            if (y_ + h > height_ && y_ > top_) {
                newPage();
                headings();
            }
            double x = 0;
            for (std::size_t c = 0; c < n && c < row.size(); ++c) {
                if (c + 1 == n)
                    text(QRectF(x, y_, lastWidth, h), row[c], Body, kWrappedFlags);
                else
                    text(QRectF(x, y_, widths[c] - pad, h), elided(row[c], Body, widths[c] - pad), Body);
                x += widths[c];
            }
            y_ += h;
        }
        y_ += mm_;
    }

    const Sheet& sheet_;
    std::array<QFont, kFontRoles> fonts_;
    std::vector<QFontMetricsF> metrics_;
    double width_ = 0;
    double height_ = 0;
    double mm_ = 1;
    double line_ = 1;
    double top_ = 0;
    double y_ = 0;
    std::vector<Page> pages_;
};

}  // namespace

int sheetPageCount(const Sheet& sheet, QPagedPaintDevice& device) {
    return static_cast<int>(Layout(sheet, device).pages().size());
}

int paintSheet(const Sheet& sheet, QPagedPaintDevice& device) {
    const Layout layout(sheet, device);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    QPen thin = painter.pen();
    thin.setWidthF(device.logicalDpiX() / 25.4 * 0.2);
    painter.setPen(thin);
    const std::vector<Page>& pages = layout.pages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return static_cast<int>(i);
        layout.header(painter, static_cast<int>(i + 1));
        for (const QLineF& line : pages[i].lines) painter.drawLine(line);
        for (const Placed& placed : pages[i].texts) {
            painter.setFont(layout.font(placed.font));
            painter.drawText(placed.rect, placed.flags, placed.text);
        }
    }
    painter.end();
    return static_cast<int>(pages.size());
}

QPageSize defaultSheetPageSize() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                              : QPageSize(QPageSize::A4);
}

std::vector<std::uint8_t> sheetPdf(const Sheet& sheet, const QPageSize& pageSize) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter));
        writer.setTitle(qs(sheet.model + " " + sheet.fileName));
        writer.setCreator(QStringLiteral("MV52"));
        if (paintSheet(sheet, writer) == 0) return {};
    }
    const QByteArray& bytes = buffer.data();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace mv52
