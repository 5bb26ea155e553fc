#pragma once
// The program's version and the addresses its help and homepage commands open.

namespace qor {

inline constexpr const char* kVersionText = "Version 4.9";

// The help's contents page, below the data folder.
inline constexpr const char* kHelpContents = "help/contents.html";

// The maker's homepage, also shown as the contact in the about box. Until the project
// has a public page this is the help's top page in the data folder; a full address
// ("https://...") is opened as it stands.
inline constexpr const char* kHomepage = "help/index.html";

} // namespace qor
