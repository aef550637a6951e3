#pragma once

#include "skin/controls/skinned.h"
#include "skin/controls/textareaframe.h"
#include "skin/controls/tsboundlabel.h"

#include <QListWidget>

#include <functional>

class TsScrollBar;

// A list of items. While a skin is in force the list paints its frame and its items from the
// skin and scrolls through a skinned bar; selection, keys and the mouse stay the platform's.
// Typed letters choose the first item that begins with them (AutoComplete).
class TsVelvixListBox : public Skinned<TsVelvixListBox, QListWidget, ControlKind::ListBox> {
    Q_OBJECT

public:
    explicit TsVelvixListBox(QWidget* parent = nullptr);

    // The caption the control can carry; off unless activated.
    TsBoundLabel BoundLabel{this};

    TsDisabledKind DisabledKind() const { return m_frame.disabledKind(); }
    void setDisabledKind(TsDisabledKind kind) { m_frame.setDisabledKind(kind); }
    bool AutoComplete() const { return m_autoComplete; }
    void setAutoComplete(bool autoComplete) { m_autoComplete = autoComplete; }
    // The height of the list's rows, which decides whether its items fit: that of its first row,
    // which follows the font unless set, and 16 while the list has none.
    int ItemHeight() const;
    // Gives the rows there are this height; ones added later keep their own.
    void setItemHeight(int height);

    // What typing collected so far; a key after a longer pause starts afresh.
    const QString& searchText() const { return m_search; }
    // The clock, in milliseconds, the pause between typed keys is measured with.
    void setSearchClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    TsScrollBar* skinnedScrollBar() const { return m_frame.bars().bar(Qt::Vertical); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintRow(QPainter& painter, int row, QPoint cacheOffset, bool hot);
    bool search(QKeyEvent* event);
    bool moreItemsThanFit() const;

    bool m_autoComplete = true;
    int m_itemHeight;
    QString m_search;
    qint64 m_lastKey = 0;
    std::function<qint64()> m_clock;
    TextAreaFrame m_frame;
};
