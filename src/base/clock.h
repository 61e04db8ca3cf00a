// "Today" comes from one injectable clock, so tests can fix the date.
#pragma once

#include "base/civil_time.h"

namespace ferdix {

class IClock {
  public:
    virtual ~IClock() = default;
    virtual CivilTime Now() const = 0;
};

class SystemClock final : public IClock {
  public:
    CivilTime Now() const override;
};

class FixedClock final : public IClock {
  public:
    explicit FixedClock(CivilTime t) : m_t(t) {}
    CivilTime Now() const override { return m_t; }
    void Set(CivilTime t) { m_t = t; }

  private:
    CivilTime m_t;
};

// The process's system clock, for callers that are not given one.
const IClock& DefaultClock();

}  // namespace ferdix
