#pragma once

#include <QtGlobal>

namespace qx {

// How long and how much Quorvex lets a MAME run go on before it ends the run. The defaults leave today's
// MAME room on a slow machine (a full verify is quiet for seconds at a time, never for minutes); tests
// inject short ones.
struct MameRunLimits {
    int silenceMs = 120'000;          // a listing or verify that prints nothing for this long is stopped
    int answerMs = 30'000;            // -help and -createconfig answer at once; after this long they stop
    qint64 outputBytes = 256LL << 20; // the most kept of one run's output (listing lines, verify file)
};

} // namespace qx
