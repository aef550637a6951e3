#include "platform/metafile.h"

#include "platform/apperror.h"
#include "platform/bmpdecoder.h"
#include "platform/picturebudget.h"
#include "platform/metafilecanvas.h"
#include "platform/picturebytes.h"

#include <QStringDecoder>
#include <bit>
#include <cmath>

namespace {
constexpr quint32 placeableKey = 0x9AC6CDD7;
constexpr quint32 enhancedSignature = 0x464D4520; // " EMF"
constexpr double screenPixelsPerInch = 96;
constexpr qint64 placeableHeaderSize = 22;
constexpr qint64 metaHeaderSize = 18;
constexpr qint64 enhancedHeaderSize = 88;

// The function numbers of the placeable metafile records we play or must count.
enum class WmfFunction : quint16 {
    EndOfFile = 0x0000,
    SaveDeviceContext = 0x001E,
    CreatePalette = 0x00F7,
    SetBackgroundMode = 0x0102,
    SetPolyFillMode = 0x0106,
    RestoreDeviceContext = 0x0127,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBackgroundColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrigin = 0x020B,
    SetWindowExtent = 0x020C,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    ExtendedTextOut = 0x0A32,
    DibStretchBlt = 0x0B41,
    StretchDib = 0x0F43,
};

// The types of the enhanced metafile records we play or must count.
enum class EmfRecord : quint32 {
    Header = 1,
    PolyBezier = 2,
    Polygon = 3,
    Polyline = 4,
    PolyBezierTo = 5,
    PolylineTo = 6,
    PolyPolyline = 7,
    PolyPolygon = 8,
    SetWindowExtent = 9,
    SetWindowOrigin = 10,
    SetViewportExtent = 11,
    SetViewportOrigin = 12,
    EndOfFile = 14,
    SetMapMode = 17,
    SetBackgroundMode = 18,
    SetPolyFillMode = 19,
    SetTextAlign = 22,
    SetTextColor = 24,
    SetBackgroundColor = 25,
    MoveTo = 27,
    SaveDeviceContext = 33,
    RestoreDeviceContext = 34,
    SetWorldTransform = 35,
    ModifyWorldTransform = 36,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrushIndirect = 39,
    DeleteObject = 40,
    Ellipse = 42,
    Rectangle = 43,
    RoundRect = 44,
    Arc = 45,
    Chord = 46,
    Pie = 47,
    CreatePalette = 49,
    LineTo = 54,
    StretchDiBits = 81,
    ExtendedCreateFontIndirect = 82,
    ExtendedTextOutAnsi = 83,
    ExtendedTextOutWide = 84,
    PolyBezier16 = 85,
    Polygon16 = 86,
    Polyline16 = 87,
    PolyBezierTo16 = 88,
    PolylineTo16 = 89,
    PolyPolyline16 = 90,
    PolyPolygon16 = 91,
    CreateMonochromeBrush = 93,
    CreateDibPatternBrush = 94,
    ExtendedCreatePen = 95,
};

[[noreturn]] void damaged()
{
    throw PictureDataError{};
}

QSize pictureSize(double width, double height)
{
    const qint64 w = std::llround(std::abs(width));
    const qint64 h = std::llround(std::abs(height));
    if (w <= 0 || h <= 0 || w > largestPictureSide || h > largestPictureSide || w * h > largestPicturePixels)
        damaged();
    return {int(w), int(h)};
}

QString ansiText(const uchar* text, qint64 length, int charset)
{
    // Russian (204) and the system default (1) are the course's code page; 238 is Central European.
    const char* codePage = (charset == 204 || charset == 1) ? "windows-1251"
                           : charset == 238                 ? "windows-1250"
                                                            : "windows-1252";
    QStringDecoder decoder(codePage);
    const QByteArray bytes(reinterpret_cast<const char*>(text), qsizetype(length));
    return decoder.isValid() ? QString(decoder.decode(bytes)) : QString::fromLatin1(bytes);
}

QString nulTerminated(const QString& text)
{
    const qsizetype end = text.indexOf(QChar(0));
    return end < 0 ? text : text.left(end);
}

// ---- placeable metafiles -------------------------------------------------------------------

// A placeable record's parameters: 16-bit words after the size and function fields.
struct WmfRecord {
    PictureBytes bytes;
    qint16 word(int index) const { return bytes.s16(6 + 2 * qint64(index)); }
    quint16 uword(int index) const { return bytes.u16(6 + 2 * qint64(index)); }
    quint32 colour(int index) const { return bytes.u32(6 + 2 * qint64(index)); }
    QPointF point(int index) const { return QPointF(word(index), word(index + 1)); } // x, y
    QPointF pointYX(int index) const { return QPointF(word(index + 1), word(index)); }
    QRectF rectBRTL(int index) const
    {
        return QRectF(QPointF(word(index + 3), word(index + 2)), QPointF(word(index + 1), word(index)));
    }
};

QPolygonF wmfPoints(const WmfRecord& record, int firstWord, int count)
{
    QPolygonF points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append(record.point(firstWord + 2 * i));
    return points;
}

void playWmfRecord(MetafileCanvas& canvas, WmfFunction function, const WmfRecord& r, int& fontCharset)
{
    switch (function) {
    case WmfFunction::SetBackgroundColor: canvas.setBackgroundColor(r.colour(0)); break;
    case WmfFunction::SetBackgroundMode: canvas.setBackgroundMode(r.uword(0)); break;
    case WmfFunction::SetPolyFillMode: canvas.setPolyFillMode(r.uword(0)); break;
    case WmfFunction::SetTextColor: canvas.setTextColor(r.colour(0)); break;
    case WmfFunction::SetTextAlign: canvas.setTextAlign(r.uword(0)); break;
    case WmfFunction::SetWindowOrigin: canvas.setWindowOrg(r.pointYX(0)); break;
    case WmfFunction::SetWindowExtent: canvas.setWindowExt(QSizeF(r.word(1), r.word(0))); break;
    case WmfFunction::SaveDeviceContext: canvas.save(); break;
    case WmfFunction::RestoreDeviceContext: canvas.restore(r.word(0)); break;
    case WmfFunction::SelectObject: canvas.selectObject(r.uword(0)); break;
    case WmfFunction::DeleteObject: canvas.deleteObject(r.uword(0)); break;
    case WmfFunction::CreatePenIndirect:
        canvas.createObject(canvas.firstFreeSlot(), MetafileCanvas::pen(r.uword(0), r.word(1), r.colour(3)));
        break;
    case WmfFunction::CreateBrushIndirect:
        canvas.createObject(canvas.firstFreeSlot(), MetafileCanvas::brush(r.uword(0), r.colour(1), r.uword(3)));
        break;
    case WmfFunction::CreateFontIndirect: {
        const int charset = r.bytes.u8(6 + 13);
        const qint64 faceAt = 6 + 18;
        const qint64 faceLength = std::clamp<qint64>(r.bytes.size() - faceAt, 0, 32);
        const QString face = nulTerminated(ansiText(r.bytes.span(faceAt, faceLength), faceLength, charset));
        canvas.createObject(canvas.firstFreeSlot(),
                            MetafileCanvas::font(r.word(0), r.word(4), r.bytes.u8(6 + 10), r.bytes.u8(6 + 11),
                                                 r.bytes.u8(6 + 12), charset, face));
        fontCharset = charset;
        break;
    }
    case WmfFunction::CreatePalette:
    case WmfFunction::CreatePatternBrush:
    case WmfFunction::DibCreatePatternBrush:
    case WmfFunction::CreateRegion: {
        // Objects we do not draw with still take their slot, so later slot numbers stay right.
        MetafileCanvas::Object other;
        other.kind = MetafileCanvas::Object::Kind::Other;
        canvas.createObject(canvas.firstFreeSlot(), other);
        break;
    }
    case WmfFunction::MoveTo: canvas.moveTo(r.pointYX(0)); break;
    case WmfFunction::LineTo: canvas.lineTo(r.pointYX(0)); break;
    case WmfFunction::Rectangle: canvas.rectangle(r.rectBRTL(0)); break;
    case WmfFunction::Ellipse: canvas.ellipse(r.rectBRTL(0)); break;
    case WmfFunction::RoundRect: canvas.roundRect(r.rectBRTL(2), QSizeF(r.word(1), r.word(0))); break;
    case WmfFunction::Arc:
    case WmfFunction::Chord:
    case WmfFunction::Pie: {
        // Parameters run backwards: end point, start point, then the bounding box.
        const auto kind = function == WmfFunction::Arc     ? MetafileCanvas::ArcKind::Arc
                          : function == WmfFunction::Chord ? MetafileCanvas::ArcKind::Chord
                                                           : MetafileCanvas::ArcKind::Pie;
        canvas.arc(kind, r.rectBRTL(4), r.pointYX(2), r.pointYX(0));
        break;
    }
    case WmfFunction::StretchDib: {
        DibLayout layout;
        qint64 end = 0;
        const QImage bitmap = decodeDib(r.bytes, 6 + 22, layout, &end);
        canvas.image(bitmap, QRectF(r.word(6), r.word(5), r.word(4), r.word(3)),
                     QRectF(r.word(10), r.word(9), r.word(8), r.word(7)));
        break;
    }
    case WmfFunction::DibStretchBlt: {
        if (r.bytes.size() == 2 * 14)
            break; // a raster operation without a bitmap of its own
        DibLayout layout;
        qint64 end = 0;
        const QImage bitmap = decodeDib(r.bytes, 6 + 20, layout, &end);
        canvas.image(bitmap, QRectF(r.word(5), r.word(4), r.word(3), r.word(2)),
                     QRectF(r.word(9), r.word(8), r.word(7), r.word(6)));
        break;
    }
    case WmfFunction::Polygon: canvas.polygon(wmfPoints(r, 1, r.uword(0))); break;
    case WmfFunction::Polyline: canvas.polyline(wmfPoints(r, 1, r.uword(0))); break;
    case WmfFunction::PolyPolygon: {
        const int polygonCount = r.uword(0);
        QVector<QPolygonF> polygons;
        int word = 1 + polygonCount;
        for (int i = 0; i < polygonCount; ++i) {
            const int count = r.uword(1 + i);
            polygons.append(wmfPoints(r, word, count));
            word += 2 * count;
        }
        canvas.polyPolygon(polygons);
        break;
    }
    case WmfFunction::TextOut: {
        const int length = r.uword(0);
        const QString text = ansiText(r.bytes.span(8, length), length, fontCharset);
        const int after = 1 + (length + 1) / 2;
        canvas.text(r.pointYX(after), text, false);
        break;
    }
    case WmfFunction::ExtendedTextOut: {
        const int length = r.uword(2);
        const quint16 options = r.uword(3);
        const qint64 textAt = 6 + 8 + ((options & 0x0006) ? 8 : 0);
        canvas.text(r.pointYX(0), ansiText(r.bytes.span(textAt, length), length, fontCharset), false);
        break;
    }
    default: break;
    }
}

// ---- enhanced metafiles --------------------------------------------------------------------

QPolygonF emfPoints(const PictureBytes& r, qint64 at, qint64 count, bool shortPoints)
{
    const qint64 pointSize = shortPoints ? 4 : 8;
    if (count < 0 || count > r.size() / pointSize)
        damaged();
    r.span(at, count * pointSize);
    QPolygonF points;
    points.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        const qint64 p = at + i * pointSize;
        points.append(shortPoints ? QPointF(r.s16(p), r.s16(p + 2)) : QPointF(r.s32(p), r.s32(p + 4)));
    }
    return points;
}

QVector<QPolygonF> emfPolyPoints(const PictureBytes& r, bool shortPoints)
{
    const qint64 polygonCount = r.u32(8 + 16);
    const qint64 total = r.u32(8 + 20);
    if (polygonCount > r.size() / 4)
        damaged();
    qint64 at = 8 + 24 + 4 * polygonCount;
    const QPolygonF all = emfPoints(r, at, total, shortPoints);
    QVector<QPolygonF> polygons;
    qint64 used = 0;
    for (qint64 i = 0; i < polygonCount; ++i) {
        const qint64 count = r.u32(8 + 24 + 4 * i);
        if (count > total - used)
            damaged();
        polygons.append(all.mid(used, count));
        used += count;
    }
    return polygons;
}

QTransform emfTransform(const PictureBytes& r, qint64 at)
{
    auto f = [&](int i) { return double(std::bit_cast<float>(r.u32(at + 4 * i))); };
    return QTransform(f(0), f(1), f(2), f(3), f(4), f(5));
}

QRectF emfRect(const PictureBytes& r, qint64 at)
{
    return QRectF(QPointF(r.s32(at), r.s32(at + 4)), QPointF(r.s32(at + 8), r.s32(at + 12)));
}

void playEmfRecord(MetafileCanvas& canvas, EmfRecord type, const PictureBytes& r)
{
    const QPointF point(r.size() >= 16 ? QPointF(r.s32(8), r.s32(12)) : QPointF());
    switch (type) {
    case EmfRecord::PolyBezier: canvas.polyBezier(emfPoints(r, 28, r.u32(24), false), false); break;
    case EmfRecord::Polygon: canvas.polygon(emfPoints(r, 28, r.u32(24), false)); break;
    case EmfRecord::Polyline: canvas.polyline(emfPoints(r, 28, r.u32(24), false)); break;
    case EmfRecord::PolyBezierTo: canvas.polyBezier(emfPoints(r, 28, r.u32(24), false), true); break;
    case EmfRecord::PolylineTo: canvas.polylineTo(emfPoints(r, 28, r.u32(24), false)); break;
    case EmfRecord::PolyBezier16: canvas.polyBezier(emfPoints(r, 28, r.u32(24), true), false); break;
    case EmfRecord::Polygon16: canvas.polygon(emfPoints(r, 28, r.u32(24), true)); break;
    case EmfRecord::Polyline16: canvas.polyline(emfPoints(r, 28, r.u32(24), true)); break;
    case EmfRecord::PolyBezierTo16: canvas.polyBezier(emfPoints(r, 28, r.u32(24), true), true); break;
    case EmfRecord::PolylineTo16: canvas.polylineTo(emfPoints(r, 28, r.u32(24), true)); break;
    case EmfRecord::PolyPolyline:
    case EmfRecord::PolyPolyline16:
        for (const QPolygonF& line : emfPolyPoints(r, type == EmfRecord::PolyPolyline16))
            canvas.polyline(line);
        break;
    case EmfRecord::PolyPolygon:
    case EmfRecord::PolyPolygon16: canvas.polyPolygon(emfPolyPoints(r, type == EmfRecord::PolyPolygon16)); break;
    case EmfRecord::SetWindowExtent: canvas.setWindowExt(QSizeF(point.x(), point.y())); break;
    case EmfRecord::SetWindowOrigin: canvas.setWindowOrg(point); break;
    case EmfRecord::SetViewportExtent: canvas.setViewportExt(QSizeF(point.x(), point.y())); break;
    case EmfRecord::SetViewportOrigin: canvas.setViewportOrg(point); break;
    case EmfRecord::SetMapMode: canvas.setMapMode(int(r.u32(8))); break;
    case EmfRecord::SetBackgroundMode: canvas.setBackgroundMode(int(r.u32(8))); break;
    case EmfRecord::SetPolyFillMode: canvas.setPolyFillMode(int(r.u32(8))); break;
    case EmfRecord::SetTextAlign: canvas.setTextAlign(r.u32(8)); break;
    case EmfRecord::SetTextColor: canvas.setTextColor(r.u32(8)); break;
    case EmfRecord::SetBackgroundColor: canvas.setBackgroundColor(r.u32(8)); break;
    case EmfRecord::MoveTo: canvas.moveTo(point); break;
    case EmfRecord::LineTo: canvas.lineTo(point); break;
    case EmfRecord::SaveDeviceContext: canvas.save(); break;
    case EmfRecord::RestoreDeviceContext: canvas.restore(r.s32(8)); break;
    case EmfRecord::SetWorldTransform: canvas.setWorldTransform(emfTransform(r, 8)); break;
    case EmfRecord::ModifyWorldTransform: canvas.modifyWorldTransform(emfTransform(r, 8), int(r.u32(32))); break;
    case EmfRecord::SelectObject: {
        const quint32 handle = r.u32(8);
        if (handle & 0x80000000u)
            canvas.selectStockObject(int(handle & 0x7FFFFFFFu));
        else
            canvas.selectObject(int(handle));
        break;
    }
    case EmfRecord::DeleteObject: canvas.deleteObject(int(r.u32(8))); break;
    case EmfRecord::CreatePen:
        canvas.createObject(int(r.u32(8)), MetafileCanvas::pen(r.u32(12), r.s32(16), r.u32(24)));
        break;
    case EmfRecord::ExtendedCreatePen:
        canvas.createObject(int(r.u32(8)),
                            MetafileCanvas::pen(r.u32(28), int(std::min<quint32>(r.u32(32), 65535)), r.u32(40)));
        break;
    case EmfRecord::CreateBrushIndirect:
        canvas.createObject(int(r.u32(8)), MetafileCanvas::brush(r.u32(12), r.u32(16), r.u32(20)));
        break;
    case EmfRecord::CreatePalette:
    case EmfRecord::CreateMonochromeBrush:
    case EmfRecord::CreateDibPatternBrush: {
        MetafileCanvas::Object other;
        other.kind = MetafileCanvas::Object::Kind::Other;
        canvas.createObject(int(r.u32(8)), other);
        break;
    }
    case EmfRecord::ExtendedCreateFontIndirect: {
        QString face;
        for (int i = 0; i < 32; ++i) {
            const quint16 unit = r.u16(40 + 2 * i);
            if (!unit)
                break;
            face.append(QChar(unit));
        }
        canvas.createObject(int(r.u32(8)),
                            MetafileCanvas::font(r.s32(12), r.s32(28), r.u8(32), r.u8(33), r.u8(34), r.u8(35), face));
        break;
    }
    case EmfRecord::ExtendedTextOutAnsi:
    case EmfRecord::ExtendedTextOutWide: {
        const QPointF reference(r.s32(36), r.s32(40));
        const qint64 length = r.u32(44);
        const qint64 textAt = r.u32(48);
        QString text;
        if (type == EmfRecord::ExtendedTextOutWide) {
            if (length > r.size() / 2)
                damaged();
            const uchar* units = r.span(textAt, 2 * length);
            for (qint64 i = 0; i < length; ++i)
                text.append(QChar(quint16(units[2 * i] | units[2 * i + 1] << 8)));
        } else {
            text = ansiText(r.span(textAt, length), length, 1);
        }
        canvas.text(reference, text, false);
        break;
    }
    case EmfRecord::Arc:
    case EmfRecord::Chord:
    case EmfRecord::Pie: {
        const auto kind = type == EmfRecord::Arc     ? MetafileCanvas::ArcKind::Arc
                          : type == EmfRecord::Chord ? MetafileCanvas::ArcKind::Chord
                                                     : MetafileCanvas::ArcKind::Pie;
        canvas.arc(kind, emfRect(r, 8), QPointF(r.s32(24), r.s32(28)), QPointF(r.s32(32), r.s32(36)));
        break;
    }
    case EmfRecord::StretchDiBits: {
        if (r.u32(52) == 0)
            break; // a raster operation without a bitmap of its own
        DibLayout layout;
        layout.pixelsAt = r.u32(56);
        qint64 end = 0;
        const QImage bitmap = decodeDib(r, r.u32(48), layout, &end);
        canvas.image(bitmap, QRectF(r.s32(32), r.s32(36), r.s32(40), r.s32(44)),
                     QRectF(r.s32(24), r.s32(28), r.s32(72), r.s32(76)));
        break;
    }
    case EmfRecord::Ellipse: canvas.ellipse(emfRect(r, 8)); break;
    case EmfRecord::Rectangle: canvas.rectangle(emfRect(r, 8)); break;
    case EmfRecord::RoundRect: canvas.roundRect(emfRect(r, 8), QSizeF(r.s32(24), r.s32(28))); break;
    default: break;
    }
}

[[noreturn]] void invalidMetafile()
{
    throw AppError(QStringLiteral("Metafile is not valid"));
}
} // namespace

bool isPlaceableMetafile(const QByteArray& data)
{
    const PictureBytes bytes(data);
    return bytes.contains(0, 4) && bytes.u32(0) == placeableKey;
}

bool isEnhancedMetafile(const QByteArray& data)
{
    const PictureBytes bytes(data);
    return bytes.contains(0, enhancedHeaderSize) && EmfRecord(bytes.u32(0)) == EmfRecord::Header
           && bytes.u32(40) == enhancedSignature;
}

QImage renderPlaceableMetafile(const QByteArray& data)
{
    try {
        const PictureBytes bytes(data);
        if (!isPlaceableMetafile(data))
            damaged();
        quint16 checksum = 0;
        for (int i = 0; i < 10; ++i)
            checksum ^= bytes.u16(2 * i);
        const QRectF box(QPointF(bytes.s16(6), bytes.s16(8)), QPointF(bytes.s16(10), bytes.s16(12)));
        const int unitsPerInch = bytes.u16(14);
        if (checksum != bytes.u16(20) || unitsPerInch == 0)
            damaged();
        const QSize size = pictureSize(box.width() * screenPixelsPerInch / unitsPerInch,
                                       box.height() * screenPixelsPerInch / unitsPerInch);
        const quint16 fileType = bytes.u16(placeableHeaderSize);
        if ((fileType != 1 && fileType != 2) || bytes.u16(placeableHeaderSize + 2) != 9)
            damaged();

        MetafileCanvas canvas(size, QTransform());
        canvas.setMapMode(MetafileCanvas::Anisotropic);
        canvas.setWindowOrg(box.topLeft());
        canvas.setWindowExt(box.size());
        canvas.setViewportExt(QSizeF(size));
        int fontCharset = 1;
        for (qint64 at = placeableHeaderSize + metaHeaderSize;;) {
            const qint64 words = bytes.u32(at);
            if (words < 3 || words > bytes.size() / 2)
                damaged();
            const WmfRecord record{bytes.slice(at, 2 * words)};
            const auto function = WmfFunction(bytes.u16(at + 4));
            if (function == WmfFunction::EndOfFile)
                break;
            playWmfRecord(canvas, function, record, fontCharset);
            at += 2 * words;
        }
        return canvas.finish();
    } catch (const PictureDataError&) {
        invalidMetafile();
    }
}

QImage renderEnhancedMetafile(const QByteArray& data)
{
    try {
        const PictureBytes bytes(data);
        if (!isEnhancedMetafile(data) || bytes.u32(4) < enhancedHeaderSize)
            damaged();
        const QRectF frame(QPointF(bytes.s32(24), bytes.s32(28)), QPointF(bytes.s32(32), bytes.s32(36)));
        const double deviceWidth = bytes.s32(72);
        const double deviceHeight = bytes.s32(76);
        const double millimetresWide = bytes.s32(80);
        const double millimetresHigh = bytes.s32(84);
        if (deviceWidth <= 0 || deviceHeight <= 0 || millimetresWide <= 0 || millimetresHigh <= 0)
            damaged();
        constexpr double hundredthsPerInch = 2540;
        const QSize size = pictureSize(frame.width() * screenPixelsPerInch / hundredthsPerInch,
                                       frame.height() * screenPixelsPerInch / hundredthsPerInch);
        // The frame is in hundredths of a millimetre on the reference device; the records count in
        // that device's pixels.
        const double perMmX = deviceWidth / millimetresWide;
        const double perMmY = deviceHeight / millimetresHigh;
        const QRectF deviceFrame(frame.left() / 100 * perMmX, frame.top() / 100 * perMmY, frame.width() / 100 * perMmX,
                                 frame.height() / 100 * perMmY);
        if (deviceFrame.width() == 0 || deviceFrame.height() == 0)
            damaged();
        const QTransform deviceToPicture =
            QTransform::fromTranslate(-deviceFrame.left(), -deviceFrame.top())
            * QTransform::fromScale(size.width() / deviceFrame.width(), size.height() / deviceFrame.height());

        MetafileCanvas canvas(size, deviceToPicture);
        canvas.setDevicePixelsPerMillimetre(perMmX, perMmY);
        for (qint64 at = 0;;) {
            const auto type = EmfRecord(bytes.u32(at));
            const qint64 length = bytes.u32(at + 4);
            if (length < 8 || length % 4 != 0)
                damaged();
            const PictureBytes record = bytes.slice(at, length);
            if (type == EmfRecord::EndOfFile)
                break;
            if (type != EmfRecord::Header)
                playEmfRecord(canvas, type, record);
            at += length;
        }
        return canvas.finish();
    } catch (const PictureDataError&) {
        invalidMetafile();
    }
}
