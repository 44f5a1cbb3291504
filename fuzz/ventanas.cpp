// A user who does anything at all: from the splash, each road of the program
// is walked to its window as a user walks it, and from there thousands of
// random clicks, double-clicks, key presses and focus changes follow, on
// whatever window is in front, modal windows and their message boxes included.
// The run fails on a number that is not one shown anywhere, on a shared value
// outside its range, or on any window or road left unvisited. A crash or a
// sanitizer report ends the process and fails it too.
//
// The seed is fixed; TARVEL_SEMILLA and TARVEL_EVENTOS (events per road) run
// other walks by hand.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <cmath>
#include <map>
#include <random>
#include <set>

#include "EntornoUi.h"
#include "app/SessionState.h"
#include "ui/Ayuda.h"
#include "ui/frmEleccion.h"
#include "ui/frmNomograma.h"
#include "ui/frmPresentacion.h"
#include "ui/frmPrincipal.h"
#include "ui/frmSerieNC.h"
#include "ui/frmSerieNCCalculada.h"
#include "ui/frmSuelo.h"
#include "ui/frmTabla.h"
#include "ui/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

// Vegetation entry "woods" in the general list: it enables the forest dialog.
constexpr int kEntradaBosques = 10;

int Variable(const char* nombre, int porDefecto) {
    bool bien = false;
    const int valor = qEnvironmentVariableIntValue(nombre, &bien);
    return bien ? valor : porDefecto;
}

// A shown text that holds a number that is not one: "inf", "-nan", "NaN".
bool NumeroRaro(const QString& texto) {
    static const QRegularExpression raro(QStringLiteral("(?<![a-z])[-+]?(inf|nan)(?![a-z])"),
                                         QRegularExpression::CaseInsensitiveOption);
    return raro.match(texto).hasMatch();
}

// The window the user can act on: an open popup, else the modal window in
// front, else the main menu or the splash; none once the program has ended.
QWidget* VentanaAlFrente() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (auto* menu = Visible<frmTarvelPrimera>()) return menu;
    return Visible<frmPresentacion>();
}

class Usuario {
public:
    // A step of a road: done when it returns true; false when what it needs is not there.
    using PasoCamino = std::function<bool()>;

    Usuario(std::uint32_t semilla, int eventos) : azar_(semilla), eventos_(eventos) {}

    // Walks the road to the window of class `objetivo`, then sends `eventos`
    // random events; whenever that window is no longer open the user goes
    // back to the start and walks the road again. Returns the faults seen.
    QStringList Recorrer(std::vector<PasoCamino> camino, const QString& objetivo) {
        camino_ = std::move(camino);
        objetivo_ = objetivo;
        siguiente_ = 0;
        hechos_ = 0;
        terminando_ = false;
        QEventLoop bucle;
        bucle_ = &bucle;
        QTimer::singleShot(0, qApp, [this] { Paso(); });
        bucle.exec();
        bucle_ = nullptr;
        return fallos_;
    }

    int EventosHechos() const { return totalEventos_; }
    const std::map<QString, int>& VentanasVistas() const { return vistas_; }
    int Arranques() const { return arranques_; }
    int Caminos() const { return caminos_; }

private:
    static bool Abierta(const QString& clase) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && QString::fromLatin1(w->metaObject()->className()).section("::", -1) == clase) return true;
        }
        return false;
    }

    void Paso() {
        if (!fallos_.isEmpty()) terminando_ = true;
        if (terminando_) return Volver(true);
        if (siguiente_ == camino_.size() && hechos_ < eventos_ && !Abierta(objetivo_)) return Volver(false);
        // The next step is queued first: the action below may open a modal
        // window, whose own event loop then runs the steps that follow.
        QTimer::singleShot(0, qApp, [this] { Paso(); });

        if (siguiente_ < camino_.size()) {
            const std::size_t paso = siguiente_++;
            if (!camino_[paso]()) Fallo(QStringLiteral("road step %1 found nothing to act on").arg(paso + 1));
            if (siguiente_ == camino_.size()) ++caminos_;
        } else if (hechos_ < eventos_) {
            ++hechos_;
            ++totalEventos_;
            Actuar();
        } else {
            terminando_ = true;
        }
        Comprobar();
    }

    // Back out of every modal window, one a step; then either the walk is
    // over or the program starts again and the road is walked anew.
    void Volver(bool fin) {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        } else if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            modal->reject();
        } else if (fin) {
            bucle_->quit();
            return;
        } else {
            // No modal window is left, so no modal loop runs: the windows can go.
            Entorno().Reiniciar();
            new frmPresentacion;
            siguiente_ = 0;
            QTimer::singleShot(0, qApp, [this] { Paso(); });
            return;
        }
        QTimer::singleShot(0, qApp, [this, fin] { Volver(fin); });
    }

    void Fallo(const QString& que) {
        QWidget* ventana = VentanaAlFrente();
        fallos_ << QStringLiteral("%1 (event %2, window %3)")
                       .arg(que)
                       .arg(totalEventos_)
                       .arg(ventana ? ventana->metaObject()->className() : "none");
    }

    int Al(int n) { return std::uniform_int_distribution<int>(0, n - 1)(azar_); }
    template <class T>
    T Uno(const std::vector<T>& de) {
        return de[static_cast<std::size_t>(Al(static_cast<int>(de.size())))];
    }

    void Actuar() {
        QWidget* ventana = VentanaAlFrente();
        if (!ventana) {
            // The program ended (the menu was closed): the user starts it again.
            ++arranques_;
            new frmPresentacion;
            return;
        }
        ++vistas_[QString::fromLatin1(ventana->metaObject()->className()).section("::", -1)];
        const int dado = Al(100);
        if (dado < 38) return Clic(ventana);
        if (dado < 76) return Tecla(ventana);
        if (dado < 86) return Escribir(ventana);
        if (dado < 95) return Enfocar(ventana);
        if (dado < 98) return Mover(ventana);
        if (dado < 99) {
            // The next message box gets a No: the closing question ends the program.
            Entorno().Responder(RespuestaMensaje::No);
            return;
        }
        // The close box.
        if (!qobject_cast<frmPresentacion*>(ventana)) ventana->close();
    }

    std::vector<QWidget*> Controles(QWidget* ventana) {
        std::vector<QWidget*> controles{ventana};
        for (QWidget* w : ventana->findChildren<QWidget*>()) {
            if (w->isVisible() && w->isEnabled() && !w->isWindow() && w->width() > 0 && w->height() > 0) {
                controles.push_back(w);
            }
        }
        return controles;
    }

    void Clic(QWidget* ventana) {
        // Buttons, lists, tabs and grids weigh more than the rest.
        std::vector<QWidget*> candidatos;
        for (QWidget* w : Controles(ventana)) {
            const bool activo = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                qobject_cast<QTabBar*>(w) || qobject_cast<QMenuBar*>(w) ||
                                (w->parentWidget() && qobject_cast<QAbstractItemView*>(w->parentWidget()));
            for (int veces = activo ? 4 : 1; veces > 0; --veces) candidatos.push_back(w);
        }
        QPointer<QWidget> control = Uno(candidatos);
        QPoint punto(Al(control->width()), Al(control->height()));
        if (auto* barra = qobject_cast<QTabBar*>(control.data()); barra && barra->count() > 0) {
            punto = barra->tabRect(Al(barra->count())).center();
        } else if (auto* menu = qobject_cast<QMenuBar*>(control.data()); menu && !menu->actions().isEmpty()) {
            const QList<QAction*> titulos = menu->actions();
            punto = menu->actionGeometry(titulos[Al(static_cast<int>(titulos.size()))]).center();
        } else if (auto* vista = control->parentWidget() ? qobject_cast<QTableWidget*>(control->parentWidget()) : nullptr;
                   vista && vista->viewport() == control && vista->rowCount() > 0) {
            // A cell of the grid, often one with a curve number.
            const QRect celda = vista->visualRect(vista->model()->index(Al(vista->rowCount()), Al(vista->columnCount())));
            if (celda.isValid() && control->rect().contains(celda.center())) punto = celda.center();
        }
        if (Al(4) == 0) {
            QTest::mouseDClick(control, Qt::LeftButton, {}, punto);
        } else {
            QTest::mouseClick(control, Al(10) == 0 ? Qt::RightButton : Qt::LeftButton, {}, punto);
        }
    }

    QWidget* Destino(QWidget* ventana) {
        QWidget* foco = QApplication::focusWidget();
        return foco && foco->window() == ventana->window() ? foco : ventana;
    }

    void Tecla(QWidget* ventana) {
        struct Pulsacion {
            Qt::Key tecla;
            Qt::KeyboardModifiers modificadores;
        };
        static const std::vector<Pulsacion> teclas = [] {
            std::vector<Pulsacion> t;
            for (int c = Qt::Key_0; c <= Qt::Key_9; ++c) t.push_back({static_cast<Qt::Key>(c), {}});
            for (Qt::Key k : {Qt::Key_A, Qt::Key_E, Qt::Key_F, Qt::Key_I, Qt::Key_N, Qt::Key_X, Qt::Key_Comma,
                              Qt::Key_Period, Qt::Key_Minus, Qt::Key_Plus, Qt::Key_Space, Qt::Key_Backspace,
                              Qt::Key_Delete, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab,
                              Qt::Key_Escape, Qt::Key_F1, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                              Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown}) {
                t.push_back({k, {}});
            }
            t.push_back({Qt::Key_E, Qt::ShiftModifier});
            t.push_back({Qt::Key_Comma, Qt::KeypadModifier});   // the keypad's decimal key
            t.push_back({Qt::Key_Period, Qt::KeypadModifier});
            t.push_back({Qt::Key_Enter, Qt::KeypadModifier});
            t.push_back({Qt::Key_A, Qt::ControlModifier});
            t.push_back({Qt::Key_C, Qt::ControlModifier});
            t.push_back({Qt::Key_V, Qt::ControlModifier});  // pastes what was copied, the results grid too
            t.push_back({Qt::Key_Z, Qt::ControlModifier});
            return t;
        }();
        const Pulsacion p = Uno(teclas);
        QTest::keyClick(Destino(ventana), p.tecla, p.modificadores);
    }

    // A whole value typed into the field that has the focus, then Enter or Tab.
    void Escribir(QWidget* ventana) {
        static const std::vector<QString> valores{
            "20", "40", "40", "85", "70", "50", "10", "2", "100", "99.9", "33.3", "33,4", "0", "-5", "1e400", "1,000",
            "12abc", "0.5", "32767", "32768", "1e-310", "7", "nan", "inf", "  3  ", "", "5.", ".5", "2,5"};
        QWidget* destino = Destino(ventana);
        if (auto* campo = qobject_cast<QLineEdit*>(destino)) campo->selectAll();
        QTest::keyClicks(destino, Uno(valores));
        QTest::keyClick(destino, Al(2) ? Qt::Key_Return : Qt::Key_Tab);
    }

    void Enfocar(QWidget* ventana) {
        std::vector<QWidget*> enfocables;
        for (QWidget* w : Controles(ventana)) {
            if (w->focusPolicy() != Qt::NoFocus) enfocables.push_back(w);
        }
        if (enfocables.empty()) return;
        static const std::vector<Qt::FocusReason> razones{Qt::TabFocusReason, Qt::BacktabFocusReason,
                                                          Qt::MouseFocusReason, Qt::OtherFocusReason,
                                                          Qt::ShortcutFocusReason};
        Uno(enfocables)->setFocus(Uno(razones));
    }

    void Mover(QWidget* ventana) {
        QWidget* control = Uno(Controles(ventana));
        QTest::mouseMove(control, QPoint(Al(control->width()), Al(control->height())));
    }

    void Comprobar() {
        for (QWidget* ventana : QApplication::topLevelWidgets()) {
            if (!ventana->isVisible()) continue;
            if (NumeroRaro(ventana->windowTitle())) Fallo("window title: " + ventana->windowTitle());
            for (QWidget* w : ventana->findChildren<QWidget*>()) {
                if (!w->isVisible()) continue;
                QString texto;
                if (auto* etiqueta = qobject_cast<QLabel*>(w)) texto = etiqueta->text();
                if (auto* campo = qobject_cast<QLineEdit*>(w); campo && campo->isReadOnly()) texto = campo->text();
                if (auto* boton = qobject_cast<QAbstractButton*>(w)) texto = boton->text();
                if (auto* rejilla = qobject_cast<QTableWidget*>(w)) {
                    texto = rejilla->toolTip();
                    // Value grids are checked in full; the reference tables are read from the file and shown once.
                    if (rejilla->objectName() == QLatin1String("tblNCP")) {
                        for (int f = 0; f < rejilla->rowCount(); ++f) {
                            for (int c = 0; c < rejilla->columnCount(); ++c) {
                                if (auto* celda = rejilla->item(f, c)) texto += ' ' + celda->text();
                            }
                        }
                    }
                }
                if (NumeroRaro(texto)) Fallo(QStringLiteral("%1 shows \"%2\"").arg(w->objectName(), texto));
            }
        }

        if (!(gNCElegido == 0 || (gNCElegido >= 1 && gNCElegido <= 100))) Fallo(QStringLiteral("gNCElegido %1").arg(gNCElegido));
        for (const auto& [nombre, valor] : {std::pair{"gNAC", gNAC}, std::pair{"gNOB", gNOB}}) {
            if (!(valor == 0 || (valor > 0 && valor <= 100))) Fallo(QStringLiteral("%1 %2").arg(nombre).arg(valor));
        }
        if (!(gLapsoAnios == 0 || (gLapsoAnios >= 2 && gLapsoAnios <= 32767 && gLapsoAnios == std::floor(gLapsoAnios)))) {
            Fallo(QStringLiteral("gLapsoAnios %1").arg(gLapsoAnios));
        }
        if (gFilaDatos < 1 || gFilaDatos > 72) Fallo(QStringLiteral("gFilaDatos %1").arg(gFilaDatos));
        if (!(gGrupoSuelo == -1 || (gGrupoSuelo >= 1 && gGrupoSuelo <= 4))) Fallo(QStringLiteral("gGrupoSuelo %1").arg(gGrupoSuelo));
        if (!(gLetraGrupoSuelo.empty() || (gLetraGrupoSuelo.size() == 1 && gLetraGrupoSuelo[0] >= 'A' && gLetraGrupoSuelo[0] <= 'D'))) {
            Fallo(QStringLiteral("gLetraGrupoSuelo %1").arg(QString::fromStdString(gLetraGrupoSuelo)));
        }
        static const std::set<std::string> clases{"-1", "I", "II", "III", "IV", "V"};
        if (!clases.contains(gClaseBosque)) Fallo(QStringLiteral("gClaseBosque %1").arg(QString::fromStdString(gClaseBosque)));
    }

    std::mt19937 azar_;
    int eventos_;
    std::vector<PasoCamino> camino_;
    std::size_t siguiente_ = 0;
    int hechos_ = 0;
    int totalEventos_ = 0;
    int arranques_ = 0;
    int caminos_ = 0;
    QString objetivo_;
    bool terminando_ = false;
    QEventLoop* bucle_ = nullptr;
    QStringList fallos_;
    std::map<QString, int> vistas_;  // events sent while each window was in front
};

}  // namespace

class PruebaEntradaAleatoria : public QObject {
    Q_OBJECT

    // A click on a control of the window in front, as a road step.
    template <class T = QAbstractButton>
    static Usuario::PasoCamino Pulsar(const char* nombre) {
        return [nombre] {
            QWidget* ventana = VentanaAlFrente();
            auto* control = ventana ? ventana->findChild<T*>(nombre) : nullptr;
            if (!control) return false;
            QTest::mouseClick(control, Qt::LeftButton);
            return true;
        };
    }
    static Usuario::PasoCamino Teclear(const char* campo, const char* texto) {
        return [campo, texto] {
            QWidget* ventana = VentanaAlFrente();
            auto* control = ventana ? ventana->findChild<QLineEdit*>(campo) : nullptr;
            if (!control) return false;
            QTest::keyClicks(control, texto);
            return true;
        };
    }
    static Usuario::PasoCamino ElegirVegetacion(int entrada) {
        return [entrada] {
            QWidget* ventana = VentanaAlFrente();
            auto* lista = ventana ? ventana->findChild<QComboBox*>("lstVegetacion_0") : nullptr;
            if (!lista) return false;
            lista->setFocus(Qt::TabFocusReason);
            for (int i = lista->currentIndex(); i < entrada; ++i) QTest::keyClick(lista, Qt::Key_Down);
            return lista->currentIndex() == entrada;
        };
    }
    static Usuario::PasoCamino Splash() {
        return [] {
            auto* splash = Visible<frmPresentacion>();
            if (!splash) return false;
            QTest::mouseClick(splash, Qt::LeftButton);
            return true;
        };
    }

private slots:
    void anythingAUserDoesLeavesEveryNumberAndValueSound() {
        Entorno().Reiniciar();
        const auto semilla = static_cast<std::uint32_t>(Variable("TARVEL_SEMILLA", 20260));
        const int eventos = Variable("TARVEL_EVENTOS", 2000);
        Usuario usuario(semilla, eventos);

        using C = std::vector<Usuario::PasoCamino>;
        const C menu{Splash()};
        const C eleccion{Splash(), Pulsar("cmdAceptar")};
        const C principal{Splash(), Pulsar("cmdAceptar"), Pulsar("cmdAceptar")};
        const C tabla{Splash(), Pulsar("cmdAceptar"), Pulsar("opcElige_1"), Pulsar("cmdAceptar")};
        const C serie{Splash(), Pulsar("optSerieProgresivaNC"), Pulsar("cmdAceptar")};
        auto mas = [](C camino, std::initializer_list<Usuario::PasoCamino> pasos) {
            camino.insert(camino.end(), pasos);
            return camino;
        };
        struct Camino {
            const char* nombre;
            QString ventana;
            C pasos;
        };
        const std::vector<Camino> caminos{
            {"splash", "frmPresentacion", {}},
            {"main menu", "frmTarvelPrimera", menu},
            {"method choice", "frmEleccion", eleccion},
            {"step by step", "frmPrincipal", principal},
            {"soil group", "frmSuelo", mas(principal, {Pulsar("cmdDeterminarSuelo")})},
            {"forest condition", "frmNomograma", mas(principal, {ElegirVegetacion(kEntradaBosques), Pulsar("cmdHidro")})},
            {"tables", "frmTabla", tabla},
            {"series input", "frmSerieNC", serie},
            {"series results", "frmSerieNCCalculada",
             mas(serie, {Teclear("txtNAC", "85"), Teclear("txtNOB", "70"), Pulsar("cmdCalcular")})},
            {"series, Determinar, step by step", "frmPrincipal",
             mas(serie, {Pulsar("cmdDeterminarNAC"), Pulsar("cmdAceptar")})},
            {"series, Determinar, tables", "frmTabla",
             mas(serie, {Pulsar("cmdDeterminarNOB"), Pulsar("opcElige_1"), Pulsar("cmdAceptar")})},
        };

        for (const auto& camino : caminos) {
            Entorno().Reiniciar();
            new frmPresentacion;
            const QStringList fallos = usuario.Recorrer(camino.pasos, camino.ventana);
            QVERIFY2(fallos.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(camino.nombre, fallos.join("; "))));
        }
        Entorno().Reiniciar();

        const std::set<QString> todas{"frmPresentacion", "frmTarvelPrimera", "frmEleccion", "frmPrincipal", "frmSuelo",
                                      "frmNomograma", "frmTabla", "frmSerieNC", "frmSerieNCCalculada"};
        QStringList faltan;
        for (const QString& ventana : todas) {
            if (!usuario.VentanasVistas().contains(ventana)) faltan << ventana;
        }
        QVERIFY2(faltan.isEmpty(), qPrintable("never reached: " + faltan.join(", ")));
        QVERIFY(usuario.EventosHechos() >= static_cast<int>(caminos.size()) * eventos);
        QStringList reparto;
        for (const auto& [ventana, eventos] : usuario.VentanasVistas()) reparto << QStringLiteral("%1 %2").arg(ventana).arg(eventos);
        qInfo("%d random events over %zu roads, walked %d times (%s); the user started the program again %d times",
              usuario.EventosHechos(), caminos.size(), usuario.Caminos(), qPrintable(reparto.join(", ")),
              usuario.Arranques());
    }
};

TARVEL_PRUEBA_UI(PruebaEntradaAleatoria)
#include "test_entrada_aleatoria.moc"
