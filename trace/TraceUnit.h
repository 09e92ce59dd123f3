#pragma once
// The trace log: where the skin engine hands its diagnostic lines.  The
// program writes them nowhere; both entry points return at once and never
// fail.  Callers still compose their lines, so tests can check them through
// trace/TraceCapture.h.
#include <initializer_list>
#include <string>

namespace nuvex {

void Trace(const std::string& message);
// pattern holds "%s" placeholders for args; it is not expanded here.
void TraceFormat(const std::string& pattern, std::initializer_list<std::string> args);

}  // namespace nuvex
