#include "platform/metafilecanvas.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>

namespace {
enum StockObject {
    WhiteBrush = 0,
    LightGrayBrush,
    GrayBrush,
    DarkGrayBrush,
    BlackBrush,
    NullBrush,
    WhitePen,
    BlackPen,
    NullPen
};
enum TextAlign : quint32 { UpdatePosition = 1, Right = 2, Center = 6, Bottom = 8, Baseline = 24 };
constexpr double millimetresPerInch = 25.4;

double safeRatio(double numerator, double denominator)
{
    return denominator == 0 ? 1.0 : numerator / denominator;
}
} // namespace

MetafileCanvas::MetafileCanvas(const QSize& size, const QTransform& deviceToPicture)
    : image_(size, QImage::Format_ARGB32_Premultiplied),
      deviceToPicture_(deviceToPicture)
{
    image_.fill(Qt::transparent);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
}

QImage MetafileCanvas::finish()
{
    painter_.end();
    return image_;
}

void MetafileCanvas::setMapMode(int mode)
{
    if (mode >= Text && mode <= Anisotropic)
        state_.mapMode = mode;
}

void MetafileCanvas::setDevicePixelsPerMillimetre(double x, double y)
{
    devicePixelsPerMmX_ = x;
    devicePixelsPerMmY_ = y;
}

void MetafileCanvas::setWindowOrg(const QPointF& origin)
{
    state_.windowOrg = origin;
}
void MetafileCanvas::setWindowExt(const QSizeF& extent)
{
    state_.windowExt = extent;
}
void MetafileCanvas::setViewportOrg(const QPointF& origin)
{
    state_.viewportOrg = origin;
}
void MetafileCanvas::setViewportExt(const QSizeF& extent)
{
    state_.viewportExt = extent;
}
void MetafileCanvas::setWorldTransform(const QTransform& world)
{
    state_.world = world;
}

void MetafileCanvas::modifyWorldTransform(const QTransform& change, int mode)
{
    switch (mode) {
    case 1: state_.world = QTransform(); break;
    case 2: state_.world = change * state_.world; break;
    case 3: state_.world = state_.world * change; break;
    case 4: state_.world = change; break;
    default: break;
    }
}

QTransform MetafileCanvas::logicalToPicture() const
{
    double scaleX = 1;
    double scaleY = 1;
    switch (state_.mapMode) {
    case Text: break;
    case Isotropic:
    case Anisotropic: {
        scaleX = safeRatio(state_.viewportExt.width(), state_.windowExt.width());
        scaleY = safeRatio(state_.viewportExt.height(), state_.windowExt.height());
        if (state_.mapMode == Isotropic) {
            const double uniform = std::min(std::abs(scaleX), std::abs(scaleY));
            scaleX = std::copysign(uniform, scaleX);
            scaleY = std::copysign(uniform, scaleY);
        }
        break;
    }
    default: {
        // The metric modes count in fixed units with y growing upwards.
        static const double millimetresPerUnit[] = {0.1, 0.01, 0.254, 0.0254, millimetresPerInch / 1440};
        const double unit = millimetresPerUnit[state_.mapMode - LoMetric];
        scaleX = unit * devicePixelsPerMmX_;
        scaleY = -unit * devicePixelsPerMmY_;
    }
    }
    const QTransform page = QTransform::fromTranslate(-state_.windowOrg.x(), -state_.windowOrg.y())
                            * QTransform::fromScale(scaleX, scaleY)
                            * QTransform::fromTranslate(state_.viewportOrg.x(), state_.viewportOrg.y());
    return state_.world * page * deviceToPicture_;
}

void MetafileCanvas::prepare(bool fill)
{
    painter_.setTransform(logicalToPicture());
    painter_.setPen(state_.pen);
    painter_.setBrush(fill ? state_.brush : QBrush(Qt::NoBrush));
    painter_.setBackground(state_.backgroundColor);
    painter_.setBackgroundMode(state_.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
}

void MetafileCanvas::save()
{
    if (saved_.size() < largestHandleTable)
        saved_.append(state_);
}

void MetafileCanvas::restore(int which)
{
    // Negative: that many states back; positive: the state saved as that number.
    const qsizetype index = which < 0 ? saved_.size() + which : which - 1;
    if (index < 0 || index >= saved_.size())
        return;
    state_ = saved_[index];
    saved_.resize(index);
}

int MetafileCanvas::firstFreeSlot() const
{
    int slot = 0;
    for (auto it = objects_.cbegin(); it != objects_.cend() && it.key() == slot; ++it)
        ++slot;
    return slot;
}

void MetafileCanvas::createObject(int slot, const Object& object)
{
    if (slot >= 0 && slot <= largestHandleTable)
        objects_.insert(slot, object);
}

void MetafileCanvas::selectObject(int slot)
{
    const auto found = objects_.constFind(slot);
    if (found == objects_.cend())
        return;
    switch (found->kind) {
    case Object::Kind::Pen: state_.pen = found->pen; break;
    case Object::Kind::Brush: state_.brush = found->brush; break;
    case Object::Kind::Font: state_.font = *found; break;
    default: break;
    }
}

void MetafileCanvas::selectStockObject(int stock)
{
    static const QColor brushes[] = {Qt::white, QColor(192, 192, 192), QColor(128, 128, 128), QColor(64, 64, 64),
                                     Qt::black};
    if (stock >= WhiteBrush && stock <= BlackBrush)
        state_.brush = QBrush(brushes[stock]);
    else if (stock == NullBrush)
        state_.brush = QBrush(Qt::NoBrush);
    else if (stock == WhitePen || stock == BlackPen)
        state_.pen = QPen(stock == WhitePen ? Qt::white : Qt::black, 0);
    else if (stock == NullPen)
        state_.pen = QPen(Qt::NoPen);
    else if (stock >= 10 && stock <= 17 && stock != 15)
        state_.font = font(0, 400, false, false, false, 0, QString());
}

void MetafileCanvas::deleteObject(int slot)
{
    objects_.remove(slot);
}

MetafileCanvas::Object MetafileCanvas::pen(quint32 style, int width, quint32 colorRef)
{
    Object object;
    object.kind = Object::Kind::Pen;
    static const Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                          Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    const quint32 lineStyle = style & 0x0F;
    object.pen = QPen(color(colorRef), std::max(0, width), lineStyle < 7 ? styles[lineStyle] : Qt::SolidLine);
    object.pen.setCosmetic(width <= 1);
    return object;
}

MetafileCanvas::Object MetafileCanvas::brush(quint32 style, quint32 colorRef, quint32 hatch)
{
    Object object;
    object.kind = Object::Kind::Brush;
    static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                             Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    if (style == 1)
        object.brush = QBrush(Qt::NoBrush);
    else if (style == 2)
        object.brush = QBrush(color(colorRef), hatch < 6 ? hatches[hatch] : Qt::SolidPattern);
    else
        object.brush = QBrush(color(colorRef));
    return object;
}

MetafileCanvas::Object MetafileCanvas::font(int height, int weight, bool italic, bool underline, bool strikeOut,
                                            int charset, const QString& face)
{
    Object object;
    object.kind = Object::Kind::Font;
    object.font = QFont(face.isEmpty() ? QStringLiteral("MS Sans Serif") : face);
    object.font.setWeight(QFont::Weight(std::clamp(weight ? weight : 400, 1, 1000)));
    object.font.setItalic(italic);
    object.font.setUnderline(underline);
    object.font.setStrikeOut(strikeOut);
    object.fontHeight = height;
    object.charset = charset;
    return object;
}

void MetafileCanvas::lineTo(const QPointF& point)
{
    prepare(false);
    painter_.drawLine(state_.position, point);
    state_.position = point;
}

void MetafileCanvas::rectangle(const QRectF& rect)
{
    prepare(true);
    painter_.drawRect(rect.normalized());
}

void MetafileCanvas::roundRect(const QRectF& rect, const QSizeF& corner)
{
    prepare(true);
    painter_.drawRoundedRect(rect.normalized(), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
}

void MetafileCanvas::ellipse(const QRectF& rect)
{
    prepare(true);
    painter_.drawEllipse(rect.normalized());
}

void MetafileCanvas::polygon(const QPolygonF& points)
{
    prepare(true);
    painter_.drawPolygon(points, state_.fillRule);
}

void MetafileCanvas::polyline(const QPolygonF& points)
{
    prepare(false);
    painter_.drawPolyline(points);
}

void MetafileCanvas::polylineTo(const QPolygonF& points)
{
    if (points.isEmpty())
        return;
    QPolygonF all = points;
    all.prepend(state_.position);
    polyline(all);
    state_.position = points.last();
}

void MetafileCanvas::polyPolygon(const QVector<QPolygonF>& polygons)
{
    QPainterPath path;
    path.setFillRule(state_.fillRule);
    for (const QPolygonF& points : polygons) {
        path.addPolygon(points);
        path.closeSubpath();
    }
    prepare(true);
    painter_.drawPath(path);
}

void MetafileCanvas::polyBezier(const QPolygonF& points, bool fromPosition)
{
    QPolygonF all = points;
    if (fromPosition)
        all.prepend(state_.position);
    if (all.size() < 4)
        return;
    QPainterPath path(all[0]);
    for (qsizetype i = 1; i + 2 < all.size(); i += 3)
        path.cubicTo(all[i], all[i + 1], all[i + 2]);
    prepare(false);
    painter_.drawPath(path);
    if (fromPosition)
        state_.position = path.currentPosition();
}

void MetafileCanvas::text(const QPointF& at, const QString& text, bool usePosition)
{
    // Text is laid out in picture pixels so that a mapping with y growing upwards does not set it
    // upside down.
    const QTransform mapping = logicalToPicture();
    const QPointF logical = (usePosition || (state_.textAlign & UpdatePosition)) ? state_.position : at;
    const QPointF anchor = mapping.map(logical);
    const double scale = std::hypot(mapping.m21(), mapping.m22());
    QFont font = state_.font.font;
    const int height = state_.font.fontHeight;
    const double cell = height == 0 ? 16 : std::abs(height) * (height < 0 ? 1.0 : 0.8);
    font.setPixelSize(std::max(1, int(std::lround(std::min(cell * scale, 4096.0)))));
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    QPointF topLeft = anchor;
    if ((state_.textAlign & Center) == Center)
        topLeft.rx() -= width / 2;
    else if (state_.textAlign & Right)
        topLeft.rx() -= width;
    if ((state_.textAlign & Baseline) == Baseline)
        topLeft.ry() -= metrics.ascent();
    else if (state_.textAlign & Bottom)
        topLeft.ry() -= metrics.height();

    painter_.resetTransform();
    const QRectF box(topLeft, QSizeF(width, metrics.height()));
    if (state_.opaqueBackground)
        painter_.fillRect(box, state_.backgroundColor);
    painter_.setFont(font);
    painter_.setPen(state_.textColor);
    painter_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    if (state_.textAlign & UpdatePosition)
        state_.position = mapping.inverted().map(QPointF(anchor.x() + width, anchor.y()));
}

void MetafileCanvas::arc(ArcKind kind, const QRectF& area, const QPointF& start, const QPointF& end)
{
    const QRectF rect = area.normalized();
    if (rect.isEmpty())
        return;
    const QPointF centre = rect.center();
    auto angleOf = [&](const QPointF& point) {
        return std::atan2(-(point.y() - centre.y()) / rect.height(), (point.x() - centre.x()) / rect.width()) * 180
               / M_PI;
    };
    const double from = angleOf(start);
    double sweep = angleOf(end) - from;
    if (sweep <= 0)
        sweep += 360;
    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(centre);
        path.arcTo(rect, from, sweep);
    } else {
        path.arcMoveTo(rect, from);
        path.arcTo(rect, from, sweep);
    }
    if (kind != ArcKind::Arc)
        path.closeSubpath();
    prepare(kind != ArcKind::Arc);
    painter_.drawPath(path);
}

void MetafileCanvas::image(const QImage& picture, const QRectF& source, const QRectF& destination)
{
    prepare(false);
    painter_.drawImage(destination, picture, source);
}
