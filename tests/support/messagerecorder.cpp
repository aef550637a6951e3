#include "tests/support/messagerecorder.h"

MessageRecorder::MessageRecorder()
{
    setMessageBoxHandler([this](const MessageBoxRequest& request) {
        boxes_.append(request);
        if (hasAnswer_)
            return answer_;
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    });
}

MessageRecorder::~MessageRecorder()
{
    setMessageBoxHandler({});
}

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const MessageBoxRequest& box : boxes_)
        result.append(box.text);
    return result;
}
