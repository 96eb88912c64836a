#include "sheet/print/SheetPage.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <utility>
#include <vector>

namespace radioprog {

namespace {

// Sizes in millimetres on paper.
constexpr double kMargin = 12.0;
constexpr double kTitleSize = 6.0;
constexpr double kTextSize = 3.2;
constexpr double kCellPadding = 1.2;
constexpr double kRowHeight = 6.4;
constexpr double kGap = 4.0;
constexpr double kNoteLineSpacing = 8.0;
constexpr int kOptionColumns = 4;

QString Text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Paints in millimetres from the top left corner of the printable area.
class SheetPainter {
  public:
    SheetPainter(QPainter& painter, double dotsPerMm, double width, double height)
        : painter_(painter), dotsPerMm_(dotsPerMm), width_(width), height_(height) {}

    void Paint(const ChannelSheet& sheet) {
        double y = Header(sheet);
        y = Table(sheet, y + kGap);
        y = Options(sheet, y + kGap);
        Note(sheet, y + kGap);
    }

  private:
    double Dots(double mm) const { return mm * dotsPerMm_; }
    QRectF Box(double x, double y, double w, double h) const {
        return {Dots(x), Dots(y), Dots(w), Dots(h)};
    }

    void UseFont(double sizeMm, bool bold) {
        QFont font;
        font.setStyleHint(QFont::SansSerif);
        // A ligature ("ff" in "Off") would reach a PDF reader as one unusual character, and a
        // search for the word would miss it.
        font.setStyleStrategy(QFont::PreferNoShaping);
        font.setPixelSize(std::max(1, static_cast<int>(Dots(sizeMm))));
        font.setBold(bold);
        painter_.setFont(font);
    }
    // Width of a text in millimetres in the painter's font.
    double TextWidth(const QString& text) const {
        return QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(text) /
               dotsPerMm_;
    }
    void Draw(double x, double y, double w, double h, const QString& text,
              Qt::Alignment align = Qt::AlignLeft) {
        painter_.drawText(Box(x, y, w, h), static_cast<int>(align | Qt::AlignVCenter), text);
    }
    void Line(double x1, double y1, double x2, double y2) {
        painter_.drawLine(QPointF(Dots(x1), Dots(y1)), QPointF(Dots(x2), Dots(y2)));
    }

    // Title on the left and the shop on the right; below them who and what the sheet is for,
    // the band and the date; a rule below.
    double Header(const ChannelSheet& sheet) {
        const double height = kTitleSize * 1.6;
        UseFont(kTitleSize, true);
        Draw(0, 0, width_, height, Text(sheet.title));
        UseFont(kTextSize * 1.2, true);
        Draw(0, 0, width_, height, Text(sheet.shop), Qt::AlignRight);
        std::vector<std::pair<std::string, std::string>> facts = sheet.facts;
        facts.emplace_back(sheet.bandCaption, sheet.band);
        facts.emplace_back(sheet.dateCaption, sheet.date);
        std::string line;
        for (const auto& [caption, value] : facts) {
            line.append(line.empty() ? "" : "    ").append(caption).append(": ").append(value);
        }
        UseFont(kTextSize * 1.2, false);
        const double factsHeight = kTextSize * 2.0;
        Draw(0, height, width_, factsHeight, Text(line));
        Line(0, height + factsHeight, width_, height + factsHeight);
        return height + factsHeight;
    }

    // Each column as wide as its widest text; all of them shrunk together when the page is
    // too narrow, the spare width shared out when it is wider.
    std::vector<double> ColumnWidths(const ChannelSheet& sheet, double& textSize) {
        std::vector<double> widths(sheet.columns.size(), 0.0);
        for (const bool bold : {true, false}) {
            UseFont(textSize, bold);
            for (size_t c = 0; c < widths.size(); ++c) {
                if (bold) {
                    widths[c] = TextWidth(Text(sheet.columns[c]));
                    continue;
                }
                for (const auto& row : sheet.rows) {
                    widths[c] = std::max(widths[c], TextWidth(Text(row[c])));
                }
            }
        }
        double total = 0;
        for (double& w : widths) {
            w += 2 * kCellPadding;
            total += w;
        }
        if (total > width_) {
            textSize *= width_ / total;
        }
        for (double& w : widths) {
            w *= width_ / total;
        }
        return widths;
    }

    double Table(const ChannelSheet& sheet, double top) {
        double textSize = kTextSize;
        const std::vector<double> widths = ColumnWidths(sheet, textSize);
        double y = top;
        painter_.fillRect(Box(0, y, width_, kRowHeight), QColor(225, 225, 225));
        Row(sheet.columns, widths, y, textSize, true);
        y += kRowHeight;
        for (const auto& row : sheet.rows) {
            Row(row, widths, y, textSize, false);
            y += kRowHeight;
        }
        if (sheet.rows.empty()) {
            UseFont(kTextSize, false);
            Draw(kCellPadding, y, width_, kRowHeight, Text(sheet.noChannelText));
            y += kRowHeight;
        }
        // The grid: a rule under every row, one between the columns.
        for (double rule = top; rule <= y + 0.01; rule += kRowHeight) {
            Line(0, rule, width_, rule);
        }
        double x = 0;
        for (const double w : widths) {
            Line(x, top, x, y);
            x += w;
        }
        Line(width_, top, width_, y);
        return FileOnlyNote(sheet, y);
    }

    // Under the table, what the columns marked as the file's own mean.
    double FileOnlyNote(const ChannelSheet& sheet, double top) {
        if (sheet.fileOnlyNote.empty()) {
            return top;
        }
        UseFont(kTextSize * 0.9, false);
        QFont font = painter_.font();
        font.setItalic(true);
        painter_.setFont(font);
        Draw(0, top, width_, kRowHeight, Text(sheet.fileOnlyNote));
        return top + kRowHeight;
    }

    void Row(const std::vector<std::string>& cells, const std::vector<double>& widths, double y,
             double textSize, bool bold) {
        UseFont(textSize, bold);
        double x = 0;
        for (size_t c = 0; c < widths.size() && c < cells.size(); ++c) {
            Draw(x + kCellPadding, y, widths[c] - 2 * kCellPadding, kRowHeight, Text(cells[c]),
                 c == 0 ? Qt::AlignHCenter : Qt::AlignLeft);
            x += widths[c];
        }
    }

    double Options(const ChannelSheet& sheet, double top) {
        UseFont(kTextSize * 1.2, true);
        Draw(0, top, width_, kRowHeight, Text(sheet.optionsCaption));
        double y = top + kRowHeight;
        const double columnWidth = width_ / kOptionColumns;
        // Every value starts at the same distance from its caption, the widest caption's.
        UseFont(kTextSize, false);
        double captionWidth = 0;
        for (const auto& option : sheet.options) {
            captionWidth = std::max(captionWidth, TextWidth(Text(option.first + ":")));
        }
        captionWidth += 2 * kCellPadding;
        for (size_t i = 0; i < sheet.options.size(); ++i) {
            const double x = columnWidth * static_cast<double>(i % kOptionColumns);
            const size_t row = i / kOptionColumns;
            const double rowTop = y + kRowHeight * static_cast<double>(row);
            UseFont(kTextSize, false);
            Draw(x, rowTop, captionWidth, kRowHeight, Text(sheet.options[i].first + ":"));
            UseFont(kTextSize, true);
            Draw(x + captionWidth, rowTop, columnWidth - captionWidth, kRowHeight,
                 Text(sheet.options[i].second));
        }
        const size_t lines = (sheet.options.size() + kOptionColumns - 1) / kOptionColumns;
        return y + kRowHeight * static_cast<double>(lines);
    }

    // The caption, then ruled lines down to the foot of the page to write on.
    void Note(const ChannelSheet& sheet, double top) {
        UseFont(kTextSize * 1.2, true);
        Draw(0, top, width_, kRowHeight, Text(sheet.noteCaption));
        for (double y = top + kNoteLineSpacing; y <= height_; y += kNoteLineSpacing) {
            Line(0, y, width_, y);
        }
    }

    QPainter& painter_;
    double dotsPerMm_;
    double width_;
    double height_;
};

}  // namespace

void SetSheetPageLayout(QPagedPaintDevice& device, SheetPaper paper) {
    const QPageSize size(paper == SheetPaper::Letter ? QPageSize::Letter : QPageSize::A4);
    device.setPageLayout(QPageLayout(size, QPageLayout::Landscape,
                                     QMarginsF(kMargin, kMargin, kMargin, kMargin),
                                     QPageLayout::Millimeter));
}

bool PaintChannelSheet(QPagedPaintDevice& device, const ChannelSheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    SheetPainter(painter, dotsPerMm, device.width() / dotsPerMm, device.height() / dotsPerMm)
        .Paint(sheet);
    return painter.end();
}

}  // namespace radioprog
