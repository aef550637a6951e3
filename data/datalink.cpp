#include "data/datalink.h"

#include "data/datasource.h"

DataLink::~DataLink()
{
    setDataSource(nullptr);
}

void DataLink::setDataSource(DataSource* source)
{
    if (source_ == source)
        return;
    if (source_)
        source_->removeLink(this);
    source_ = source;
    if (source_)
        source_->addLink(this);
}
