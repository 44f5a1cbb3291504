// The main menu and the method choice: texts, check marks, the language of
// the next start, the road to a curve number, Enter, and the closing question.
// Then every window as screen readers meet it through Qt's accessibility
// interface, in both languages.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "EntornoUi.h"
#include "app/SessionState.h"
#include "ui/Arranque.h"
#include "ui/Ayuda.h"
#include "ui/VisorAyuda.h"
#include "ui/frmEleccion.h"
#include "ui/frmNomograma.h"
#include "ui/frmPrincipal.h"
#include "ui/frmSerieNC.h"
#include "ui/frmSerieNCCalculada.h"
#include "ui/frmSuelo.h"
#include "ui/frmTabla.h"
#include "ui/frmTarvelPrimera.h"

using namespace tarvel;
using namespace tarvel::prueba;

// The role of each kind of control, the first kind it is of.
const std::pair<const char*, QAccessible::Role> kRoles[] = {
    {"QRadioButton", QAccessible::RadioButton}, {"QCheckBox", QAccessible::CheckBox}, {"QAbstractButton", QAccessible::Button},
    {"QComboBox", QAccessible::ComboBox}, {"QLineEdit", QAccessible::EditableText}, {"QTableView", QAccessible::Table},
    {"tarvel::EtiquetaResultado", QAccessible::StaticText}};

class PruebaMenu : public PruebaUi {
    Q_OBJECT

    // The menu as the splash leaves it, after the start-up has read the setting.
    static frmTarvelPrimera* AbrirMenu() {
        ResolverIdiomaDeArranque();
        ElegirArchivoAyuda();
        auto* menu = new frmTarvelPrimera;
        menu->show();
        return menu;
    }


    // OK on the menu; inside the method choice, `enLaEleccion` plays the road.
    static void Determinar(frmTarvelPrimera* menu, std::function<void(frmEleccion*)> enLaEleccion) {
        bool abierta = false;
        AlAbrir([&] {
            auto* eleccion = Visible<frmEleccion>();
            abierta = eleccion != nullptr;
            if (eleccion) enLaEleccion(eleccion);
        });
        QTest::mouseClick(Hijo<QPushButton>(menu, "cmdAceptar"), Qt::LeftButton);
        QVERIFY(abierta);
        QVERIFY(!Visible<frmEleccion>());
    }

    // OK on the method choice opens the step-by-step window; here it hands
    // back `numero` as its OK does (0: it is closed by its close box).
    static void ElegirYAceptar(frmEleccion* eleccion, int numero) {
        AlAbrir([numero] {
            auto* principal = Visible<frmPrincipal>();
            QVERIFY(principal);
            if (numero != 0) {
                gNCElegido = static_cast<std::int16_t>(numero);
                principal->accept();
            } else {
                principal->close();
            }
        });
        QTest::mouseClick(Hijo<QPushButton>(eleccion, "cmdAceptar"), Qt::LeftButton);
    }

private slots:
    void textsAndCheckMarksForEachStoredLanguage_data() {
        QTest::addColumn<bool>("guardar");
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<bool>("ingles");
        QTest::newRow("nothing stored") << false << QString() << false;
        QTest::newRow("empty") << true << QString("") << false;
        QTest::newRow("Español") << true << QString("Español") << false;
        QTest::newRow("English") << true << QString("English") << true;
        QTest::newRow("unknown") << true << QString("Klingon") << false;
        QTest::newRow("wrong case") << true << QString("english") << false;
    }
    void textsAndCheckMarksForEachStoredLanguage() {
        QFETCH(bool, guardar);
        QFETCH(QString, guardado);
        QFETCH(bool, ingles);
        if (guardar) Entorno().GuardarIdiomaAlmacenado(guardado);
        const QString antes = Entorno().ContenidoAjustes();
        auto* menu = AbrirMenu();

        QCOMPARE(menu->windowTitle(), QString("Tarvel"));
        QCOMPARE(Hijo<QLabel>(menu, "Label1")->text(), ingles ? QString("Choose an option") : QString("Escoja una opción"));
        QCOMPARE(Hijo<QRadioButton>(menu, "optTarvel")->text(),
                 ingles ? QString("Determination of a curve number") : QString("Determinación de un número de curva"));
        QCOMPARE(Hijo<QRadioButton>(menu, "optSerieProgresivaNC")->text(),
                 ingles ? QString("Estimation of a progressive series of curve numbers")
                        : QString("Estimación de una serie progresiva de números de curva"));
        QCOMPARE(Hijo<QPushButton>(menu, "cmdAceptar")->text(), ingles ? QString("OK") : QString("Aceptar"));
        QCOMPARE(Hijo<QMenu>(menu, "mnuArchivo")->title(), ingles ? QString("&File") : QString("&Archivo"));
        QCOMPARE(Hijo<QAction>(menu, "mnuArchivoSalir")->text(), ingles ? QString("&Exit") : QString("&Salir"));
        QCOMPARE(Hijo<QMenu>(menu, "mnuOpciones")->title(), ingles ? QString("&Options") : QString("&Opciones"));
        QCOMPARE(Hijo<QMenu>(menu, "mnuIdioma")->title(),
                 ingles ? QString("&Language for next session") : QString("&Idioma en la siguiente sesión"));
        QCOMPARE(Hijo<QAction>(menu, "mnuIdiomaEspanol")->text(), ingles ? QString("&Spanish") : QString("E&spañol"));
        QCOMPARE(Hijo<QAction>(menu, "mnuIdiomaEnglish")->text(), ingles ? QString("&English") : QString("&Inglés"));

        QCOMPARE(Hijo<QAction>(menu, "mnuIdiomaEspanol")->isChecked(), !ingles);
        QCOMPARE(Hijo<QAction>(menu, "mnuIdiomaEnglish")->isChecked(), ingles);
        QVERIFY(Hijo<QRadioButton>(menu, "optTarvel")->isChecked());
        QCOMPARE(Entorno().ContenidoAjustes(), antes);
    }

    void choosingEnglishWritesTheSettingAndChangesNothingOnScreen() {
        auto* menu = AbrirMenu();
        const QString ayuda = ArchivoAyuda();
        Hijo<QAction>(menu, "mnuIdiomaEnglish")->trigger();
        QVERIFY(Entorno().ContenidoAjustes().contains("Language=English"));
        QVERIFY(Hijo<QAction>(menu, "mnuIdiomaEnglish")->isChecked());
        QVERIFY(!Hijo<QAction>(menu, "mnuIdiomaEspanol")->isChecked());
        QCOMPARE(gIdioma, 1);
        QCOMPARE(Hijo<QLabel>(menu, "Label1")->text(), QString("Escoja una opción"));
        QCOMPARE(Hijo<QMenu>(menu, "mnuIdioma")->title(), QString("&Idioma en la siguiente sesión"));
        QCOMPARE(ArchivoAyuda(), ayuda);

        // Back to Spanish: the stored name keeps its ñ, and the next start reads it.
        Hijo<QAction>(menu, "mnuIdiomaEspanol")->trigger();
        QVERIFY(Hijo<QAction>(menu, "mnuIdiomaEspanol")->isChecked());
        Hijo<QAction>(menu, "mnuIdiomaEnglish")->trigger();
        ResolverIdiomaDeArranque();
        QCOMPARE(gIdioma, 2);
    }

    void aChosenNumberIsReportedAndNoEndsTheProgram() {
        auto* menu = AbrirMenu();
        QPointer<frmTarvelPrimera> vivo(menu);
        Entorno().Responder(RespuestaMensaje::No);
        Determinar(menu, [](frmEleccion* eleccion) { ElegirYAceptar(eleccion, 75); });

        QCOMPARE(Entorno().Vistos().size(), std::size_t(1));
        const auto& pregunta = Entorno().Vistos().front();
        QCOMPARE(pregunta.texto, QString("El número de curva elegido es 75.\r\n¿Desea determinar otro número?"));
        QCOMPARE(pregunta.titulo, QString("Tarvel"));
        QVERIFY(pregunta.botones == BotonesMensaje::SiNo);
        QVERIFY(pregunta.icono == IconoMensaje::Ninguno);
        QVERIFY(!menu->isVisible());
        QTRY_VERIFY(vivo.isNull());
    }

    void yesKeepsTheMenuAsItWas() {
        Entorno().GuardarIdiomaAlmacenado("English");
        auto* menu = AbrirMenu();
        Entorno().Responder(RespuestaMensaje::Si);
        Determinar(menu, [](frmEleccion* eleccion) { ElegirYAceptar(eleccion, 100); });
        QCOMPARE(Entorno().Vistos().front().texto,
                 QString("The chosen curve number is 100.\r\nDo you want to determine another number?"));
        QVERIFY(menu->isVisible());
        QVERIFY(Hijo<QRadioButton>(menu, "optTarvel")->isChecked());
    }

    void noQuestionWithoutANumber_data() {
        QTest::addColumn<bool>("cierreDeVentana");
        QTest::newRow("work window closed") << false;
        QTest::newRow("method choice close box") << true;
    }
    void noQuestionWithoutANumber() {
        QFETCH(bool, cierreDeVentana);
        auto* menu = AbrirMenu();
        gNCElegido = 42;  // left from an earlier road: OK resets it before the next
        Determinar(menu, [&](frmEleccion* eleccion) {
            if (cierreDeVentana) {
                eleccion->close();
            } else {
                ElegirYAceptar(eleccion, 0);
            }
        });
        QCOMPARE(gNCElegido, std::int16_t(0));
        QVERIFY(Entorno().Vistos().empty());
        QVERIFY(menu->isVisible());
    }

    void methodChoiceTextsAndRoads() {
        auto* menu = AbrirMenu();
        Determinar(menu, [](frmEleccion* eleccion) {
            QCOMPARE(eleccion->windowTitle(), QString("Determinación del número de curva"));
            QCOMPARE(Hijo<QLabel>(eleccion, "Label1")->text(), QString("Determinación del número de curva:"));
            QCOMPARE(Hijo<QRadioButton>(eleccion, "opcElige_0")->text(), QString("Paso a paso"));
            QCOMPARE(Hijo<QRadioButton>(eleccion, "opcElige_1")->text(), QString("Directamente de las tablas"));
            QCOMPARE(Hijo<QPushButton>(eleccion, "cmdAceptar")->text(), QString("&Aceptar"));
            QVERIFY(eleccion->isModal());
            QVERIFY(Hijo<QRadioButton>(eleccion, "opcElige_0")->isEnabled());
            QVERIFY(Hijo<QRadioButton>(eleccion, "opcElige_0")->isChecked());
            QVERIFY(Hijo<QRadioButton>(eleccion, "opcElige_1")->isEnabled());
            eleccion->close();
        });
        QVERIFY(Hijo<QRadioButton>(menu, "optSerieProgresivaNC")->isEnabled());
    }

    void exitItemEndsTheProgram() {
        auto* menu = AbrirMenu();
        Hijo<QAction>(menu, "mnuArchivoSalir")->trigger();
        QVERIFY(!menu->isVisible());
    }

    void helpTopicsOfTheMenuAndTheMethodChoice() {
        auto* menu = AbrirMenu();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QTest::keyClick(menu, Qt::Key_F1);
        QCOMPARE(TopicoAyudaDe(Hijo<QRadioButton>(menu, "optSerieProgresivaNC")), 60);
        QCOMPARE(TopicoAyudaDe(Hijo<QRadioButton>(menu, "optTarvel")), 1);
        Determinar(menu, [](frmEleccion* eleccion) {
            EnviarF1();
            QApplication::processEvents();
            QCOMPARE(TopicoAyudaDe(eleccion), 1);
            eleccion->close();
        });
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

    void stockButtonsSpeakTheLanguageOfTheRun() {
        AbrirMenu();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Sí"));
        Entorno().GuardarIdiomaAlmacenado("English");
        AbrirMenu();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Yes"));
    }
};

TARVEL_PRUEBA_UI(PruebaMenu)
#include "test_menu.moc"
