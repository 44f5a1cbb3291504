// Start-up and the main menu: what the splash settles and what closes it,
// the menu's check marks and the language of the next start, the road to a
// curve number through the method choice, Enter, the closing question, and
// help. Then every window as screen readers meet it through Qt's
// accessibility interface, in both languages.

#include <QAccessible>
#include <QTimer>

#include "EntornoUi.h"
#include "app/FormatoNumerico.h"
#include "ui/shell/Arranque.h"
#include "ui/help/VisorAyuda.h"
#include "ui/determination/frmEleccion.h"
#include "ui/determination/frmNomograma.h"
#include "ui/determination/frmPrincipal.h"
#include "ui/series/frmSerieNC.h"
#include "ui/series/frmSerieNCCalculada.h"
#include "ui/determination/frmSuelo.h"
#include "ui/determination/frmTabla.h"
#include "ui/shell/frmPresentacion.h"
#include "ui/shell/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

namespace {

bool Marcado(QWidget* menu, const char* item) { return Hijo<QAction>(menu, item)->isChecked(); }

// From the menu through the step-by-step window to its OK: permanent meadow on group A.
const Pasos kDeterminar{Pulsar("cmdAceptar"), [] { QVERIFY(EnFrente<QRadioButton>("opcElige_0")->isChecked()); },
                        Pulsar("cmdAceptar"), Elegir("lstVegetacion_0", 6), Pulsar("cmdDeterminarSuelo"),
                        Pulsar("opcTasa_0"), Pulsar("cmdAceptar"), Pulsar("cmdAceptar")};

// The role of each kind of control, the first kind it is of.
const std::pair<const char*, QAccessible::Role> kRoles[] = {
    {"QRadioButton", QAccessible::RadioButton}, {"QCheckBox", QAccessible::CheckBox}, {"QAbstractButton", QAccessible::Button},
    {"QComboBox", QAccessible::ComboBox}, {"QLineEdit", QAccessible::EditableText}, {"QTableView", QAccessible::Table},
    {"tarvel::EtiquetaResultado", QAccessible::StaticText}};

}  // namespace

class PruebaMenu : public PruebaUi {
    Q_OBJECT

private slots:
    // Start-up reads the setting (and writes none), sets the "." number
    // format whatever was in force, and chooses the help file of the language.
    void startUpInTheStoredLanguage() {
        for (const auto& [guardado, titulo, ayuda] :
             {std::tuple{"", "Determinación de números de curva", "/AYUDA Nº CURVA.HLP"},
              {"English", "Determination of curve numbers", "/HELPTARVEL.HLP"}}) {
            Entorno().SiguienteCaso();
            if (*guardado) Entorno().GuardarIdiomaAlmacenado(guardado);
            const QString antes = Entorno().ContenidoAjustes();
            EstablecerFormato({',', '.'});
            auto* splash = new frmPresentacion;
            QCOMPARE(Hijo<QLabel>(splash, "Label1")->text(), QString(titulo));
            QCOMPARE(Hijo<QLabel>(splash, "Label5")->text(), QString(titulo));
            QCOMPARE(gSeparadorDecimal, std::string("."));
            QVERIFY(ArchivoAyuda().endsWith(ayuda));
            QCOMPARE(Entorno().ContenidoAjustes(), antes);
            // The picture the build painted is the one the SVG paints, pixel for pixel.
            const QImage esperada = IlustracionSvg(QSize(240, 180), 1).toImage();
            QCOMPARE(Hijo<QLabel>(splash, "Image1")->pixmap().toImage().convertToFormat(esperada.format()), esperada);
        }
        QCOMPARE(Ilustracion(QSize(240, 180), 2).size(), QSize(480, 360));
    }

    // The picture, the title, the places, the credits and the splash itself
    // close it; the other credit lines and the title's shadow do not.
    void whatClosesItAndOpensOneMenu() {
        for (const auto& [objetivo, cierra] : {std::pair{"Label2", false}, {"Label5", false}, {"Image1", true},
                                               {"Label1", true}, {"lblLugar_1", true}, {"lblAutor_2", true}, {"", true}}) {
            Entorno().SiguienteCaso();
            auto* splash = new frmPresentacion;
            const QPoint margen(splash->width() - 8, splash->height() / 2);  // beside the credit column
            QTest::mouseClick(*objetivo ? Hijo(splash, objetivo) : splash, Qt::LeftButton, {}, *objetivo ? QPoint() : margen);
            QCOMPARE(splash->isVisible(), !cierra);
            QCOMPARE(Visible<frmTarvelPrimera>() != nullptr, cierra);
        }
        Entorno().SiguienteCaso();
        QPointer<frmPresentacion> splash(new frmPresentacion);
        QCOMPARE(Hijo<QTimer>(splash, "Timer1")->interval(), 10000);
        Hijo<QTimer>(splash, "Timer1")->start(1);
        QTRY_VERIFY(Visible<frmTarvelPrimera>());
        Entorno().SiguienteCaso();
        splash = new frmPresentacion;
        splash->Cerrar();
        splash->Cerrar();
        QTRY_VERIFY(splash.isNull());
        int menus = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) menus += qobject_cast<frmTarvelPrimera*>(w) != nullptr;
        QCOMPARE(menus, 1);
    }

    // Opening writes nothing; the other language is stored for the next start
    // and nothing on screen changes.
    void theStoredLanguageAndTheOneChosenForTheNextStart() {
        for (const auto& [guardado, ingles] : {std::pair{"", false}, {"English", true}, {"Klingon", false}}) {
            Entorno().SiguienteCaso();
            if (*guardado) Entorno().GuardarIdiomaAlmacenado(guardado);
            const QString antes = Entorno().ContenidoAjustes();
            auto* menu = AbrirMenu();
            const QString opcion = Hijo<QRadioButton>(menu, "optTarvel")->text();
            QCOMPARE(opcion, ingles ? QString("Determination of a curve number") : QString("Determinación de un número de curva"));
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), ingles ? QString("&Yes") : QString("&Sí"));
            QCOMPARE(Marcado(menu, "mnuIdiomaEnglish") + 2 * Marcado(menu, "mnuIdiomaEspanol"), ingles ? 1 : 2);
            QCOMPARE(Entorno().ContenidoAjustes(), antes);
            Hijo<QAction>(menu, ingles ? "mnuIdiomaEspanol" : "mnuIdiomaEnglish")->trigger();
            QCOMPARE(Marcado(menu, "mnuIdiomaEnglish") + 2 * Marcado(menu, "mnuIdiomaEspanol"), ingles ? 2 : 1);
            QCOMPARE(Hijo<QRadioButton>(menu, "optTarvel")->text(), opcion);
            QCOMPARE(gIdioma, ingles ? 2 : 1);
            ResolverIdiomaDeArranque();
            QCOMPARE(gIdioma, ingles ? 1 : 2);
        }
    }

    void aNumberIsReportedYesKeepsTheMenuAndNoEndsTheProgram() {
        QPointer<frmTarvelPrimera> menu(AbrirMenu());
        Entorno().Responder(RespuestaMensaje::Si);
        QVERIFY(Jugar(kDeterminar));
        QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
        const auto& pregunta = Entorno().Vistos().front();
        QCOMPARE(pregunta.texto, QString("El número de curva elegido es 30.\r\n¿Desea determinar otro número?"));
        QCOMPARE(pregunta.titulo, QString("Tarvel"));
        QVERIFY(pregunta.botones == BotonesMensaje::SiNo && pregunta.icono == IconoMensaje::Ninguno);
        QVERIFY(menu->isVisible() && !Visible<frmEleccion>());
        Entorno().Responder(RespuestaMensaje::No);
        QVERIFY(Jugar(kDeterminar));
        QTRY_VERIFY(menu.isNull());
    }

    void noQuestionWithoutANumber() {
        auto* menu = AbrirMenu();
        gNCElegido = 42;  // left from an earlier road: OK resets it before the next
        QVERIFY(Jugar({Pulsar("cmdAceptar"), Pulsar("cmdAceptar"), Cerrar()}));  // the work window closed
        QVERIFY(Jugar({Pulsar("cmdAceptar"), Cerrar()}));                        // the method choice closed
        QCOMPARE(gNCElegido, std::int16_t(0));
        QVERIFY(Entorno().Vistos().empty() && menu->isVisible() && !Visible<frmEleccion>());
    }

    void helpTopicsOfTheMenuAndTheMethodChoice() {
        auto* menu = AbrirMenu();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QCOMPARE(TopicoAyudaDe(Hijo(menu, "optSerieProgresivaNC")), 60);
        QVERIFY(Jugar({Tecla(Qt::Key_F1), Pulsar("cmdAceptar"), Tecla(Qt::Key_F1), Cerrar()}));
        QCOMPARE(Entorno().TopicosPedidos(), (std::vector<int>{1, 1}));
    }

    // Enter presses the menu's OK, from the option chosen and on OK itself.
    void enterOpensTheChosenRoad() {
        AbrirMenu();
        QStringList vistas;
        auto anotar = [&] { vistas << AlFrente()->objectName(); };
        auto enter = [](const char* control, Qt::Key tecla) {
            return [=] { QTest::keyClick(Hijo(AlFrente(), control), tecla); };
        };
        QVERIFY(Jugar({enter("optTarvel", Qt::Key_Return), anotar, Cerrar(), Pulsar("optSerieProgresivaNC"),
                       enter("optSerieProgresivaNC", Qt::Key_Enter), anotar, Cerrar(), enter("cmdAceptar", Qt::Key_Return),
                       anotar, Cerrar()}));
        QCOMPARE(vistas, QStringList({"frmEleccion", "frmSerieNC", "frmSerieNC"}));
    }

    // Each control on show that takes the focus, each text box and each result
    // has a name and the role of its kind; a result is heard as what it is,
    // then what it shows.
    void everyControlOfEveryWindowHasANameAndTheRoleOfItsKind() {
        for (bool ingles : {false, true}) {
            Entorno().Reiniciar();
            if (ingles) Entorno().GuardarIdiomaAlmacenado("English");
            AbrirMenu();
            std::tie(gNAC, gNOB, gLapsoAnios) = std::tuple(85, 70, 10);
            const QWidgetList ventanas{new frmEleccion(nullptr), new frmPrincipal(nullptr), new frmSuelo(nullptr),
                                       new frmNomograma(nullptr), new frmTabla(nullptr), new frmSerieNC(nullptr),
                                       new frmSerieNCCalculada(nullptr)};
            for (QWidget* ventana : ventanas) ventana->show();
            MostrarVisorAyuda(ArchivoAyuda(), 0);
            for (QWidget* control : QApplication::allWidgets()) {
                const bool foco = (control->focusPolicy() & Qt::TabFocus) && !control->focusProxy();
                auto* resultado = control->inherits("tarvel::EtiquetaResultado") ? static_cast<QLabel*>(control) : nullptr;
                if (!control->isVisible() || !(foco || resultado || control->inherits("QLineEdit"))) continue;
                QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(control);
                const QString nombre = interfaz->text(QAccessible::Name);
                const QString quien = control->window()->objectName() + "/" + control->objectName() + ": " + nombre;
                const auto rol = std::ranges::find_if(kRoles, [&](const auto& r) { return control->inherits(r.first); });
                QVERIFY2(!nombre.isEmpty() && (rol == std::end(kRoles) || interfaz->role() == rol->second), qPrintable(quien));
                if (auto* boton = qobject_cast<QAbstractButton*>(control)) QCOMPARE(interfaz->state().checked, boton->isChecked());
                if (resultado) QVERIFY2(nombre.endsWith(resultado->text()) && nombre != resultado->text(), qPrintable(quien));
                if (control->objectName() == "txtNAC") QCOMPARE(nombre, QString(ingles ? "NCS" : "NAC"));
            }
        }
    }
};

TARVEL_PRUEBA_UI(PruebaMenu)
#include "test_menu.moc"
