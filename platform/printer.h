#pragma once
#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;

namespace platform {

// A printed document on A4 portrait paper, addressed in twips (1440 to the inch) from
// the top left corner of the printable area. The document is either the desktop's
// default printer or a PDF file.
class Printer {
public:
    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Starts a document on the default printer; false when there is none or it cannot
    // be opened.
    bool begin_default();
    // Starts a document written to a PDF file; false when the file cannot be written.
    bool begin_pdf(const QString& file);
    bool active() const;

    // The font of the text printed from now on.
    void set_font(const QString& family, double point_size, bool bold);
    void set_font_size(double point_size);

    // A straight line of the given width in printer dots, solid or in another style.
    void draw_line(double x1, double y1, double x2, double y2, int width, Qt::PenStyle style = Qt::SolidLine);
    // One line of text with its top left corner at (x, y).
    void draw_text(double x, double y, const QString& text);

    bool new_page();
    // Finishes the document (sends it to the printer, or closes the PDF file).
    bool end_document();

private:
    bool begin();
    QPointF device_point(double x, double y) const;

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QFont font_;
};

}  // namespace platform
