#include "data/datasource.h"

#include "data/datalink.h"
#include "data/table.h"

DataSource::DataSource(const QString& name, Table* table, QObject* parent) : QObject(parent), table_(table)
{
    setObjectName(name);
    table_->addDataSource(this);
}

DataSource::~DataSource()
{
    for (DataLink* link : QList<DataLink*>(links_))
        link->setDataSource(nullptr);
    if (table_)
        table_->removeDataSource(this);
}

void DataSource::addLink(DataLink* link)
{
    if (!links_.contains(link))
        links_.append(link);
}

void DataSource::removeLink(DataLink* link)
{
    links_.removeOne(link);
}
