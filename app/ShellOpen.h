#pragma once
// Opening documents with the program the desktop associates with them.

#include <string>

class QWidget;

namespace qor {

// Opens a file (CP932 path) with its associated program. A missing file, or one that no
// program can open, is reported to the learner; false then.
bool openDocument(QWidget* parent, const std::string& cp932Path);

// The maker's homepage (kHomepage): a full address as it stands, else a page below the
// program folder.
bool openHomepage(QWidget* parent, const std::string& programFolder);

} // namespace qor
