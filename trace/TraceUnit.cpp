#include "trace/TraceUnit.h"

#include <atomic>
#include <vector>

#include "trace/TraceCapture.h"

namespace nuvex {

namespace {
// Set only by tests; without it the trace log touches nothing.
std::atomic<TraceListener*> g_listener{nullptr};
}  // namespace

TraceListener* ExchangeTraceListener(TraceListener* listener) { return g_listener.exchange(listener); }

void Trace(const std::string& message) {
  if (TraceListener* listener = g_listener.load()) listener->Traced(message, {}, false);
}

void TraceFormat(const std::string& pattern, std::initializer_list<std::string> args) {
  if (TraceListener* listener = g_listener.load()) listener->Traced(pattern, std::vector<std::string>(args), true);
}

}  // namespace nuvex
