#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// A PDF of whole-page pictures: each page shows one JPEG stream (DCTDecode), so the slides keep
// their Cyrillic text without embedding a font.
class PdfWriter {
public:
    explicit PdfWriter(QString title);
    // pageWidth and pageHeight in points; the picture is stretched over the whole page.
    void addJpegPage(const QByteArray& jpeg, int pixelWidth, int pixelHeight, double pageWidth, double pageHeight);
    QByteArray document() const;

private:
    struct Page {
        QByteArray jpeg;
        int pixelWidth;
        int pixelHeight;
        double pageWidth;
        double pageHeight;
    };
    QString title_;
    std::vector<Page> pages_;
};
