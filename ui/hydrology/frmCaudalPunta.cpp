#include "ui/hydrology/frmCaudalPunta.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <utility>

#include "app/FormatoNumerico.h"
#include "app/Patrones.h"
#include "app/TablaTextos.h"
#include "app/TextosMensajes.h"
#include "hydrology/TextosCaudal.h"
#include "hydrology/TextosCaudalHoja.h"
#include "hydrology/TextosEscorrentia.h"
#include "ui/common/Accesibilidad.h"
#include "ui/common/Colores.h"
#include "ui/common/Mensajes.h"
#include "ui/common/ReglaTeclado.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"
#include "ui/determination/frmEleccion.h"
#include "ui/help/Ayuda.h"
#include "ui/hydrology/RejillaTramos.h"

namespace tarvel {
namespace {

// The return periods' table: the typed columns of both methods, then the
// computed ones; each method shows its own.
enum ColumnaCaudal { cT, cP, cPd, cBeta, cFb, cQ, cIaP, cQu, cId, cFint, cI, cP0, cC, cQp, kColumnasCaudal };
constexpr int kTitulosCaudal[kColumnasCaudal] = {
    kTextoColumnaPeriodo, kTextoColumnaLluvia24, kTextoColumnaLluviaDiaria, kTextoColumnaBeta, kTextoColumnaFb,
    kTextoColumnaQ,       kTextoColumnaIaP,      kTextoColumnaQu,           kTextoColumnaId,   kTextoColumnaFint,
    kTextoColumnaI,       kTextoColumnaP0,       kTextoColumnaC,            kTextoColumnaQp};
constexpr bool EsTR55(int c) { return c == cT || c == cP || c == cQ || c == cIaP || c == cQu || c == cQp; }
constexpr bool EsIC(int c) { return c == cT || c == cPd || c == cBeta || c == cFb || (c >= cId && c <= cQp); }

constexpr DistribucionLluvia kDistribuciones[] = {DistribucionLluvia::I, DistribucionLluvia::IA,
                                                  DistribucionLluvia::II, DistribucionLluvia::III};

QLineEdit* Campo(QWidget* padre, const char* nombre) {
    auto* campo = new QLineEdit(padre);
    campo->setObjectName(nombre);
    campo->setAlignment(Qt::AlignCenter);
    campo->setFixedWidth(96);
    return campo;
}

QLabel* Rotulo(QWidget* padre, const char* nombre, QLineEdit* campo) {
    auto* rotulo = new QLabel(padre);
    rotulo->setObjectName(nombre);
    rotulo->setBuddy(campo);
    return rotulo;
}

QTableWidgetItem* Celda() {
    auto* celda = new QTableWidgetItem;
    celda->setFlags(Qt::ItemIsEnabled);
    celda->setTextAlignment(Qt::AlignCenter);
    return celda;
}

}  // namespace

frmCaudalPunta::frmCaudalPunta(QWidget* padre, const EntradasCaudal& entradas, std::optional<CuencaHoja> cuenca)
    : QDialog(padre), mCuenca(cuenca) {
    setObjectName("frmCaudalPunta");
    PrepararDialogo(this);
    CrearControles();
    Disponer();
    PonerTextos();
    FijarTopicoAyuda(this, kAyudaCaudalPunta);
    Conectar();
    Mostrar(entradas);
    MostrarMetodo();
    // A worksheet's catchment is shown as the worksheet shows it, and stays as it is.
    lblCuencaHoja->setVisible(mCuenca.has_value());
    cmdDeterminar->setVisible(!mCuenca);
    if (mCuenca) {
        txtArea->setText(DeUtf8(TextoNumero(mCuenca->area)));
        txtNC->setText(DeUtf8(Formatear(mCuenca->cn, Patron::UnDecimalConCero)));
        for (QLineEdit* campo : {txtArea, txtNC}) {
            campo->setReadOnly(true);
            QPalette fijo = campo->palette();
            fijo.setColor(QPalette::Base, fijo.color(QPalette::Window));
            campo->setPalette(fijo);
        }
    }
    (mCuenca ? static_cast<QWidget*>(opcMetodo[Metodo() == MetodoCaudal::IC ? 1 : 0]) : txtArea)->setFocus();
    CentrarEnPantalla(this);
}

// Created in focus order; OrdenarFoco keeps it as rows come and go.
void frmCaudalPunta::CrearControles() {
    mrcMetodo = new QGroupBox(this);
    mrcMetodo->setObjectName("mrcMetodo");
    for (std::size_t i = 0; i < opcMetodo.size(); ++i) {
        opcMetodo[i] = new QRadioButton(mrcMetodo);
        opcMetodo[i]->setObjectName(QStringLiteral("opcMetodo_%1").arg(i));
    }

    mrcCuenca = new QGroupBox(this);
    mrcCuenca->setObjectName("mrcCuenca");
    lblCuencaHoja = new QLabel(mrcCuenca);
    lblCuencaHoja->setObjectName("lblCuencaHoja");
    lblCuencaHoja->setWordWrap(true);
    txtArea = Campo(mrcCuenca, "txtArea");
    lblArea = Rotulo(mrcCuenca, "lblArea", txtArea);
    txtNC = Campo(mrcCuenca, "txtNC");
    lblCurva = Rotulo(mrcCuenca, "lblCurva", txtNC);
    cmdDeterminar = new QPushButton(mrcCuenca);
    cmdDeterminar->setObjectName("cmdDeterminar");
    cboDistribucion = new QComboBox(mrcCuenca);
    cboDistribucion->setObjectName("cboDistribucion");
    for (const DistribucionLluvia d : kDistribuciones) cboDistribucion->addItem(DeUtf8(NombreDistribucion(d)));
    ReglaTeclado::AplicarACampo(cboDistribucion);  // Enter moves on, as from a field
    lblDistribucion = new QLabel(mrcCuenca);
    lblDistribucion->setObjectName("lblDistribucion");
    lblDistribucion->setBuddy(cboDistribucion);
    txtCharcas = Campo(mrcCuenca, "txtCharcas");
    lblCharcas = Rotulo(mrcCuenca, "lblCharcas", txtCharcas);
    mrcUmbral = new QGroupBox(mrcCuenca);
    mrcUmbral->setObjectName("mrcUmbral");
    for (std::size_t i = 0; i < opcUmbral.size(); ++i) {
        opcUmbral[i] = new QRadioButton(mrcUmbral);
        opcUmbral[i]->setObjectName(QStringLiteral("opcUmbral_%1").arg(i));
    }
    lblUmbralCurva = new EtiquetaResultado(mrcUmbral, "lblUmbralCurva", kTextoUmbralDeCurvaValor);
    lblUmbralCurva->setMinimumWidth(96);
    lblUmbralCurva->setAlignment(Qt::AlignCenter);
    txtP0 = Campo(mrcUmbral, "txtP0");
    txtBeta = Campo(mrcCuenca, "txtBeta");
    lblBeta = Rotulo(mrcCuenca, "lblBeta", txtBeta);
    txtI1Id = Campo(mrcCuenca, "txtI1Id");
    lblI1Id = Rotulo(mrcCuenca, "lblI1Id", txtI1Id);

    mrcTiempo = new QGroupBox(this);
    mrcTiempo->setObjectName("mrcTiempo");
    for (std::size_t i = 0; i < opcTiempo.size(); ++i) {
        opcTiempo[i] = new QRadioButton(mrcTiempo);
        opcTiempo[i]->setObjectName(QStringLiteral("opcTiempo_%1").arg(i));
    }
    tblTramos = new RejillaTramos(mrcTiempo);
    cmdAnadirTramo = new QPushButton(mrcTiempo);
    cmdAnadirTramo->setObjectName("cmdAnadirTramo");
    cmdQuitarTramo = new QPushButton(mrcTiempo);
    cmdQuitarTramo->setObjectName("cmdQuitarTramo");
    txtLc = Campo(mrcTiempo, "txtLc");
    lblLongitudCauce = Rotulo(mrcTiempo, "lblLongitudCauce", txtLc);
    txtJc = Campo(mrcTiempo, "txtJc");
    lblPendienteCauce = Rotulo(mrcTiempo, "lblPendienteCauce", txtJc);
    txtTc = Campo(mrcTiempo, "txtTc");
    lblTc = new QLabel(mrcTiempo);
    lblTc->setObjectName("lblTc");
    PonerNegrita(lblTc);

    CrearTablaCaudal();
    lblConstantes = new QLabel(this);
    lblConstantes->setObjectName("lblConstantes");
    lblTituloAvisos = new QLabel(this);
    lblTituloAvisos->setObjectName("lblTituloAvisos");
    PonerNegrita(lblTituloAvisos);
    lblAvisos = new EtiquetaResultado(this, "lblAvisos", kTextoAvisos);
    lblAvisos->setWordWrap(true);
    lblAvisos->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette paleta = lblAvisos->palette();
    paleta.setColor(QPalette::WindowText, kTextoAviso);
    lblAvisos->setPalette(paleta);
    lblTituloAvisos->setBuddy(lblAvisos);

    cmdCopiar = new QPushButton(this);
    cmdCopiar->setObjectName("cmdCopiar");
    cmdAyuda = new QPushButton(QStringLiteral("?"), this);
    cmdAyuda->setObjectName("cmdAyuda");
    cmdAyuda->setFixedWidth(32);
    for (QPushButton* boton : {cmdDeterminar, cmdAnadirTramo, cmdQuitarTramo, cmdCopiar, cmdAyuda}) {
        boton->setAutoDefault(false);
    }

    const auto nombre = [](const QLabel* rotulo) { return [rotulo] { return NombreDeRotulo(rotulo->text()); }; };
    Registrar(txtArea, DatoCaudal::Area, nombre(lblArea));
    Registrar(txtNC, DatoCaudal::NumeroCurva, nombre(lblCurva));
    Registrar(txtCharcas, DatoCaudal::Charcas, nombre(lblCharcas));
    Registrar(txtP0, DatoCaudal::UmbralInicial, [this] { return txtP0->accessibleName(); });
    Registrar(txtBeta, DatoCaudal::Beta, nombre(lblBeta));
    Registrar(txtI1Id, DatoCaudal::IndiceTorrencialidad, nombre(lblI1Id));
    Registrar(txtLc, DatoCaudal::LongitudCauceKm, nombre(lblLongitudCauce));
    Registrar(txtJc, DatoCaudal::Pendiente, nombre(lblPendienteCauce));
    Registrar(txtTc, DatoCaudal::TiempoConcentracion, [this] { return txtTc->accessibleName(); });
}

void frmCaudalPunta::CrearTablaCaudal() {
    lblTabla = new QLabel(this);
    lblTabla->setObjectName("lblTabla");
    PonerNegrita(lblTabla);
    tblCaudal = new QTableWidget(kPeriodos, kColumnasCaudal, this);
    tblCaudal->setObjectName("tblCaudal");
    tblCaudal->verticalHeader()->hide();
    tblCaudal->horizontalHeader()->setSectionsClickable(false);
    tblCaudal->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblCaudal->setSelectionMode(QAbstractItemView::NoSelection);
    tblCaudal->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblCaudal->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblCaudal->setTabKeyNavigation(false);
    tblCaudal->installEventFilter(this);
    lblTabla->setBuddy(tblCaudal);
    const std::pair<std::array<QLineEdit*, kPeriodos>*, const char*> columnas[] = {
        {&txtPeriodo, "txtPeriodo"}, {&txtLluvia, "txtLluvia"}, {&txtLluviaDiaria, "txtLluviaDiaria"},
        {&txtBetaFila, "txtBetaFila"}, {&txtFb, "txtFb"}};
    constexpr DatoCaudal kDatos[] = {DatoCaudal::PeriodoRetorno, DatoCaudal::Lluvia, DatoCaudal::LluviaDiaria,
                                     DatoCaudal::Beta, DatoCaudal::FactorIDF};
    for (int f = 0; f < kPeriodos; ++f) {
        for (int c = 0; c < kColumnasCaudal; ++c) tblCaudal->setItem(f, c, Celda());
        for (int c = 0; c < static_cast<int>(std::size(columnas)); ++c) {
            auto* campo = new QLineEdit;
            campo->setObjectName(QStringLiteral("%1_%2").arg(columnas[c].second).arg(f));
            campo->setFrame(false);
            campo->setAlignment(Qt::AlignCenter);
            tblCaudal->setCellWidget(f, c, campo);
            (*columnas[c].first)[static_cast<std::size_t>(f)] = campo;
            Registrar(campo, kDatos[c], [campo] { return campo->accessibleName(); });
        }
    }
}

void frmCaudalPunta::Registrar(QLineEdit* campo, DatoCaudal dato, std::function<QString()> nombre) {
    mDatos[campo] = {dato, std::move(nombre)};
    ReglaTeclado::AplicarACampo(campo);
    campo->installEventFilter(this);
}

void frmCaudalPunta::Disponer() {
    auto* metodos = new QHBoxLayout(mrcMetodo);
    metodos->setSpacing(24);
    for (QRadioButton* opcion : opcMetodo) metodos->addWidget(opcion);
    metodos->addStretch();

    auto* umbral = new QGridLayout(mrcUmbral);
    umbral->addWidget(opcUmbral[0], 0, 0);
    umbral->addWidget(lblUmbralCurva, 0, 1);
    umbral->addWidget(opcUmbral[1], 1, 0);
    umbral->addWidget(txtP0, 1, 1);

    auto* cuenca = new QGridLayout(mrcCuenca);
    cuenca->setHorizontalSpacing(10);
    cuenca->setVerticalSpacing(8);
    int fila = 0;
    cuenca->addWidget(lblCuencaHoja, fila++, 0, 1, 3);
    cuenca->addWidget(lblArea, fila, 0);
    cuenca->addWidget(txtArea, fila++, 1);
    cuenca->addWidget(lblCurva, fila, 0);
    cuenca->addWidget(txtNC, fila, 1);
    cuenca->addWidget(cmdDeterminar, fila++, 2);
    cuenca->addWidget(lblDistribucion, fila, 0);
    cuenca->addWidget(cboDistribucion, fila++, 1);
    cuenca->addWidget(lblCharcas, fila, 0);
    cuenca->addWidget(txtCharcas, fila++, 1);
    cuenca->addWidget(mrcUmbral, fila++, 0, 1, 3);
    cuenca->addWidget(lblBeta, fila, 0);
    cuenca->addWidget(txtBeta, fila++, 1);
    cuenca->addWidget(lblI1Id, fila, 0);
    cuenca->addWidget(txtI1Id, fila++, 1);
    cuenca->setRowStretch(fila, 1);

    auto* botonesTramos = new QHBoxLayout;
    botonesTramos->addWidget(cmdAnadirTramo);
    botonesTramos->addWidget(cmdQuitarTramo);
    botonesTramos->addStretch();
    auto* cauce = new QHBoxLayout;
    cauce->addSpacing(20);
    cauce->addWidget(lblLongitudCauce);
    cauce->addWidget(txtLc);
    cauce->addSpacing(16);
    cauce->addWidget(lblPendienteCauce);
    cauce->addWidget(txtJc);
    cauce->addStretch();
    auto* tecleado = new QHBoxLayout;
    tecleado->addWidget(opcTiempo[2]);
    tecleado->addWidget(txtTc);
    tecleado->addStretch();
    auto* tiempo = new QVBoxLayout(mrcTiempo);
    tiempo->setSpacing(6);
    tiempo->addWidget(opcTiempo[0]);
    tiempo->addWidget(tblTramos);
    tiempo->addLayout(botonesTramos);
    tiempo->addWidget(opcTiempo[1]);
    tiempo->addLayout(cauce);
    tiempo->addLayout(tecleado);
    tiempo->addWidget(lblTc);
    tiempo->addStretch();

    // The catchment beside what it gives for each return period; the time
    // of concentration, whose flow path is the widest, below both.
    auto* tabla = new QVBoxLayout;
    tabla->setSpacing(6);
    tabla->addWidget(lblTabla);
    tabla->addWidget(tblCaudal, 0, Qt::AlignLeft);
    tabla->addWidget(lblConstantes);
    tabla->addStretch();
    auto* arriba = new QHBoxLayout;
    arriba->setSpacing(16);
    arriba->addWidget(mrcCuenca, 0);
    arriba->addLayout(tabla, 1);

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(cmdCopiar);
    pie->addWidget(cmdAyuda);

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(16, 12, 16, 12);
    columna->setSpacing(8);
    columna->addWidget(mrcMetodo);
    columna->addLayout(arriba);
    columna->addWidget(mrcTiempo);
    columna->addWidget(lblTituloAvisos);
    columna->addWidget(lblAvisos);
    columna->addLayout(pie);
    columna->setSizeConstraint(QLayout::SetFixedSize);
}

void frmCaudalPunta::PonerTextos() {
    setWindowTitle(T(kTextoVentanaCaudal));
    const auto poner = [](QWidget* control, QLabel* rotulo, int texto) { Rotular(control, rotulo, T(texto)); };
    poner(txtArea, lblArea, kTextoCampoArea);
    poner(txtNC, lblCurva, kTextoCampoCurva);
    poner(cboDistribucion, lblDistribucion, kTextoCampoDistribucion);
    poner(txtCharcas, lblCharcas, kTextoCampoCharcas);
    poner(txtBeta, lblBeta, kTextoCampoBeta);
    poner(txtI1Id, lblI1Id, kTextoCampoI1Id);
    poner(txtLc, lblLongitudCauce, kTextoCampoLongitudCauce);
    poner(txtJc, lblPendienteCauce, kTextoCampoPendienteCauce);
    poner(tblCaudal, lblTabla, kTextoTituloTablaCaudal);
    const std::pair<QGroupBox*, int> marcos[] = {{mrcMetodo, kTextoMarcoMetodo}, {mrcCuenca, kTextoMarcoCuenca},
                                                  {mrcUmbral, kTextoMarcoUmbral}, {mrcTiempo, kTextoMarcoTiempo}};
    for (const auto& [marco, texto] : marcos) {
        marco->setTitle(T(texto));
        marco->setAccessibleName(T(texto));
    }
    const std::pair<QAbstractButton*, int> botones[] = {
        {opcMetodo[0], kTextoMetodoTR55},        {opcMetodo[1], kTextoMetodoIC},
        {opcUmbral[0], kTextoUmbralDeCurva},     {opcUmbral[1], kTextoUmbralTecleado},
        {opcTiempo[0], kTextoTiempoTramos},      {opcTiempo[1], kTextoTiempoCauce},
        {opcTiempo[2], kTextoTiempoTecleado},    {cmdDeterminar, kTextoDeterminar},
        {cmdAnadirTramo, kTextoAnadirTramo},     {cmdQuitarTramo, kTextoQuitarTramo},
        {cmdCopiar, kTextoCopiar}};
    for (const auto& [boton, texto] : botones) {
        boton->setText(T(texto));
        boton->setAccessibleName(NombreDeRotulo(T(texto)));
    }
    // A field beside its option is named by the option and its group.
    txtP0->setAccessibleName(T(kTextoMarcoUmbral) + QStringLiteral(": ") + NombreDeRotulo(T(kTextoUmbralTecleado)));
    txtTc->setAccessibleName(T(kTextoMarcoTiempo) + QStringLiteral(": ") + NombreDeRotulo(T(kTextoTiempoTecleado)));
    cmdAyuda->setAccessibleName(T(kNombreAyuda));
    lblCuencaHoja->setText(T(kTextoCuencaDeHoja));
    lblTituloAvisos->setText(T(kTextoAvisos));
    tblTramos->setAccessibleName(T(kTextoTiempoTramos));

    QStringList titulos;
    for (const int titulo : kTitulosCaudal) titulos << T(titulo);
    tblCaudal->setHorizontalHeaderLabels(titulos);
    for (int f = 0; f < kPeriodos; ++f) {
        for (int c = 0; c <= cFb; ++c) {
            tblCaudal->cellWidget(f, c)->setAccessibleName(T(kTextoEnFila, {std::to_string(f + 1), T(kTitulosCaudal[c]).toStdString()}));
        }
    }
    // Every column as wide as its heading and a figure; every row as high as a field.
    const QFontMetrics medida(tblCaudal->font());
    for (int c = 0; c < kColumnasCaudal; ++c) {
        tblCaudal->setColumnWidth(c, std::max(medida.horizontalAdvance(titulos[c]) + 18, medida.horizontalAdvance(QStringLiteral("0.0000")) + 18));
    }
    for (int f = 0; f < kPeriodos; ++f) tblCaudal->setRowHeight(f, medida.height() + 12);
}

void frmCaudalPunta::Conectar() {
    connect(cmdDeterminar, &QPushButton::clicked, this, &frmCaudalPunta::cmdDeterminar_Click);
    connect(cmdCopiar, &QPushButton::clicked, this, &frmCaudalPunta::cmdCopiar_Click);
    connect(cmdAyuda, &QPushButton::clicked, this, [] { EnviarF1(); });
    // A new segment is typed next.
    connect(cmdAnadirTramo, &QPushButton::clicked, this, [this] {
        tblTramos->AnadirTramo();
        tblTramos->Primero(tblTramos->Tramos() - 1)->setFocus(Qt::TabFocusReason);
    });
    connect(cmdQuitarTramo, &QPushButton::clicked, tblTramos, &RejillaTramos::QuitarTramo);
    connect(tblTramos, &RejillaTramos::CampoCreado, this, [this](QLineEdit* campo) {
        const int tramo = tblTramos->TramoDe(campo);
        for (const auto& [dato, columna] : tblTramos->Campos(tramo)) {
            if (dato != campo) continue;
            Registrar(campo, columna, [campo] { return campo->accessibleName(); });
            // A list with a field of its own is left, not its field.
            if (auto* lista = qobject_cast<QComboBox*>(campo->parentWidget())) lista->installEventFilter(this);
        }
    });
    connect(tblTramos, &RejillaTramos::ControlesRehechos, this, [this] {
        HabilitarOpciones();
        OrdenarFoco();
    });
    connect(tblTramos, &RejillaTramos::Cambiado, this, &frmCaudalPunta::Actualizar);
    for (QLineEdit* campo : findChildren<QLineEdit*>()) {
        if (mDatos.contains(campo)) connect(campo, &QLineEdit::textChanged, this, &frmCaudalPunta::Actualizar);
    }
    connect(cboDistribucion, &QComboBox::currentIndexChanged, this, &frmCaudalPunta::Actualizar);
    for (QRadioButton* opcion : opcMetodo) {
        connect(opcion, &QRadioButton::toggled, this, [this](bool marcada) {
            if (marcada) MostrarMetodo();
        });
    }
    for (auto* opcion : {opcUmbral[0], opcUmbral[1], opcTiempo[0], opcTiempo[1], opcTiempo[2]}) {
        connect(opcion, &QRadioButton::toggled, this, [this](bool marcada) {
            if (!marcada) return;
            HabilitarOpciones();
            Actualizar();
        });
    }
}

MetodoCaudal frmCaudalPunta::Metodo() const {
    return opcMetodo[1]->isChecked() ? MetodoCaudal::IC : MetodoCaudal::TR55;
}

void frmCaudalPunta::MostrarMetodo() {
    const bool tr55 = Metodo() == MetodoCaudal::TR55;
    for (QWidget* control : std::initializer_list<QWidget*>{lblDistribucion, cboDistribucion, lblCharcas, txtCharcas,
                                                            opcTiempo[0], tblTramos, cmdAnadirTramo, cmdQuitarTramo}) {
        control->setVisible(tr55);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{mrcUmbral, lblBeta, txtBeta, lblI1Id, txtI1Id,
                                                            opcTiempo[1], lblLongitudCauce, txtLc, lblPendienteCauce,
                                                            txtJc}) {
        control->setVisible(!tr55);
    }
    // The way of each method to its time, unless it is typed.
    if (!opcTiempo[2]->isChecked()) opcTiempo[tr55 ? 0 : 1]->setChecked(true);
    int ancho = 2 * tblCaudal->frameWidth();
    for (int c = 0; c < kColumnasCaudal; ++c) {
        const bool vista = tr55 ? EsTR55(c) : EsIC(c);
        tblCaudal->setColumnHidden(c, !vista);
        if (vista) ancho += tblCaudal->columnWidth(c);
    }
    tblCaudal->setFixedSize(ancho, tblCaudal->horizontalHeader()->sizeHint().height() +
                                       kPeriodos * tblCaudal->rowHeight(0) + 2 * tblCaudal->frameWidth());
    HabilitarOpciones();
    OrdenarFoco();
    Actualizar();
}

void frmCaudalPunta::HabilitarOpciones() {
    txtP0->setEnabled(opcUmbral[1]->isChecked());
    const bool tramos = opcTiempo[0]->isChecked();
    tblTramos->setEnabled(tramos);
    cmdAnadirTramo->setEnabled(tramos && tblTramos->Tramos() < RejillaTramos::kTramosMaximos);
    cmdQuitarTramo->setEnabled(tramos && tblTramos->Tramos() > 1);
    for (QWidget* control : std::initializer_list<QWidget*>{lblLongitudCauce, txtLc, lblPendienteCauce, txtJc}) {
        control->setEnabled(opcTiempo[1]->isChecked());
    }
    txtTc->setEnabled(opcTiempo[2]->isChecked());
}

void frmCaudalPunta::OrdenarFoco() {
    // Determine after the catchment's fields, so that Enter in them never opens it.
    std::vector<QWidget*> orden{opcMetodo[0], opcMetodo[1], txtArea, txtNC,   cboDistribucion, txtCharcas,  opcUmbral[0],
                                opcUmbral[1], txtP0,        txtBeta, txtI1Id, cmdDeterminar,   opcTiempo[0]};
    for (QWidget* control : tblTramos->Controles()) orden.push_back(control);
    for (QWidget* control : {static_cast<QWidget*>(cmdAnadirTramo), static_cast<QWidget*>(cmdQuitarTramo),
                             static_cast<QWidget*>(opcTiempo[1]), static_cast<QWidget*>(txtLc),
                             static_cast<QWidget*>(txtJc), static_cast<QWidget*>(opcTiempo[2]),
                             static_cast<QWidget*>(txtTc)}) {
        orden.push_back(control);
    }
    for (int f = 0; f < kPeriodos; ++f) {
        for (int c = 0; c <= cFb; ++c) orden.push_back(tblCaudal->cellWidget(f, c));
    }
    orden.insert(orden.end(), {tblCaudal, cmdCopiar, cmdAyuda});
    for (std::size_t i = 1; i < orden.size(); ++i) setTabOrder(orden[i - 1], orden[i]);
    // F1 in the time of concentration, its segments' cells too, opens its own topic.
    FijarTopicoAyuda(mrcTiempo, kAyudaTiempoConcentracion);
    for (QWidget* control : mrcTiempo->findChildren<QWidget*>()) FijarTopicoAyuda(control, kAyudaTiempoConcentracion);
}

frmCaudalPunta::Fallo frmCaudalPunta::FalloDe(const QLineEdit* campo, const QString& texto, const Rango& rango) const {
    const std::string nombre = mDatos.at(campo).nombre().toStdString();
    return {const_cast<QLineEdit*>(campo),
            T(kTextoErrorEntrada) + ' ' + T(kTextoValorRechazado, {nombre, texto.trimmed().toStdString(), MotivoRango(rango)})};
}

QLineEdit* frmCaudalPunta::CampoDe(const RechazoCaudal& r) const {
    const std::size_t f = r.fila >= 0 ? static_cast<std::size_t>(r.fila) : 0;
    switch (r.dato) {
        case DatoCaudal::PeriodoRetorno: return txtPeriodo[f];
        case DatoCaudal::Lluvia: return txtLluvia[f];
        case DatoCaudal::LluviaDiaria: return txtLluviaDiaria[f];
        case DatoCaudal::Beta: return r.fila >= 0 ? txtBetaFila[f] : txtBeta;
        case DatoCaudal::FactorIDF: return txtFb[f];
        case DatoCaudal::Area: return txtArea;
        case DatoCaudal::NumeroCurva: return txtNC;
        case DatoCaudal::Charcas: return txtCharcas;
        case DatoCaudal::IndiceTorrencialidad: return txtI1Id;
        case DatoCaudal::UmbralInicial: return txtP0;
        case DatoCaudal::LongitudCauceKm: return txtLc;
        case DatoCaudal::Pendiente:
            if (r.tramo < 0) return txtJc;
            break;
        // A time worked out of a flow path or a channel is no field's.
        case DatoCaudal::TiempoConcentracion: return opcTiempo[2]->isChecked() ? txtTc : nullptr;
        default: break;
    }
    if (r.tramo < 0 || r.tramo >= tblTramos->Tramos()) return nullptr;
    for (const auto& [campo, dato] : tblTramos->Campos(r.tramo)) {
        if (dato == r.dato) return campo;
    }
    return nullptr;
}

}  // namespace tarvel
