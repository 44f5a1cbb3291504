#include "ui/catchment/HojasRecientes.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "settings/Ajustes.h"
#include "ui/catchment/TextosHoja.h"
#include "ui/common/Textos.h"

namespace tarvel {

QStringList HojasRecientes() {
    QStringList lista = LeerHojasRecientes();
    lista.removeAll(QString());
    return lista.mid(0, kMaximoRecientes);
}

void RecordarHoja(const QString& ruta) {
    const QString absoluta = QFileInfo(ruta).absoluteFilePath();
    QStringList lista = HojasRecientes();
    lista.removeAll(absoluta);
    lista.prepend(absoluta);
    lista = lista.mid(0, kMaximoRecientes);
    GuardarHojasRecientes(lista);
}

void OlvidarHoja(const QString& ruta) {
    QStringList lista = HojasRecientes();
    if (lista.removeAll(QFileInfo(ruta).absoluteFilePath()) > 0) GuardarHojasRecientes(lista);
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
