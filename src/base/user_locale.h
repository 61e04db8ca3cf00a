// How the program writes to its user: the written standard of its texts and the order of the
// dates it shows and reads as typed. The application decides it at start-up and owns it; the
// document, the form, the messages and the printing are given it. Only the written-standard
// commands change it while the program runs.
#pragma once

#include "base/text_convert.h"
#include "base/written_standard.h"

namespace ferdix {

struct UserLocale {
    int standard = kBokmal;
    DateOrder dateOrder = DateOrder::DayFirst;
};

}  // namespace ferdix
