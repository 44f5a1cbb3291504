#pragma once
#include <QString>
#include <string_view>

namespace tarvel {

// Text n of the string table in the language of the run.
QString T(int n);

QString DeUtf8(std::string_view texto);

}  // namespace tarvel
