#pragma once

#include "skin/controls/tsmemo.h"
#include "teacher/fielddatalink.h"

class DataSource;

// A text box of several lines that shows and writes one field of the current record.
class TsDBMemo : public TsMemo {
    Q_OBJECT

public:
    explicit TsDBMemo(QWidget* parent = nullptr);

    DataSource* dataSource() const { return link_.dataSource(); }
    void setDataSource(DataSource* source) { link_.bindTo(source); }
    QString dataField() const { return link_.dataField(); }
    void setDataField(const QString& field) { link_.setDataField(field); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showField();

    FieldDataLink link_;
    bool showing_ = false;
};
