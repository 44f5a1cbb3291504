#include "cli/Comun.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "app/TextosMensajes.h"
#include "hydrology/TextosEscorrentia.h"
#include "cli/batch/Evaluacion.h"
#include "cli/batch/Mensajes.h"
#include "settings/Ajustes.h"

namespace tarvel::cli {

void Uso(int texto, std::initializer_list<std::string_view> valores) { throw ErrorUso(Mensaje(texto, valores)); }

void ExigirArgumentos(std::initializer_list<const CLI::Option*> argumentos) {
    for (const CLI::Option* argumento : argumentos) {
        if (argumento->count() == 0) Uso(kTextoFaltaArgumento, {argumento->get_name()});
    }
}

std::filesystem::path RutaDatosPrograma() { return RutaDatos(RutaLocal(CarpetaPrograma())); }

int Rechazar(const std::string& mensaje) {
    std::cerr << mensaje << '\n';
    return kRechazado;
}

std::string TextoJson(const nlohmann::ordered_json& objeto) {
    return objeto.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

int Escribir(const Opciones& opciones, const nlohmann::ordered_json& objeto, const std::string& texto) {
    std::cout << (opciones.json ? TextoJson(objeto) : texto) << '\n';
    return kHecho;
}

int EscribirNumeroCurva(const Opciones& opciones, const CurvaHallada& numero, bool conFila) {
    const std::string& texto = numero.presentacion.texto;
    return Escribir(opciones,
                    {{"row", numero.fila}, {"group", numero.letra}, {"text", texto}, {"missing", numero.valor.falta}},
                    conFila ? std::to_string(numero.fila) + " " + texto : texto);
}

CLI::Option* AnadirCsv(CLI::App& comando, std::string& archivo, std::string_view columnas) {
    return comando.add_option("--csv", archivo,
                              "batch: read the inputs from this CSV file (- for standard input), one row each, and "
                              "write them with their results as CSV; " +
                                  std::string(columnas))
        ->type_name("FILE|-");
}

bool FormaLote(const CLI::Option* csv, std::initializer_list<const CLI::Option*> valores) {
    if (csv->count() == 0) {
        ExigirArgumentos(valores);
        return false;
    }
    for (const CLI::Option* valor : valores) {
        if (valor->count() > 0) Uso(kTextoIncompatibles, {valor->get_name(), "--csv"});
    }
    return true;
}

int ConEntrada(const std::string& archivo, const std::function<int(std::istream&)>& leer) {
    if (archivo == "-") return leer(std::cin);
    std::error_code ec;
    if (std::filesystem::is_directory(archivo, ec)) {
        return Rechazar(Mensaje(kTextoNoSeAbre, {archivo, MotivoDeSistema(EISDIR)}));
    }
    errno = 0;
    std::ifstream entrada(archivo, std::ios::binary);
    if (!entrada) return Rechazar(Mensaje(kTextoNoSeAbre, {archivo, MotivoDeSistema(errno)}));
    return leer(entrada);
}

int EjecutarLoteCsv(const Opciones& opciones, const Leido<DefinicionLote>& definicion, const std::string& archivo) {
    if (opciones.json) Uso(kTextoIncompatibles, {"--json", "--csv"});
    if (!definicion) return Rechazar(definicion.error());
    return ConEntrada(archivo, [&](std::istream& entrada) {
        // A failed write is reported once, by TerminarSalida.
        return EjecutarLote(*definicion, entrada, std::cout, std::cerr) == FinLote::Hecho ? kHecho : kRechazado;
    });
}

std::string TextoEscorrentia(const TablaEscorrentia& tabla) {
    // The window's two heading rows in one line: a group spanning its columns
    // there names each of them here ("NCS: Q (mm)"); a column of the one
    // curve number needs no group.
    const auto grupo = [](GrupoEscorrentia g) -> std::string {
        switch (g) {
            case GrupoEscorrentia::Degradada: return std::string(SinBlancos(Texto(kTextoNACCorto)));
            case GrupoEscorrentia::Restaurada: return std::string(SinBlancos(Texto(kTextoNOBCorto)));
            case GrupoEscorrentia::Ahorro: return std::string(Texto(kTextoAhorroCorto));
            case GrupoEscorrentia::Condicion:
            case GrupoEscorrentia::Curva: break;
        }
        return {};
    };
    std::string texto = std::string(Texto(kTextoLineaLluvia)) + '\t' + tabla.lluvia + '\n';
    for (std::size_t f = kFilasCabeceraEscorrentia - 1; f < tabla.textos.size(); ++f) {
        for (std::size_t c = 0; c < tabla.textos[f].size(); ++c) {
            const std::string nombre = f + 1 == kFilasCabeceraEscorrentia ? grupo(tabla.grupos[c]) : std::string();
            texto += (c > 0 ? "\t" : "") + (nombre.empty() ? "" : nombre + ": ") + tabla.textos[f][c];
        }
        texto += '\n';
    }
    for (const std::string& linea : tabla.resumen) texto += linea + '\n';
    texto.pop_back();
    return texto;
}

nlohmann::ordered_json JsonEscorrentia(Lambda lambda, const EscorrentiaCurva& curva) {
    const auto valores = [&](double Escorrentia::*campo) {
        nlohmann::ordered_json lista = nlohmann::ordered_json::array();
        for (const Escorrentia& e : curva.condicion) lista.push_back(e.*campo);
        return lista;
    };
    nlohmann::ordered_json objeto{{"cn", curva.CN}};
    if (lambda == Lambda::Reducida) objeto["cn005"] = valores(&Escorrentia::CN);
    objeto["s_mm"] = valores(&Escorrentia::S);
    objeto["ia_mm"] = valores(&Escorrentia::Ia);
    objeto["q_mm"] = valores(&Escorrentia::Q);
    return objeto;
}

int TerminarSalida(int estado) {
    // A write that failed earlier (a batch stops at it) left its errno; a
    // failure now gives its own.
    const int anterior = errno;
    errno = 0;
    std::cout.flush();  // flushes stdout: std::cout writes through it
    int error = errno;
    bool fallo = !std::cout || std::ferror(stdout) != 0;
    if (!fallo && std::fclose(stdout) != 0) {
        fallo = true;
        error = errno;
    }
    if (!fallo) return estado;
    if (error == 0) error = anterior;
    std::cerr << Mensaje(kTextoNoSeEscribe, {MotivoDeSistema(error)}) << '\n';
    return estado == kHecho ? kRechazado : estado;
}

}  // namespace tarvel::cli
