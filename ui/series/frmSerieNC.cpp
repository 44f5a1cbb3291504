#include "ui/series/frmSerieNC.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/SessionState.h"
#include "series/ValidacionSerie.h"
#include "ui/common/Accesibilidad.h"
#include "ui/help/Ayuda.h"
#include "ui/common/Colores.h"
#include "ui/common/Mensajes.h"
#include "ui/common/ReglaTeclado.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"
#include "ui/determination/frmEleccion.h"
#include "ui/series/frmSerieNCCalculada.h"

namespace tarvel {
namespace {

const QColor kFlecha(80, 80, 80);

// An arrow head at `punta`, pointing along `direccion` (a unit vector).
void PuntaDeFlecha(QPainter& pintor, QPointF punta, QPointF direccion) {
    constexpr double largo = 6;
    constexpr double ancho = 4;
    const QPointF normal(-direccion.y(), direccion.x());
    const QPointF base = punta - direccion * largo;
    pintor.drawLine(punta, base + normal * ancho);
    pintor.drawLine(punta, base - normal * ancho);
}

// A row of short arrows pointing right, drawn in the gap between two controls
// of the same window.
class FlechasHorizontales : public QWidget {
public:
    FlechasHorizontales(QWidget* padre, int cuantas, const QWidget* desde, const QWidget* hasta)
        : QWidget(padre), mCuantas(cuantas), mDesde(desde), mHasta(hasta) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setMinimumHeight(12);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        constexpr double margen = 8;
        constexpr double hueco = 6;
        const double izquierda = mapFrom(parentWidget(), mDesde->geometry().topRight()).x() + margen;
        const double derecha = mapFrom(parentWidget(), mHasta->geometry().topLeft()).x() - margen;
        const double paso = (derecha - izquierda + hueco) / mCuantas;
        if (paso <= hueco + 4) return;
        QPainter pintor(this);
        pintor.setRenderHint(QPainter::Antialiasing);
        pintor.setPen(QPen(kFlecha, 1.6, Qt::SolidLine, Qt::RoundCap));
        const double y = height() / 2.0;
        for (int i = 0; i < mCuantas; ++i) {
            const QPointF inicio(izquierda + i * paso, y);
            const QPointF punta(inicio.x() + paso - hueco, y);
            pintor.drawLine(inicio, punta);
            PuntaDeFlecha(pintor, punta, {1, 0});
        }
    }

private:
    int mCuantas;
    const QWidget* mDesde;
    const QWidget* mHasta;
};

// A vertical arrow with a head at each end.
class FlechaVertical : public QWidget {
public:
    explicit FlechaVertical(QWidget* padre) : QWidget(padre) { setFixedSize(16, 30); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter pintor(this);
        pintor.setRenderHint(QPainter::Antialiasing);
        pintor.setPen(QPen(kFlecha, 1.6, Qt::SolidLine, Qt::RoundCap));
        const double x = width() / 2.0;
        const QPointF arriba(x, 2);
        const QPointF abajo(x, height() - 2);
        pintor.drawLine(arriba, abajo);
        PuntaDeFlecha(pintor, arriba, {0, -1});
        PuntaDeFlecha(pintor, abajo, {0, 1});
    }
};

// A box drawn around a label, taking exactly the label's place.
QFrame* Marco(QWidget* padre, const char* nombre, QLabel* etiqueta, const QColor& borde) {
    auto* marco = new QFrame(padre);
    marco->setObjectName(nombre);
    marco->setStyleSheet(QStringLiteral("QFrame#%1 { border: 2px solid %2; border-radius: 3px; }")
                             .arg(nombre, borde.name()));
    auto* dentro = new QHBoxLayout(marco);
    dentro->setContentsMargins(0, 0, 0, 0);
    dentro->addWidget(etiqueta);
    return marco;
}

QLabel* Titulo(QWidget* padre, const char* nombre, const QColor& fondo) {
    auto* titulo = new QLabel(padre);
    titulo->setObjectName(nombre);
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setStyleSheet(QStringLiteral("QLabel { background: %1; color: white; font-weight: bold; padding: 6px 12px; }")
                              .arg(fondo.name()));
    return titulo;
}

QLabel* Leyenda(QWidget* padre, const char* nombre) {
    auto* leyenda = new QLabel(padre);
    leyenda->setObjectName(nombre);
    leyenda->setAlignment(Qt::AlignCenter);
    leyenda->setStyleSheet(QStringLiteral("QLabel { background: white; font-weight: bold; padding: 2px 10px; }"));
    return leyenda;
}

QLineEdit* Campo(QWidget* padre, const char* nombre, const QColor& cifras) {
    auto* campo = new QLineEdit(padre);
    campo->setObjectName(nombre);
    QFont negrita = campo->font();
    negrita.setBold(true);
    negrita.setPointSizeF(negrita.pointSizeF() * 1.15);
    campo->setFont(negrita);
    campo->setAlignment(Qt::AlignCenter);
    QPalette paleta = campo->palette();
    for (auto grupo : {QPalette::Active, QPalette::Inactive}) {
        paleta.setColor(grupo, QPalette::Base, kFondoCampoSerie);
        paleta.setColor(grupo, QPalette::Text, cifras);
    }
    campo->setPalette(paleta);
    campo->setFixedWidth(96);
    ReglaTeclado::AplicarACampo(campo);
    return campo;
}

}  // namespace

frmSerieNC::frmSerieNC(QWidget* padre) : QDialog(padre) {
    setObjectName("frmSerieNC");
    PrepararDialogo(this);
    CrearControles();
    Disponer();
    Conectar();
    Form_Load();
    FijarTopicoAyuda(this, kAyudaSerie);
    txtNAC->setFocus();
    CentrarEnPantalla(this);
}

// The controls in focus order.
void frmSerieNC::CrearControles() {
    Label1 = Titulo(this, "Label1", kColorDegradada);
    Label2 = Titulo(this, "Label2", kColorRestaurada);
    Shape1 = Marco(this, "Shape1", Label1, kColorDegradada.darker(140));
    Shape2 = Marco(this, "Shape2", Label2, kColorRestaurada.darker(140));
    Label3 = Leyenda(this, "Label3");
    Label4 = Leyenda(this, "Label4");
    Shape3 = Marco(this, "Shape3", Label3, kColorDegradada);
    Shape4 = Marco(this, "Shape4", Label4, kColorRestaurada);
    for (QFrame* marco : {Shape3, Shape4}) marco->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    txtNAC = Campo(this, "txtNAC", Qt::blue);
    txtNOB = Campo(this, "txtNOB", Qt::blue);
    cmdDeterminarNAC = new QPushButton(this);
    cmdDeterminarNAC->setObjectName("cmdDeterminarNAC");
    cmdDeterminarNOB = new QPushButton(this);
    cmdDeterminarNOB->setObjectName("cmdDeterminarNOB");
    chkDefinirTiempo = new QCheckBox(this);
    chkDefinirTiempo->setObjectName("chkDefinirTiempo");
    Label5 = new QLabel(this);
    Label5->setObjectName("Label5");
    txtAnios = Campo(this, "txtAnios", Qt::black);
    txtAnios->setFixedWidth(80);
    txtAnios->installEventFilter(this);
    Label5->setBuddy(txtAnios);
    cmdCalcular = new QPushButton(this);
    cmdCalcular->setObjectName("cmdCalcular");
    cmdCalcular->setMinimumWidth(120);
    // The window's main action: Enter presses it wherever Enter has no
    // other meaning (in a field it moves on, on a button it presses that one).
    cmdCalcular->setDefault(true);

    setTabOrder(txtNAC, txtNOB);
    setTabOrder(txtNOB, cmdDeterminarNAC);
    setTabOrder(cmdDeterminarNAC, cmdDeterminarNOB);
    setTabOrder(cmdDeterminarNOB, txtAnios);
    setTabOrder(txtAnios, chkDefinirTiempo);
    setTabOrder(chkDefinirTiempo, cmdCalcular);
}

void frmSerieNC::Disponer() {
    auto* flechasTitulos = new FlechasHorizontales(this, 4, Shape1, Shape2);
    flechasTitulos->setObjectName("Line1-12");
    auto* flechasLeyendas = new FlechasHorizontales(this, 5, Shape3, Shape4);
    flechasLeyendas->setObjectName("Line13-27");
    auto* flechaActual = new FlechaVertical(this);
    flechaActual->setObjectName("Line28-32");
    auto* flechaObjetivo = new FlechaVertical(this);
    flechaObjetivo->setObjectName("Line33-37");

    // The two hillsides side by side, the arrows between them running from
    // the present to the target.
    auto* laderas = new QGridLayout;
    laderas->setHorizontalSpacing(0);
    laderas->setVerticalSpacing(8);
    laderas->setColumnMinimumWidth(1, 150);
    laderas->setColumnStretch(0, 1);
    laderas->setColumnStretch(2, 1);
    laderas->addWidget(Shape1, 0, 0);
    laderas->addWidget(flechasTitulos, 0, 0, 1, 3);
    laderas->addWidget(Shape2, 0, 2);
    laderas->addWidget(flechaActual, 1, 0, Qt::AlignHCenter);
    laderas->addWidget(flechaObjetivo, 1, 2, Qt::AlignHCenter);
    laderas->addWidget(Shape3, 2, 0, Qt::AlignHCenter);
    laderas->addWidget(flechasLeyendas, 2, 0, 1, 3);
    laderas->addWidget(Shape4, 2, 2, Qt::AlignHCenter);
    laderas->addWidget(txtNAC, 3, 0, Qt::AlignHCenter);
    laderas->addWidget(txtNOB, 3, 2, Qt::AlignHCenter);
    laderas->addWidget(cmdDeterminarNAC, 4, 0, Qt::AlignHCenter);
    laderas->addWidget(cmdDeterminarNOB, 4, 2, Qt::AlignHCenter);
    flechasTitulos->lower();
    flechasLeyendas->lower();

    auto* linea = new QFrame(this);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);

    auto* lapso = new QHBoxLayout;
    lapso->setContentsMargins(24, 0, 0, 0);
    lapso->addWidget(Label5);
    lapso->addWidget(txtAnios);
    lapso->addStretch();
    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(cmdCalcular);

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(22, 20, 22, 16);
    columna->setSpacing(10);
    columna->addLayout(laderas);
    columna->addSpacing(4);
    columna->addWidget(linea);
    columna->addWidget(chkDefinirTiempo);
    columna->addLayout(lapso);
    columna->addSpacing(4);
    columna->addLayout(pie);
    columna->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSerieNC::Conectar() {
    connect(chkDefinirTiempo, &QCheckBox::toggled, this, &frmSerieNC::chkDefinirTiempo_Click);
    connect(cmdDeterminarNAC, &QPushButton::clicked, this, [this] { cmdDeterminar_Click(txtNAC); });
    connect(cmdDeterminarNOB, &QPushButton::clicked, this, [this] { cmdDeterminar_Click(txtNOB); });
    connect(cmdCalcular, &QPushButton::clicked, this, &frmSerieNC::cmdCalcular_Click);
}

void frmSerieNC::Form_Load() {
    setWindowTitle(T(183));
    Label1->setText(T(184));
    Label3->setText(T(185));
    Label2->setText(T(186));
    Label4->setText(T(187));
    cmdDeterminarNAC->setText(T(188));
    cmdDeterminarNOB->setText(T(189));
    chkDefinirTiempo->setText(T(190));
    Label5->setText(T(191));
    cmdCalcular->setText(T(192));
    // Screen readers: each field is named by its legend, each button tells its hillside.
    txtNAC->setAccessibleName(NombreDeRotulo(Label3->text()));
    txtNOB->setAccessibleName(NombreDeRotulo(Label4->text()));
    cmdDeterminarNAC->setAccessibleDescription(NombreDeRotulo(Label1->text()));
    cmdDeterminarNOB->setAccessibleDescription(NombreDeRotulo(Label2->text()));

    // Both titles as wide as the wider one, so that the two hillsides mirror
    // each other; each frame holds its title exactly.
    const int ancho = std::max(Label1->sizeHint().width(), Label2->sizeHint().width());
    Label1->setMinimumWidth(ancho);
    Label2->setMinimumWidth(ancho);
    const int boton = std::max(cmdDeterminarNAC->sizeHint().width(), cmdDeterminarNOB->sizeHint().width());
    cmdDeterminarNAC->setMinimumWidth(std::max(boton, 110));
    cmdDeterminarNOB->setMinimumWidth(std::max(boton, 110));

    chkDefinirTiempo->setChecked(false);
    Label5->setEnabled(false);
    txtAnios->setEnabled(false);
    txtNAC->clear();
    txtNOB->clear();
    txtAnios->clear();
}

void frmSerieNC::chkDefinirTiempo_Click() {
    const bool activo = chkDefinirTiempo->isChecked();
    Label5->setEnabled(activo);
    txtAnios->setEnabled(activo);
    if (!activo) txtAnios->clear();
}

bool frmSerieNC::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == txtAnios && evento->type() == QEvent::FocusOut) {
        // The field is left for another control of this window, not merely
        // when another window (a message box, a menu) comes to the front.
        if (CambioDeControl(evento)) {
            mLapsoPorComprobar = true;
            // Checked once the focus has settled: a button pressed meanwhile
            // checks it first (cmdDeterminar_Click, cmdCalcular_Click).
            QTimer::singleShot(0, this, [this] { txtAnios_LostFocus(); });
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

bool frmSerieNC::txtAnios_LostFocus() {
    if (!mLapsoPorComprobar) return true;
    mLapsoPorComprobar = false;
    // Switched off or closing in the meantime: there is no span to check.
    if (!isVisible() || !txtAnios->isEnabled()) return true;
    if (ValidarLapso(txtAnios->text().toStdString())) return true;
    MostrarMensaje(this, T(196));
    txtAnios->setFocus(Qt::OtherFocusReason);
    return false;
}

void frmSerieNC::cmdDeterminar_Click(QLineEdit* campo) {
    if (!txtAnios_LostFocus()) return;
    // Only a number accepted with OK at the end of the road changes the
    // field; a road left without one leaves both fields and the last
    // number chosen as they were.
    if (const auto numero = DeterminarNumeroCurva(this)) campo->setText(QString::number(*numero));
}

void frmSerieNC::cmdCalcular_Click() {
    if (!txtAnios_LostFocus()) return;
    const auto entrada = ValidarSerie(txtNAC->text().toStdString(), txtNOB->text().toStdString(),
                                      txtAnios->isEnabled(), txtAnios->text().toStdString());
    if (!entrada) {
        const AccionRechazo accion = AccionDeRechazo(entrada.error());
        QLineEdit* campo = accion.campo == CampoSerie::NAC   ? txtNAC
                           : accion.campo == CampoSerie::NOB ? txtNOB
                           : accion.campo == CampoSerie::Lapso ? txtAnios
                                                                : nullptr;
        if (campo && accion.vaciar) campo->clear();
        if (accion.mensaje != 0) MostrarMensaje(this, T(accion.mensaje));
        if (campo) campo->setFocus(Qt::OtherFocusReason);
        return;
    }
    gNAC = entrada->nac;
    gNOB = entrada->nob;
    gLapsoAnios = entrada->lapso;
    frmSerieNCCalculada resultados(this);
    resultados.exec();
}

}  // namespace tarvel
