// Restores the program-wide values (date order, written standard) when a test ends.
#pragma once

#include "base/text_convert.h"
#include "base/written_standard.h"

namespace ferdix::test {

class ProgramStateGuard {
  public:
    ProgramStateGuard() : m_order(GetDateOrder()), m_standard(WrittenStandard()) {}
    ~ProgramStateGuard() {
        SetDateOrder(m_order);
        SetWrittenStandardValue(m_standard);
    }
    ProgramStateGuard(const ProgramStateGuard&) = delete;
    ProgramStateGuard& operator=(const ProgramStateGuard&) = delete;

  private:
    DateOrder m_order;
    int m_standard;
};

}  // namespace ferdix::test
