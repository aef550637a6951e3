#pragma once

#include "data/datalink.h"

#include <functional>

// The way a control hears its table: it owns one of these and says, notice by notice, which of
// its own functions answers. A notice the control gave no function for is ignored.
class ForwardingDataLink : public DataLink {
public:
    // Each may be left out; the empty initialisers let a control name only those it answers.
    struct Notices {
        std::function<void()> activeChanged{};
        std::function<void()> dataSetChanged{};
        std::function<void(int distance)> dataSetScrolled{};
        std::function<void(const QString& field)> recordChanged{};
        std::function<void()> editingChanged{};
        std::function<void()> updateData{};
    };

    explicit ForwardingDataLink(Notices notices);

    void activeChanged() override;
    void dataSetChanged() override;
    void dataSetScrolled(int distance) override;
    void recordChanged(const QString& field) override;
    void editingChanged() override;
    void updateData() override;

private:
    Notices notices_;
};
