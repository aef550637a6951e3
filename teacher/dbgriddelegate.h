#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

class QLineEdit;

// The in-place cell editor of a data grid: a one-line edit that takes no more characters than
// the field holds, and that the grid can reach while it is open.
class DBGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The editor open now, or null.
    QLineEdit* activeEditor() const { return editor_; }

private:
    mutable QPointer<QLineEdit> editor_;
};
