#include <objbase.h>

#include "platform/ComApartment.h"

namespace nuvex {

// S_FALSE (already initialised on this thread) also needs its release.
TComApartment::TComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

TComApartment::~TComApartment() {
  if (initialised_) CoUninitialize();
}

}  // namespace nuvex
