#include "data/forwardingdatalink.h"

ForwardingDataLink::ForwardingDataLink(Notices notices) : notices_(std::move(notices))
{}

void ForwardingDataLink::activeChanged()
{
    if (notices_.activeChanged)
        notices_.activeChanged();
}

void ForwardingDataLink::dataSetChanged()
{
    if (notices_.dataSetChanged)
        notices_.dataSetChanged();
}

void ForwardingDataLink::dataSetScrolled(int distance)
{
    if (notices_.dataSetScrolled)
        notices_.dataSetScrolled(distance);
}

void ForwardingDataLink::recordChanged(const QString& field)
{
    if (notices_.recordChanged)
        notices_.recordChanged(field);
}

void ForwardingDataLink::editingChanged()
{
    if (notices_.editingChanged)
        notices_.editingChanged();
}

void ForwardingDataLink::updateData()
{
    if (notices_.updateData)
        notices_.updateData();
}
