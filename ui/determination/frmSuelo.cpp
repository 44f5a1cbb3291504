#include "ui/determination/frmSuelo.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/SessionState.h"
#include "determination/GrupoSuelo.h"
#include "ui/common/Accesibilidad.h"
#include "ui/common/Colores.h"
#include "ui/common/Mensajes.h"
#include "ui/common/ReglaTeclado.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"

namespace tarvel {
namespace {

// The particle sizes of each fraction, the same in both languages.
constexpr const char* kDiametros[3] = {"D < 0,002 mm", "D = [0,002-0,05] mm", "D = [0,05-2,00] mm"};

QLabel* EtiquetaGrupo(QWidget* padre, int indice) {
    const QByteArray nombre = QStringLiteral("lblGrupo_%1").arg(indice).toLatin1();
    auto* etiqueta = new EtiquetaResultado(padre, nombre.constData(), kNombreGrupoSuelo);
    QFont negrita = etiqueta->font();
    negrita.setBold(true);
    negrita.setPointSizeF(negrita.pointSizeF() * 1.25);
    etiqueta->setFont(negrita);
    etiqueta->setAlignment(Qt::AlignCenter);
    etiqueta->setFixedSize(44, 30);
    etiqueta->setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: #202020;"
                                           " border: 1px solid #b9b27a; border-radius: 3px; }")
                                .arg(kFondoResultado.name()));
    return etiqueta;
}

// The rectangle that frames a panel's group caption and letter.
QFrame* Marco(QWidget* padre, const char* nombre, QLabel* titulo, QLabel* grupo) {
    auto* marco = new QFrame(padre);
    marco->setObjectName(nombre);
    marco->setFrameShape(QFrame::StyledPanel);
    marco->setFrameShadow(QFrame::Sunken);
    auto* fila = new QHBoxLayout(marco);
    fila->setContentsMargins(10, 6, 8, 6);
    fila->setSpacing(10);
    fila->addWidget(titulo);
    fila->addWidget(grupo);
    return marco;
}

}  // namespace

frmSuelo::frmSuelo(QWidget* padre) : DialogoAuxiliar(padre, "frmSuelo", kAyudaGrupoSuelo) {
    CrearControles();
    Disponer();
    PonerTextos();
    ReglaTeclado::AplicarAVentana(this);

    // The focus starts on the first method, which selects it.
    opcMetodo[0]->setChecked(true);
    opcMetodo[0]->setFocus();
    CentrarEnPantalla(this);
}

// Created in focus order: the method options, the rate options, the three
// percentage boxes, the auxiliary stop, OK and Cancel.
void frmSuelo::CrearControles() {
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    for (int i = 0; i < 3; ++i) {
        opcMetodo[i] = new QRadioButton(Frame1);
        opcMetodo[i]->setObjectName(QStringLiteral("opcMetodo_%1").arg(i));
        connect(opcMetodo[i], &QRadioButton::toggled, this, [this, i](bool marcado) {
            if (marcado) opcMetodo_Click(i);
        });
    }
    // There is no computation from ks: the method is shown, never offered.
    opcMetodo[2]->setEnabled(false);

    // The two panels share one place; only the one of the method chosen shows.
    pilaMetodos = new QStackedWidget(this);
    pilaMetodos->setObjectName("pilaMetodos");
    for (int i = 0; i < 2; ++i) {
        mrcMetodo[i] = new QGroupBox(pilaMetodos);
        mrcMetodo[i]->setObjectName(QStringLiteral("mrcMetodo_%1").arg(i));
        Label1[i] = new QLabel(mrcMetodo[i]);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        lblGrupo[i] = EtiquetaGrupo(mrcMetodo[i], i);
        lblGrupo[i]->installEventFilter(this);
        pilaMetodos->addWidget(mrcMetodo[i]);
    }
    for (int k = 0; k < 4; ++k) {
        opcTasa[k] = new QRadioButton(mrcMetodo[0]);
        opcTasa[k]->setObjectName(QStringLiteral("opcTasa_%1").arg(k));
        connect(opcTasa[k], &QRadioButton::clicked, this, [this, k] { opcTasa_Click(k); });
    }
    Shape[0] = Marco(mrcMetodo[0], "Shape1", Label1[0], lblGrupo[0]);

    QLabel** rotulos[3] = {&Label3, &Label4, &Label5};
    for (int i = 0; i < 3; ++i) {
        QLabel*& rotulo = *rotulos[i];
        rotulo = new QLabel(mrcMetodo[1]);
        rotulo->setObjectName(QStringLiteral("Label%1").arg(i + 3));
        rotulo->setToolTip(kDiametros[i]);
        txtPorcentaje[i] = new QLineEdit(mrcMetodo[1]);
        txtPorcentaje[i]->setObjectName(QStringLiteral("txtPorcentaje_%1").arg(i));
        txtPorcentaje[i]->setToolTip(kDiametros[i]);
        txtPorcentaje[i]->setAlignment(Qt::AlignRight);
        txtPorcentaje[i]->setFixedWidth(90);
        txtPorcentaje[i]->installEventFilter(this);
        rotulo->setBuddy(txtPorcentaje[i]);
    }
    // The stop after the sand box that runs the texture check when entered. It
    // never keeps the focus, so it is only a dot nobody sees.
    txtExtra = new QLineEdit(QStringLiteral("Text1"), mrcMetodo[1]);
    txtExtra->setObjectName("txtExtra");
    txtExtra->setFrame(false);
    txtExtra->setReadOnly(true);
    txtExtra->setFixedSize(2, 2);
    txtExtra->setStyleSheet("QLineEdit { background: transparent; color: transparent; border: none; }");
    txtExtra->installEventFilter(this);
    Shape[1] = Marco(mrcMetodo[1], "Shape2", Label1[1], lblGrupo[1]);

    cmdAceptar = NuevoBoton("cmdAceptar");
    cmdCancelar = NuevoBoton("cmdCancelar");
    connect(cmdAceptar, &QPushButton::clicked, this, &frmSuelo::cmdAceptar_Click);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);

    QWidget* orden[] = {opcMetodo[0], opcMetodo[1], opcMetodo[2], opcTasa[0],       opcTasa[1],
                        opcTasa[2],   opcTasa[3],   txtPorcentaje[0], txtPorcentaje[1], txtPorcentaje[2],
                        txtExtra,     cmdAceptar,   cmdCancelar};
    for (std::size_t i = 1; i < std::size(orden); ++i) setTabOrder(orden[i - 1], orden[i]);
}

void frmSuelo::Disponer() {
    auto* metodos = new QVBoxLayout(Frame1);
    metodos->setSpacing(6);
    for (QRadioButton* opcion : opcMetodo) metodos->addWidget(opcion);

    auto* tasas = new QVBoxLayout(mrcMetodo[0]);
    tasas->setSpacing(6);
    for (QRadioButton* opcion : opcTasa) tasas->addWidget(opcion);
    tasas->addStretch();
    auto* filaTasa = new QHBoxLayout;
    filaTasa->addStretch();
    filaTasa->addWidget(Shape[0]);
    tasas->addLayout(filaTasa);

    auto* textura = new QGridLayout(mrcMetodo[1]);
    textura->setHorizontalSpacing(10);
    textura->setVerticalSpacing(8);
    QLabel* rotulos[3] = {Label3, Label4, Label5};
    for (int i = 0; i < 3; ++i) {
        textura->addWidget(rotulos[i], i, 0);
        textura->addWidget(txtPorcentaje[i], i, 1);
    }
    textura->addWidget(txtExtra, 2, 2, Qt::AlignLeft | Qt::AlignBottom);
    textura->setColumnStretch(3, 1);
    textura->setRowMinimumHeight(3, 4);
    textura->addWidget(Shape[1], 4, 0, 1, 4, Qt::AlignRight);
    textura->setRowStretch(5, 1);

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(18, 16, 18, 16);
    columna->setSpacing(12);
    columna->addWidget(Frame1);
    columna->addWidget(pilaMetodos);
    columna->addSpacing(2);
    columna->addLayout(FilaBotones({cmdAceptar, cmdCancelar}));
}

void frmSuelo::PonerTextos() {
    setWindowTitle(T(82));
    Frame1->setTitle(T(83));
    for (int i = 0; i < 3; ++i) opcMetodo[i]->setText(T(84 + i));
    mrcMetodo[1]->setTitle(T(87));
    Label3->setText(T(88));
    Label4->setText(T(89));
    Label5->setText(T(90));
    Label1[1]->setText(T(91));
    mrcMetodo[0]->setTitle(T(92));
    for (int k = 0; k < 4; ++k) opcTasa[k]->setText(T(93 + k));
    Label1[0]->setText(T(97));
    cmdAceptar->setText(T(98));
    cmdCancelar->setText(T(99));
    txtExtra->setAccessibleName(T(kNombreComprobacionTextura));
    cmdAceptar->setEnabled(false);
}

bool frmSuelo::eventFilter(QObject* objeto, QEvent* evento) {
    const auto tipo = evento->type();
    if (tipo == QEvent::FocusIn && objeto == txtExtra) {
        if (CambioDeControl(evento)) txtExtra_GotFocus();
    } else if ((tipo == QEvent::FocusIn || tipo == QEvent::FocusOut) && CambioDeControl(evento)) {
        for (int i = 0; i < 3; ++i) {
            if (objeto != txtPorcentaje[i]) continue;
            if (tipo == QEvent::FocusIn) {
                txtPorcentaje_GotFocus(i);
            } else {
                txtPorcentaje_LostFocus(i);
            }
        }
    } else if (tipo == QEvent::MouseButtonPress) {
        for (int i = 0; i < 2; ++i) {
            if (objeto == lblGrupo[i]) lblGrupo_Click(i);
        }
    }
    return DialogoAuxiliar::eventFilter(objeto, evento);
}

void frmSuelo::opcMetodo_Click(int indice) {
    mMetodo = static_cast<std::int16_t>(indice);
    if (indice > 1) return;
    pilaMetodos->setCurrentIndex(indice);
    lblGrupo[indice]->clear();
}

void frmSuelo::opcTasa_Click(int indice) {
    mLetraGrupo = GrupoPorTasa(indice);
    mComoGrupo = SueloPorTasa{indice};
    if (mMetodo <= 1) lblGrupo[mMetodo]->setText(QString::fromStdString(mLetraGrupo));
    cmdAceptar->setEnabled(true);
}

void frmSuelo::txtPorcentaje_GotFocus(int indice) { SeleccionarTodo(txtPorcentaje[indice]); }

void frmSuelo::txtPorcentaje_LostFocus(int indice) {
    const Porcentaje leido = ValidarPorcentaje(txtPorcentaje[indice]->text().toStdString());
    mIntroducido[indice] = leido.valido;
    if (leido.valido) mPorcentaje[indice] = leido.valor;
    cmdAceptar->setEnabled(SumaCorrecta(mPorcentaje, mIntroducido));
}

void frmSuelo::txtExtra_GotFocus() {
    // The message box takes the focus away and gives it back: that is no new entry.
    if (mComprobando) return;
    const ComprobacionTextura comprobacion = ComprobarTextura(mPorcentaje, mIntroducido);
    switch (comprobacion.resultado) {
        case ComprobacionTextura::Resultado::Grupo:
            mLetraGrupo = comprobacion.letra;
            mComoGrupo = SueloPorTextura{{txtPorcentaje[kArcilla]->text().toStdString(),
                                          txtPorcentaje[kLimo]->text().toStdString(),
                                          txtPorcentaje[kArena]->text().toStdString()}};
            if (mMetodo <= 1) lblGrupo[mMetodo]->setText(QString::fromStdString(mLetraGrupo));
            cmdAceptar->setEnabled(true);
            cmdAceptar->setFocus(Qt::OtherFocusReason);
            break;
        case ComprobacionTextura::Resultado::SumaIncorrecta:
            mComprobando = true;
            MostrarMensaje(this, T(209), BotonesMensaje::Aceptar, IconoMensaje::Informacion, T(210));
            mComprobando = false;
            // The window may only become active again later, when the focus
            // comes back with it: select the text now so that typing replaces it.
            txtPorcentaje[kArcilla]->setFocus(Qt::OtherFocusReason);
            txtPorcentaje[kArcilla]->selectAll();
            break;
        case ComprobacionTextura::Resultado::FaltaPorcentaje:
            txtPorcentaje[comprobacion.caja]->setFocus(Qt::OtherFocusReason);
            break;
    }
}

void frmSuelo::lblGrupo_Click(int indice) {
    if (indice == 1) txtExtra->setFocus(Qt::MouseFocusReason);
}

void frmSuelo::cmdAceptar_Click() {
    gLetraGrupoSuelo = mLetraGrupo;
    gComoGrupoSuelo = mComoGrupo;
    accept();
}

}  // namespace tarvel
