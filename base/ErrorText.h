#pragma once
// Why a file operation failed, in the words a learner reads in a box: one table from the
// system's error number to a Japanese sentence, for every box that names a reason.

#include <string>

namespace qor {

// UTF-8. A Japanese sentence for the errors a learner meets with files and folders; the
// system's own text (strerror) for any other number.
std::string errorText(int errorNumber);

} // namespace qor
