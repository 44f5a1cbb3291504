// Build step: checks resources/strings.tsv and writes it out as the compiled
// text table of tarvel_core. Any fault in the file stops the build with the
// line and the reason.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/TablaTextosTsv.h"

namespace {

// A C++ string literal for any bytes; octal escapes never swallow the next character.
std::string Literal(const std::string& texto) {
    std::string salida = "\"";
    for (const unsigned char c : texto) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
            salida.push_back(static_cast<char>(c));
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", c);
            salida += escape;
        }
    }
    return salida + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tarvel_gen_textos strings.tsv output.cpp\n";
        return 2;
    }
    std::ifstream entrada(argv[1], std::ios::binary);
    if (!entrada) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::stringstream contenido;
    contenido << entrada.rdbuf();
    const auto tabla = tarvel::LeerTablaTextos(contenido.str());
    if (!tabla) {
        std::cerr << argv[1] << ":" << tabla.error().linea << ": " << tabla.error().motivo << "\n";
        return 1;
    }

    std::ostringstream codigo;
    codigo << "// Generated from resources/strings.tsv by tarvel_gen_textos; edit that file instead.\n"
           << "#include <string_view>\n\nnamespace tarvel::detalle {\n\n"
           << "extern const std::string_view kTextos[" << tarvel::kNumeroTextos << "][2] = {\n";
    for (const auto& par : tabla->textos) {
        codigo << "    {" << Literal(par[0]) << ", " << Literal(par[1]) << "},\n";
    }
    codigo << "};\n\n}  // namespace tarvel::detalle\n";

    std::ofstream salida(argv[2], std::ios::binary | std::ios::trunc);
    salida << codigo.str();
    if (!salida) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
