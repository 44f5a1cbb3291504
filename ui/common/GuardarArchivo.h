#pragma once
// Every file the program writes is written whole or not at all.
#include <QString>
#include <expected>
#include <functional>

class QIODevice;

namespace tarvel {

// `escribir` fills a temporary file that replaces `ruta` only when it
// succeeded (QSaveFile): a failure leaves the previous file as it was and
// gives the reason.
std::expected<void, QString> GuardarArchivo(const QString& ruta, const std::function<bool(QIODevice&)>& escribir);

}  // namespace tarvel
