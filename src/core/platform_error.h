#pragma once

#include <QString>
#include <stdexcept>
#include <utility>

#include "core/notify.h"

// An error that the platform raises (a file that cannot be written or opened, a text that is not
// a number where one must stand). It ends the handler that met it; the handler's caller at the
// event boundary shows it in the application's error box, and the program goes on.
class Platform_Error : public std::runtime_error {
  public:
    explicit Platform_Error(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

  private:
    QString text_;
};

// Runs a handler at the event boundary: a Platform_Error it raises is shown, not propagated.
template <class F>
void Run_Handler(F&& handler) {
    try {
        std::forward<F>(handler)();
    } catch (const Platform_Error& e) {
        Show_Application_Error(e.text());
    }
}

// Wraps a handler for connecting to a signal.
template <class F>
auto Handler(F handler) {
    return [handler](auto&&...) { Run_Handler(handler); };
}
