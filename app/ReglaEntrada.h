#pragma once
// The input rule of numeric fields: Enter moves the focus on like Tab, and each
// of the three decimal keys enters the decimal separator in force.

namespace tarvel {

enum class TeclaEntrada {
    Intro,           // Enter, on the main keyboard or the keypad
    DecimalTeclado,  // the decimal key of the numeric keypad
    Coma,            // the comma key of the main keyboard
    Punto,           // the full-stop key of the main keyboard
    Otra,
};

struct AccionEntrada {
    enum class Tipo { Nada, Tabulador, Separador } tipo = Tipo::Nada;
    char separador = 0;  // the character to enter instead, with Tipo::Separador
};

// separador: the decimal separator in force, '.' or ','.
AccionEntrada ReglaEntrada(TeclaEntrada tecla, char separador);

}  // namespace tarvel
