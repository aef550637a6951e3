#pragma once

#include <QString>

// A hand-in that waited for the server and has now been dealt with there: graded and stored,
// or refused for good.
struct DeliveredHandIn {
    QString session;
    QString name;
    int correct = 0;
    QString refusal; // the server's reason when it refused, empty when stored
};
