// Writing glosses edited on the page back into the interlinear text file of
// the first line that shows an interlinear text.
#pragma once

namespace orv {

struct Page;
struct PageEnv;

inline constexpr const char kIltWriteError[] = "Error writing ILT changes";

// When edits are pending: writes every verse from the first to the last one
// holding a changed entry, with each entry's text on the first interlinear
// text line, into that line's book file (the verses replace the file's
// verses of the same citation; the file is replaced only once the new one
// is complete). A verse the buffer holds only in part keeps the file's
// glosses for its words beyond the buffer. Clears the pending flag and the
// entries' changed flags. On failure shows "Error writing ILT changes" and
// keeps everything pending, to be tried again at the next write. Returns
// false on failure.
bool WritePendingEdits(Page& page, PageEnv& env);

}  // namespace orv
