#pragma once

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <QVector>

// The drawing state of a metafile being played (GDI's device context, as far as metafiles use
// it) over a QPainter on the picture. Coordinates are logical and go through the world transform,
// the window/viewport mapping and finally the device-to-picture mapping.
class MetafileCanvas {
public:
    struct Object {
        enum class Kind { Empty, Pen, Brush, Font, Other } kind = Kind::Empty;
        QPen pen;
        QBrush brush;
        QFont font;
        int fontHeight = 0; // logical units; negative: character height, positive: cell height
        int charset = 0;
    };

    MetafileCanvas(const QSize& size, const QTransform& deviceToPicture);
    QImage finish();

    enum MapMode { Text = 1, LoMetric, HiMetric, LoEnglish, HiEnglish, Twips, Isotropic, Anisotropic };
    void setMapMode(int mode);
    void setDevicePixelsPerMillimetre(double x, double y);
    void setWindowOrg(const QPointF& origin);
    void setWindowExt(const QSizeF& extent);
    void setViewportOrg(const QPointF& origin);
    void setViewportExt(const QSizeF& extent);
    void setWorldTransform(const QTransform& world);
    void modifyWorldTransform(const QTransform& change, int mode);

    void setTextColor(quint32 colorRef) { state_.textColor = color(colorRef); }
    void setBackgroundColor(quint32 colorRef) { state_.backgroundColor = color(colorRef); }
    void setBackgroundMode(int mode) { state_.opaqueBackground = mode == 2; }
    void setPolyFillMode(int mode) { state_.fillRule = mode == 2 ? Qt::WindingFill : Qt::OddEvenFill; }
    void setTextAlign(quint32 align) { state_.textAlign = align; }
    void save();
    void restore(int which);

    // Metafile objects live in a handle table; a placeable metafile puts each new one into the
    // lowest free slot, an enhanced one names the slot.
    int firstFreeSlot() const;
    void createObject(int slot, const Object& object);
    void selectObject(int slot);
    void selectStockObject(int stock);
    void deleteObject(int slot);

    static QColor color(quint32 colorRef)
    {
        return QColor(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
    }
    static Object pen(quint32 style, int width, quint32 colorRef);
    static Object brush(quint32 style, quint32 colorRef, quint32 hatch);
    static Object font(int height, int weight, bool italic, bool underline, bool strikeOut, int charset,
                       const QString& face);

    void moveTo(const QPointF& point) { state_.position = point; }
    void lineTo(const QPointF& point);
    void rectangle(const QRectF& rect);
    void roundRect(const QRectF& rect, const QSizeF& corner);
    void ellipse(const QRectF& rect);
    void polygon(const QPolygonF& points);
    void polyline(const QPolygonF& points);
    void polylineTo(const QPolygonF& points);
    void polyPolygon(const QVector<QPolygonF>& polygons);
    void polyBezier(const QPolygonF& points, bool fromPosition);
    void text(const QPointF& at, const QString& text, bool usePosition);
    // Arcs run counter-clockwise on the ellipse in rect, from the ray through start to the ray
    // through end; a pie closes through the centre, a chord straight across.
    enum class ArcKind { Arc, Chord, Pie };
    void arc(ArcKind kind, const QRectF& rect, const QPointF& start, const QPointF& end);
    // A bitmap's source part stretched over the destination, both in logical units.
    void image(const QImage& image, const QRectF& source, const QRectF& destination);

    // Slots and points beyond these are taken as damage, not honoured.
    static constexpr int largestHandleTable = 65535;

private:
    struct State {
        QPen pen = QPen(Qt::black, 0);
        QBrush brush = QBrush(Qt::white);
        Object font = MetafileCanvas::font(0, 400, false, false, false, 0, QString());
        QColor textColor = Qt::black;
        QColor backgroundColor = Qt::white;
        bool opaqueBackground = true;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        quint32 textAlign = 0;
        QPointF position;
        int mapMode = Text;
        QPointF windowOrg;
        QSizeF windowExt = QSizeF(1, 1);
        QPointF viewportOrg;
        QSizeF viewportExt = QSizeF(1, 1);
        QTransform world;
    };

    QTransform logicalToPicture() const;
    void prepare(bool fill);

    QImage image_;
    QPainter painter_;
    QTransform deviceToPicture_;
    double devicePixelsPerMmX_ = 96 / 25.4;
    double devicePixelsPerMmY_ = 96 / 25.4;
    State state_;
    QVector<State> saved_;
    QMap<int, Object> objects_;
};
