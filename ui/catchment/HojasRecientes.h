#pragma once
// The worksheets opened or saved last, newest first, kept in the settings
// store beside the language (settings/Ajustes.h).
#include <QStringList>
#include <functional>

class QMenu;

namespace tarvel {

inline constexpr int kMaximoRecientes = 8;

QStringList HojasRecientes();
// Puts the file first (by its absolute path), dropping the oldest beyond the maximum.
void RecordarHoja(const QString& ruta);
void OlvidarHoja(const QString& ruta);

// Fills a submenu with the recent worksheets each time it opens ("&1 path",
// or one disabled "(none)"); choosing one calls `abrir` with its path.
void PrepararMenuRecientes(QMenu* menu, std::function<void(const QString&)> abrir);

}  // namespace tarvel
