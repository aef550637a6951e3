#pragma once

#include "platform/apperror.h"
#include "platform/messagebox.h"

#include <QObject>

#include <cstddef>
#include <exception>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

// Every entry point the event loop calls runs its work through here: a failure stops the work
// at the failing step, the user reads its message, and the program goes on. No exception may
// cross into Qt.
template <typename Work>
void guarded(Work&& work)
{
    try {
        std::forward<Work>(work)();
    } catch (const AppError& error) {
        showDefaultError(error.message());
    } catch (const std::exception& error) {
        showDefaultError(QString::fromLocal8Bit(error.what()));
    }
}

namespace guardedDetail {

// A handler, like a slot, may take fewer arguments than its signal gives: it takes the leading
// ones. A member function is called on the context.
template <typename Handler, typename Context, typename... Arguments>
constexpr bool takes()
{
    if constexpr (std::is_member_function_pointer_v<Handler>)
        return std::is_invocable_v<const Handler&, Context*, Arguments...>;
    else
        return std::is_invocable_v<const Handler&, Arguments...>;
}

template <typename Handler, typename Context, typename Tuple, std::size_t Count>
constexpr bool takesLeading()
{
    return []<std::size_t... Index>(std::index_sequence<Index...>)
    {
        return takes<Handler, Context, std::tuple_element_t<Index, Tuple>...>();
    }
    (std::make_index_sequence<Count>());
}

template <typename Handler, typename Context, typename Tuple, std::size_t Count = std::tuple_size_v<Tuple>>
constexpr std::size_t leadingCount()
{
    if constexpr (takesLeading<Handler, Context, Tuple, Count>())
        return Count;
    else {
        static_assert(Count > 0, "the handler cannot take the signal's arguments");
        return leadingCount<Handler, Context, Tuple, Count - 1>();
    }
}

template <typename Handler, typename Context, typename... Arguments>
void callWithLeading(const Handler& handler, Context* context, Arguments&&... arguments)
{
    using Tuple = std::tuple<Arguments&&...>;
    Tuple all(std::forward<Arguments>(arguments)...);
    [&]<std::size_t... Index>(std::index_sequence<Index...>)
    {
        if constexpr (std::is_member_function_pointer_v<Handler>)
            std::invoke(handler, context, std::get<Index>(std::move(all))...);
        else
            std::invoke(handler, std::get<Index>(std::move(all))...);
    }
    (std::make_index_sequence<leadingCount<Handler, Context, Tuple>()>());
}

} // namespace guardedDetail

// Connects a signal to a handler (a member function of the context, or any callable) that runs
// through guarded with the signal's arguments. The connection ends with the context, as Qt's own
// does. Every handler of program code is connected this way; a reference argument reaches the
// handler as the reference it is, so that a handler can answer through it.
template <typename Sender, typename Signal, typename Context, typename Handler>
QMetaObject::Connection connectGuarded(const Sender* sender, Signal signal, Context* context, Handler handler)
{
    return QObject::connect(sender, signal, context, [context, handler = std::move(handler)](auto&&... arguments) {
        guarded(
            [&] { guardedDetail::callWithLeading(handler, context, std::forward<decltype(arguments)>(arguments)...); });
    });
}
