#pragma once
// The trace log: where the skin engine hands its diagnostic lines.  The
// program writes them nowhere; both entry points return at once and never
// fail.  Callers still compose their lines, so tests can check them through
// trace/TraceCapture.h.
#include <initializer_list>
#include <string>
#include <vector>

#include "base/Service.h"

namespace nuvex {

void Trace(const std::string& message);
// pattern holds "%s" placeholders for args; it is not expanded here.
void TraceFormat(const std::string& pattern, std::initializer_list<std::string> args);

// Where the lines go.  The program's own sink drops them; tests put a
// TraceCapture in its place.
class TTraceSink {
 public:
  virtual ~TTraceSink() = default;
  virtual void Traced(const std::string& pattern, const std::vector<std::string>& args, bool formatted) = 0;
};

template <>
TTraceSink& Service<TTraceSink>::Platform();

}  // namespace nuvex
