#include "base/written_standard.h"

namespace ferdix {

namespace {
int g_writtenStandard = 0;
}

int WrittenStandard() {
    return g_writtenStandard;
}
void SetWrittenStandardValue(int standard) {
    g_writtenStandard = standard;
}

}  // namespace ferdix
