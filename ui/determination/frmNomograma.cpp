#include "ui/determination/frmNomograma.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/SessionState.h"
#include "determination/CondicionBosque.h"
#include "ui/common/Colores.h"
#include "ui/common/ReglaTeclado.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"

namespace tarvel {
namespace {

QFrame* Linea(QWidget* padre, const char* nombre) {
    auto* linea = new QFrame(padre);
    linea->setObjectName(nombre);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
    return linea;
}

QLineEdit* CajaEspesor(QWidget* padre, const char* nombre) {
    auto* caja = new QLineEdit(padre);
    caja->setObjectName(nombre);
    caja->setAlignment(Qt::AlignRight);
    caja->setFixedWidth(90);
    return caja;
}

}  // namespace

frmNomograma::frmNomograma(QWidget* padre)
    : DialogoAuxiliar(padre, "frmNomograma", kAyudaBosque), mFactorArrope(FactorArrope(false)),
      mFactorHumus(kFactorHumus) {
    CrearControles();
    PonerTextos();
    Disponer();
    ReglaTeclado::AplicarAVentana(this);

    // The focus starts on the litter measured before compaction, which selects it.
    opcEspesor[0]->setChecked(true);
    opcEspesor[0]->setFocus();
    CentrarEnPantalla(this);
}

// Created in focus order.
void frmNomograma::CrearControles() {
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    for (int i = 0; i < 2; ++i) {
        opcEspesor[i] = new QRadioButton(Frame1);
        opcEspesor[i]->setObjectName(QStringLiteral("opcEspesor_%1").arg(i));
        opcEspesor[i]->installEventFilter(this);
    }
    Label1 = new QLabel(Frame1);
    Label1->setObjectName("Label1");
    txtArrope = CajaEspesor(Frame1, "txtArrope");
    Label1->setBuddy(txtArrope);
    Label2 = new QLabel(this);
    Label2->setObjectName("Label2");
    txtHumus = CajaEspesor(this, "txtHumus");
    Label2->setBuddy(txtHumus);
    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    lstCompacidad = new QComboBox(this);
    lstCompacidad->setObjectName("lstCompacidad");
    lstCompacidad->installEventFilter(this);
    Label3->setBuddy(lstCompacidad);
    cmdCalcular = NuevoBoton("cmdCalcular");
    Label4 = new QLabel(this);
    Label4->setObjectName("Label4");
    txtCondHidrologica = new QLineEdit(this);
    txtCondHidrologica->setObjectName("txtCondHidrologica");
    txtCondHidrologica->setReadOnly(true);
    txtCondHidrologica->setAlignment(Qt::AlignCenter);
    txtCondHidrologica->setFixedWidth(90);
    PonerNegrita(txtCondHidrologica);
    QPalette verde = txtCondHidrologica->palette();
    verde.setColor(QPalette::Base, kFondoClaseBosque);
    verde.setColor(QPalette::Text, kTextoOscuro);
    txtCondHidrologica->setPalette(verde);
    Label4->setBuddy(txtCondHidrologica);
    cmdAceptar = NuevoBoton("cmdAceptar");
    cmdCancelar = NuevoBoton("cmdCancelar");
    Line1 = Linea(this, "Line1");
    Line2 = Linea(this, "Line2");

    for (QLineEdit* caja : {txtArrope, txtHumus}) {
        caja->installEventFilter(this);
        // A new depth needs a new calculation before the class can be accepted.
        connect(caja, &QLineEdit::textChanged, cmdAceptar, [this] { cmdAceptar->setEnabled(false); });
    }
    connect(cmdCalcular, &QPushButton::clicked, this, &frmNomograma::cmdCalcular_Click);
    connect(cmdAceptar, &QPushButton::clicked, this, &frmNomograma::cmdAceptar_Click);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);

    QWidget* orden[] = {opcEspesor[0], opcEspesor[1],      txtArrope,  txtHumus,   lstCompacidad,
                        cmdCalcular,   txtCondHidrologica, cmdAceptar, cmdCancelar};
    for (std::size_t i = 1; i < std::size(orden); ++i) setTabOrder(orden[i - 1], orden[i]);
}

void frmNomograma::PonerTextos() {
    setWindowTitle(T(67));
    Frame1->setTitle(T(68));
    opcEspesor[0]->setText(T(69));
    opcEspesor[1]->setText(T(70));
    Label1->setText(T(71));
    Label2->setText(T(72));
    Label3->setText(T(73));
    lstCompacidad->clear();
    for (const GradoCompacidad& grado : kGradosCompacidad) lstCompacidad->addItem(T(grado.texto));
    lstCompacidad->setCurrentIndex(-1);
    cmdCalcular->setText(T(78));
    Label4->setText(T(79));
    cmdAceptar->setText(T(80));
    cmdCancelar->setText(T(81));
    cmdAceptar->setEnabled(false);
}

// After the texts: the first column is as wide as the longest caption.
void frmNomograma::Disponer() {
    auto* arrope = new QGridLayout(Frame1);
    arrope->setHorizontalSpacing(10);
    arrope->setVerticalSpacing(6);
    arrope->addWidget(opcEspesor[0], 0, 0, 1, 3);
    arrope->addWidget(opcEspesor[1], 1, 0, 1, 3);
    arrope->setRowMinimumHeight(2, 2);
    arrope->addWidget(Label1, 3, 0);
    arrope->addWidget(txtArrope, 3, 1);
    arrope->setColumnStretch(2, 1);

    auto* datos = new QGridLayout;
    datos->setHorizontalSpacing(10);
    datos->setVerticalSpacing(10);
    datos->addWidget(Label2, 0, 0);
    datos->addWidget(txtHumus, 0, 1, Qt::AlignLeft);
    datos->addWidget(Label3, 1, 0);
    datos->addWidget(lstCompacidad, 1, 1);
    datos->addWidget(cmdCalcular, 2, 1, Qt::AlignRight);
    datos->addWidget(Line1, 3, 0, 1, 2);
    datos->addWidget(Label4, 4, 0);
    datos->addWidget(txtCondHidrologica, 4, 1, Qt::AlignLeft);
    datos->setColumnStretch(1, 1);

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(18, 16, 18, 16);
    columna->setSpacing(12);
    columna->addWidget(Frame1);
    columna->addLayout(datos);
    columna->addWidget(Line2);
    columna->addLayout(FilaBotones({cmdAceptar, cmdCancelar}));

    // The boxes and the list stand in line with the litter box inside its frame.
    ensurePolished();
    Frame1->ensurePolished();
    const int sangria = Frame1->contentsMargins().left() + arrope->contentsMargins().left();
    const int rotulos = std::max({Label2->sizeHint().width(), Label3->sizeHint().width(),
                                  Label4->sizeHint().width(), Label1->sizeHint().width() + sangria});
    datos->setColumnMinimumWidth(0, rotulos);
    arrope->setColumnMinimumWidth(0, rotulos - sangria);
}

bool frmNomograma::eventFilter(QObject* objeto, QEvent* evento) {
    const auto tipo = evento->type();
    if ((tipo == QEvent::FocusIn || tipo == QEvent::FocusOut) && CambioDeControl(evento)) {
        if (tipo == QEvent::FocusOut && (objeto == opcEspesor[0] || objeto == opcEspesor[1])) {
            opcEspesor_LostFocus();
        } else if (tipo == QEvent::FocusOut && objeto == lstCompacidad) {
            lstCompacidad_LostFocus();
        } else if (tipo == QEvent::FocusIn && (objeto == txtArrope || objeto == txtHumus)) {
            Espesor_GotFocus(static_cast<QLineEdit*>(objeto));
        }
    }
    return DialogoAuxiliar::eventFilter(objeto, evento);
}

void frmNomograma::opcEspesor_LostFocus() {
    // The factors follow the option that stands selected when the focus leaves
    // the pair, so what is computed is always what the dialog shows.
    mFactorArrope = FactorArrope(opcEspesor[1]->isChecked());
    mFactorHumus = kFactorHumus;
}

void frmNomograma::lstCompacidad_LostFocus() {
    const int elegido = lstCompacidad->currentIndex();
    if (elegido >= 0 && elegido < static_cast<int>(kGradosCompacidad.size())) {
        mCompacidad = kGradosCompacidad[static_cast<std::size_t>(elegido)].valor;
    }
}

void frmNomograma::Espesor_GotFocus(QLineEdit* caja) { SeleccionarTodo(caja); }

void frmNomograma::cmdCalcular_Click() {
    const auto espesores = ComprobarNomograma(txtArrope->text().toStdString(), txtHumus->text().toStdString(),
                                              lstCompacidad->currentIndex() >= 0);
    if (!espesores) {
        switch (espesores.error()) {
            case CampoNomograma::Arrope: txtArrope->setFocus(Qt::OtherFocusReason); break;
            case CampoNomograma::Humus: txtHumus->setFocus(Qt::OtherFocusReason); break;
            case CampoNomograma::Compacidad: lstCompacidad->setFocus(Qt::OtherFocusReason); break;
        }
        return;
    }
    const CondicionBosque condicion =
        ClaseCondicionBosque(espesores->arrope, espesores->humus, mFactorArrope, mCompacidad, mFactorHumus);
    mClase = condicion.clase;
    txtCondHidrologica->setText(QString::fromStdString(mClase));
    cmdAceptar->setEnabled(true);
    txtCondHidrologica->setFocus(Qt::OtherFocusReason);
}

void frmNomograma::cmdAceptar_Click() {
    gClaseBosque = mClase;
    accept();
}

}  // namespace tarvel
