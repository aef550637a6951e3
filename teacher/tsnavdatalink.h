#pragma once

#include "data/datalink.h"

class TsDBNavigator;

// Tells its navigator which of its three updates a change of the attached table calls for.
class TsNavDataLink : public DataLink {
public:
    explicit TsNavDataLink(TsDBNavigator* navigator) : navigator_(navigator) {}

    void activeChanged() override;
    void dataSetChanged() override;
    void dataSetScrolled(int distance) override;
    void recordChanged(const QString& field) override;
    void editingChanged() override;

private:
    TsDBNavigator* navigator_;
};
