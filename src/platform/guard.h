#pragma once
// Every event handler runs through guarded(): the program's errors end the handler and
// are shown in the standard error box, so no exception crosses the event loop.
#include "platform/errors.h"
#include "platform/messages.h"

#include <exception>
#include <new>
#include <utility>

namespace lumora {

// Runs f; returns false when it stopped with an error (already shown to the user).
template <typename F>
bool guarded(F &&f)
{
    try {
        std::forward<F>(f)();
        return true;
    } catch (const Error &e) {
        messages::showError(e);
    } catch (const std::bad_alloc &) {
        messages::showError(QStringLiteral("Out of memory"));
    } catch (const std::exception &e) {
        messages::showError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace lumora
