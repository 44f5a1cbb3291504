#include "ui/HojasRecientes.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "app/Idioma.h"
#include "ui/TextosHoja.h"
#include "ui/Textos.h"

namespace tarvel {
namespace {

QString DeVista(std::string_view texto) { return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())); }

// The one place that reads and writes the list in the settings store, beside the language.
QStringList AjusteRecientes(const QStringList* nuevo = nullptr) {
    QSettings ajustes(QSettings::IniFormat, QSettings::UserScope, DeVista(kAplicacionAjustes), DeVista(kAplicacionAjustes));
    const QString clave = DeVista(kSeccionAjustes) + QStringLiteral("/RecentWorksheets");
    if (nuevo) {
        ajustes.setValue(clave, *nuevo);
        ajustes.sync();
        return *nuevo;
    }
    return ajustes.value(clave).toStringList();
}

}  // namespace

QStringList HojasRecientes() {
    QStringList lista = AjusteRecientes();
    lista.removeAll(QString());
    return lista.mid(0, kMaximoRecientes);
}

void RecordarHoja(const QString& ruta) {
    const QString absoluta = QFileInfo(ruta).absoluteFilePath();
    QStringList lista = HojasRecientes();
    lista.removeAll(absoluta);
    lista.prepend(absoluta);
    lista = lista.mid(0, kMaximoRecientes);
    AjusteRecientes(&lista);
}

void OlvidarHoja(const QString& ruta) {
    QStringList lista = HojasRecientes();
    if (lista.removeAll(QFileInfo(ruta).absoluteFilePath()) > 0) AjusteRecientes(&lista);
}

void PrepararMenuRecientes(QMenu* menu, std::function<void(const QString&)> abrir) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, abrir] {
        menu->clear();
        const QStringList lista = HojasRecientes();
        if (lista.isEmpty()) menu->addAction(T(kTextoNingunaReciente))->setEnabled(false);
        for (int i = 0; i < lista.size(); ++i) {
            const QString ruta = lista[i];
            // "&&" keeps an ampersand of the path from becoming a mnemonic.
            const QString texto =
                QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(ruta).replace('&', "&&"));
            QAction* accion = menu->addAction(texto);
            accion->setObjectName(QStringLiteral("mnuReciente_%1").arg(i));
            // Queued, so that the menu has closed before a window opens.
            QObject::connect(
                accion, &QAction::triggered, menu, [abrir, ruta] { abrir(ruta); }, Qt::QueuedConnection);
        }
    });
}

}  // namespace tarvel
