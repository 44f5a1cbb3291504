#include "ui/determination/frmTabla.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/SessionState.h"
#include "app/TopicosAyuda.h"
#include "data/Datos.h"
#include "data/TablasReferencia.h"
#include "determination/SeleccionTabla.h"
#include "ui/common/Accesibilidad.h"
#include "ui/help/Ayuda.h"
#include "ui/common/Colores.h"
#include "ui/common/Mensajes.h"
#include "ui/determination/RejillaTabla.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"

namespace tarvel {
namespace {


TablaReferencia TablaDe(int indice) { return indice == 0 ? TablaReferencia::General : TablaReferencia::Arida; }

}  // namespace

frmTabla::frmTabla(QWidget* padre, std::filesystem::path archivoDatos)
    : QDialog(padre), mArchivoDatos(std::move(archivoDatos)) {
    setObjectName("frmTabla");
    PrepararDialogo(this);

    Ficha = new QTabWidget(this);
    Ficha->setObjectName("Ficha");
    for (int i = 0; i < 2; ++i) {
        auto* pagina = new QWidget;
        Tabla[i] = new RejillaTabla(pagina);
        Tabla[i]->setObjectName(QStringLiteral("Tabla_%1").arg(i));
        auto* disposicion = new QVBoxLayout(pagina);
        disposicion->setContentsMargins(8, 8, 8, 8);
        disposicion->addWidget(Tabla[i], 1, i == 0 ? Qt::AlignHCenter : Qt::AlignHCenter | Qt::AlignTop);
        Ficha->addTab(pagina, QString());
        connect(Tabla[i], &RejillaTabla::celdaDobleClic, this,
                [this, i](int fila, int columna) { Tabla_DblClick(i, fila, columna); });
    }
    connect(Ficha, &QTabWidget::currentChanged, this, [this](int indice) { Ficha_Click(indice + 1); });

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    lblCoefEsc = new EtiquetaResultado(this, "lblCoefEsc", 104);
    QFont grande(QStringLiteral("Arial"));
    grande.setPointSizeF(15.75);
    grande.setBold(true);
    lblCoefEsc->setFont(grande);
    QPalette paleta = lblCoefEsc->palette();
    paleta.setColor(QPalette::WindowText, kTextoResultado);
    paleta.setColor(QPalette::Window, kFondoResultado);
    lblCoefEsc->setPalette(paleta);
    lblCoefEsc->setAutoFillBackground(true);
    lblCoefEsc->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblCoefEsc->setAlignment(Qt::AlignCenter);
    lblCoefEsc->setMinimumSize(PixelesDeTwips(this, 690) + 12, PixelesDeTwips(this, 390) + 6);
    cmdAceptar = new QPushButton(this);
    cmdAceptar->setObjectName("cmdAceptar");
    cmdAceptar->setMinimumWidth(96);
    cmdAceptar->setDefault(true);
    cmdAyuda = new QPushButton(QStringLiteral("?"), this);
    cmdAyuda->setObjectName("cmdAyuda");
    cmdAyuda->setFixedSize(24, 24);
    cmdAyuda->setAutoDefault(false);
    connect(cmdAceptar, &QPushButton::clicked, this, &frmTabla::cmdAceptar_Click);
    connect(cmdAyuda, &QPushButton::clicked, this, &frmTabla::cmdAyuda_Click);

    auto* pie = new QHBoxLayout;
    pie->setSpacing(10);
    pie->addSpacing(cmdAyuda->width());
    pie->addStretch();
    pie->addWidget(Label1);
    pie->addWidget(lblCoefEsc);
    pie->addSpacing(18);
    pie->addWidget(cmdAceptar);
    pie->addStretch();
    pie->addWidget(cmdAyuda, 0, Qt::AlignBottom);
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(10, 10, 10, 8);
    columna->setSpacing(10);
    columna->addWidget(Ficha, 1);
    columna->addLayout(pie);

    setTabOrder(Ficha, Tabla[0]);
    setTabOrder(Tabla[0], Tabla[1]);
    setTabOrder(Tabla[1], cmdAyuda);
    setTabOrder(cmdAyuda, cmdAceptar);

    Form_Load();
}

void frmTabla::Form_Load() {
    setWindowTitle(T(202));
    Ficha->setTabText(0, T(100));
    Ficha->setTabToolTip(0, T(101));
    Ficha->setTabText(1, T(102));
    Ficha->setTabToolTip(1, T(103));
    Label1->setText(T(104));
    cmdAceptar->setText(T(105));
    // Screen readers call each grid by its tab.
    Tabla[0]->setAccessibleName(T(100));
    Tabla[1]->setAccessibleName(T(102));
    cmdAyuda->setAccessibleName(T(kNombreAyuda));

    FijarTopicoAyuda(this, kAyudaGeneral);
    FijarTopicoAyuda(Ficha, kAyudaGeneral);
    FijarTopicoAyuda(Ficha->tabBar(), kAyudaGeneral);
    FijarTopicoAyuda(Tabla[0], kAyudaGeneral);
    FijarTopicoAyuda(Tabla[1], kAyudaArida);

    // The whole file is read and checked before anything is shown: a file that
    // breaks its layout could otherwise put values in the wrong rows.
    auto leidos = tarvel::LeerDatos(mArchivoDatos);
    if (!leidos) {
        mErrorDatos = leidos.error();
        return;
    }
    mDatos = std::move(*leidos);

    LlenarTablaGeneral();
    LlenarTablaArida();
    Ficha->setCurrentIndex(0);
    Ficha->setFocus();
    Disponer();
}

int frmTabla::exec() {
    if (mErrorDatos) {
        MostrarErrorDatos(parentWidget(), *mErrorDatos);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void frmTabla::LlenarTablaGeneral() { Llenar(0); }
void frmTabla::LlenarTablaArida() { Llenar(1); }
void frmTabla::LeerDatosGeneral() { EscribirValores(0); }
void frmTabla::LeerDatosArida() { EscribirValores(1); }

void frmTabla::Llenar(int indice) {
    const auto tabla = TablaDe(indice);
    const auto& e = Estructura(tabla);
    RejillaTabla* rejilla = Tabla[indice];
    rejilla->hide();
    rejilla->setRowCount(e.filas);
    rejilla->setColumnCount(e.columnas);
    for (int columna = 0; columna < e.columnas; ++columna) rejilla->FijarAnchoTwips(columna, e.anchosTwips[columna]);

    // Headings and labels now; the values come from the reader.
    const auto celdas = CeldasDeTabla(tabla, {}, gIdioma);
    for (int fila = 0; fila < e.filas; ++fila) {
        for (int columna = 0; columna < e.columnas; ++columna) {
            auto* celda = new QTableWidgetItem;
            const bool valor = columna >= e.primeraColumnaSuelo;
            if (fila < kFilasCabecera) {
                celda->setFlags(Qt::ItemIsEnabled);
                celda->setTextAlignment(Qt::AlignCenter);
            } else {
                celda->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                celda->setTextAlignment(valor ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            }
            if (CeldaSombreada(tabla, fila, columna)) celda->setBackground(kFondoFilaAlterna);
            if (fila < kFilasCabecera || !valor) celda->setText(DeUtf8(celdas[fila][columna]));
            rejilla->setItem(fila, columna, celda);
        }
    }
    for (const auto& u : UnionesDeTabla(tabla, celdas)) rejilla->Unir(u.fila, u.columna, u.filas, u.columnas);
    rejilla->FijarFilasCabecera(kFilasCabecera);

    if (indice == 0) {
        LeerDatosGeneral();
    } else {
        LeerDatosArida();
    }
    rejilla->AjustarAltoFilas();
    // The arid grid stays hidden until its tab is chosen.
    if (indice == 0) rejilla->show();
}

void frmTabla::EscribirValores(int indice) {
    const auto tabla = TablaDe(indice);
    const auto& e = Estructura(tabla);
    const auto celdas = CeldasDeTabla(tabla, mDatos, gIdioma);
    for (const auto& cuerpo : e.cuerpo) {
        const int fila = FilaRejilla(tabla, cuerpo.filaDatos);
        for (int columna = e.primeraColumnaSuelo; columna < e.columnas; ++columna) {
            Tabla[indice]->item(fila, columna)->setText(DeUtf8(celdas[fila][columna]));
        }
    }
}

void frmTabla::Disponer() {
    // Every column in view without a horizontal scroll bar; the general table
    // scrolls its body, the arid one shows all its rows.
    Tabla[0]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Tabla[1]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QSize arida = Tabla[1]->TamanoJusto(true);
    Tabla[1]->setFixedSize(arida);
    Tabla[0]->setFixedWidth(Tabla[0]->TamanoJusto(false).width());
    Tabla[0]->setMinimumHeight(std::max(PixelesDeTwips(this, 5130), arida.height()));
    CentrarEnPantalla(this);
}

void frmTabla::Ficha_Click(int ficha) {
    TopicoAyuda topico = kAyudaNinguno;
    if (ficha == 1) {
        Tabla[1]->hide();
        Tabla[0]->show();
        topico = kAyudaGeneral;
    } else if (ficha == 2) {
        Tabla[0]->hide();
        Tabla[1]->show();
        topico = kAyudaArida;
    } else {
        return;
    }
    FijarTopicoAyuda(this, topico);
    FijarTopicoAyuda(Ficha, topico);
    FijarTopicoAyuda(Ficha->tabBar(), topico);
}

void frmTabla::Tabla_DblClick(int indice, int fila, int columna) {
    const QTableWidgetItem* celda = fila >= 0 && columna >= 0 ? Tabla[indice]->item(fila, columna) : nullptr;
    const auto valor = ValorDeCelda(TablaDe(indice), fila, columna, celda ? celda->text().toStdString() : "");
    if (!valor) return;
    lblCoefEsc->setText(DeUtf8(*valor));
    mCeldaElegida = TrazaDeCelda(TablaDe(indice), fila, columna);
}

void frmTabla::cmdAceptar_Click() {
    const auto numero = NumeroCurva(lblCoefEsc->text().toStdString());
    if (!numero) {
        MostrarMensaje(this, T(182));
        return;
    }
    gNCElegido = static_cast<std::int16_t>(*numero);
    if (mCeldaElegida) gOrigenCurva = *mCeldaElegida;
    accept();
}

void frmTabla::cmdAyuda_Click() { EnviarF1(); }

}  // namespace tarvel
