#pragma once

#include "data/forwardingdatalink.h"

#include <QString>
#include <functional>

class QKeyEvent;
class QWidget;
class Table;

// The binding of one text control to one field of a data source's table: it tells the control
// when to show the field afresh and when to write its text, and does the writing.
class FieldDataLink {
public:
    // show: put the field's text into the control; text: the control's current text.
    FieldDataLink(QWidget* control, std::function<void()> show, std::function<QString()> text);

    DataSource* dataSource() const { return link_.dataSource(); }
    QString dataField() const { return field_; }
    void setDataField(const QString& field);
    void bindTo(DataSource* source);

    // The bound table when it is open, else null.
    Table* table() const;
    // The field's text in the current record ("" without an open table or such a field).
    QString fieldText() const;
    // The field's declared text size, 0 when it has none.
    int fieldSize() const;

    // The user changed the text, or the control showed the field afresh.
    void setModified(bool modified) { modified_ = modified; }
    bool modified() const { return modified_; }

    // Puts the table into edit mode before a changing keystroke; false when the table refuses
    // (the keystroke must then be dropped).
    bool edit();
    // Writes a changed text into the field, entering edit mode when the table is browsing.
    void updateRecord();

    // Whether a keystroke changes a control's text; multiLine adds Enter and Tab.
    static bool changesText(const QKeyEvent* event, bool multiLine);

    // A hidden control is not refreshed on every move of its table (the answering window locates
    // the question bank twenty times when a test is handed in); it catches up when it is shown.
    void showWhenShown();

private:
    void refresh();
    void recordChanged(const QString& field);

    QWidget* control_;
    bool stale_ = false;
    std::function<void()> show_;
    std::function<QString()> text_;
    QString field_;
    bool modified_ = false;
    // Last, so that it leaves its data source before the functions it calls are gone.
    ForwardingDataLink link_;
};
