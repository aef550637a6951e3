#pragma once

#include <QIcon>
#include <QImage>

class QEvent;
class QTreeWidget;
class QTreeWidgetItem;

// The topic trees of the main and photo windows look and behave alike: a flat white list in
// "MS Sans Serif" 10 pt, indent 19, every entry marked with the quill and editable in place by a
// slow second click.
void setUpTopicTree(QTreeWidget* tree);
QTreeWidgetItem* addTopicEntry(QTreeWidget* tree, const QString& text, const QIcon& icon);
// Whether the event is a press of Enter (either key), which opens the marked entry of a tree.
bool isEnterKey(const QEvent* event);

// The 16 x 16 quill of the topic trees and of every window's title.
QIcon quillIcon();
