// A user who does anything at all: from the splash, each road of the program
// is walked to its window as a user walks it, and from there thousands of
// random clicks, double-clicks, key presses and focus changes follow, on
// whatever window is in front, modal windows and their message boxes included.
// The run fails on a number that is not one shown anywhere, on a shared value
// outside its range, or on any window or road left unvisited. A crash or a
// sanitizer report ends the process and fails it too.
//
// The seed is fixed; TARVEL_SEMILLA and TARVEL_EVENTOS (events per road) run
// other walks by hand. scripts/fuzz runs it (scripts/fuzz --ventanas BUILD_DIR).
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <cmath>
#include <map>
#include <random>
#include <set>

#include "tests/ui/EntornoUi.h"
#include "ui/shell/frmPresentacion.h"
#include "ui/shell/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

// Value grids are checked cell by cell; the reference tables are read from the file.
bool EsRejillaDeValores(const QTableWidget* rejilla) {
    return rejilla->objectName() == QLatin1String("tblNCP") || rejilla->objectName() == QLatin1String("tblEscorrentia");
}

// A menu item of the main menu, triggered.
std::function<void()> Menu(const char* item) {
    return [item] {
        if (auto* menu = Visible<frmTarvelPrimera>()) Hijo<QAction>(menu, item)->trigger();
    };
}

using Paso = std::function<void()>;

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

QString Clase(const QWidget* w) { return QString::fromLatin1(w->metaObject()->className()).section("::", -1); }

// The window the user can act on: an open popup, else the window in front,
// else the splash; none once the program has ended.
QWidget* VentanaAlFrente() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* ventana = AlFrente()) return ventana;
    return Visible<frmPresentacion>();
}

// The steps of a walk: the road to the window of class `objetivo`, then
// `eventos` random events; whenever that window is no longer open the user
// backs out of every modal window and walks the road again from the splash.
class Usuario {
public:
    Usuario(std::uint32_t semilla, int eventos) : mAzar(semilla), mEventos(eventos) {}

    QStringList Recorrer(Pasos camino, const QString& objetivo) {
        mCamino = std::move(camino);
        mObjetivo = objetivo;
        mSiguiente = mHechos = 0;
        mFin = false;
        Entorno().Reiniciar();
        new frmPresentacion;
        if (!Jugar([this] { return Siguiente(); }, 3600)) mFallos << "the walk did not end within an hour";
        return mFallos;
    }

    int EventosHechos() const { return mTotalEventos; }
    const std::map<QString, int>& VentanasVistas() const { return mVistas; }

private:
    Paso Siguiente() {
        if (!mFallos.isEmpty()) mFin = true;
        if (!mFin && mSiguiente < mCamino.size()) {
            return [this, paso = mCamino[mSiguiente++]] {
                paso();
                Comprobar();
            };
        }
        const bool abierta = std::ranges::any_of(QApplication::topLevelWidgets(), [this](QWidget* w) {
            return w->isVisible() && Clase(w) == mObjetivo;
        });
        if (!mFin && mHechos < mEventos && abierta) {
            ++mHechos;
            return [this] {
                ++mTotalEventos;
                Actuar();
                Comprobar();
            };
        }
        mFin = mFin || mHechos >= mEventos;
        // Back out of every modal window, one a step; then the walk is over, or
        // the program starts again (no modal loop runs, so the windows can go).
        if (QWidget* popup = QApplication::activePopupWidget()) return [popup] { popup->close(); };
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) return [modal] { modal->reject(); };
        if (mFin) return {};
        mSiguiente = 0;
        return [] {
            Entorno().Reiniciar();
            new frmPresentacion;
        };
    }

    void Fallo(const QString& que) {
        QWidget* ventana = VentanaAlFrente();
        mFallos << QStringLiteral("%1 (event %2, window %3)").arg(que).arg(mTotalEventos).arg(ventana ? Clase(ventana) : "none");
    }

    int Al(int n) { return std::uniform_int_distribution<int>(0, n - 1)(mAzar); }
    template <class T>
    T Uno(const std::vector<T>& de) {
        return de[static_cast<std::size_t>(Al(static_cast<int>(de.size())))];
    }

    void Actuar() {
        QWidget* ventana = VentanaAlFrente();
        if (!ventana) {
            new frmPresentacion;  // the program ended (the menu was closed): the user starts it again
            return;
        }
        ++mVistas[Clase(ventana)];
        const int dado = Al(100);
        if (dado < 38) return Clic(ventana);
        if (dado < 76) return Tecla(ventana);
        if (dado < 86) return Escribir(ventana);
        if (dado < 95) return Enfocar(ventana);
        if (dado < 98) return Mover(ventana);
        // The next message box gets a No (the closing question ends the program), or the close box.
        if (dado < 99) return Entorno().Responder(RespuestaMensaje::No);
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
        static const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> teclas = [] {
            std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> t;
            for (int c = Qt::Key_0; c <= Qt::Key_9; ++c) t.push_back({static_cast<Qt::Key>(c), {}});
            for (Qt::Key k : {Qt::Key_A, Qt::Key_E, Qt::Key_F, Qt::Key_I, Qt::Key_N, Qt::Key_X, Qt::Key_Comma,
                              Qt::Key_Period, Qt::Key_Minus, Qt::Key_Plus, Qt::Key_Space, Qt::Key_Backspace,
                              Qt::Key_Delete, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Backtab,
                              Qt::Key_Escape, Qt::Key_F1, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                              Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown}) {
                t.push_back({k, {}});
            }
            t.push_back({Qt::Key_E, Qt::ShiftModifier});
            t.push_back({Qt::Key_Comma, Qt::KeypadModifier});  // the keypad's decimal key
            t.push_back({Qt::Key_Period, Qt::KeypadModifier});
            t.push_back({Qt::Key_Enter, Qt::KeypadModifier});
            for (Qt::Key k : {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_Z}) t.push_back({k, Qt::ControlModifier});
            return t;
        }();
        const auto [tecla, modificadores] = Uno(teclas);
        QTest::keyClick(Destino(ventana), tecla, modificadores);
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
        static const std::vector<Qt::FocusReason> razones{Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::MouseFocusReason,
                                                          Qt::OtherFocusReason, Qt::ShortcutFocusReason};
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
                    for (int f = 0; EsRejillaDeValores(rejilla) && f < rejilla->rowCount(); ++f) {
                        for (int c = 0; c < rejilla->columnCount(); ++c) {
                            if (auto* celda = rejilla->item(f, c)) texto += ' ' + celda->text();
                        }
                    }
                }
                if (NumeroRaro(texto)) Fallo(QStringLiteral("%1 shows \"%2\"").arg(w->objectName(), texto));
            }
        }
        const auto fuera = [this](const char* nombre, double valor, bool bien) {
            if (!bien) Fallo(QStringLiteral("%1 %2").arg(nombre).arg(valor));
        };
        fuera("gNCElegido", gNCElegido, gNCElegido >= 0 && gNCElegido <= 100);
        fuera("gNAC", gNAC, gNAC >= 0 && gNAC <= 100);
        fuera("gNOB", gNOB, gNOB >= 0 && gNOB <= 100);
        fuera("gLapsoAnios", gLapsoAnios, gLapsoAnios == 0 || (gLapsoAnios >= 2 && gLapsoAnios <= 32767 &&
                                                                 gLapsoAnios == std::floor(gLapsoAnios)));
        fuera("gFilaDatos", gFilaDatos, gFilaDatos >= 1 && gFilaDatos <= 72);
        static const std::set<std::string> letras{"", "A", "B", "C", "D"}, clases{"-1", "I", "II", "III", "IV", "V"};
        if (!letras.contains(gLetraGrupoSuelo)) Fallo(QString::fromStdString("gLetraGrupoSuelo " + gLetraGrupoSuelo));
        if (!clases.contains(gClaseBosque)) Fallo(QString::fromStdString("gClaseBosque " + gClaseBosque));
    }

    std::mt19937 mAzar;
    int mEventos;
    Pasos mCamino;
    std::size_t mSiguiente = 0;
    int mHechos = 0;
    int mTotalEventos = 0;
    QString mObjetivo;
    bool mFin = false;
    QStringList mFallos;
    std::map<QString, int> mVistas;  // events sent while each window was in front
};

}  // namespace

class PruebaEntradaAleatoria : public QObject {
    Q_OBJECT

private slots:
    void anythingAUserDoesLeavesEveryNumberAndValueSound() {
        const int eventos = Variable("TARVEL_EVENTOS", 2000);
        Usuario usuario(static_cast<std::uint32_t>(Variable("TARVEL_SEMILLA", 20260)), eventos);
        const Paso splash = [] {
            if (auto* presentacion = Visible<frmPresentacion>()) QTest::mouseClick(presentacion, Qt::LeftButton);
        };
        const Pasos menu{splash};
        const Pasos principal = menu + Pasos{Pulsar("cmdAceptar"), Pulsar("cmdAceptar")};
        const Pasos serie = menu + Pasos{Pulsar("optSerieProgresivaNC"), Pulsar("cmdAceptar")};
        const Pasos resultados = serie + Pasos{Teclear("txtNAC", "85"), Teclear("txtNOB", "70"), Pulsar("cmdCalcular")};
        const std::vector<std::tuple<const char*, QString, Pasos>> caminos{
            {"splash", "frmPresentacion", {}},
            {"main menu", "frmTarvelPrimera", menu},
            {"method choice", "frmEleccion", menu + Pasos{Pulsar("cmdAceptar")}},
            {"step by step", "frmPrincipal", principal},
            {"soil group", "frmSuelo", principal + Pasos{Pulsar("cmdDeterminarSuelo")}},
            {"forest condition", "frmNomograma", principal + Pasos{Elegir("lstVegetacion_0", 10), Pulsar("cmdHidro")}},
            {"tables", "frmTabla", menu + Pasos{Pulsar("cmdAceptar"), Pulsar("opcElige_1"), Pulsar("cmdAceptar")}},
            {"series input", "frmSerieNC", serie},
            {"series results", "frmSerieNCCalculada", resultados},
            {"runoff, from the series results", "frmEscorrentia", resultados + Pasos{Pulsar("cmdEscorrentia")}},
            {"runoff, from the main menu", "frmEscorrentia", menu + Pasos{Menu("mnuEscorrentia")}},
            {"peak discharge", "frmCaudalPunta", menu + Pasos{Menu("mnuCaudalPunta")}},
            {"year by year", "frmTrayectoria",
             serie + Pasos{Teclear("txtNAC", "85"), Teclear("txtNOB", "70"),
                           [] { EnFrente<QCheckBox>("chkDefinirTiempo")->setChecked(true); }, Teclear("txtAnios", "10"),
                           Pulsar("cmdCalcular"), Pulsar("cmdTrayectoria")}},
            {"catchment worksheet", "frmHojaCuenca", menu + Pasos{Menu("mnuArchivoNuevaHoja")}},
            {"series, Determinar, step by step", "frmPrincipal",
             serie + Pasos{Pulsar("cmdDeterminarNAC"), Pulsar("cmdAceptar")}},
            {"series, Determinar, tables", "frmTabla",
             serie + Pasos{Pulsar("cmdDeterminarNOB"), Pulsar("opcElige_1"), Pulsar("cmdAceptar")}},
        };
        for (const auto& [nombre, ventana, pasos] : caminos) {
            const QStringList fallos = usuario.Recorrer(pasos, ventana);
            QVERIFY2(fallos.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(nombre, fallos.join("; "))));
        }
        Entorno().Reiniciar();

        QStringList faltan, reparto;
        for (const char* ventana : {"frmPresentacion", "frmTarvelPrimera", "frmEleccion", "frmPrincipal", "frmSuelo",
                                    "frmNomograma", "frmTabla", "frmSerieNC", "frmSerieNCCalculada", "frmEscorrentia",
                                    "frmTrayectoria", "frmHojaCuenca", "frmCaudalPunta"}) {
            if (!usuario.VentanasVistas().contains(ventana)) faltan << ventana;
        }
        QVERIFY2(faltan.isEmpty(), qPrintable("never reached: " + faltan.join(", ")));
        QVERIFY(usuario.EventosHechos() >= static_cast<int>(caminos.size()) * eventos);
        for (const auto& [ventana, cuantos] : usuario.VentanasVistas()) reparto << QStringLiteral("%1 %2").arg(ventana).arg(cuantos);
        qInfo("%d random events over %zu roads (%s)", usuario.EventosHechos(), caminos.size(), qPrintable(reparto.join(", ")));
    }
};

TARVEL_PRUEBA_UI(PruebaEntradaAleatoria)
#include "ventanas.moc"
