#include "skin/controls/tsradiogroup.h"

#include "platform/guarded.h"
#include "skin/controls/radiogroupmetrics.h"
#include "skin/controls/tsgroupbutton.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScopedValueRollback>
#include <algorithm>

TsRadioGroup::TsRadioGroup(QWidget* parent) : TsGroupBox(parent)
{}

void TsRadioGroup::setItems(const QStringList& items)
{
    items_ = items;
    while (buttons_.size() > items_.size())
        delete buttons_.takeLast();
    while (buttons_.size() < items_.size()) {
        auto* button = new TsGroupButton(this);
        connect(button, &TsGroupButton::toggled, this, [this, button](bool checked) {
            if (checked)
                buttonChecked(button);
        });
        buttons_.append(button);
    }
    itemIndex_ = std::clamp(itemIndex_, -1, static_cast<int>(items_.size()) - 1);
    for (int index = 0; index < buttons_.size(); ++index)
        buttons_[index]->setText(items_[index]);
    rechecking_ = true;
    for (int index = 0; index < buttons_.size(); ++index)
        setButtonChecked(index, index == itemIndex_);
    rechecking_ = false;
    arrange();
    update();
}

void TsRadioGroup::setColumns(int columns)
{
    columns = std::clamp(columns, 1, metrics::radioGroup::maxColumns);
    if (columns == columns_)
        return;
    columns_ = columns;
    arrange();
}

void TsRadioGroup::setItemIndex(int index)
{
    index = std::clamp(index, -1, static_cast<int>(buttons_.size()) - 1);
    if (index == itemIndex_)
        return;
    if (itemIndex_ >= 0)
        setButtonChecked(itemIndex_, false);
    itemIndex_ = index;
    if (itemIndex_ >= 0)
        setButtonChecked(itemIndex_, true);
}

void TsRadioGroup::setButtonChecked(int index, bool checked)
{
    TsGroupButton* button = buttons_[index];
    if (button->isChecked() == checked)
        return;
    // An auto-exclusive button refuses to be unchecked directly; the group alone decides that.
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(true);
}

void TsRadioGroup::buttonChecked(TsGroupButton* button)
{
    if (rechecking_ || reporting_)
        return;
    itemIndex_ = buttons_.indexOf(button);
    const QScopedValueRollback reporting(reporting_, true);
    guarded([this] {
        emit changed();
        emit itemClicked();
    });
}

QList<QRect> TsRadioGroup::itemPlaces(int count, int columns, QSize size, int textHeight, Qt::LayoutDirection direction)
{
    using namespace metrics::radioGroup;
    QList<QRect> places;
    if (count <= 0 || columns <= 0)
        return places;
    const int rows = (count + columns - 1) / columns;
    const int columnWidth = std::max(0, (size.width() - horizontalMargins) / columns);
    const int inner = size.height() - textHeight - verticalMargins;
    const int rowHeight = std::max(0, inner / rows);
    const int topMargin = textHeight + captionGap + (inner % rows) / 2;
    for (int index = 0; index < count; ++index) {
        int left = index / rows * columnWidth + leftMargin;
        if (direction == Qt::RightToLeft)
            left = size.width() - left - columnWidth;
        places.append(QRect(left, index % rows * rowHeight + topMargin, columnWidth, rowHeight));
    }
    return places;
}

// All buttons move before the group paints again, so that none is seen at its old place.
void TsRadioGroup::arrange()
{
    const QList<QRect> places =
        itemPlaces(buttons_.size(), columns_, size(), QFontMetrics(font()).height(), layoutDirection());
    if (places.isEmpty())
        return;
    const bool updating = updatesEnabled();
    setUpdatesEnabled(false);
    for (int index = 0; index < places.size(); ++index) {
        buttons_[index]->setGeometry(places[index]);
        buttons_[index]->setVisible(true);
    }
    setUpdatesEnabled(updating);
}

void TsRadioGroup::resizeEvent(QResizeEvent* event)
{
    TsGroupBox::resizeEvent(event);
    arrange();
}

void TsRadioGroup::changeEvent(QEvent* event)
{
    TsGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange)
        arrange();
}
