#include "base/DestroyWatch.h"

namespace nuvex {

TWatchedLife::~TWatchedLife() {
  for (TDestroyWatch* watch = watches_; watch; watch = watch->next_) watch->life_ = nullptr;
}

TDestroyWatch::~TDestroyWatch() {
  if (!life_) return;
  // Watches usually end in the reverse order of their start: this is first.
  for (TDestroyWatch** link = &life_->watches_; *link; link = &(*link)->next_) {
    if (*link == this) {
      *link = next_;
      return;
    }
  }
}

}  // namespace nuvex
