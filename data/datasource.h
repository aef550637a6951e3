#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "data/table.h"

class DataLink;
class Table;

// The binding link between one table and the controls that show it.
class DataSource : public QObject {
    Q_OBJECT

public:
    DataSource(const QString& name, Table* table, QObject* parent);
    ~DataSource() override;

    Table* table() const { return table_; }

    void addLink(DataLink* link);
    void removeLink(DataLink* link);

    // Called by the table; every bound link hears it.
    template <typename Notify>
    void notifyLinks(Notify&& notify)
    {
        // A link may unbind itself while it is told; walk a copy.
        const QList<DataLink*> links = links_;
        for (DataLink* link : links)
            if (links_.contains(link))
                notify(link);
    }

private:
    QPointer<Table> table_;
    QList<DataLink*> links_;
};
