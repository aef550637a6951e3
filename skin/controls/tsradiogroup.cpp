#include "skin/controls/tsradiogroup.h"

#include "platform/metrics.h"
#include "skin/controls/tsradiobutton.h"

#include <QEvent>
#include <QFontMetrics>
#include <algorithm>

TsRadioGroup::TsRadioGroup(QWidget* parent) : TsGroupBox(parent)
{}

void TsRadioGroup::setItems(const QStringList& items)
{
    items_ = items;
    while (buttons_.size() > items_.size())
        delete buttons_.takeLast();
    while (buttons_.size() < items_.size()) {
        auto* button = new TsRadioButton(this);
        button->setVisible(false);
        connect(button, &TsRadioButton::toggled, this, [this, button](bool checked) {
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
    TsRadioButton* button = buttons_[index];
    if (button->isChecked() == checked)
        return;
    // An auto-exclusive button refuses to be unchecked directly; the group alone decides that.
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(true);
}

void TsRadioGroup::buttonChecked(TsRadioButton* button)
{
    if (rechecking_)
        return;
    itemIndex_ = buttons_.indexOf(button);
    emit changed();
    emit itemClicked();
}

void TsRadioGroup::arrange()
{
    if (buttons_.isEmpty())
        return;
    using namespace metrics::radioGroup;
    const int textHeight = QFontMetrics(font()).height();
    const int count = buttons_.size();
    const int rows = (count + columns_ - 1) / columns_;
    const int columnWidth = std::max(0, (width() - horizontalMargins) / columns_);
    const int inner = height() - textHeight - verticalMargins;
    const int rowHeight = std::max(0, inner / rows);
    const int topMargin = textHeight + captionGap + (inner % rows) / 2;
    for (int index = 0; index < count; ++index) {
        int left = index / rows * columnWidth + leftMargin;
        if (layoutDirection() == Qt::RightToLeft)
            left = width() - left - columnWidth;
        buttons_[index]->setGeometry(left, index % rows * rowHeight + topMargin, columnWidth, rowHeight);
        buttons_[index]->setVisible(true);
    }
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
