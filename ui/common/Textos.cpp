#include "ui/common/Textos.h"

#include "app/TablaTextos.h"

namespace tarvel {

QString DeUtf8(std::string_view texto) { return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())); }

QString T(int n) { return DeUtf8(Texto(n)); }

QString T(int n, std::initializer_list<std::string_view> valores) { return DeUtf8(Mensaje(n, valores)); }

}  // namespace tarvel
