#pragma once

// Every event of the library has a Qt signal of the same meaning beside it, and
// both are raised here, so that the order and the rules are the same
// everywhere.

#include <QObject>
#include <QPointer>

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

namespace schemakit {

namespace RaiseDetail {

// What the signal gets for one argument of the event: the argument itself, or,
// where the signal takes a pointer to the argument's type (an argument the
// handler gets by reference, such as bool& Accept), a pointer to the caller's
// variable, so that a receiver can change it as a handler can.
template <typename Param, typename Arg>
decltype(auto) SignalArgument(Arg& arg)
{
    using Pointee = std::remove_cv_t<std::remove_pointer_t<Param>>;
    if constexpr (std::is_pointer_v<Param> && std::is_same_v<Pointee, std::remove_cv_t<Arg>>)
        return &arg;
    else
        return static_cast<Arg&>(arg);
}

// Emits the signal with the arguments that follow the first Skipped ones.
template <std::size_t Skipped, typename Emitter, typename Class, typename... Params, typename Tuple, std::size_t... I>
void Emit(Emitter* emitter, void (Class::*signal)(Params...), Tuple& args, std::index_sequence<I...>)
{
    (emitter->*signal)(SignalArgument<Params>(std::get<Skipped + I>(args))...);
}

} // namespace RaiseDetail

// Raises an event of `emitter` and emits its signal:
//  1. the handler `event`, only when one is assigned, with all of `args`;
//  2. then the signal, always, whether or not a handler is assigned, with the
//     last of `args`, as many as the signal takes: a leading Sender is left
//     out, since QObject::sender() tells the receiver who emitted.
// The signal's receivers thus always see what the handler did.
//
// Returns whether `emitter` still exists. A handler or a receiver may free
// it, and then the caller must not touch it, nor anything it owned, again:
// callers that go on working after raising return as soon as this is false.
// A handler that frees the emitter leaves no signal to emit.
//
// An argument the handler gets by reference reaches a signal that takes a
// pointer to its type as a pointer to the same variable (bool& Accept becomes
// bool* accept, QPainter& Canvas becomes QPainter* canvas): receivers
// connected directly may change it, and what they leave there is what the
// caller goes on with. The pointer is good only while the signal is being
// emitted, so a queued receiver must not use it.
//
// An exception from the handler leaves here unchanged, before the signal.
// Receivers must not throw: Qt does not carry exceptions through signals.
template <typename Emitter, typename Event, typename Class, typename... Params, typename... Args>
bool Raise(Emitter* emitter, const Event& event, void (Class::*signal)(Params...), Args&&... args)
{
    static_assert(std::is_base_of_v<Class, Emitter>, "the signal must belong to the emitter's class");
    static_assert(sizeof...(Params) <= sizeof...(Args), "the signal takes more than the event has");
    const QPointer<QObject> alive(emitter);
    if (event) {
        event(args...);
        if (!alive)
            return false;
    }
    auto all = std::forward_as_tuple(args...);
    RaiseDetail::Emit<sizeof...(Args) - sizeof...(Params)>(emitter, signal, all, std::index_sequence_for<Params...>{});
    return !alive.isNull();
}

} // namespace schemakit
