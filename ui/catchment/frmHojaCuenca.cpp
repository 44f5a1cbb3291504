#include "ui/catchment/frmHojaCuenca.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "app/Idioma.h"
#include "app/Patrones.h"
#include "catchment/ArchivoHoja.h"
#include "catchment/TextosCuenca.h"
#include "hydrology/TextosCaudalHoja.h"
#include "ui/catchment/HojasRecientes.h"
#include "ui/catchment/TablaSubareas.h"
#include "ui/catchment/TextosHoja.h"
#include "ui/common/Accesibilidad.h"
#include "ui/common/Colores.h"
#include "ui/common/DatosPrograma.h"
#include "ui/common/Informe.h"
#include "ui/common/Mensajes.h"
#include "ui/common/ReglaTeclado.h"
#include "ui/common/SessionState.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"
#include "ui/determination/frmEleccion.h"
#include "ui/help/Ayuda.h"
#include "ui/hydrology/frmCaudalPunta.h"

namespace tarvel {
namespace {

// Columns of the rows; the runoff columns show only with a storm and its ratios.
enum ColumnaHoja { kColNombre, kColArea, kColCuota, kColCN, kColQClasica, kColQReducida, kColOrigen, kColumnasHoja };

QString UnDecimal(double valor) { return DeUtf8(Formatear(valor, Patron::UnDecimalConCero)); }
QString Numero(double valor) { return DeUtf8(TextoNumero(valor)); }
// "0.2", "0.05": the ratio as the core names it.
std::string NombreLambda(Lambda lambda) { return TextoNumero(ValorLambda(lambda)); }
QString SinMnemonico(int n) { return NombreDeRotulo(T(n)); }
std::string Utf8(const QString& texto) { return texto.toStdString(); }

template <class C>
C* Nombrado(C* control, const char* nombre) {
    control->setObjectName(nombre);
    return control;
}

QTableWidget* TablaResultados(QWidget* padre, const char* nombre, int filas, int columnas) {
    auto* tabla = Nombrado(new QTableWidget(filas, columnas, padre), nombre);
    tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla->setSelectionMode(QAbstractItemView::NoSelection);
    tabla->verticalHeader()->hide();
    tabla->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabla->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabla->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int f = 0; f < filas; ++f) {
        for (int c = 0; c < columnas; ++c) {
            auto* celda = new QTableWidgetItem;
            celda->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            tabla->setItem(f, c, celda);
        }
    }
    return tabla;
}

// Every row in view, without scroll bars.
void AjustarAlto(QTableWidget* tabla) {
    const QHeaderView* cabecera = tabla->horizontalHeader();
    int alto = std::max(cabecera->sizeHint().height(), cabecera->minimumHeight()) + 2 * tabla->frameWidth();
    for (int f = 0; f < tabla->rowCount(); ++f) alto += tabla->verticalHeader()->sectionSize(f);
    tabla->setFixedHeight(alto);
}

void PonerCelda(QTableWidget* tabla, int fila, int columna, const QString& texto) {
    if (QTableWidgetItem* celda = tabla->item(fila, columna)) celda->setText(texto);
}

}  // namespace

frmHojaCuenca::frmHojaCuenca(QWidget* padre) : QDialog(padre) {
    setObjectName("frmHojaCuenca");
    PrepararDialogo(this);
    setSizeGripEnabled(true);
    CrearMenus();
    CrearControles();
    Disponer();
    PonerTextos();
    FijarTopicoAyuda(this, kAyudaHojaCuenca);

    Cargar(HojaCuenca{}, QString());
    // Wider than a window's first size usually is, while the screen allows, in its middle.
    if (const QScreen* pantalla = screen()) {
        const QRect libre = pantalla->availableGeometry();
        resize(sizeHint().boundedTo(libre.size() * 9 / 10));
        move(libre.center() - rect().center());
    }
    cmdAnadir->setFocus();
}

// The controls are taken down after this: none of their focus changes reaches the window any more.
frmHojaCuenca::~frmHojaCuenca() { disconnect(mFocoLluvia); }

void frmHojaCuenca::CrearMenus() {
    mnuBarra = Nombrado(new QMenuBar(this), "mnuBarra");
    mnuArchivo = Nombrado(mnuBarra->addMenu(QString()), "mnuArchivo");
    const auto item = [this](const char* nombre, auto accion, QKeySequence tecla = {}) {
        QAction* a = mnuArchivo->addAction(QString(), this, accion);
        a->setObjectName(nombre);
        a->setShortcut(tecla);
        return a;
    };
    mnuNueva = item("mnuNueva", [this] { mnuNueva_Click(); }, QKeySequence::New);
    mnuAbrir = item("mnuAbrir", [this] { mnuAbrir_Click(); }, QKeySequence::Open);
    mnuRecientes = Nombrado(mnuArchivo->addMenu(QString()), "mnuRecientes");
    PrepararMenuRecientes(mnuRecientes, [this](const QString& ruta) { AbrirReciente(ruta); });
    mnuArchivo->addSeparator();
    mnuGuardar = item("mnuGuardar", [this] { mnuGuardar_Click(); }, QKeySequence::Save);
    mnuGuardarComo = item("mnuGuardarComo", [this] { mnuGuardarComo_Click(); },
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuArchivo->addSeparator();
    mnuExportarPdf = item("mnuExportarPdf", [this] { mnuExportarPdf_Click(); });
    mnuImprimir = item("mnuImprimir", [this] { mnuImprimir_Click(); }, QKeySequence::Print);
    mnuExportarCsv = item("mnuExportarCsv", [this] { mnuExportarCsv_Click(); });
    mnuArchivo->addSeparator();
    mnuCerrar = item("mnuCerrar", [this] { close(); }, QKeySequence::Close);
}

void frmHojaCuenca::CrearControles() {
    lblTitulo = Nombrado(new QLabel(this), "lblTitulo");
    txtTitulo = Nombrado(new QLineEdit(this), "txtTitulo");
    lblTitulo->setBuddy(txtTitulo);
    connect(txtTitulo, &QLineEdit::textEdited, this, &frmHojaCuenca::Modificado);

    mrcSubareas = Nombrado(new QGroupBox(this), "mrcSubareas");
    auto* subareas = Nombrado(new TablaSubareas(kColumnasHoja, {kColArea, kColCN}, mrcSubareas), "tblSubareas");
    tblSubareas = subareas;
    tblSubareas->setSelectionMode(QAbstractItemView::SingleSelection);
    tblSubareas->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    tblSubareas->setWordWrap(false);
    tblSubareas->setTextElideMode(Qt::ElideRight);
    tblSubareas->setTabKeyNavigation(false);
    auto* cabecera = tblSubareas->horizontalHeader();
    cabecera->setSectionResizeMode(QHeaderView::Interactive);
    cabecera->setStretchLastSection(true);
    // Every column in view at the first size; a trail longer than its cell
    // ends in "…" and reads whole in its tooltip and in the report.
    tblSubareas->setColumnWidth(kColNombre, 140);
    for (int c : {kColArea, kColCuota, kColCN}) tblSubareas->setColumnWidth(c, 76);
    for (int c : {kColQClasica, kColQReducida}) tblSubareas->setColumnWidth(c, 112);
    tblSubareas->setColumnWidth(kColOrigen, 200);
    tblSubareas->setMinimumHeight(200);
    connect(tblSubareas, &QTableWidget::itemChanged, this, &frmHojaCuenca::tblSubareas_Cambio);
    connect(tblSubareas, &QTableWidget::currentCellChanged, this, &frmHojaCuenca::tblSubareas_CeldaActual);
    connect(subareas, &TablaSubareas::TextoSinSitio, this, &frmHojaCuenca::tblSubareas_TextoSinSitio);

    cmdAnadir = Nombrado(new QPushButton(mrcSubareas), "cmdAnadir");
    cmdQuitar = Nombrado(new QPushButton(mrcSubareas), "cmdQuitar");
    cmdSubir = Nombrado(new QPushButton(mrcSubareas), "cmdSubir");
    cmdBajar = Nombrado(new QPushButton(mrcSubareas), "cmdBajar");
    cmdDeterminar = Nombrado(new QPushButton(mrcSubareas), "cmdDeterminar");
    connect(cmdAnadir, &QPushButton::clicked, this, &frmHojaCuenca::cmdAnadir_Click);
    connect(cmdQuitar, &QPushButton::clicked, this, &frmHojaCuenca::cmdQuitar_Click);
    connect(cmdSubir, &QPushButton::clicked, this, [this] { Mover(-1); });
    connect(cmdBajar, &QPushButton::clicked, this, [this] { Mover(+1); });
    connect(cmdDeterminar, &QPushButton::clicked, this, &frmHojaCuenca::cmdDeterminar_Click);
    // The same from the keyboard while the rows have the focus (not while a cell is edited).
    // Ctrl+Delete, not Delete alone: a key pressed to clear a cell must not take its row and trail.
    const std::pair<QKeySequence, QPushButton*> teclas[] = {
        {QKeySequence(Qt::Key_Insert), cmdAnadir},           {QKeySequence(Qt::CTRL | Qt::Key_Delete), cmdQuitar},
        {QKeySequence(Qt::ALT | Qt::Key_Up), cmdSubir},      {QKeySequence(Qt::ALT | Qt::Key_Down), cmdBajar},
        {QKeySequence(Qt::CTRL | Qt::Key_D), cmdDeterminar},
    };
    for (const auto& [tecla, boton] : teclas) {
        auto* atajo = new QShortcut(tecla, tblSubareas, nullptr, nullptr, Qt::WidgetShortcut);
        connect(atajo, &QShortcut::activated, boton, [boton] {
            if (boton->isEnabled()) boton->click();
        });
        boton->setToolTip(tecla.toString(QKeySequence::NativeText));
    }
    lblAreaTotal = Nombrado(new QLabel(mrcSubareas), "lblAreaTotal");
    // What the rows hold that the user should know of: trails that do not
    // give their number, and text typed where it cannot go.
    lblAvisoFilas = Nombrado(new QLabel(mrcSubareas), "lblAvisoFilas");
    lblAvisoFilas->setWordWrap(true);
    lblAvisoFilas->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette avisoFilas = lblAvisoFilas->palette();
    avisoFilas.setColor(QPalette::WindowText, kTextoAviso);
    lblAvisoFilas->setPalette(avisoFilas);
    lblAvisoFilas->hide();

    mrcTormenta = Nombrado(new QGroupBox(this), "mrcTormenta");
    lblLluvia = Nombrado(new QLabel(mrcTormenta), "lblLluvia");
    txtLluvia = Nombrado(new QLineEdit(mrcTormenta), "txtLluvia");
    txtLluvia->setAlignment(Qt::AlignRight);
    txtLluvia->setMaximumWidth(110);
    lblLluvia->setBuddy(txtLluvia);
    ReglaTeclado::AplicarACampo(txtLluvia);
    connect(txtLluvia, &QLineEdit::textEdited, this, [this] {
        Modificado();
        Recalcular();
    });
    // A storm being typed is told of its fault once it is left.
    mFocoLluvia = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* antes, QWidget* despues) {
        if (antes == txtLluvia || despues == txtLluvia) MostrarMensajes();
    });
    lblLambda = Nombrado(new QLabel(mrcTormenta), "lblLambda");
    lstLambda = Nombrado(new QComboBox(mrcTormenta), "lstLambda");
    lblLambda->setBuddy(lstLambda);
    connect(lstLambda, &QComboBox::currentIndexChanged, this, [this] {
        if (mMostrando) return;
        Modificado();
        Recalcular();
    });

    mrcCompuesto = Nombrado(new QGroupBox(this), "mrcCompuesto");
    tblCompuesto = TablaResultados(mrcCompuesto, "tblCompuesto", 3, 3);
    tblEscorrentia = TablaResultados(mrcCompuesto, "tblEscorrentia", 2, 5);
    lblMensaje = Nombrado(new QLabel(mrcCompuesto), "lblMensaje");
    lblMensaje->setWordWrap(true);
    QPalette aviso = lblMensaje->palette();
    aviso.setColor(QPalette::WindowText, kTextoAviso);
    lblMensaje->setPalette(aviso);

    cmdAyuda = Nombrado(new QPushButton(QStringLiteral("?"), this), "cmdAyuda");
    PonerNegrita(cmdAyuda);
    cmdAyuda->setFixedWidth(32);
    cmdAyuda->setFocusPolicy(Qt::NoFocus);
    connect(cmdAyuda, &QPushButton::clicked, this, [] { EnviarF1(); });
    cmdCaudalPunta = Nombrado(new QPushButton(this), "cmdCaudalPunta");
    connect(cmdCaudalPunta, &QPushButton::clicked, this, &frmHojaCuenca::cmdCaudalPunta_Click);
    cmdCerrar = Nombrado(new QPushButton(this), "cmdCerrar");
    connect(cmdCerrar, &QPushButton::clicked, this, &QWidget::close);
    // Enter belongs to the fields and the cells: no button is pressed by it.
    for (QPushButton* boton : findChildren<QPushButton*>()) boton->setAutoDefault(false);
}

void frmHojaCuenca::Disponer() {
    auto* titulo = new QHBoxLayout;
    titulo->addWidget(lblTitulo);
    titulo->addWidget(txtTitulo, 1);

    auto* botones = new QVBoxLayout;
    for (QPushButton* boton : {cmdAnadir, cmdQuitar, cmdSubir, cmdBajar}) botones->addWidget(boton);
    botones->addSpacing(12);
    botones->addWidget(cmdDeterminar);
    botones->addStretch();
    auto* filas = new QGridLayout(mrcSubareas);
    filas->addWidget(tblSubareas, 0, 0);
    filas->addLayout(botones, 0, 1);
    filas->addWidget(lblAreaTotal, 1, 0);
    filas->addWidget(lblAvisoFilas, 2, 0, 1, 2);

    auto* tormenta = new QGridLayout(mrcTormenta);
    tormenta->addWidget(lblLluvia, 0, 0);
    tormenta->addWidget(txtLluvia, 0, 1);
    tormenta->addWidget(lblLambda, 1, 0);
    tormenta->addWidget(lstLambda, 1, 1);
    tormenta->setRowStretch(2, 1);

    auto* compuesto = new QVBoxLayout(mrcCompuesto);
    compuesto->addWidget(tblCompuesto);
    compuesto->addWidget(tblEscorrentia);
    compuesto->addWidget(lblMensaje);
    compuesto->addStretch();

    auto* resultados = new QHBoxLayout;
    resultados->addWidget(mrcTormenta);
    resultados->addWidget(mrcCompuesto, 1);

    auto* pie = new QHBoxLayout;
    pie->addWidget(cmdAyuda);
    pie->addStretch();
    pie->addWidget(cmdCaudalPunta);
    pie->addWidget(cmdCerrar);

    auto* columna = new QVBoxLayout(this);
    columna->setMenuBar(mnuBarra);
    columna->setContentsMargins(14, 10, 14, 12);
    columna->setSpacing(10);
    columna->addLayout(titulo);
    columna->addWidget(mrcSubareas, 1);
    columna->addLayout(resultados);
    columna->addLayout(pie);

    QWidget* orden[] = {txtTitulo, tblSubareas, cmdAnadir, cmdQuitar, cmdSubir, cmdBajar,
                        cmdDeterminar, txtLluvia, lstLambda, tblCompuesto, tblEscorrentia, cmdCaudalPunta, cmdCerrar};
    for (std::size_t i = 1; i < std::size(orden); ++i) setTabOrder(orden[i - 1], orden[i]);
}

void frmHojaCuenca::PonerTextos() {
    mnuArchivo->setTitle(T(203));
    mnuNueva->setText(T(kTextoMenuNuevaHoja));
    mnuAbrir->setText(T(kTextoMenuAbrirHoja));
    mnuRecientes->setTitle(T(kTextoMenuRecientes));
    mnuGuardar->setText(T(kTextoMenuGuardar));
    mnuGuardarComo->setText(T(kTextoMenuGuardarComo));
    mnuExportarPdf->setText(T(kTextoMenuExportarPdf));
    mnuImprimir->setText(T(kTextoMenuImprimir));
    mnuExportarCsv->setText(T(kTextoMenuExportarCsv));
    mnuCerrar->setText(T(kTextoCerrar));

    lblTitulo->setText(T(kTextoTituloHoja));
    mrcSubareas->setTitle(T(kTextoSubareas));
    tblSubareas->setHorizontalHeaderLabels({T(kTextoHojaColumnaNombre), T(kTextoHojaColumnaArea), T(kTextoHojaColumnaCuota),
                                            T(kTextoColumnaCN), T(kTextoHojaColumnaQ, {NombreLambda(Lambda::Clasica)}),
                                            T(kTextoHojaColumnaQ, {NombreLambda(Lambda::Reducida)}),
                                            T(kTextoColumnaOrigen)});
    cmdAnadir->setText(T(kTextoAnadirFila));
    cmdQuitar->setText(T(kTextoQuitarFila));
    cmdSubir->setText(T(kTextoSubir));
    cmdBajar->setText(T(kTextoBajar));
    cmdDeterminar->setText(T(kTextoHojaDeterminar));
    mrcTormenta->setTitle(T(kTextoTormenta));
    lblLluvia->setText(T(kTextoLluvia));
    lblLambda->setText(T(kTextoHojaLambda));
    for (int n : {kTextoHojaLambdaClasica, kTextoHojaLambdaReducida, kTextoHojaLambdaAmbas}) lstLambda->addItem(T(n));
    mrcCompuesto->setTitle(T(kTextoCompuesto));
    tblCompuesto->setHorizontalHeaderLabels({T(kTextoCondicion), T(kTextoCNPonderado), T(kTextoUmbral)});
    constexpr const char* kRomanos[3] = {"I", "II", "III"};
    for (int j = 0; j < 3; ++j) PonerCelda(tblCompuesto, j, 0, QString::fromLatin1(kRomanos[j]));
    tblEscorrentia->setHorizontalHeaderLabels({T(kTextoHojaColumnaLambda), T(kTextoCNPonderado), T(kTextoQDelPonderado),
                                               T(kTextoHojaQPonderada), T(kTextoCNDeQ)});
    for (QTableWidget* tabla : {tblCompuesto, tblEscorrentia}) {
        tabla->horizontalHeader()->setDefaultAlignment(Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
        tabla->horizontalHeader()->setMinimumHeight(3 * fontMetrics().height() + 6);
    }
    cmdCaudalPunta->setText(T(kTextoBotonCaudalHoja));
    cmdCerrar->setText(T(kTextoCerrar));

    // Screen readers name each control by its caption; the total area and the
    // message are read by their own text.
    const std::pair<QWidget*, QString> nombres[] = {
        {txtTitulo, SinMnemonico(kTextoTituloHoja)},   {tblSubareas, T(kTextoSubareas)},
        {cmdAnadir, SinMnemonico(kTextoAnadirFila)},   {cmdQuitar, SinMnemonico(kTextoQuitarFila)},
        {cmdSubir, SinMnemonico(kTextoSubir)},         {cmdBajar, SinMnemonico(kTextoBajar)},
        {cmdDeterminar, SinMnemonico(kTextoHojaDeterminar)},
        {txtLluvia, SinMnemonico(kTextoLluvia)},       {lstLambda, SinMnemonico(kTextoHojaLambda)},
        {tblCompuesto, T(kTextoCompuesto)},            {tblEscorrentia, T(kTextoEscorrentiaTormenta)},
        {cmdCaudalPunta, SinMnemonico(kTextoBotonCaudalHoja)},
        {cmdCerrar, SinMnemonico(kTextoCerrar)},
        {cmdAyuda, QStringLiteral("?")},
    };
    for (const auto& [control, nombre] : nombres) control->setAccessibleName(nombre);
}

void frmHojaCuenca::Cargar(const HojaCuenca& hoja, const QString& ruta) {
    mFilas.clear();
    for (const FilaHoja& fila : hoja.filas) {
        mFilas.push_back({DeUtf8(fila.nombre), Numero(fila.area), fila.area, Numero(fila.cn), fila.cn, fila.origen});
    }
    mMostrando = true;
    txtTitulo->setText(DeUtf8(hoja.titulo));
    txtLluvia->setText(hoja.lluvia ? Numero(*hoja.lluvia) : QString());
    mLluvia = hoja.lluvia;
    mTextoLluvia = txtLluvia->text();
    lstLambda->setCurrentIndex(static_cast<int>(hoja.lambda));
    mCaudal = hoja.caudal;
    mMostrando = false;
    mRuta = ruta;
    mFilaEnCurso.reset();
    mMostrarFallos = false;
    MostrarFilas(mFilas.empty() ? -1 : 0);
    setWindowModified(false);
    PonerTituloVentana();
}

HojaCuenca frmHojaCuenca::HojaEnPantalla(QString* falloLluvia) const {
    HojaCuenca hoja;
    hoja.titulo = Utf8(txtTitulo->text());
    hoja.lambda = static_cast<EleccionLambda>(std::max(0, lstLambda->currentIndex()));
    if (txtLluvia->text() == mTextoLluvia) {
        hoja.lluvia = mLluvia;
    } else if (!txtLluvia->text().trimmed().isEmpty()) {
        const auto lluvia = LeerLluvia(Utf8(txtLluvia->text()));
        if (lluvia) hoja.lluvia = *lluvia;
        else if (falloLluvia) *falloLluvia = T(MensajeEscorrentia(lluvia.error()));
    }
    // A cell that holds no value yet is NaN, which no sub-area accepts.
    constexpr double kNada = std::numeric_limits<double>::quiet_NaN();
    for (const FilaVentana& fila : mFilas) {
        hoja.filas.push_back({Utf8(fila.nombre), fila.area.value_or(kNada), fila.cn.value_or(kNada), fila.origen});
    }
    hoja.caudal = mCaudal;
    return hoja;
}

std::expected<HojaCuenca, QString> frmHojaCuenca::Hoja() const {
    QString falloLluvia;
    HojaCuenca hoja = HojaEnPantalla(&falloLluvia);
    if (!falloLluvia.isEmpty()) return std::unexpected(falloLluvia);
    for (std::size_t i = 0; i < mFilas.size(); ++i) {
        const int numero = static_cast<int>(i);
        constexpr double kNada = std::numeric_limits<double>::quiet_NaN();
        if (!mFilas[i].area) return std::unexpected(DeUtf8(MensajeCuenca({FalloCuenca::Area, numero, kNada})));
        if (!mFilas[i].cn) return std::unexpected(DeUtf8(MensajeCuenca({FalloCuenca::NumeroCurva, numero, kNada})));
    }
    return hoja;
}

// Room for a handful of rows and the whole composite at first; the user may
// make it larger or smaller.
QSize frmHojaCuenca::sizeHint() const { return QDialog::sizeHint().expandedTo(QSize(980, 660)); }

// ----- the rows ---------------------------------------------------------------

void frmHojaCuenca::TerminarEdicion() { static_cast<TablaSubareas*>(tblSubareas)->TerminarEdicion(); }

void frmHojaCuenca::MostrarFilas(int filaActual) {
    if (mMostrando) return;
    mMostrando = true;
    const int columna = std::max(0, tblSubareas->currentColumn());
    tblSubareas->setRowCount(static_cast<int>(mFilas.size()));
    for (int f = 0; f < tblSubareas->rowCount(); ++f) {
        const FilaVentana& fila = mFilas[static_cast<std::size_t>(f)];
        const QString origen = DeUtf8(TextoOrigen(fila.origen, IdiomaEnVigor().idioma));
        const QString textos[kColumnasHoja] = {fila.nombre, fila.textoArea, {}, fila.textoCN, {}, {}, origen};
        for (int c = 0; c < kColumnasHoja; ++c) {
            QTableWidgetItem* celda = tblSubareas->item(f, c);
            if (!celda) {
                celda = new QTableWidgetItem;
                tblSubareas->setItem(f, c, celda);
            }
            const bool editable = c == kColNombre || c == kColArea || c == kColCN;
            celda->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled |
                            (editable ? Qt::ItemIsEditable : Qt::NoItemFlags));
            celda->setTextAlignment(c == kColNombre || c == kColOrigen ? Qt::AlignLeft | Qt::AlignVCenter
                                                                      : Qt::AlignRight | Qt::AlignVCenter);
            if (c != kColCuota && c != kColQClasica && c != kColQReducida) celda->setText(textos[c]);
        }
    }
    if (filaActual >= 0 && filaActual < tblSubareas->rowCount()) tblSubareas->setCurrentCell(filaActual, columna);
    mMostrando = false;
    ActualizarBotones();
    Recalcular();
}

void frmHojaCuenca::ActualizarBotones() {
    const int actual = tblSubareas->currentRow();
    const bool hay = actual >= 0 && actual < tblSubareas->rowCount();
    cmdQuitar->setEnabled(hay);
    cmdDeterminar->setEnabled(hay);
    cmdSubir->setEnabled(hay && actual > 0);
    cmdBajar->setEnabled(hay && actual + 1 < tblSubareas->rowCount());
}

void frmHojaCuenca::tblSubareas_CeldaActual(int fila, int, int filaAnterior) {
    // A row left unfinished says what it lacks from now on.
    if (fila != filaAnterior && mFilaEnCurso == filaAnterior) mFilaEnCurso.reset();
    mAvisoCelda.clear();
    ActualizarBotones();
    MostrarMensajes();
}

void frmHojaCuenca::tblSubareas_TextoSinSitio(int columna) {
    QApplication::beep();
    mAvisoCelda = T(kTextoCeldaNoEditable, {Utf8(tblSubareas->horizontalHeaderItem(columna)->text())});
    MostrarMensajes();
}

void frmHojaCuenca::tblSubareas_Cambio(QTableWidgetItem* celda) {
    if (mMostrando) return;
    const int f = celda->row();
    if (f < 0 || f >= static_cast<int>(mFilas.size())) return;
    FilaVentana& fila = mFilas[static_cast<std::size_t>(f)];
    const QString texto = celda->text();
    switch (celda->column()) {
        case kColNombre:
            fila.nombre = texto;
            break;
        case kColArea:
            fila.textoArea = texto;
            fila.area = LeerArea(Utf8(texto));
            break;
        case kColCN: {
            // A number typed over a determined one is a typed number: its trail no longer holds.
            const auto cn = LeerNumeroCurvaEscorrentia(Utf8(texto));
            fila.textoCN = texto;
            fila.cn = cn ? std::optional(*cn) : std::nullopt;
            fila.origen = CurvaEscrita{};
            break;
        }
        default:
            return;
    }
    Modificado();
    MostrarFilas(f);
}

void frmHojaCuenca::cmdAnadir_Click() {
    TerminarEdicion();
    const int actual = tblSubareas->currentRow();
    const int nueva = actual < 0 ? static_cast<int>(mFilas.size()) : actual + 1;
    mFilas.insert(mFilas.begin() + nueva, FilaVentana{});
    Modificado();
    MostrarFilas(nueva);
    tblSubareas->setCurrentCell(nueva, kColNombre);
    // Being typed: what it still lacks is said once it is left.
    mFilaEnCurso = nueva;
    MostrarMensajes();
    tblSubareas->setFocus();
}

void frmHojaCuenca::cmdQuitar_Click() {
    TerminarEdicion();
    const int actual = tblSubareas->currentRow();
    if (actual < 0 || actual >= static_cast<int>(mFilas.size())) return;
    // The row being typed is always the current one.
    if (mFilaEnCurso == actual) mFilaEnCurso.reset();
    mFilas.erase(mFilas.begin() + actual);
    Modificado();
    MostrarFilas(std::min(actual, static_cast<int>(mFilas.size()) - 1));
    tblSubareas->setFocus();
}

void frmHojaCuenca::Mover(int paso) {
    TerminarEdicion();
    const int actual = tblSubareas->currentRow();
    const int destino = actual + paso;
    if (actual < 0 || destino < 0 || destino >= static_cast<int>(mFilas.size())) return;
    std::swap(mFilas[static_cast<std::size_t>(actual)], mFilas[static_cast<std::size_t>(destino)]);
    // The row being typed moves along: it is still the current one.
    if (mFilaEnCurso == actual) mFilaEnCurso = destino;
    Modificado();
    MostrarFilas(destino);
    tblSubareas->setFocus();
}

void frmHojaCuenca::cmdDeterminar_Click() {
    TerminarEdicion();
    const int actual = tblSubareas->currentRow();
    if (actual < 0 || actual >= static_cast<int>(mFilas.size())) return;
    const auto numero = DeterminarNumeroCurva(this);
    if (!numero) return;
    FilaVentana& fila = mFilas[static_cast<std::size_t>(actual)];
    fila.cn = *numero;
    fila.textoCN = QString::number(*numero);
    fila.origen = gOrigenCurva;
    // A trail that would not read back from the file is not kept: the number stays, as typed.
    HojaCuenca prueba;
    prueba.filas = {FilaHoja{{}, 1, *fila.cn, fila.origen}};
    if (!ValidarHoja(prueba)) fila.origen = CurvaEscrita{};
    Modificado();
    MostrarFilas(actual);
    tblSubareas->setFocus();
}

// The peak window on the catchment as it stands; its inputs come back
// whatever way it is closed, and are none when it is left as it starts.
void frmHojaCuenca::cmdCaudalPunta_Click() {
    TerminarEdicion();
    const auto& compuesto = mEvaluacion.compuesto;
    if (!compuesto) {
        MostrarFallos();
        MostrarMensaje(this, DeUtf8(MensajeCuenca(*mEvaluacion.rechazo)), BotonesMensaje::Aceptar, IconoMensaje::Aviso);
        return;
    }
    const EntradasCaudal entradas =
        CaudalDeHoja(this, mCaudal.value_or(EntradasCaudal{}), {AreaEnKm2(*compuesto), compuesto->CN[1]});
    const auto caudal = entradas == EntradasCaudal{} ? std::nullopt : std::optional(entradas);
    if (caudal == mCaudal) return;
    mCaudal = caudal;
    Modificado();
}

// ----- the figures --------------------------------------------------------------

void frmHojaCuenca::Recalcular() {
    const bool antes = mMostrando;
    mMostrando = true;
    mFalloLluvia.clear();
    const HojaCuenca hoja = HojaEnPantalla(&mFalloLluvia);
    // The tables the trails are checked against, as they are now.
    const auto datos = LeerDatos(RutaDatosPrograma());
    mEvaluacion = EvaluarHoja(hoja, datos ? std::span<const FilaDatos>(*datos) : std::span<const FilaDatos>());
    const auto& compuesto = mEvaluacion.compuesto;
    const auto& escorrentias = mEvaluacion.escorrentias;
    if (!mEvaluacion.rechazo && mFalloLluvia.isEmpty()) mMostrarFallos = false;

    // The rows: shares, runoff, the values that read as none in red, and the
    // trails that do not give their number marked, with why.
    bool qClasica = false;
    bool qReducida = false;
    for (const auto& e : escorrentias) (e.lambda == Lambda::Clasica ? qClasica : qReducida) = true;
    tblSubareas->setColumnHidden(kColQClasica, !qClasica);
    tblSubareas->setColumnHidden(kColQReducida, !qReducida);
    QStringList hallazgos;
    for (int f = 0; f < tblSubareas->rowCount(); ++f) {
        const auto i = static_cast<std::size_t>(f);
        const QString cuota = compuesto ? DeUtf8(Formatear(100 * compuesto->cuota[i], Patron::DosDecimales)) : QString();
        PonerCelda(tblSubareas, f, kColCuota, cuota);
        PonerCelda(tblSubareas, f, kColQClasica, QString());
        PonerCelda(tblSubareas, f, kColQReducida, QString());
        for (const auto& e : escorrentias) {
            PonerCelda(tblSubareas, f, e.lambda == Lambda::Clasica ? kColQClasica : kColQReducida, UnDecimal(e.subareas[i].Q));
        }
        tblSubareas->item(f, kColArea)->setForeground(mFilas[i].area ? palette().text() : QBrush(kTextoFalta));
        tblSubareas->item(f, kColCN)->setForeground(mFilas[i].cn ? palette().text() : QBrush(kTextoFalta));

        QStringList mensajes;
        for (const std::string& m : MensajesTraza(hoja.filas[i], f, mEvaluacion.trazas[i])) mensajes << DeUtf8(m);
        hallazgos << mensajes;
        const QString porque = mensajes.join('\n');
        QTableWidgetItem* cn = tblSubareas->item(f, kColCN);
        QTableWidgetItem* origen = tblSubareas->item(f, kColOrigen);
        cn->setBackground(mensajes.isEmpty() ? QBrush() : QBrush(kFondoTrazaDudosa));
        cn->setToolTip(porque);
        cn->setData(Qt::AccessibleDescriptionRole, porque);
        origen->setIcon(mensajes.isEmpty() ? QIcon() : style()->standardIcon(QStyle::SP_MessageBoxWarning));
        origen->setToolTip(mensajes.isEmpty() ? origen->text() : origen->text() + QStringLiteral("\n\n") + porque);
        origen->setData(Qt::AccessibleDescriptionRole, porque);
    }
    mHallazgos = hallazgos.join('\n');
    lblAreaTotal->setText(compuesto ? T(kTextoHojaAreaTotal, {TextoNumero(compuesto->areaTotal)}) : QString());

    // The composite under the three conditions, and the storm's runoff by ratio.
    for (int j = 0; j < 3; ++j) {
        PonerCelda(tblCompuesto, j, 1, compuesto ? UnDecimal(compuesto->CN[static_cast<std::size_t>(j)]) : QString());
        PonerCelda(tblCompuesto, j, 2, compuesto ? UnDecimal(compuesto->umbral[static_cast<std::size_t>(j)]) : QString());
    }
    for (int r = 0; r < 2; ++r) {
        tblEscorrentia->setRowHidden(r, r >= static_cast<int>(escorrentias.size()));
        if (r >= static_cast<int>(escorrentias.size())) continue;
        const auto& e = escorrentias[static_cast<std::size_t>(r)];
        const QString equivalente =
            (e.equivalente.sinEscorrentia ? QStringLiteral("≤ ") : QString()) + UnDecimal(e.equivalente.CN);
        const QString textos[] = {DeUtf8(NombreLambda(e.lambda)), UnDecimal(compuesto->CN[1]), UnDecimal(e.delCompuesto.Q),
                                  UnDecimal(e.Q), equivalente};
        for (int c = 0; c < 5; ++c) PonerCelda(tblEscorrentia, r, c, textos[c]);
    }
    tblEscorrentia->setVisible(!escorrentias.empty());
    AjustarAlto(tblCompuesto);
    AjustarAlto(tblEscorrentia);
    MostrarMensajes();
    mMostrando = antes;
}

void frmHojaCuenca::MostrarMensajes() {
    // What keeps the figures from being worked out, unless it is only what a
    // row being typed, or the storm being typed, does not have yet.
    QString mensaje;
    const auto& rechazo = mEvaluacion.rechazo;
    const bool deLasFilas = rechazo && !mEvaluacion.compuesto;
    if (deLasFilas) {
        const bool escribiendo = rechazo->fallo == FalloCuenca::SinFilas || (rechazo->fila >= 0 && mFilaEnCurso == rechazo->fila);
        if (mMostrarFallos || !escribiendo) mensaje = DeUtf8(MensajeCuenca(*rechazo));
    }
    if (mensaje.isEmpty() && !mFalloLluvia.isEmpty() && (mMostrarFallos || !txtLluvia->hasFocus())) mensaje = mFalloLluvia;
    if (mensaje.isEmpty() && rechazo && !deLasFilas) mensaje = DeUtf8(MensajeCuenca(*rechazo));
    lblMensaje->setText(mensaje);
    lblMensaje->setVisible(!mensaje.isEmpty());

    QString avisos = mAvisoCelda;
    if (!mHallazgos.isEmpty()) avisos += (avisos.isEmpty() ? QString() : QStringLiteral("\n")) + mHallazgos;
    lblAvisoFilas->setText(avisos);
    lblAvisoFilas->setVisible(!avisos.isEmpty());
}

void frmHojaCuenca::MostrarFallos() {
    mMostrarFallos = true;
    MostrarMensajes();
}

}  // namespace tarvel
