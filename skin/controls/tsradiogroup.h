#pragma once

#include "skin/controls/tsgroupbox.h"
#include "skin/controls/tsgroupbutton.h"

#include <QList>
#include <QRect>
#include <QStringList>

// A group box holding one radio button per item, laid out in columns. ItemIndex is the checked
// item (-1: none). A button that becomes checked, by the user or because ItemIndex was set from
// code, raises changed() and itemClicked(); unchecking raises nothing.
class TsRadioGroup : public TsGroupBox {
    Q_OBJECT

public:
    explicit TsRadioGroup(QWidget* parent = nullptr);

    QStringList items() const { return items_; }
    void setItems(const QStringList& items);

    int columns() const { return columns_; }
    void setColumns(int columns); // kept within 1 .. 16

    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index); // kept within -1 .. items - 1

    const QList<TsGroupButton*>& buttons() const { return buttons_; }

    // The places of `count` items in a group of `size` whose font is `textHeight` high: equal
    // cells below the caption, filled column by column.
    static QList<QRect> itemPlaces(int count, int columns, QSize size, int textHeight,
                                   Qt::LayoutDirection direction = Qt::LeftToRight);

signals:
    void changed();
    void itemClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buttonChecked(TsGroupButton* button);
    void setButtonChecked(int index, bool checked);
    void arrange();

    QStringList items_;
    QList<TsGroupButton*> buttons_;
    int columns_ = 1;
    int itemIndex_ = -1;
    // Set while the current item is checked again after the item list changed: that is no choice.
    bool rechecking_ = false;
    // Set while a choice is reported, so that a choice made by its handlers is not reported inside it.
    bool reporting_ = false;
};
