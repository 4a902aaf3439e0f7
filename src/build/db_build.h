// Building the datastores from the source text: WORD with FOCC and FOC2,
// CITE and BOOK (record layouts in model/records.h). The build dialog calls
// these; everything it shows comes through BuildContext::progress and every
// message box through BuildContext::ui.
//
// A build replaces the stores it builds: each is force-closed (whoever held
// it open), opened again in mode "w" and cleared. WORD and FOC2 are filled by
// keyed insertion and packed at the end; FOCC, CITE and BOOK by appending in
// text order. After a pass that built CITE the pointer pass (pointer_pass.h)
// links every CITE record to its word's FOC2 record.
#pragma once

#include <functional>

#include "build/build_context.h"

namespace orv {

// Fewer records than this make a WORD or CITE store count as missing.
inline constexpr int32_t kRebuildThreshold = 1024;
// Reserved once to decide whether WORD and CITE are built in one pass.
inline constexpr size_t kBuildMemoryProbe = 14680064;

inline constexpr const char kStrongsQuestion[] = "Set Strong's numbers to default values?";

// One pass over the 39 source files building the stores in `flags`. Status
// texts, in order: "Building Word && Cite datastores" (or "Building Word
// datastore", "Building Cite datastore", "Building Book datastore"); after
// the books "Compressing Word datastore", "Closing Word datastore", "Closing
// FOcc datastore", "Compressing FOc2 datastore", "Closing FOc2 datastore",
// "Closing Cite datastore", "Closing Book datastore"; then, when CITE was
// built, " " and the pointer pass. A source file that cannot be opened ends
// the reading with "** Cannot open input file GEN **" (its code); what was
// read stays and is packed and closed. A cancel stops the reading after the
// current line; the stores are still packed and closed. The BOOK store is
// left open (open count 1) for the verse reader.
void BuildPass(BuildContext& ctx, BuildFlags flags);

// Whether the one-pass build of WORD and CITE may keep both in memory.
bool ProbeBuildMemory();

// Builds `flags`: WORD and CITE together in one pass when `memoryProbe`
// allows it, else WORD alone and then CITE alone; anything else in one pass.
// Sets ctx.done at the end.
void RunBuild(BuildContext& ctx, BuildFlags flags,
              const std::function<bool()>& memoryProbe = ProbeBuildMemory);

// The Start button: when WORD or CITE is asked for, RunBuild; then asks
// kStrongsQuestion (Yes/No/Cancel) and on Yes shows "Setting Strong's
// numbers..." and calls `loadDefaultStrongs` (reading the default Strong's
// archive; may be empty), clearing the status when it returns.
void StartBuild(BuildContext& ctx, BuildFlags flags,
                const std::function<void()>& loadDefaultStrongs,
                const std::function<bool()>& memoryProbe = ProbeBuildMemory);

}  // namespace orv
