// The headless command `ferdix --pdf OUT.pdf [--bokmal | --nynorsk] CLAIM.tur`: the claim's
// printed form as a PDF, without a display.
#pragma once

#include <ostream>

#include "app/headless.h"

namespace ferdix {

// kExitOk when the PDF was written; kExitDamaged when it was written from a damaged claim (with
// the message about it on err); kExitFailed, with a message on err, when the claim cannot be
// read or the PDF cannot be made or written (an existing file then stays as it was), or the
// target is no regular file.
int RunPdfCommand(const char* programName, const PdfArguments& args, std::ostream& err);

}  // namespace ferdix
