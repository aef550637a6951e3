#include "teacher/dbgriddelegate.h"

#include "teacher/dbgridmodel.h"

#include <QLineEdit>

QWidget* DBGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line) {
        const int maxLength = index.data(DBGridModel::MaxLengthRole).toInt();
        if (maxLength > 0)
            line->setMaxLength(maxLength);
        editor_ = line;
    }
    return editor;
}
