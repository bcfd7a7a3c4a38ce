#pragma once
// Control events: a delegate binds a window weakly and one of its handler operations, and
// carries the text of the handler's signature. A delegate whose window has gone raises
// NilObjectException instead of calling the handler.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "1-framework/exceptions.h"

namespace fw {

class Window;

template <class Signature>
class Delegate;

template <class R, class... Args>
class Delegate<R(Args...)> {
 public:
  Delegate() = default;
  Delegate(std::weak_ptr<Window> window, std::function<R(Window&, Args...)> call,
           std::string signature)
      : window_(std::move(window)), call_(std::move(call)), signature_(std::move(signature)) {}

  R operator()(Args... args) const {
    auto window = window_.lock();
    if (!window) throw NilObjectException("the window of a " + signature_ + " handler is gone");
    return call_(*window, std::forward<Args>(args)...);
  }

 private:
  std::weak_ptr<Window> window_;
  std::function<R(Window&, Args...)> call_;
  std::string signature_;
};

// A delegate for `method` of `window`. The member pointer dispatches virtually, so the
// window's own override runs.
template <class W, class R, class... Args>
Delegate<R(Args...)> MakeDelegate(W& window, R (W::*method)(Args...), std::string signature) {
  std::weak_ptr<Window> weak = std::static_pointer_cast<Window>(window.shared_from_this());
  return Delegate<R(Args...)>(
      std::move(weak),
      [method](Window& w, Args... args) -> R {
        return (static_cast<W&>(w).*method)(std::forward<Args>(args)...);
      },
      std::move(signature));
}

// One event of one control: at most one delegate attached.
template <class Signature>
class ControlEvent;

template <class R, class... Args>
class ControlEvent<R(Args...)> {
 public:
  void Attach(Delegate<R(Args...)> delegate) { delegate_ = std::move(delegate); }
  bool IsAttached() const { return delegate_.has_value(); }
  R Raise(Args... args) const { return (*delegate_)(std::forward<Args>(args)...); }

 private:
  std::optional<Delegate<R(Args...)>> delegate_;
};

}  // namespace fw
