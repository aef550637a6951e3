#include "pdfwriter.h"

#include <stdexcept>

namespace {

QByteArray number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

// Text outside ASCII goes into PDF strings as UTF-16BE with a byte order mark, written in hex.
QByteArray textString(const QString& text)
{
    QByteArray hex = "<FEFF";
    for (QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + ">";
}

class ObjectStream {
public:
    ObjectStream() { bytes_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }
    void begin(int id)
    {
        if (id != static_cast<int>(offsets_.size()) + 1)
            throw std::logic_error("PDF objects must be written in order");
        offsets_.push_back(bytes_.size());
        bytes_ += QByteArray::number(id) + " 0 obj\n";
    }
    void end() { bytes_ += "\nendobj\n"; }
    void append(const QByteArray& data) { bytes_ += data; }
    void stream(const QByteArray& dictionary, const QByteArray& data)
    {
        bytes_ += "<< " + dictionary + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n";
        bytes_ += data;
        bytes_ += "\nendstream";
    }
    QByteArray finish(int infoId)
    {
        const qsizetype xref = bytes_.size();
        const int count = static_cast<int>(offsets_.size()) + 1;
        bytes_ += "xref\n0 " + QByteArray::number(count) + "\n";
        bytes_ += "0000000000 65535 f \n";
        for (qsizetype offset : offsets_)
            bytes_ += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        bytes_ += "trailer\n<< /Size " + QByteArray::number(count) + " /Root 1 0 R /Info " + QByteArray::number(infoId)
                  + " 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
        return bytes_;
    }

private:
    QByteArray bytes_;
    std::vector<qsizetype> offsets_;
};

} // namespace

PdfWriter::PdfWriter(QString title) : title_(std::move(title))
{}

void PdfWriter::addJpegPage(const QByteArray& jpeg, int pixelWidth, int pixelHeight, double pageWidth,
                            double pageHeight)
{
    pages_.push_back({jpeg, pixelWidth, pixelHeight, pageWidth, pageHeight});
}

QByteArray PdfWriter::document() const
{
    if (pages_.empty())
        throw std::runtime_error("a PDF needs at least one page");
    // Objects: 1 catalogue, 2 page tree, then per page its page, contents and image, then info.
    const int pageCount = static_cast<int>(pages_.size());
    auto pageId = [](int index) { return 3 + 3 * index; };
    const int infoId = pageId(pageCount);

    ObjectStream out;
    out.begin(1);
    out.append("<< /Type /Catalog /Pages 2 0 R >>");
    out.end();
    out.begin(2);
    QByteArray kids;
    for (int i = 0; i < pageCount; ++i)
        kids += QByteArray::number(pageId(i)) + " 0 R ";
    out.append("<< /Type /Pages /Kids [ " + kids + "] /Count " + QByteArray::number(pageCount) + " >>");
    out.end();
    for (int i = 0; i < pageCount; ++i) {
        const Page& page = pages_[static_cast<std::size_t>(i)];
        const int id = pageId(i);
        out.begin(id);
        out.append("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number(page.pageWidth) + " "
                   + number(page.pageHeight) + "] /Resources << /XObject << /Im0 " + QByteArray::number(id + 2)
                   + " 0 R >> >> /Contents " + QByteArray::number(id + 1) + " 0 R >>");
        out.end();
        out.begin(id + 1);
        out.stream("", "q " + number(page.pageWidth) + " 0 0 " + number(page.pageHeight) + " 0 0 cm /Im0 Do Q");
        out.end();
        out.begin(id + 2);
        out.stream("/Type /XObject /Subtype /Image /Width " + QByteArray::number(page.pixelWidth) + " /Height "
                       + QByteArray::number(page.pixelHeight)
                       + " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode",
                   page.jpeg);
        out.end();
    }
    out.begin(infoId);
    out.append("<< /Title " + textString(title_) + " /Creator (Vestoria demo course) >>");
    out.end();
    return out.finish(infoId);
}
