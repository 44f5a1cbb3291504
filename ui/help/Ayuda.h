#pragma once
// Context help: windows and controls carry topic numbers; F1 opens the help
// file of the run at the topic of the focused control, else of its window.
#include <QString>
#include <functional>

#include "app/TopicosAyuda.h"

class QApplication;
class QWidget;

namespace tarvel {

void EstablecerArchivoAyuda(const QString& ruta);
QString ArchivoAyuda();

void FijarTopicoAyuda(QWidget* control, TopicoAyuda topico);
// The topic of a control, else of its window; 0 for none.
int TopicoAyudaDe(const QWidget* control);

// Catches F1 anywhere in the program.
void InstalarAyuda(QApplication& aplicacion);

// What a "?" button does: an F1 keystroke to the control that has the focus.
void EnviarF1();

// Opens the viewer at a topic. Tests replace the viewer with a function.
void AbrirAyuda(int topico);
void SustituirVisorAyuda(std::function<void(const QString& archivo, int topico)> visor);

}  // namespace tarvel
