#include "teacher/tsnavdatalink.h"

#include "teacher/tsdbnavigator.h"

void TsNavDataLink::activeChanged()
{
    navigator_->activeChanged();
}

void TsNavDataLink::dataSetChanged()
{
    navigator_->dataChanged();
}

void TsNavDataLink::dataSetScrolled(int)
{
    navigator_->dataChanged();
}

void TsNavDataLink::recordChanged(const QString&)
{
    navigator_->dataChanged();
}

void TsNavDataLink::editingChanged()
{
    navigator_->editingChanged();
}
