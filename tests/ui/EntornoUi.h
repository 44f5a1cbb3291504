#pragma once
// What every window test shares: the settings store in a temporary folder,
// message boxes answered by the test (and a failure for any nobody expected),
// help requests recorded instead of opening the viewer, file and print
// dialogs cancelled unless a test answers them, and the run's values reset
// before each test.
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "ui/Accesibilidad.h"
#include "ui/Mensajes.h"

namespace tarvel::prueba {

class EntornoUi {
public:
    EntornoUi();
    ~EntornoUi();

    // Before each test: no setting stored, the run's values as at start, no
    // windows left over, Spanish texts and the "." number format.
    void Reiniciar();

    // The next message box gets this answer; its request is kept in Vistos().
    void Responder(RespuestaMensaje respuesta);
    const std::vector<PeticionMensaje>& Vistos() const { return vistos_; }
    // Message boxes shown with no answer waiting, and answers never used.
    QStringList Sorpresas() const;

    void GuardarIdiomaAlmacenado(const QString& valor);
    // The settings file's text, "" while nothing has been written.
    QString ContenidoAjustes() const;

    const std::vector<int>& TopicosPedidos() const { return topicos_; }

private:
    QTemporaryDir carpeta_;
    std::deque<RespuestaMensaje> respuestas_;
    std::vector<PeticionMensaje> vistos_;
    QStringList inesperados_;
    std::vector<int> topicos_;
};

EntornoUi& Entorno();

// Base of the window tests: every test starts from Reiniciar() and fails on a
// message box nobody answered.
class PruebaUi : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
};

// A top-level widget of the given class that is on screen, if any.
template <class T>
T* Visible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* v = qobject_cast<T*>(w); v && v->isVisible()) return v;
    }
    return nullptr;
}

// The control of a window by its name; the test stops when it is not there.
template <class T = QWidget>
T* Hijo(QObject* ventana, const QString& nombre) {
    auto* hijo = ventana->findChild<T*>(nombre);
    if (!hijo) qFatal("no control %s", qPrintable(nombre));
    return hijo;
}

// Runs `accion` as soon as the event loop turns, e.g. inside a modal window.
void AlAbrir(std::function<void()> accion);

// A road through the program as a list of steps, each played at its own turn
// of the event loop with the next one queued first, so that a step that opens
// a modal window is followed by the next inside that window's loop. False
// when they did not all run within 20 seconds.
using Pasos = std::deque<std::function<void()>>;
bool Jugar(Pasos pasos);

// The window the user can act on: the modal window in front, else the main menu.
QWidget* AlFrente();
// Steps: a click on a control of the window in front (near its left edge,
// where an option's circle and text are), and closing that window.
std::function<void()> Pulsar(const char* nombre);
std::function<void()> Cerrar();

}  // namespace tarvel::prueba

// main() of a window test: offscreen platform, one QApplication, the shared environment.
#define TARVEL_PRUEBA_UI(Clase)                                   \
    int main(int argc, char** argv) {                             \
        qputenv("QT_QPA_PLATFORM", "offscreen");                  \
        QApplication aplicacion(argc, argv);                      \
        QApplication::setQuitOnLastWindowClosed(false);           \
        tarvel::InstalarAyuda(aplicacion);                        \
        tarvel::InstalarAccesibilidad();                          \
        tarvel::prueba::Entorno();                                \
        Clase prueba;                                             \
        return QTest::qExec(&prueba, argc, argv);                 \
    }
