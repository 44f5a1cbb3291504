#pragma once
#include <QString>
#include <initializer_list>
#include <string_view>

namespace tarvel {

// Text n of the string table in the language of the run.
QString T(int n);

// Text n with %1, %2 … replaced by the values in order.
QString T(int n, std::initializer_list<std::string_view> valores);

QString DeUtf8(std::string_view texto);

}  // namespace tarvel
