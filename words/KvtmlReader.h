#pragma once
// KVTML 2.0, the XML vocabulary files of KDE's drill programs: one row per entry with the
// texts of its first two translations (those of the first two identifiers) and, as a third
// field, their comments. A plain interface over Qt's XML reader, so that the import model
// stays free of Qt.

#include "words/WordListImport.h"

#include <string_view>

namespace qor {

// The file's bytes as they are: XML names its own encoding. A file that is not KVTML 2.0
// or whose XML breaks off gives an error (UTF-8) and no rows.
WordTable readKvtml(std::string_view bytes);

} // namespace qor
