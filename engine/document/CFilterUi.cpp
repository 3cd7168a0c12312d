#include "CFilterUi.h"

namespace {

// The progress of work nobody watches: it never stops.
class CSilentProgress : public CWorkProgress {
public:
    bool Continue(const std::string&) override { return true; }
};

}  // namespace

std::unique_ptr<CWorkProgress> CFilterUi::BeginWork(const std::string&) { return std::make_unique<CSilentProgress>(); }
