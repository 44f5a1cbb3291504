#pragma once
// What every window test shares (and the controls they all look at): the settings store in a temporary folder,
// message boxes answered by the test (and a failure for any nobody expected),
// help requests recorded instead of opening the viewer, file and print
// dialogs cancelled unless a test answers them, the run's values
// reset before each test, and one way of walking a road through the program:
// a list of steps (Pulsar, Teclear, Elegir, Tecla, Cerrar or a check of
// one's own) played by Jugar on the window in front.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "ui/common/Accesibilidad.h"
#include "ui/common/Mensajes.h"
#include "ui/common/SessionState.h"
#include "ui/help/Ayuda.h"

namespace tarvel {
class frmTarvelPrimera;
}

namespace tarvel::prueba {

class EntornoUi {
public:
    EntornoUi();
    ~EntornoUi();

    // Before each test: no setting stored, the run's values as at start, no
    // windows left over, Spanish texts, the "." number format, no help file
    // and the data file beside the program.
    void Reiniciar();
    // Between the cases of a loop: a message box nobody answered fails the
    // test, then Reiniciar().
    void SiguienteCaso();

    // The next message box gets this answer; its request is kept in Vistos().
    void Responder(RespuestaMensaje respuesta);
    const std::vector<PeticionMensaje>& Vistos() const { return mVistos; }
    // The text of the last message box shown, "" while none was.
    QString UltimoMensaje() const { return mVistos.empty() ? QString() : mVistos.back().texto; }
    // Message boxes shown with no answer waiting, and answers never used.
    QStringList Sorpresas() const;

    void GuardarIdiomaAlmacenado(const QString& valor);
    // The settings file's text, "" while nothing has been written.
    QString ContenidoAjustes() const;

    const std::vector<int>& TopicosPedidos() const { return mTopicos; }

private:
    QTemporaryDir mCarpeta;
    std::deque<RespuestaMensaje> mRespuestas;
    std::vector<PeticionMensaje> mVistos;
    QStringList mInesperados;
    std::vector<int> mTopicos;
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

// A top-level window on screen by its name (the help viewer is "VisorAyuda"), if any.
QWidget* VentanaVisible(const QString& nombre);

// The control of a window by its name; the test stops when it is not there.
template <class T = QWidget>
T* Hijo(QObject* ventana, const QString& nombre) {
    auto* hijo = ventana ? ventana->findChild<T*>(nombre) : nullptr;
    if (!hijo) qFatal("no control %s", qPrintable(nombre));
    return hijo;
}

// The language the next window opens in: English when `ingles`, else the
// settings' own (Spanish on a fresh home).
void Idioma(bool ingles);
// A data column `ingles` with one row per language, for `Idioma`.
void Idiomas();

// Runs `accion` as soon as the event loop turns, e.g. inside a modal window.
void AlAbrir(std::function<void()> accion);

// Presses the "Determine…" button of `ventana` and walks the road to one curve
// number: `numero` accepted through the method choice and the step-by-step
// window, or, with 0, the road left with none.
void Determinar(QWidget* ventana, int numero);

// A road through the program as a list of steps, each played at its own turn
// of the event loop with the next one queued first, so that a step that opens
// a modal window is followed by the next inside that window's loop. False
// when they did not all run within 20 seconds.
using Pasos = std::deque<std::function<void()>>;
bool Jugar(Pasos pasos);
// The same with steps made up as the road goes: each turn asks `siguiente`
// for the next step, and an empty one ends the road.
bool Jugar(std::function<std::function<void()>()> siguiente, int segundos);
// One road after another.
inline Pasos operator+(Pasos a, const Pasos& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The window the user can act on: the modal window in front, else the main menu.
QWidget* AlFrente();
// A control of the window in front; the test stops when it is not there.
template <class T = QWidget>
T* EnFrente(const QString& nombre) {
    return Hijo<T>(AlFrente(), nombre);
}
// The name of the control that has the focus, "" when none has.
QString Foco();

// Windows opened as the program opens them: the main menu as the splash
// leaves it (the stored language read, its help file chosen), or any window
// alone, shown and active.
frmTarvelPrimera* AbrirMenu();
template <class T>
T* Abrir() {
    auto* ventana = new T(nullptr);
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    ventana->show();
    if (!QTest::qWaitForWindowActive(ventana)) qWarning("the window never became active");
    return ventana;
}

// Steps: a click on a control of the window in front (near its left edge,
// where an option's circle and text are); a text typed into a field (its old
// text selected first) followed by a key; an entry of a list chosen with the
// arrow keys; a key sent to the control that has the focus; closing the
// window in front.
std::function<void()> Pulsar(const char* nombre);
std::function<void()> Teclear(const char* nombre, const QString& texto, Qt::Key fin = Qt::Key_Return);
std::function<void()> Elegir(const char* lista, int posicion);
std::function<void()> Tecla(Qt::Key tecla, Qt::KeyboardModifiers modificadores = {});
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
