#pragma once

#include "skin/controls/tsedit.h"
#include "teacher/fielddatalink.h"

class DataSource;

// A one-line edit that shows and writes one field of the current record.
class TsDBEdit : public TsEdit {
    Q_OBJECT

public:
    explicit TsDBEdit(QWidget* parent = nullptr);

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
