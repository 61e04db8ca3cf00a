// The headless command `ferdix --pdf OUT.pdf [--bokmal | --nynorsk] CLAIM.tur`: the claim's
// printed form as a PDF, without a display.
#pragma once

#include <ostream>

#include "app/headless.h"

namespace ferdix {

// 0 when the PDF was written; 1, with a message on err, when the claim cannot be read or the
// PDF cannot be made or written (an existing file then stays as it was).
int RunPdfCommand(const char* programName, const PdfArguments& args, std::ostream& err);

}  // namespace ferdix
