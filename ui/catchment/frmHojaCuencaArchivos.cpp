// The worksheet window's File menu: new, open, save, the report on paper or
// as a PDF, the rows as CSV, and the worksheet items of the main menu.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>

#include "catchment/ArchivoHoja.h"
#include "catchment/InformeHoja.h"
#include "ui/catchment/HojasRecientes.h"
#include "ui/catchment/TextosHoja.h"
#include "ui/catchment/frmHojaCuenca.h"
#include "ui/common/Accesibilidad.h"
#include "ui/common/DatosPrograma.h"
#include "ui/common/DialogoArchivo.h"
#include "ui/common/GuardarArchivo.h"
#include "ui/common/Mensajes.h"
#include "ui/common/Textos.h"

namespace tarvel {
namespace {

std::string Utf8(const QString& texto) { return texto.toStdString(); }

// The file's text in place of the old one only once it is all written.
std::expected<void, QString> EscribirArchivo(const QString& ruta, const QByteArray& contenido) {
    return GuardarArchivo(ruta, [&](QIODevice& archivo) { return archivo.write(contenido) == contenido.size(); });
}

// A worksheet file, or its fault told to the user.
std::optional<HojaCuenca> LeerArchivo(QWidget* padre, const QString& ruta) {
    auto hoja = LeerHojaDeArchivo(std::filesystem::path(QFile::encodeName(ruta).toStdString()));
    if (hoja) return std::move(*hoja);
    MostrarMensaje(padre,
                   T(kTextoNoAbierta, {Utf8(QDir::toNativeSeparators(ruta))}) + QStringLiteral("\n\n") +
                       DeUtf8(MensajeErrorHoja(hoja.error())),
                   BotonesMensaje::Aceptar, IconoMensaje::Aviso);
    if (!QFileInfo::exists(ruta)) OlvidarHoja(ruta);
    return std::nullopt;
}

}  // namespace

// ----- files ----------------------------------------------------------------------

void frmHojaCuenca::Modificado() {
    if (mMostrando) return;
    setWindowModified(true);
}

QString frmHojaCuenca::NombreHoja() const { return mRuta.isEmpty() ? T(kTextoSinTitulo) : QFileInfo(mRuta).fileName(); }

void frmHojaCuenca::PonerTituloVentana() {
    setWindowTitle(NombreHoja() + QStringLiteral("[*] — ") + T(kTextoHojaCuenca));
}

bool frmHojaCuenca::PuedeDejarse() {
    TerminarEdicion();
    if (!isWindowModified()) return true;
    switch (MostrarMensaje(this, T(kTextoCambiosSinGuardar, {Utf8(NombreHoja())}),
                           BotonesMensaje::GuardarDescartarCancelar, IconoMensaje::Pregunta)) {
        case RespuestaMensaje::Guardar: return mnuGuardar_Click();
        case RespuestaMensaje::Descartar: return true;
        default: return false;
    }
}

void frmHojaCuenca::reject() {
    if (PuedeDejarse()) QDialog::reject();
}

bool frmHojaCuenca::AbrirArchivo(const QString& ruta) {
    const auto hoja = LeerArchivo(this, ruta);
    if (!hoja) return false;
    Cargar(*hoja, QFileInfo(ruta).absoluteFilePath());
    RecordarHoja(ruta);
    return true;
}

void frmHojaCuenca::mnuNueva_Click() {
    if (PuedeDejarse()) Cargar(HojaCuenca{}, QString());
}

void frmHojaCuenca::mnuAbrir_Click() {
    if (!PuedeDejarse()) return;
    const QString ruta = ElegirArchivo({this, ModoArchivo::Abrir, NombreDeRotulo(T(kTextoMenuAbrirHoja)), {T(kTextoFiltroHoja)}, {}}).ruta;
    if (!ruta.isEmpty()) AbrirArchivo(ruta);
}

void frmHojaCuenca::AbrirReciente(const QString& ruta) {
    if (PuedeDejarse()) AbrirArchivo(ruta);
}

bool frmHojaCuenca::mnuGuardar_Click() { return mRuta.isEmpty() ? mnuGuardarComo_Click() : GuardarEn(mRuta); }

bool frmHojaCuenca::mnuGuardarComo_Click() {
    // What keeps the worksheet from being saved is said before a file is asked for.
    TerminarEdicion();
    if (const auto hoja = Hoja(); !hoja) {
        MostrarFallos();
        MostrarMensaje(this, hoja.error(), BotonesMensaje::Aceptar, IconoMensaje::Aviso);
        return false;
    }
    const QString ruta = ElegirArchivo({this, ModoArchivo::Guardar, NombreDeRotulo(T(kTextoMenuGuardarComo)), {T(kTextoFiltroHoja)}, ArchivoPropuesto(DeUtf8(kSufijoHoja))}).ruta;
    return !ruta.isEmpty() && GuardarEn(ruta);
}

bool frmHojaCuenca::GuardarEn(const QString& ruta) {
    TerminarEdicion();
    const auto hoja = Hoja();
    if (!hoja) {
        MostrarFallos();
        MostrarMensaje(this, hoja.error(), BotonesMensaje::Aceptar, IconoMensaje::Aviso);
        return false;
    }
    const auto texto = TextoHoja(*hoja);
    if (!texto) {
        MostrarMensaje(this, DeUtf8(MensajeErrorHoja(texto.error())), BotonesMensaje::Aceptar, IconoMensaje::Aviso);
        return false;
    }
    if (const auto escrito = EscribirArchivo(ruta, QByteArray::fromStdString(*texto)); !escrito) {
        MostrarMensaje(this, T(kTextoHojaNoGuardado, {Utf8(QDir::toNativeSeparators(ruta)), Utf8(escrito.error())}),
                       BotonesMensaje::Aceptar, IconoMensaje::Aviso);
        return false;
    }
    mRuta = QFileInfo(ruta).absoluteFilePath();
    // What was saved is what the window now holds, value for value.
    mLluvia = hoja->lluvia;
    mTextoLluvia = txtLluvia->text();
    setWindowModified(false);
    PonerTituloVentana();
    RecordarHoja(mRuta);
    return true;
}

// ----- report and export --------------------------------------------------------------

std::expected<Informe, QString> frmHojaCuenca::CrearInforme() {
    TerminarEdicion();
    const auto hoja = Hoja();
    if (!hoja) {
        MostrarFallos();
        return std::unexpected(hoja.error());
    }
    const auto datos = LeerDatos(RutaDatosPrograma());
    const auto evaluacion = EvaluarHoja(*hoja, datos ? std::span<const FilaDatos>(*datos) : std::span<const FilaDatos>());
    const auto modelo = InformeDeHoja(*hoja, evaluacion, Utf8(NombreHoja()), Utf8(QDate::currentDate().toString(Qt::ISODate)));
    if (!modelo) {
        MostrarFallos();
        return std::unexpected(DeUtf8(MensajeCuenca(modelo.error())));
    }
    return Informe(*modelo);
}

// Beside the worksheet's file and with its name; a worksheet never saved
// proposes its title (else "Untitled"), in the folder the dialog starts at.
QString frmHojaCuenca::ArchivoPropuesto(const QString& sufijo) const {
    if (mRuta.isEmpty()) return NombreArchivoDe(txtTitulo->text(), T(kTextoSinTitulo)) + sufijo;
    return QFileInfo(mRuta).absolutePath() + '/' + QFileInfo(mRuta).completeBaseName() + sufijo;
}

void frmHojaCuenca::mnuExportarPdf_Click() {
    const auto informe = CrearInforme();
    if (!informe) {
        MostrarMensaje(this, informe.error(), BotonesMensaje::Aceptar, IconoMensaje::Aviso);
        return;
    }
    const QString ruta = ElegirArchivo({this, ModoArchivo::Guardar, T(kTextoTituloExportarPdf), {T(kTextoFiltroPdf)}, ArchivoPropuesto(QStringLiteral(".pdf"))}).ruta;
    if (ruta.isEmpty()) return;
    if (const auto escrito = GuardarPdf(*informe, ruta, windowTitle().remove(QStringLiteral("[*]"))); !escrito) {
        MostrarMensaje(this, T(kTextoHojaNoGuardado, {Utf8(QDir::toNativeSeparators(ruta)), Utf8(escrito.error())}),
                       BotonesMensaje::Aceptar, IconoMensaje::Aviso);
    }
}

void frmHojaCuenca::mnuImprimir_Click() {
    const auto informe = CrearInforme();
    if (!informe) {
        MostrarMensaje(this, informe.error(), BotonesMensaje::Aceptar, IconoMensaje::Aviso);
        return;
    }
    ImprimirInforme(*informe, this, T(kTextoTituloImprimir));
}

void frmHojaCuenca::mnuExportarCsv_Click() {
    TerminarEdicion();
    const auto hoja = Hoja();
    const auto csv = hoja ? CsvHoja(*hoja) : std::expected<std::string, RechazoCuenca>();
    if (!hoja || !csv) {
        MostrarFallos();
        MostrarMensaje(this, hoja ? DeUtf8(MensajeCuenca(csv.error())) : hoja.error(), BotonesMensaje::Aceptar,
                       IconoMensaje::Aviso);
        return;
    }
    const QString ruta = ElegirArchivo({this, ModoArchivo::Guardar, T(kTextoTituloExportarCsv), {T(kTextoHojaFiltroCsv)}, ArchivoPropuesto(QStringLiteral(".csv"))}).ruta;
    if (ruta.isEmpty()) return;
    if (const auto escrito = EscribirArchivo(ruta, QByteArray::fromStdString(*csv)); !escrito) {
        MostrarMensaje(this, T(kTextoHojaNoGuardado, {Utf8(QDir::toNativeSeparators(ruta)), Utf8(escrito.error())}),
                       BotonesMensaje::Aceptar, IconoMensaje::Aviso);
    }
}

// ----- from the main menu -------------------------------------------------------------

void AbrirHojaCuenca(QWidget* padre, const QString& ruta) {
    std::optional<HojaCuenca> leida;
    if (!ruta.isEmpty()) {
        leida = LeerArchivo(padre, ruta);
        if (!leida) return;
        RecordarHoja(ruta);
    }
    // On the heap and deleted when closed: whatever ends its owner while it is
    // open takes it along, and exec() sees that.
    auto* hoja = new frmHojaCuenca(padre);
    hoja->setAttribute(Qt::WA_DeleteOnClose);
    if (leida) hoja->Cargar(*leida, QFileInfo(ruta).absoluteFilePath());
    hoja->exec();
}

void AnadirMenusHoja(QMenu* archivo, QAction* antes, QWidget* padre) {
    auto* nueva = new QAction(T(kTextoMenuNuevaHoja), archivo);
    nueva->setObjectName("mnuArchivoNuevaHoja");
    QObject::connect(nueva, &QAction::triggered, padre, [padre] { AbrirHojaCuenca(padre); });
    auto* abrir = new QAction(T(kTextoMenuAbrirHoja), archivo);
    abrir->setObjectName("mnuArchivoAbrirHoja");
    QObject::connect(abrir, &QAction::triggered, padre, [padre] {
        const QString ruta = ElegirArchivo({padre, ModoArchivo::Abrir, NombreDeRotulo(T(kTextoMenuAbrirHoja)), {T(kTextoFiltroHoja)}, {}}).ruta;
        if (!ruta.isEmpty()) AbrirHojaCuenca(padre, ruta);
    });
    auto* recientes = new QMenu(T(kTextoMenuRecientes), archivo);
    recientes->setObjectName("mnuArchivoHojasRecientes");
    PrepararMenuRecientes(recientes, [padre](const QString& ruta) { AbrirHojaCuenca(padre, ruta); });
    archivo->insertAction(antes, nueva);
    archivo->insertAction(antes, abrir);
    archivo->insertMenu(antes, recientes);
    archivo->insertSeparator(antes);
}

}  // namespace tarvel
