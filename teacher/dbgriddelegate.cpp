#include "teacher/dbgriddelegate.h"

#include "teacher/dbgridmodel.h"

#include <QFocusEvent>
#include <QLineEdit>

QWidget* DBGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
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

bool DBGridDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
