#include "toolkit/WindowBackend.h"

namespace nuvex {

namespace {
TWindowBackend* installed = nullptr;
}

TWindowBackend& CurrentWindowBackend() { return installed ? *installed : PlatformWindowBackend(); }

TWindowBackend* SetWindowBackend(TWindowBackend* backend) { return std::exchange(installed, backend); }

}  // namespace nuvex
