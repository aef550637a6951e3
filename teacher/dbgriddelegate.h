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

protected:
    // Switching to another window (or a popup) keeps the cell being edited as it is; only a move
    // of the focus inside the window ends the edit.
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    mutable QPointer<QLineEdit> editor_;
};
