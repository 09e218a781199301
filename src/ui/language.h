// The interface language: English is in the code, Czech comes from the built-in translation.
#pragma once

namespace language {

// Czech on or off for every tr() from now on; false when the Czech translation cannot be loaded (the
// interface then stays English).
bool useCzech(bool czech);

} // namespace language
