#include "app/topictree.h"

#include "platform/metrics.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTreeWidget>

void setUpTopicTree(QTreeWidget* tree)
{
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(false);
    tree->setIndentation(metrics::topicTree::indentation);
    tree->setFont(QFont(QStringLiteral("MS Sans Serif"), metrics::topicTree::fontPointSize));
    tree->setIconSize(QSize(metrics::smallIconSize, metrics::smallIconSize));
    tree->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    QPalette white = tree->palette();
    white.setColor(QPalette::Base, Qt::white);
    tree->setPalette(white);
}

QTreeWidgetItem* addTopicEntry(QTreeWidget* tree, const QString& text, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem(tree, QStringList{text});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setIcon(0, icon);
    return item;
}

QImage quillImage()
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The vane: a leaf leaning from the nib at the lower left to the tip at the upper right.
    QPainterPath vane(QPointF(4.5, 11.5));
    vane.cubicTo(QPointF(4.0, 6.0), QPointF(9.0, 1.5), QPointF(15.0, 0.8));
    vane.cubicTo(QPointF(13.5, 6.5), QPointF(10.0, 10.5), QPointF(4.5, 11.5));
    QLinearGradient shade(QPointF(4, 12), QPointF(15, 1));
    shade.setColorAt(0, QColor(235, 235, 225));
    shade.setColorAt(1, QColor(120, 150, 205));
    painter.setPen(QPen(QColor(40, 60, 110), 0.8));
    painter.setBrush(shade);
    painter.drawPath(vane);

    // The shaft runs through the vane down to the nib, which ends in a dark point.
    painter.setPen(QPen(QColor(60, 45, 30), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13.5, 2.5), QPointF(1.5, 14.5));
    painter.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2.6, 13.4), QPointF(1.2, 14.8));
    painter.end();
    return image;
}

QIcon quillIcon()
{
    return QIcon(QPixmap::fromImage(quillImage()));
}

bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
