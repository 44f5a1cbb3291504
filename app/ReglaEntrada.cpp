#include "app/ReglaEntrada.h"

namespace tarvel {

AccionEntrada ReglaEntrada(TeclaEntrada tecla, char separador) {
    using Tipo = AccionEntrada::Tipo;
    switch (tecla) {
        case TeclaEntrada::Intro:
            return {Tipo::Tabulador};
        // With "." in force the keypad key enters whatever the keyboard gives it.
        case TeclaEntrada::DecimalTeclado:
        case TeclaEntrada::Punto:
            if (separador == ',') return {Tipo::Separador, ','};
            return {};
        case TeclaEntrada::Coma:
            if (separador == '.') return {Tipo::Separador, '.'};
            return {};
        case TeclaEntrada::Otra:
            return {};
    }
    return {};
}

}  // namespace tarvel
