#include "ui/determination/frmPrincipal.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStylePainter>
#include <QVBoxLayout>

#include "app/FormatoNumerico.h"
#include "app/Idioma.h"
#include "ui/common/Accesibilidad.h"
#include "ui/common/Colores.h"
#include "ui/common/DatosPrograma.h"
#include "ui/common/Mensajes.h"
#include "ui/common/ReglaTeclado.h"
#include "ui/common/SessionState.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"
#include "ui/determination/frmNomograma.h"
#include "ui/determination/frmSuelo.h"
#include "ui/help/Ayuda.h"

namespace tarvel {
namespace {

// A read-only, centred box whose text is blue.
QLineEdit* CajaResultado(QWidget* padre, const char* nombre, int ancho) {
    auto* caja = new QLineEdit(padre);
    caja->setObjectName(nombre);
    caja->setReadOnly(true);
    caja->setAlignment(Qt::AlignCenter);
    caja->setFixedWidth(ancho);
    caja->setFocusPolicy(Qt::NoFocus);
    PonerNegrita(caja);
    return caja;
}

void Colorear(QWidget* control, const QColor& texto, std::optional<QColor> fondo) {
    QPalette paleta = control->palette();
    paleta.setColor(QPalette::Text, texto);
    paleta.setColor(QPalette::WindowText, texto);
    const QColor base = fondo.value_or(control->palette().color(QPalette::Button));
    paleta.setColor(QPalette::Base, base);
    paleta.setColor(QPalette::Window, base);
    control->setPalette(paleta);
}

QRadioButton* Opcion(QWidget* padre, const QString& nombre) {
    auto* opcion = new QRadioButton(padre);
    opcion->setObjectName(nombre);
    // The classification decides which option is selected, and it may leave
    // none: the window only mirrors it.
    opcion->setAutoExclusive(false);
    return opcion;
}

// A vegetation list: an entry wider than the list ends in "…" there, and the
// drop-down shows it whole.
class ListaVegetacion : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter pintor(this);
        pintor.setPen(palette().color(QPalette::Text));
        QStyleOptionComboBox opcion;
        initStyleOption(&opcion);
        pintor.drawComplexControl(QStyle::CC_ComboBox, opcion);
        const QRect campo = style()->subControlRect(QStyle::CC_ComboBox, &opcion, QStyle::SC_ComboBoxEditField, this);
        opcion.currentText = fontMetrics().elidedText(opcion.currentText, Qt::ElideRight, campo.width() - 2);
        pintor.drawControl(QStyle::CE_ComboBoxLabel, opcion);
    }
};

}  // namespace

frmPrincipal::frmPrincipal(QWidget* padre, std::filesystem::path datos)
    : QDialog(padre), mClasificacion(datos.empty() ? RutaDatosPrograma() : std::move(datos), gFilaDatos) {
    setObjectName("frmPrincipal");
    PrepararDialogo(this);
    FijarTopicoAyuda(this, kAyudaGeneral);

    // Opening: the separator in force, then no answer given yet.
    DetectarSeparadorDecimal();
    PublicarRespuestas();

    CrearVegetacion();
    CrearLaboreo();
    CrearCondicion();
    CrearSuelo();
    CrearResultado();
    CrearBotones();
    Disponer();
    PonerTextos();
    ReglaTeclado::AplicarAVentana(this);

    // The focus starts on the general group, which chooses it.
    mClasificacion.ElegirGrupoVegetacion(kGrupoGeneral);
    Mostrar();
    opcTipo[0]->setFocus();
    CentrarEnPantalla(this);
}

void frmPrincipal::CrearVegetacion() {
    // Group and entry; the two lists share one place.
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    for (int g = 0; g < 2; ++g) {
        opcTipo[g] = Opcion(Frame1, QStringLiteral("opcTipo_%1").arg(g));
        connect(opcTipo[g], &QRadioButton::clicked, this, [this, g] { opcTipo_Click(g); });
    }
    Label1 = new QLabel(Frame1);
    Label1->setObjectName("Label1");
    for (int g = 0; g < 2; ++g) {
        lstVegetacion[g] = new ListaVegetacion(Frame1);
        lstVegetacion[g]->setObjectName(QStringLiteral("lstVegetacion_%1").arg(g));
        lstVegetacion[g]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        const int primera = g == kGrupoGeneral ? kTextoPrimeraGeneral : kTextoPrimeraArida;
        const int cuantas = g == kGrupoGeneral ? kEntradasGenerales : kEntradasAridas;
        for (int i = 0; i < cuantas; ++i) lstVegetacion[g]->addItem(T(primera + i));
        connect(lstVegetacion[g], &QComboBox::activated, this, [this, g](int i) { lstVegetacion_Click(g, i); });
    }
    // Both lists as wide as the longest general entry, so that the window keeps
    // its size when the group changes; a longer arid entry (the English ones
    // are long) shows whole in the drop-down, which is as wide as its entries.
    const int anchoLista = lstVegetacion[kGrupoGeneral]->sizeHint().width();
    for (QComboBox* lista : lstVegetacion) {
        lista->view()->setMinimumWidth(lista->sizeHint().width());
        lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        lista->setMinimumWidth(anchoLista);
    }
    auto* grupos = new QHBoxLayout;
    grupos->addWidget(opcTipo[0]);
    grupos->addSpacing(24);
    grupos->addWidget(opcTipo[1]);
    grupos->addStretch();
    auto* listas = new QGridLayout;
    listas->addWidget(Label1, 0, 0);
    listas->addWidget(lstVegetacion[0], 0, 1);
    listas->addWidget(lstVegetacion[1], 0, 1);
    listas->setColumnStretch(1, 1);
    auto* vegetacion = new QVBoxLayout(Frame1);
    vegetacion->addLayout(grupos);
    vegetacion->addLayout(listas);

}

void frmPrincipal::CrearLaboreo() {
    // Treatment, in two columns.
    Frame3 = new QGroupBox(this);
    Frame3->setObjectName("Frame3");
    auto* laboreos = new QGridLayout(Frame3);
    for (int i = 0; i < kTratamientos; ++i) {
        opcSuelo[i] = Opcion(Frame3, QStringLiteral("opcSuelo_%1").arg(i));
        laboreos->addWidget(opcSuelo[i], i % 4, i / 4);
        connect(opcSuelo[i], &QRadioButton::clicked, this, [this, i] { opcSuelo_Click(i); });
    }

}

void frmPrincipal::CrearCondicion() {
    // Hydrologic condition, or the forest class for woods.
    Frame4 = new QGroupBox(this);
    Frame4->setObjectName("Frame4");
    auto* condiciones = new QVBoxLayout(Frame4);
    for (int i = 0; i < kCondiciones; ++i) {
        opcCondicion[i] = Opcion(Frame4, QStringLiteral("opcCondicion_%1").arg(i));
        condiciones->addWidget(opcCondicion[i]);
        connect(opcCondicion[i], &QRadioButton::clicked, this, [this, i] { opcCondicion_Click(i); });
    }
    cmdHidro = new QPushButton(Frame4);
    cmdHidro->setObjectName("cmdHidro");
    connect(cmdHidro, &QPushButton::clicked, this, &frmPrincipal::cmdHidro_Click);
    lblClaseBosque = new QLabel(Frame4);
    lblClaseBosque->setObjectName("lblClaseBosque");
    txtClaseBosque = CajaResultado(Frame4, "txtClaseBosque", 56);
    auto* clase = new QHBoxLayout;
    clase->addWidget(cmdHidro);
    clase->addSpacing(12);
    clase->addWidget(lblClaseBosque);
    clase->addWidget(txtClaseBosque);
    clase->addStretch();
    condiciones->addStretch();
    condiciones->addLayout(clase);

}

void frmPrincipal::CrearSuelo() {
    // Soil group.
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    cmdDeterminarSuelo = new QPushButton(Frame2);
    cmdDeterminarSuelo->setObjectName("cmdDeterminarSuelo");
    connect(cmdDeterminarSuelo, &QPushButton::clicked, this, &frmPrincipal::cmdDeterminarSuelo_Click);
    Label2 = new QLabel(Frame2);
    Label2->setObjectName("Label2");
    txtSuelo = CajaResultado(Frame2, "txtSuelo", 48);
    Colorear(txtSuelo, kTextoResultado, kFondoResultado);
    auto* suelo = new QHBoxLayout(Frame2);
    suelo->addWidget(cmdDeterminarSuelo);
    suelo->addSpacing(12);
    suelo->addWidget(Label2);
    suelo->addWidget(txtSuelo);
    suelo->addStretch();

}

void frmPrincipal::CrearResultado() {
    // The curve number.
    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    Shape1->setFrameShape(QFrame::StyledPanel);
    Label3 = new QLabel(Shape1);
    Label3->setObjectName("Label3");
    lblTarvelva = new EtiquetaResultado(Shape1, "lblTarvelva", 62);
    lblTarvelva->setAlignment(Qt::AlignCenter);
    lblTarvelva->setAutoFillBackground(true);
    lblTarvelva->setFrameShape(QFrame::Panel);
    lblTarvelva->setFrameShadow(QFrame::Sunken);
    QFont grande = lblTarvelva->font();
    grande.setPointSize(24);
    grande.setBold(true);
    lblTarvelva->setFont(grande);
    lblTarvelva->setFixedSize(112, 56);
    auto* resultado = new QHBoxLayout(Shape1);
    resultado->addWidget(Label3);
    resultado->addWidget(lblTarvelva);

}

void frmPrincipal::CrearBotones() {
    cmdAceptar = new QPushButton(this);
    cmdAceptar->setObjectName("cmdAceptar");
    cmdAceptar->setMinimumWidth(96);
    connect(cmdAceptar, &QPushButton::clicked, this, &frmPrincipal::cmdAceptar_Click);
    cmdAyuda = new QPushButton(QStringLiteral("?"), this);
    cmdAyuda->setObjectName("cmdAyuda");
    PonerNegrita(cmdAyuda);
    cmdAyuda->setFixedWidth(32);
    // The focus stays where it is, so that help opens on the control in use.
    cmdAyuda->setFocusPolicy(Qt::NoFocus);
    connect(cmdAyuda, &QPushButton::clicked, this, [] { EnviarF1(); });
    for (QPushButton* boton : findChildren<QPushButton*>()) boton->setAutoDefault(false);

}

void frmPrincipal::Disponer() {
    auto* centro = new QHBoxLayout;
    centro->addWidget(Frame3, 1);
    centro->addWidget(Frame4, 1);
    auto* pie = new QHBoxLayout;
    pie->addWidget(Frame2, 1);
    pie->addSpacing(8);
    pie->addWidget(Shape1);
    auto* botones = new QHBoxLayout;
    botones->addWidget(cmdAyuda);
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(16, 14, 16, 14);
    columna->setSpacing(10);
    columna->addWidget(Frame1);
    columna->addLayout(centro);
    columna->addLayout(pie);
    columna->addLayout(botones);

}

void frmPrincipal::PonerTextos() {
    setWindowTitle(T(20));
    Frame1->setTitle(T(21));
    opcTipo[0]->setText(T(22));
    opcTipo[1]->setText(T(23));
    Label1->setText(T(24));
    Frame3->setTitle(T(50));
    for (int i = 0; i < kTratamientos; ++i) opcSuelo[i]->setText(T(kTextoPrimerLaboreo + i));
    Frame4->setTitle(T(44));
    for (int i = 0; i < kCondiciones; ++i) opcCondicion[i]->setText(T(kTextosCondicion[i]));
    cmdHidro->setText(T(48));
    lblClaseBosque->setText(T(49));
    Frame2->setTitle(T(59));
    cmdDeterminarSuelo->setText(T(60));
    Label2->setText(T(61));
    Label3->setText(T(62));
    cmdAceptar->setText(T(63));

    // What screen readers call the boxes whose caption is not their buddy.
    txtClaseBosque->setAccessibleName(NombreDeRotulo(T(79)));
    txtSuelo->setAccessibleName(T(kNombreGrupoSuelo));
    cmdAyuda->setAccessibleName(T(kNombreAyuda));
}

void frmPrincipal::opcTipo_Click(int grupo) {
    // Choosing the group already chosen changes nothing.
    if (mClasificacion.Estado().grupo == grupo) return Mostrar();
    mClasificacion.ElegirGrupoVegetacion(grupo);
    Actualizar();
    lstVegetacion[grupo]->setFocus();
}

void frmPrincipal::lstVegetacion_Click(int grupo, int posicion) {
    const auto& estado = mClasificacion.Estado();
    if (estado.grupo == grupo && estado.posicion == posicion) return Mostrar();
    mClasificacion.ElegirVegetacion(grupo, posicion);
    Actualizar();
}

void frmPrincipal::opcSuelo_Click(int indice) {
    if (mClasificacion.Estado().laboreoMarcado == indice) return Mostrar();
    mClasificacion.ElegirLaboreo(indice);
    Actualizar();
}

void frmPrincipal::opcCondicion_Click(int indice) {
    if (mClasificacion.Estado().condicionMarcada == indice) return Mostrar();
    mClasificacion.ElegirCondicion(indice);
    Actualizar();
}

void frmPrincipal::cmdHidro_Click() {
    {
        frmNomograma nomograma(this);
        nomograma.exec();
    }
    mClasificacion.FijarClaseBosque(gClaseBosque);
    Actualizar();
}

void frmPrincipal::cmdDeterminarSuelo_Click() {
    {
        frmSuelo suelo(this);
        suelo.exec();
    }
    mClasificacion.FijarGrupoSuelo(gLetraGrupoSuelo);
    Actualizar();
}

void frmPrincipal::Actualizar() {
    Mostrar();
    // The data file failed the lookup: the number stays empty and the user is told why.
    if (const auto& error = mClasificacion.Estado().errorDatos) MostrarErrorDatos(this, *error);
}

void frmPrincipal::cmdAceptar_Click() {
    const auto& valor = mClasificacion.Estado().valor;
    // A missing value ("?") is no curve number either.
    const auto numero = valor ? NumeroCurva(*valor) : std::nullopt;
    if (!numero) {
        MostrarMensaje(this, T(64));
        return;
    }
    gNCElegido = static_cast<std::int16_t>(*numero);
    gOrigenCurva = TrazaDeRespuestas(mClasificacion.Estado().respuestas, gComoGrupoSuelo, IdiomaEnVigor().idioma);
    accept();
}

void frmPrincipal::PublicarRespuestas() {
    const auto& r = mClasificacion.Estado().respuestas;
    gFilaDatos = r.filaDatos;
    gClaseBosque = r.claseBosque;
}

void frmPrincipal::Mostrar() {
    PublicarRespuestas();
    const auto& estado = mClasificacion.Estado();
    for (int g = 0; g < 2; ++g) {
        opcTipo[g]->setChecked(estado.grupo == g);
        lstVegetacion[g]->setVisible(estado.grupo == g);
    }
    // The caption names the list on show (screen readers take a list's name from its label).
    Label1->setBuddy(lstVegetacion[estado.grupo]);
    lstVegetacion[estado.grupo]->setCurrentIndex(estado.posicion);
    FijarTopicoAyuda(lstVegetacion[estado.grupo], TopicoAyudaVegetacion(estado.respuestas.vegetacion));

    for (int i = 0; i < kTratamientos; ++i) {
        opcSuelo[i]->setEnabled(estado.laboreoHabilitado[i]);
        opcSuelo[i]->setChecked(estado.laboreoMarcado == i);
    }
    for (int i = 0; i < kCondiciones; ++i) {
        opcCondicion[i]->setEnabled(estado.condicionHabilitada[i]);
        opcCondicion[i]->setChecked(estado.condicionMarcada == i);
    }
    opcCondicion[2]->setText(T(estado.textoCondicion2));

    for (QWidget* control : {static_cast<QWidget*>(cmdHidro), static_cast<QWidget*>(lblClaseBosque),
                             static_cast<QWidget*>(txtClaseBosque)}) {
        control->setEnabled(estado.claseBosqueHabilitada);
    }
    Colorear(txtClaseBosque, kTextoResultado, estado.claseBosqueHabilitada ? std::optional(kFondoResultado) : std::nullopt);
    txtClaseBosque->setText(DeUtf8(estado.textoClaseBosque));
    txtSuelo->setText(DeUtf8(estado.textoSuelo));

    const auto& numero = estado.numeroCurva;
    lblTarvelva->setText(numero ? DeUtf8(numero->texto) : QString());
    Colorear(lblTarvelva, numero && numero->rojo ? kTextoFalta : kTextoResultado, kFondoResultado);
}

}  // namespace tarvel
