// Extraction of ZIP archives (the first-run archive and the content packages).
#pragma once

#include "Element.h"
#include "Text.h"

namespace toolbox {

// Extracts every entry of `archive` into `target`, raising the unit's progress event after
// each entry (entry index × 100 / entry count) and once more with 100 when the run ends
// after the entries were counted. Returns -1 for a missing argument or archive, 0 on any
// failure (earlier entries stay), 1 when all entries were extracted. An archive with an
// unsafe entry name writes nothing. A file entry counts as extracted only when its method is
// stored or deflated and its data has exactly the declared size and CRC; until then the
// file it replaces stays as it was. Existing files are only ever replaced whole.
int Unzip(const Text& archive, const Text& target, Element& unit);
// Destination path of the entry the running (or last) Unzip of this unit extracted last.
Text CurrentUnzipFile(const Element& unit);

} // namespace toolbox
