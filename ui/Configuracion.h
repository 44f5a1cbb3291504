#pragma once
// The one setting the program keeps: the language of the next start, under
// application "Tarvel", section "Options", key "Language". Shared by the
// desktop program and the command-line companion; needs only Qt Core.
#include <QSettings>
#include <QString>

#include "app/Idioma.h"

namespace tarvel {

inline QString ClaveAjusteIdioma() {
    return QString::fromUtf8(kSeccionAjustes.data(), kSeccionAjustes.size()) + '/' +
           QString::fromUtf8(kClaveIdioma.data(), kClaveIdioma.size());
}

inline QString NombreAplicacionAjustes() {
    return QString::fromUtf8(kAplicacionAjustes.data(), kAplicacionAjustes.size());
}

// The stored language name, "" when nothing is stored.
inline QString LeerIdiomaGuardado() {
    QSettings ajustes(QSettings::IniFormat, QSettings::UserScope, NombreAplicacionAjustes(), NombreAplicacionAjustes());
    return ajustes.value(ClaveAjusteIdioma()).toString();
}

inline void GuardarIdioma(const QString& nombre) {
    QSettings ajustes(QSettings::IniFormat, QSettings::UserScope, NombreAplicacionAjustes(), NombreAplicacionAjustes());
    ajustes.setValue(ClaveAjusteIdioma(), nombre);
    ajustes.sync();
}

}  // namespace tarvel
