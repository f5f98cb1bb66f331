#include "platform/printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

Printer::Printer() = default;

Printer::~Printer() {
    if (active()) end_document();
}

bool Printer::begin_default() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::NativeFormat);
    return begin();
}

bool Printer::begin_pdf(const QString& file) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(file);
    return begin();
}

bool Printer::begin() {
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(QPageLayout::Portrait);
    if (!painter_.begin(printer_.get())) {
        printer_.reset();
        return false;
    }
    painter_.setFont(font_);
    return true;
}

bool Printer::active() const { return painter_.isActive(); }

void Printer::set_font(const QString& family, double point_size, bool bold) {
    font_ = QFont(family);
    font_.setPointSizeF(point_size);
    font_.setBold(bold);
    if (active()) painter_.setFont(font_);
}

void Printer::set_font_size(double point_size) {
    font_.setPointSizeF(point_size);
    if (active()) painter_.setFont(font_);
}

QPointF Printer::device_point(double x, double y) const {
    const double dots = printer_->resolution() / kTwipsPerInch;
    return {x * dots, y * dots};
}

void Printer::draw_line(double x1, double y1, double x2, double y2, int width, Qt::PenStyle style) {
    if (!active()) return;
    QPen pen(Qt::black);
    pen.setWidth(width);
    pen.setStyle(style);
    painter_.setPen(pen);
    painter_.drawLine(device_point(x1, y1), device_point(x2, y2));
}

void Printer::draw_text(double x, double y, const QString& text) {
    if (!active()) return;
    painter_.setPen(Qt::black);
    // The font's metrics on the printer: the text's cell starts at (x, y).
    const QPointF at = device_point(x, y);
    painter_.drawText(at + QPointF(0, painter_.fontMetrics().ascent()), text);
}

bool Printer::new_page() { return active() && printer_->newPage(); }

bool Printer::end_document() {
    if (!active()) return false;
    const bool ok = painter_.end();
    printer_.reset();
    return ok;
}

}  // namespace platform
