#include "platform/apperror.h"
#include "platform/guarded.h"
#include "tests/support/messagerecorder.h"

#include <QObject>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The shapes of signal the program connects: none, values, and an answer through a reference.
class Sender : public QObject {
    Q_OBJECT

signals:
    void nothing();
    void values(int number, const QString& text);
    void asking(bool& allow);
};

struct Receiver : QObject {
    void take(int number) { numbers.append(number); }
    QList<int> numbers;
};

// A failing handler is reported and ends only its own work: the receivers after it still hear
// the signal, and the sender goes on.
TEST(ConnectGuarded, AFailureIsReportedAndTheSignalGoesOn)
{
    Sender sender;
    QObject context;
    MessageRecorder boxes;
    int heardAfter = 0;
    connectGuarded(&sender, &Sender::nothing, &context, [] { throw AppError(QStringLiteral("Нет файла.")); });
    connectGuarded(&sender, &Sender::nothing, &context, [&] { ++heardAfter; });
    emit sender.nothing();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Нет файла.")});
    EXPECT_EQ(heardAfter, 1);
}

// As a slot does, a handler takes the signal's leading arguments; a member function runs on the
// context; an answer given through a reference reaches the sender; and the connection ends with
// the context.
TEST(ConnectGuarded, HandlersTakeLeadingArgumentsAndAnswerThroughReferences)
{
    Sender sender;
    auto receiver = std::make_unique<Receiver>();
    QStringList texts;
    connectGuarded(&sender, &Sender::values, receiver.get(), &Receiver::take);
    connectGuarded(&sender, &Sender::values, receiver.get(), [&](int, const QString& text) { texts.append(text); });
    connectGuarded(&sender, &Sender::asking, receiver.get(), [](bool& allow) { allow = false; });

    emit sender.values(7, QStringLiteral("семь"));
    bool allow = true;
    emit sender.asking(allow);
    EXPECT_EQ(receiver->numbers, QList<int>{7});
    EXPECT_EQ(texts, QStringList{QStringLiteral("семь")});
    EXPECT_FALSE(allow);

    receiver.reset();
    emit sender.values(8, QStringLiteral("восемь"));
    EXPECT_EQ(texts, QStringList{QStringLiteral("семь")});
}

} // namespace

#include "guarded_test.moc"
