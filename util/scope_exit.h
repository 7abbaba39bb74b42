#pragma once
// Undoes a temporary change when a scope ends, however it ends, so that an
// error on the way out cannot leave the change behind. Header only and
// dependency-free, for any layer.
#include <exception>
#include <utility>

namespace util {

template <class Undo>
class ScopeExit {
 public:
  explicit ScopeExit(Undo undo) : undo_(std::move(undo)) {}
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

  // An undo that fails on a normal exit reports its error. One that fails
  // while an error is already leaving the scope must not end the program
  // (two errors at once would): the first error, the cause, goes on.
  ~ScopeExit() noexcept(false) {
    if (dismissed_) return;
    if (std::uncaught_exceptions() == errors_on_entry_) {
      undo_();
      return;
    }
    try {
      undo_();
    } catch (...) {
    }
  }

  // Keeps the change from here on: for undos that only a failure calls for.
  void Dismiss() { dismissed_ = true; }

 private:
  Undo undo_;
  int errors_on_entry_ = std::uncaught_exceptions();
  bool dismissed_ = false;
};

}  // namespace util
