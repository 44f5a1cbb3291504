#include "ui/hydrology/frmEscorrentia.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
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
#include <utility>

#include "app/Patrones.h"
#include "hydrology/TextosEscorrentia.h"
#include "ui/common/Accesibilidad.h"
#include "ui/common/Colores.h"
#include "ui/common/Mensajes.h"
#include "ui/common/ReglaTeclado.h"
#include "ui/common/Textos.h"
#include "ui/common/Ventana.h"
#include "ui/determination/frmEleccion.h"
#include "ui/help/Ayuda.h"

namespace tarvel {
namespace {

constexpr int kAltoFilaTwips = 400;    // as the series results
constexpr int kAnchoMinimoTwips = 900;  // room for "100.0" in every value column

// What a screen reader says for a control: its caption without the
// accelerator mark or the colon that leads to a field.
QLineEdit* Campo(QWidget* padre, const char* nombre) {
    auto* campo = new QLineEdit(padre);
    campo->setObjectName(nombre);
    campo->setAlignment(Qt::AlignCenter);
    campo->setFixedWidth(96);
    return campo;
}

const QColor& FondoDe(GrupoEscorrentia grupo) {
    switch (grupo) {
        case GrupoEscorrentia::Condicion: return kFondoCondicion;
        case GrupoEscorrentia::Curva: return kFondoCurvaEscorrentia;
        case GrupoEscorrentia::Degradada: return kFondoPresente;
        case GrupoEscorrentia::Restaurada: return kFondoObjetivo;
        case GrupoEscorrentia::Ahorro: break;
    }
    return kFondoAhorro;
}

}  // namespace

frmEscorrentia::frmEscorrentia(QWidget* padre) : frmEscorrentia(padre, std::nullopt) {}

frmEscorrentia::frmEscorrentia(QWidget* padre, double nac, double nob) : frmEscorrentia(padre, Serie{nac, nob}) {}

frmEscorrentia::frmEscorrentia(QWidget* padre, std::optional<Serie> serie) : QDialog(padre), mSerie(serie) {
    setObjectName("frmEscorrentia");
    PrepararDialogo(this);
    CrearControles();
    Disponer();
    PonerTextos();
    FijarTopicoAyuda(this, kAyudaEscorrentia);

    opcLambda[0]->setChecked(true);
    if (mSerie) {
        txtNAC->setText(DeUtf8(TextoNumero(mSerie->nac)));
        txtNOB->setText(DeUtf8(TextoNumero(mSerie->nob)));
    }
    Actualizar();
    for (QLineEdit* campo : {txtNC, txtP}) {
        if (campo) connect(campo, &QLineEdit::textChanged, this, &frmEscorrentia::Actualizar);
    }
    for (QRadioButton* opcion : opcLambda) {
        connect(opcion, &QRadioButton::toggled, this, [this](bool marcada) {
            if (marcada) Actualizar();
        });
    }
    (mSerie ? txtP : txtNC)->setFocus();
    CentrarEnPantalla(this);
}

// Created in focus order: the fields (Enter moves from one to the next),
// the ratios, the determination, the table and the buttons.
void frmEscorrentia::CrearControles() {
    if (mSerie) {
        lblNAC = new QLabel(this);
        lblNAC->setObjectName("lblNAC");
        txtNAC = Campo(this, "txtNAC");
        lblNOB = new QLabel(this);
        lblNOB->setObjectName("lblNOB");
        txtNOB = Campo(this, "txtNOB");
        // The series as the results show it: read, not typed, in the colour
        // of its hillside's columns.
        for (auto [campo, fondo] : {std::pair{txtNAC, kFondoPresente}, std::pair{txtNOB, kFondoObjetivo}}) {
            campo->setReadOnly(true);
            campo->setFocusPolicy(Qt::NoFocus);
            QPalette paleta = campo->palette();
            paleta.setColor(QPalette::Base, fondo);
            paleta.setColor(QPalette::Text, Qt::black);
            campo->setPalette(paleta);
        }
        lblNAC->setBuddy(txtNAC);
        lblNOB->setBuddy(txtNOB);
    } else {
        lblCurva = new QLabel(this);
        lblCurva->setObjectName("lblCurva");
        txtNC = Campo(this, "txtNC");
        lblCurva->setBuddy(txtNC);
    }
    lblLluvia = new QLabel(this);
    lblLluvia->setObjectName("lblLluvia");
    txtP = Campo(this, "txtP");
    lblLluvia->setBuddy(txtP);
    for (QLineEdit* campo : {txtNC, txtP}) {
        if (!campo) continue;
        ReglaTeclado::AplicarACampo(campo);
        campo->installEventFilter(this);
    }

    mrcLambda = new QGroupBox(this);
    mrcLambda->setObjectName("mrcLambda");
    for (std::size_t i = 0; i < opcLambda.size(); ++i) {
        opcLambda[i] = new QRadioButton(mrcLambda);
        opcLambda[i]->setObjectName(QStringLiteral("opcLambda_%1").arg(i));
    }
    if (!mSerie) {
        cmdDeterminar = new QPushButton(this);
        cmdDeterminar->setObjectName("cmdDeterminar");
        connect(cmdDeterminar, &QPushButton::clicked, this, &frmEscorrentia::cmdDeterminar_Click);
    }

    lblTabla = new QLabel(this);
    lblTabla->setObjectName("lblTabla");
    PonerNegrita(lblTabla);
    tblEscorrentia = new QTableWidget(this);
    tblEscorrentia->setObjectName("tblEscorrentia");
    tblEscorrentia->horizontalHeader()->hide();
    tblEscorrentia->verticalHeader()->hide();
    tblEscorrentia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblEscorrentia->setSelectionMode(QAbstractItemView::NoSelection);
    tblEscorrentia->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblEscorrentia->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblEscorrentia->setFocusPolicy(Qt::StrongFocus);
    tblEscorrentia->setTabKeyNavigation(false);  // Tab leaves the table for the buttons
    tblEscorrentia->installEventFilter(this);
    lblTabla->setBuddy(tblEscorrentia);
    lblResumen = new QLabel(this);
    lblResumen->setObjectName("lblResumen");
    lblResumen->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdCopiar = new QPushButton(this);
    cmdCopiar->setObjectName("cmdCopiar");
    connect(cmdCopiar, &QPushButton::clicked, this, &frmEscorrentia::cmdCopiar_Click);
    cmdAyuda = new QPushButton(QStringLiteral("?"), this);
    cmdAyuda->setObjectName("cmdAyuda");
    cmdAyuda->setFixedWidth(32);
    connect(cmdAyuda, &QPushButton::clicked, this, [] { EnviarF1(); });
    for (QPushButton* boton : {cmdDeterminar, cmdCopiar, cmdAyuda}) {
        if (boton) boton->setAutoDefault(false);
    }
}

void frmEscorrentia::Disponer() {
    auto* entradas = new QGridLayout;
    entradas->setHorizontalSpacing(10);
    entradas->setVerticalSpacing(8);
    int fila = 0;
    if (mSerie) {
        entradas->addWidget(lblNAC, fila, 0);
        entradas->addWidget(txtNAC, fila++, 1);
        entradas->addWidget(lblNOB, fila, 0);
        entradas->addWidget(txtNOB, fila++, 1);
    } else {
        entradas->addWidget(lblCurva, fila, 0);
        entradas->addWidget(txtNC, fila, 1);
        entradas->addWidget(cmdDeterminar, fila++, 2);
    }
    entradas->addWidget(lblLluvia, fila, 0);
    entradas->addWidget(txtP, fila++, 1);
    entradas->setRowStretch(fila, 1);

    auto* lambdas = new QVBoxLayout(mrcLambda);
    lambdas->setSpacing(6);
    for (QRadioButton* opcion : opcLambda) lambdas->addWidget(opcion);

    auto* arriba = new QHBoxLayout;
    arriba->setSpacing(24);
    arriba->addLayout(entradas);
    arriba->addWidget(mrcLambda, 0, Qt::AlignTop);
    arriba->addStretch(1);

    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(cmdCopiar);
    pie->addWidget(cmdAyuda);

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(20, 16, 20, 14);
    columna->setSpacing(10);
    columna->addLayout(arriba);
    columna->addSpacing(4);
    columna->addWidget(lblTabla);
    columna->addWidget(tblEscorrentia, 0, Qt::AlignLeft);
    columna->addWidget(lblResumen);
    columna->addLayout(pie);
    columna->setSizeConstraint(QLayout::SetFixedSize);
}

void frmEscorrentia::PonerTextos() {
    setWindowTitle(T(kTextoVentanaEscorrentia));
    const auto poner = [](QWidget* control, QLabel* etiqueta, int texto) { Rotular(control, etiqueta, T(texto)); };
    poner(txtNC, lblCurva, kTextoCampoCurva);
    poner(txtNAC, lblNAC, kTextoCampoNAC);
    poner(txtNOB, lblNOB, kTextoCampoNOB);
    poner(txtP, lblLluvia, kTextoCampoLluvia);
    poner(tblEscorrentia, lblTabla, kTextoTituloTablaEscorrentia);
    mrcLambda->setTitle(T(kTextoMarcoLambda));
    mrcLambda->setAccessibleName(T(kTextoMarcoLambda));
    const int lambdas[] = {kTextoLambdaClasica, kTextoLambdaReducida, kTextoLambdaAmbas};
    for (std::size_t i = 0; i < opcLambda.size(); ++i) opcLambda[i]->setText(T(lambdas[i]));
    if (cmdDeterminar) cmdDeterminar->setText(T(kTextoDeterminar));
    cmdCopiar->setText(T(kTextoCopiar));
    for (QAbstractButton* boton : std::initializer_list<QAbstractButton*>{
             opcLambda[0], opcLambda[1], opcLambda[2], cmdDeterminar, cmdCopiar}) {
        if (boton) boton->setAccessibleName(NombreDeRotulo(boton->text()));
    }
    cmdAyuda->setAccessibleName(T(kNombreAyuda));
}

EleccionLambda frmEscorrentia::Eleccion() const {
    if (opcLambda[1]->isChecked()) return EleccionLambda::Reducida;
    if (opcLambda[2]->isChecked()) return EleccionLambda::Ambas;
    return EleccionLambda::Clasica;
}

std::expected<TablaEscorrentia, RechazoEscorrentia> frmEscorrentia::Calcular() const {
    PeticionEscorrentia peticion;
    peticion.eleccion = Eleccion();
    if (mSerie) {
        peticion.cn = mSerie->nac;
        peticion.nob = mSerie->nob;
    } else {
        const auto cn = LeerNumeroCurvaEscorrentia(txtNC->text().toStdString());
        if (!cn) return std::unexpected(cn.error());
        peticion.cn = *cn;
    }
    const auto p = LeerLluvia(txtP->text().toStdString());
    if (!p) return std::unexpected(p.error());
    peticion.p = *p;
    return CalcularTablaEscorrentia(peticion);
}

void frmEscorrentia::Actualizar() {
    const auto tabla = Calcular();
    MostrarTabla(tabla ? *tabla : EsqueletoEscorrentia(mSerie.has_value(), Eleccion()));
}

void frmEscorrentia::MostrarTabla(const TablaEscorrentia& tabla) {
    const int filas = static_cast<int>(tabla.textos.size());
    const int columnas = static_cast<int>(tabla.grupos.size());
    QTableWidget* rejilla = tblEscorrentia;
    rejilla->clearSpans();
    rejilla->setRowCount(filas);
    rejilla->setColumnCount(columnas);

    QFont negrita = rejilla->font();
    negrita.setBold(true);
    const bool dosLambdas = Eleccion() == EleccionLambda::Ambas;
    for (int f = 0; f < filas; ++f) {
        const bool cabecera = f < kFilasCabeceraEscorrentia;
        const bool segunda = dosLambdas && f >= kFilasCabeceraEscorrentia + 3;
        for (int c = 0; c < columnas; ++c) {
            auto* celda = new QTableWidgetItem(DeUtf8(tabla.textos[f][c]));
            celda->setFlags(Qt::ItemIsEnabled);
            celda->setTextAlignment(Qt::AlignCenter);
            const QColor& fondo = FondoDe(tabla.grupos[c]);
            celda->setBackground(segunda ? fondo.darker(kOscurecerSegundaLambda) : fondo);
            celda->setForeground(Qt::black);
            if (cabecera) celda->setFont(negrita);
            if (const auto& valor = tabla.valores[f][c]) celda->setToolTip(DeUtf8(Formatear(*valor, Patron::DosDecimales)));
            rejilla->setItem(f, c, celda);
        }
    }

    // Equal neighbours are one cell: a group's heading over its columns, a
    // heading that names its column in both heading rows, a ratio over its rows.
    const auto texto = [&](int f, int c) { return tabla.textos[f][c]; };
    std::vector<std::pair<int, int>> grupos;  // first column and width of each joined group heading
    for (int c = 0; c < columnas;) {
        int fin = c + 1;
        while (fin < columnas && texto(0, fin) == texto(0, c)) ++fin;
        if (fin - c > 1) {
            rejilla->setSpan(0, c, 1, fin - c);
            grupos.emplace_back(c, fin - c);
        } else if (texto(0, c) == texto(1, c)) {
            rejilla->setSpan(0, c, kFilasCabeceraEscorrentia, 1);
        }
        c = fin;
    }
    for (int f = kFilasCabeceraEscorrentia; f < filas;) {
        int fin = f + 1;
        while (fin < filas && texto(fin, 0) == texto(f, 0)) ++fin;
        if (fin - f > 1) rejilla->setSpan(f, 0, fin - f, 1);
        f = fin;
    }

    // Every column as wide as its widest text, every group as wide as its heading.
    const QFontMetrics medidaNegrita(negrita);
    const QFontMetrics medida(rejilla->font());
    const int margen = 18;
    std::vector<int> anchos(static_cast<std::size_t>(columnas), PixelesDeTwips(this, kAnchoMinimoTwips) / 2);
    for (int c = 0; c < columnas; ++c) {
        auto& ancho = anchos[static_cast<std::size_t>(c)];
        if (tabla.grupos[c] != GrupoEscorrentia::Condicion) ancho = PixelesDeTwips(this, kAnchoMinimoTwips);
        for (int f = 1; f < filas; ++f) {
            const QFontMetrics& m = f < kFilasCabeceraEscorrentia ? medidaNegrita : medida;
            ancho = std::max(ancho, m.horizontalAdvance(DeUtf8(texto(f, c))) + margen);
        }
    }
    for (const auto& [primera, cuantas] : grupos) {
        int suma = 0;
        for (int c = primera; c < primera + cuantas; ++c) suma += anchos[static_cast<std::size_t>(c)];
        const int falta = medidaNegrita.horizontalAdvance(DeUtf8(texto(0, primera))) + margen - suma;
        if (falta > 0) anchos[static_cast<std::size_t>(primera + cuantas - 1)] += falta;
    }
    int ancho = 2 * rejilla->frameWidth();
    for (int c = 0; c < columnas; ++c) {
        rejilla->setColumnWidth(c, anchos[static_cast<std::size_t>(c)]);
        ancho += anchos[static_cast<std::size_t>(c)];
    }
    const int alto = PixelesDeTwips(this, kAltoFilaTwips);
    for (int f = 0; f < filas; ++f) rejilla->setRowHeight(f, alto);
    rejilla->setFixedSize(ancho, alto * filas + 2 * rejilla->frameWidth());

    // One line per ratio, blank while there is nothing to say, so that the
    // window keeps its height as the fields are typed.
    QStringList lineas;
    for (const auto& linea : tabla.resumen) lineas << DeUtf8(linea);
    lblResumen->setText(lineas.join('\n'));
    lblResumen->setMinimumHeight(static_cast<int>(LambdasDe(Eleccion()).size()) * lblResumen->fontMetrics().lineSpacing());
}

QLineEdit* frmEscorrentia::CampoDe(const RechazoEscorrentia& rechazo) const {
    switch (rechazo.valor) {
        case ValorEscorrentia::NumeroCurva: return txtNC;
        case ValorEscorrentia::Lluvia: return txtP;
        case ValorEscorrentia::NAC:
        case ValorEscorrentia::NOB: break;
    }
    return nullptr;
}

void frmEscorrentia::Rechazar(const RechazoEscorrentia& rechazo) {
    MostrarMensaje(this, T(MensajeEscorrentia(rechazo)));
    if (QLineEdit* campo = CampoDe(rechazo)) {
        // The field the focus is taken from is not being left by the user:
        // checking it too would send the focus back and forth.
        mDevolviendoFoco = true;
        campo->setFocus(Qt::OtherFocusReason);
        mDevolviendoFoco = false;
        campo->selectAll();
    }
}

bool frmEscorrentia::ComprobarCampo() {
    QLineEdit* campo = std::exchange(mCampoPorComprobar, nullptr);
    // Closing in the meantime, or nothing typed yet: nothing to say.
    if (!campo || !isVisible() || campo->text().trimmed().isEmpty()) return true;
    const std::string texto = campo->text().toStdString();
    auto lectura = campo == txtP ? LeerLluvia(texto) : LeerNumeroCurvaEscorrentia(texto);
    if (lectura) {
        // A value read well can still be one the runoff cannot be computed for.
        const auto tabla = Calcular();
        if (tabla || CampoDe(tabla.error()) != campo) return true;
        lectura = std::unexpected(tabla.error());
    }
    Rechazar(lectura.error());
    return false;
}

void frmEscorrentia::cmdDeterminar_Click() {
    if (!ComprobarCampo()) return;
    const auto numero = DeterminarNumeroCurva(this);
    if (!numero) return;
    txtNC->setText(QString::number(*numero));
    // A table cell without a curve number hands back -1.
    if (const auto cn = LeerNumeroCurvaEscorrentia(txtNC->text().toStdString()); !cn) Rechazar(cn.error());
}

void frmEscorrentia::cmdCopiar_Click() {
    if (!ComprobarCampo()) return;
    const auto tabla = Calcular();
    if (!tabla) {
        Rechazar(tabla.error());
        return;
    }
    QApplication::clipboard()->setText(DeUtf8(TablaEscorrentiaTsv(*tabla)));
}

bool frmEscorrentia::eventFilter(QObject* objeto, QEvent* evento) {
    if ((objeto == txtNC || objeto == txtP) && evento->type() == QEvent::FocusOut && CambioDeControl(evento) &&
        !mDevolviendoFoco) {
        // Checked once the focus has settled: a button pressed meanwhile
        // checks it first.
        mCampoPorComprobar = static_cast<QLineEdit*>(objeto);
        QTimer::singleShot(0, this, [this] { ComprobarCampo(); });
    } else if (objeto == tblEscorrentia && evento->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Copy)) {
        cmdCopiar_Click();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmEscorrentia::keyPressEvent(QKeyEvent* evento) {
    if (!EnterPulsaBotonConFoco(this, evento)) QDialog::keyPressEvent(evento);
}

}  // namespace tarvel
