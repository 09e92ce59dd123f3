#include "trace/TraceUnit.h"

namespace nuvex {

namespace {

class SilentSink final : public TTraceSink {
 public:
  void Traced(const std::string&, const std::vector<std::string>&, bool) override {}
};

}  // namespace

template <>
TTraceSink& Service<TTraceSink>::Platform() { return PlatformObject<SilentSink>(); }

void Trace(const std::string& message) { Service<TTraceSink>::Current().Traced(message, {}, false); }

void TraceFormat(const std::string& pattern, std::initializer_list<std::string> args) {
  Service<TTraceSink>::Current().Traced(pattern, std::vector<std::string>(args), true);
}

}  // namespace nuvex
