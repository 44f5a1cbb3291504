#pragma once
// Why a call on a file or a stream failed, in the language of the run.
#include <string>

namespace tarvel {

// The reason for an errno value (0 when unknown): the program's own words for
// the usual ones (no such file, no permission, a folder, no space, ...), the
// system's text for the rest.
std::string MotivoDeSistema(int error);

}  // namespace tarvel
