// Elapsed time that moves only when a test moves it: throttles are tested without sleeping.
#pragma once

#include <chrono>

#include "app/recovery.h"

namespace ferdix::test {

class ManualTickClock final : public ITickClock {
  public:
    std::chrono::milliseconds Now() const override { return m_now; }
    void Advance(std::chrono::milliseconds by) { m_now += by; }

  private:
    std::chrono::milliseconds m_now{100000};
};

}  // namespace ferdix::test
