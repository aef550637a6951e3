#pragma once

#include "platform/messagebox.h"
#include "tests/support/printers.h"

#include <QList>

// Stands in for the message boxes while it lives: records every box and gives the answer set
// for it (OK, or the first button's answer, unless told otherwise).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();

    void answerWith(MessageAnswer answer)
    {
        answer_ = answer;
        hasAnswer_ = true;
    }

    const QList<MessageBoxRequest>& boxes() const { return boxes_; }
    QStringList texts() const;
    bool empty() const { return boxes_.isEmpty(); }
    void clear() { boxes_.clear(); }

private:
    QList<MessageBoxRequest> boxes_;
    MessageAnswer answer_ = MessageAnswer::Ok;
    bool hasAnswer_ = false;
};
