#pragma once
// The application's reading direction, which follows the dictionary's language.
#include <functional>

namespace i18n {

bool ApplicationIsRightToLeft();
// Announces a change to the listener, which tells every open form.
void SetApplicationRightToLeft(bool right_to_left);
void SetReadingDirectionListener(std::function<void(bool right_to_left)> listener);

}  // namespace i18n
