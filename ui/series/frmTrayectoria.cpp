#include "ui/series/frmTrayectoria.h"

#include <QApplication>
#include <QButtonGroup>
#include <QChart>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Patrones.h"
#include "hydrology/Escorrentia.h"
#include "ui/common/DialogoArchivo.h"
#include "ui/common/GuardarArchivo.h"
#include "ui/common/Mensajes.h"
#include "ui/common/ReglaTeclado.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"
#include "ui/help/Ayuda.h"
#include "ui/series/GraficoTrayectoria.h"
#include "ui/series/TextosTrayectoria.h"

namespace tarvel {
namespace {

constexpr EleccionLambda kLambdas[3] = {EleccionLambda::Clasica, EleccionLambda::Reducida, EleccionLambda::Ambas};

// The chart keeps its two charts readable down to this size.
const QSize kTamanoMinimo(680, 600);
const QSize kTamanoInicial(940, 700);

}  // namespace

frmTrayectoria::frmTrayectoria(QWidget* padre, Trayectoria trayectoria)
    : QDialog(padre), mTrayectoria(std::make_shared<const Trayectoria>(std::move(trayectoria))) {
    setObjectName("frmTrayectoria");
    // The chart draws the initial abstraction of the ratio chosen, at first
    // λ = 0.2: a path given without a ratio gets that one's.
    if (!mTrayectoria->relacion) {
        const Trayectoria& dada = *mTrayectoria;
        mTrayectoria = std::make_shared<const Trayectoria>(*CalcularTrayectoria(
            dada.anios.front().CN[1], dada.anios.back().CN[1], dada.lapso, EleccionLambda::Clasica, std::nullopt));
    }
    PrepararDialogo(this);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    CrearControles();
    Disponer();
    PonerTextos();
    // Never narrower than the storm's row with its texts in full.
    setMinimumSize(kTamanoMinimo.expandedTo(layout()->totalMinimumSize()));
    Dibujar();
    txtLluvia->setFocus();
    // Centred at its own size, or at most nine tenths of a smaller screen.
    QRect marco(QPoint(0, 0), kTamanoInicial);
    if (const QScreen* pantalla = screen()) {
        const QRect libre = pantalla->availableGeometry();
        marco.setSize(kTamanoInicial.boundedTo(libre.size() * 0.9).expandedTo(minimumSize()));
        marco.moveCenter(libre.center());
    }
    setGeometry(marco);
}

void frmTrayectoria::Abrir(QWidget* padre, double nac, double nob, int lapso) {
    auto trayectoria = CalcularTrayectoria(nac, nob, lapso, EleccionLambda::Clasica, std::nullopt);
    if (!trayectoria) {
        MostrarMensaje(padre, T(MensajeTrayectoria(trayectoria.error())));
        return;
    }
    frmTrayectoria ventana(padre, std::move(*trayectoria));
    ventana.exec();
}

// Created in focus order: the storm, its ratio, the buttons.
void frmTrayectoria::CrearControles() {
    lblLluvia = new QLabel(this);
    lblLluvia->setObjectName("lblLluvia");
    txtLluvia = new QLineEdit(this);
    txtLluvia->setObjectName("txtLluvia");
    txtLluvia->setAlignment(Qt::AlignRight);
    txtLluvia->setFixedWidth(96);
    txtLluvia->installEventFilter(this);
    lblLluvia->setBuddy(txtLluvia);
    ReglaTeclado::AplicarACampo(txtLluvia);

    lblLambda = new QLabel(this);
    lblLambda->setObjectName("lblLambda");
    auto* grupo = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        opcLambda[i] = new QRadioButton(this);
        opcLambda[i]->setObjectName(QStringLiteral("opcLambda_%1").arg(i));
        grupo->addButton(opcLambda[i], i);
    }
    opcLambda[0]->setChecked(true);
    connect(grupo, &QButtonGroup::idClicked, this, [this] { opcLambda_Click(); });

    mEscena = new QGraphicsScene(this);
    vistaGrafico = new QGraphicsView(mEscena, this);
    vistaGrafico->setObjectName("vistaGrafico");
    vistaGrafico->setFrameShape(QFrame::NoFrame);
    vistaGrafico->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vistaGrafico->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vistaGrafico->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    vistaGrafico->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    vistaGrafico->setFocusPolicy(Qt::NoFocus);
    vistaGrafico->viewport()->installEventFilter(this);

    const auto boton = [this](const char* nombre, void (frmTrayectoria::*accion)()) {
        auto* b = new QPushButton(this);
        b->setObjectName(nombre);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, accion);
        return b;
    };
    cmdGuardarGrafico = boton("cmdGuardarGrafico", &frmTrayectoria::cmdGuardarGrafico_Click);
    cmdGuardarTabla = boton("cmdGuardarTabla", &frmTrayectoria::cmdGuardarTabla_Click);
    cmdCopiarTabla = boton("cmdCopiarTabla", &frmTrayectoria::cmdCopiarTabla_Click);
    cmdAyuda = new QPushButton(QStringLiteral("?"), this);
    cmdAyuda->setObjectName("cmdAyuda");
    cmdAyuda->setFixedWidth(32);
    cmdAyuda->setAutoDefault(false);
    connect(cmdAyuda, &QPushButton::clicked, this, [] { EnviarF1(); });

    for (QWidget* control : std::initializer_list<QWidget*>{this, txtLluvia, opcLambda[0], opcLambda[1], opcLambda[2],
                                                            vistaGrafico, cmdGuardarGrafico, cmdGuardarTabla,
                                                            cmdCopiarTabla, cmdAyuda}) {
        FijarTopicoAyuda(control, kAyudaTrayectoria);
    }
}

void frmTrayectoria::Disponer() {
    auto* tormenta = new QHBoxLayout;
    tormenta->setSpacing(8);
    tormenta->addWidget(lblLluvia);
    tormenta->addWidget(txtLluvia);
    tormenta->addSpacing(24);
    tormenta->addWidget(lblLambda);
    for (QRadioButton* opcion : opcLambda) tormenta->addWidget(opcion);
    tormenta->addStretch();

    auto* pie = new QHBoxLayout;
    pie->setSpacing(8);
    pie->addWidget(cmdGuardarGrafico);
    pie->addWidget(cmdGuardarTabla);
    pie->addWidget(cmdCopiarTabla);
    pie->addStretch();
    pie->addWidget(cmdAyuda);

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(14, 12, 14, 12);
    columna->setSpacing(10);
    columna->addLayout(tormenta);
    columna->addWidget(vistaGrafico, 1);
    columna->addLayout(pie);
}

void frmTrayectoria::PonerTextos() {
    setWindowTitle(T(kTextoTituloTrayectoria));
    lblLluvia->setText(T(kTextoCampoLluvia));
    txtLluvia->setPlaceholderText(T(kTextoSinLluvia));
    lblLambda->setText(T(kTextoRelacionLambda));
    // Both ratios are drawn on the same chart, not one below the other as the runoff window shows them.
    const int opciones[] = {kTextoLambdaClasica, kTextoLambdaReducida, kTextoTrayectoriaAmbas};
    for (int i = 0; i < 3; ++i) opcLambda[i]->setText(T(opciones[i]));
    cmdGuardarGrafico->setText(T(kTextoGuardarGrafico));
    cmdGuardarTabla->setText(T(kTextoGuardarTabla));
    cmdCopiarTabla->setText(T(kTextoCopiarTabla));
    txtLluvia->setAccessibleName(lblLluvia->text());
    for (QRadioButton* opcion : opcLambda) opcion->setAccessibleName(lblLambda->text() + QLatin1Char(' ') + opcion->text());
    for (QPushButton* b : {cmdGuardarGrafico, cmdGuardarTabla, cmdCopiarTabla}) b->setAccessibleName(b->text());
    vistaGrafico->setAccessibleName(windowTitle());
}

void frmTrayectoria::Dibujar() {
    delete mGrafico;
    mGrafico = new GraficoTrayectoria(mTrayectoria, EstiloGrafico::DePaleta(palette(), font()));
    mEscena->addItem(mGrafico);
    vistaGrafico->setBackgroundBrush(palette().color(QPalette::Base));
    QStringList titulos;
    for (auto panel : {PanelTrayectoria::NumerosCurva, PanelTrayectoria::Laminas}) {
        QString titulo = mGrafico->Grafico(panel)->title();
        titulos << titulo.replace(QStringLiteral("<br>"), QStringLiteral(". ")).remove(QRegularExpression("<[^>]*>"));
    }
    vistaGrafico->setAccessibleDescription(titulos.join(QStringLiteral(". ")));
    Ajustar();
}

void frmTrayectoria::Ajustar() {
    const QRectF area(QPointF(0, 0), QSizeF(vistaGrafico->viewport()->size()));
    mEscena->setSceneRect(area);
    if (mGrafico) mGrafico->setGeometry(area);
}

EleccionLambda frmTrayectoria::LambdaElegida() const {
    for (int i = 0; i < 3; ++i) {
        if (opcLambda[i]->isChecked()) return kLambdas[i];
    }
    return EleccionLambda::Clasica;
}

bool frmTrayectoria::AplicarTormenta() {
    mLluviaPorAplicar = false;
    const QString texto = txtLluvia->text();
    const bool sinLluvia = texto.trimmed().isEmpty();
    const EleccionLambda lambda = LambdaElegida();
    // The ratio counts without a storm too: it chooses the thresholds drawn.
    if (texto == mLluviaAplicada && lambda == mLambdaAplicada) return true;

    const auto rechazar = [this](int mensaje) {
        MostrarMensaje(this, T(mensaje));
        txtLluvia->setFocus();
        txtLluvia->selectAll();
        return false;
    };
    std::optional<double> lluvia;
    if (!sinLluvia) {
        const auto leida = LeerLluvia(texto.toStdString());
        if (!leida) return rechazar(MensajeEscorrentia(leida.error()));
        lluvia = *leida;
    }
    const Trayectoria& actual = *mTrayectoria;
    auto nueva = CalcularTrayectoria(actual.anios.front().CN[1], actual.anios.back().CN[1], actual.lapso, lambda, lluvia);
    if (!nueva) return rechazar(MensajeTrayectoria(nueva.error()));
    mTrayectoria = std::make_shared<const Trayectoria>(std::move(*nueva));
    mLluviaAplicada = texto;
    mLambdaAplicada = lambda;
    Dibujar();
    return true;
}

void frmTrayectoria::opcLambda_Click() { AplicarTormenta(); }

// Named after the series; the file dialog starts in the folder last used.
QString frmTrayectoria::ArchivoPropuesto(const char* extension) const {
    const Trayectoria& datos = *mTrayectoria;
    return QStringLiteral("%1-%2-%3-%4.%5")
        .arg(T(kTextoNombreArchivo), DeUtf8(TextoNumero(datos.anios.front().CN[1])),
             DeUtf8(TextoNumero(datos.anios.back().CN[1])), QString::number(datos.lapso),
             QLatin1String(extension));
}

bool frmTrayectoria::Escribir(const QString& ruta, const std::function<bool(QIODevice&)>& escribir) {
    if (GuardarArchivo(ruta, escribir)) return true;
    MostrarMensaje(this, T(kTextoTrayectoriaNoGuardado).arg(QDir::toNativeSeparators(ruta)), BotonesMensaje::Aceptar,
                   IconoMensaje::Aviso);
    return false;
}

void frmTrayectoria::cmdGuardarGrafico_Click() {
    if (!AplicarTormenta()) return;
    const QStringList filtros{T(kTextoFiltroPng), T(kTextoFiltroSvg)};
    const auto respuesta = ElegirArchivo({this, ModoArchivo::Guardar, T(kTextoDialogoGrafico), filtros, ArchivoPropuesto("png")});
    if (respuesta.ruta.isEmpty()) return;
    // The name's own extension decides; without one of ours, the filter chosen.
    const QString extension = QFileInfo(respuesta.ruta).suffix().toLower();
    const bool svg = extension == QLatin1String("svg") || (extension != QLatin1String("png") && respuesta.filtro == 1);
    const auto trayectoria = mTrayectoria;
    const QString titulo = windowTitle();
    Escribir(respuesta.ruta, [&](QIODevice& archivo) {
        if (svg) return EscribirSvgTrayectoria(archivo, trayectoria, titulo);
        return ImagenTrayectoria(trayectoria, TamanoImagenInforme()).save(&archivo, "PNG");
    });
}

void frmTrayectoria::cmdGuardarTabla_Click() {
    if (!AplicarTormenta()) return;
    const auto respuesta =
        ElegirArchivo({this, ModoArchivo::Guardar, T(kTextoDialogoTabla), {T(kTextoTrayectoriaFiltroCsv)}, ArchivoPropuesto("csv")});
    if (respuesta.ruta.isEmpty()) return;
    const std::string texto = TextoTrayectoria(*mTrayectoria, ',');
    Escribir(respuesta.ruta, [&](QIODevice& archivo) {
        return archivo.write(texto.data(), static_cast<qint64>(texto.size())) == static_cast<qint64>(texto.size());
    });
}

void frmTrayectoria::cmdCopiarTabla_Click() {
    if (!AplicarTormenta()) return;
    QApplication::clipboard()->setText(DeUtf8(TextoTrayectoria(*mTrayectoria, '\t')));
}

bool frmTrayectoria::eventFilter(QObject* objeto, QEvent* evento) {
    if (vistaGrafico && objeto == vistaGrafico->viewport() && evento->type() == QEvent::Resize) {
        Ajustar();
    } else if (objeto == txtLluvia && evento->type() == QEvent::FocusOut && CambioDeControl(evento)) {
        // Applied once the focus has settled: a button pressed meanwhile
        // applies it first itself.
        mLluviaPorAplicar = true;
        QTimer::singleShot(0, this, [this] {
            if (mLluviaPorAplicar && isVisible()) AplicarTormenta();
        });
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmTrayectoria::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    // The chart follows the desktop's light or dark palette and its font.
    if ((evento->type() == QEvent::PaletteChange || evento->type() == QEvent::FontChange) && mGrafico) Dibujar();
}

}  // namespace tarvel
