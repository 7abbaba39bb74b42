#include "util/scope_exit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace util {
namespace {

TEST(ScopeExit, UndoesOnEveryWayOut) {
  int value = 1;
  {
    value = 2;
    ScopeExit restore([&] { value = 1; });
    EXPECT_EQ(value, 2);
  }
  EXPECT_EQ(value, 1);
  try {
    value = 2;
    ScopeExit restore([&] { value = 1; });
    throw std::runtime_error("failed");
  } catch (const std::runtime_error&) {
    EXPECT_EQ(value, 1);
  }
}

TEST(ScopeExit, ADismissedUndoStaysUndone) {
  int closed = 0;
  {
    ScopeExit close_on_failure([&] { ++closed; });
    close_on_failure.Dismiss();
  }
  EXPECT_EQ(closed, 0);
  EXPECT_THROW(
      {
        ScopeExit close_on_failure([&] { ++closed; });
        throw std::runtime_error("failed");
        close_on_failure.Dismiss();
      },
      std::runtime_error);
  EXPECT_EQ(closed, 1);
}

TEST(ScopeExit, AFailingUndoReportsItsErrorButNeverHidesTheCause) {
  EXPECT_THROW({ ScopeExit undo([] { throw std::logic_error("undo"); }); }, std::logic_error);
  std::string caught;
  try {
    ScopeExit undo([] { throw std::logic_error("undo"); });
    throw std::runtime_error("cause");
  } catch (const std::exception& error) {
    caught = error.what();
  }
  EXPECT_EQ(caught, "cause");
}

// Clean-up that runs while an error leaves a scope, and uses a ScopeExit of its own.
struct CleanUpOnTheWayOut {
  std::string& caught;
  ~CleanUpOnTheWayOut() {
    try {
      ScopeExit undo([] { throw std::logic_error("undo"); });
    } catch (const std::logic_error& error) {
      caught = error.what();
    }
  }
};

TEST(ScopeExit, AnUndoMadeDuringAnotherErrorStillReportsItsOwn) {
  // The error already on its way is no reason to drop this one: it leaves
  // the undo's own scope normally.
  std::string caught;
  try {
    CleanUpOnTheWayOut clean_up{caught};
    throw std::runtime_error("cause");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(caught, "undo");
}

}  // namespace
}  // namespace util
