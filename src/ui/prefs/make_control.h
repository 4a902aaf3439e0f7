// The settings dialogs make their controls through Make, so that every
// control carries the program's own name and tests find it by that name.
#pragma once

#include <utility>

namespace orv::ui {

// A new W made from `args` (caption, parent, ...) with its object name set.
template <typename W, typename... A>
W* Make(const char* name, A&&... args) {
  auto* w = new W(std::forward<A>(args)...);
  w->setObjectName(name);
  return w;
}

}  // namespace orv::ui
