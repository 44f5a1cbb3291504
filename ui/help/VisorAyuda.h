#pragma once
// The help viewer: one window for the whole run, reused by every request. It
// is not modal and has no owner, so it stays usable beside the program's
// windows (they are modal to their owners only).
#include <QString>

namespace tarvel {

// Shows the help file at a topic (the front page for 0 or a topic the file lacks).
void MostrarVisorAyuda(const QString& archivo, int topico);

}  // namespace tarvel
