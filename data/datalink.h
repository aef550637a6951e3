#pragma once

#include <QString>

class DataSource;

// A control bound to a table through a data source hears of every change it may have to show.
class DataLink {
public:
    DataLink() = default;
    virtual ~DataLink();
    // A copy would hear nothing: the data source knows the link by its address.
    DataLink(const DataLink&) = delete;
    DataLink& operator=(const DataLink&) = delete;

    // The table opened or closed.
    virtual void activeChanged() {}
    // The records around the cursor changed as a whole (open, first, last, locate, post, cancel,
    // delete, refresh).
    virtual void dataSetChanged() {}
    // The cursor moved by next or prior (or by a grid's row move); distance 0 when it stayed and
    // only the begin or end flag changed.
    virtual void dataSetScrolled(int /*distance*/) {}
    // The current record's values changed; field is empty when more than one field may have.
    virtual void recordChanged(const QString& /*field*/) {}
    // The state changed between browsing, editing and inserting.
    virtual void editingChanged() {}
    // A pending change is about to be stored or the cursor is about to move: write any text
    // typed into the control into the record now.
    virtual void updateData() {}

    DataSource* dataSource() const { return source_; }
    void setDataSource(DataSource* source);

private:
    DataSource* source_ = nullptr;
};
