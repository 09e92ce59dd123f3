#include "platform/ComApartment.h"

namespace nuvex {

TComApartment::TComApartment() : initialised_(true) {}

TComApartment::~TComApartment() = default;

}  // namespace nuvex
