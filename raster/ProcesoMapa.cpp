// The block loop of a map: worker threads read both inputs a block at a time
// (each through its own GDAL handles) and look every cell up in the tables;
// the calling thread writes the blocks in order, adds up the counts, tells
// the caller's Seguimiento how far it is and stops when it is asked to.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <tuple>

#include "raster/PiezasMapa.h"
#include "raster/TablasMapa.h"

namespace tarvel::raster {
namespace {

// Values counted one by one (soil values that are no group, codes not in the
// table); neighbouring cells mostly repeat one, which is counted as a run.
class Anotaciones {
public:
    void Anotar(std::int64_t v) {
        if (mEnCurso > 0 && v == mUltimo) {
            ++mEnCurso;
            return;
        }
        Cerrar();
        mUltimo = v;
        mEnCurso = 1;
    }
    void Cerrar() {
        if (mEnCurso > 0) mCuenta[mUltimo] += mEnCurso;
        mEnCurso = 0;
    }
    void Sumar(std::map<std::int64_t, std::uint64_t>& destino) {
        Cerrar();
        for (const auto& [v, n] : mCuenta) destino[v] += n;
        mCuenta.clear();
    }

private:
    std::map<std::int64_t, std::uint64_t> mCuenta;
    std::int64_t mUltimo = 0;
    std::uint64_t mEnCurso = 0;
};

// A block looked up, waiting in its slot to be written.
struct Resultado {
    bool listo = false;
    std::vector<std::uint8_t> cn;
    std::vector<float> umbral, q;
    std::vector<std::uint64_t> histograma;
    std::vector<std::uint32_t> clases, cuentas;  // working space of the block
    std::map<std::int64_t, std::uint64_t> valoresSuelo, codigos;
    std::optional<ErrorMapa> error;
};

template <class F>
decltype(auto) ConTipo(Ancho ancho, F&& f) {
    switch (ancho) {
        case Ancho::U8: return f(std::uint8_t{});
        case Ancho::U16: return f(std::uint16_t{});
        case Ancho::I64: break;
    }
    return f(std::int64_t{});
}

class Proceso {
public:
    Proceso(const PeticionMapa& p, const Entradas& e, const Tablas& t)
        : mP(p),
          mCob(e.cobertura),
          mSue(e.suelo),
          mT(t),
          mD(e.disposicion),
          mHilos(e.hilos),
          mIndice(CrearIndiceCobertura(e.cobertura, p.tabla)),
          mClase(CrearClaseSuelo(e.suelo, p.duales)) {
        const std::size_t celdas = static_cast<std::size_t>(mD.teselaX) * mD.teselaY;
        // A block in flight: both inputs, every cell's class, the outputs.
        const std::size_t bytes = celdas * (BytesValor(mCob.ancho) + BytesValor(mSue.ancho) + 4 + 1 +
                                            (p.umbral.empty() ? 0 : 4) + (p.escorrentia.empty() ? 0 : 4));
        mEnVuelo = std::clamp<std::size_t>((64u << 20) / std::max<std::size_t>(bytes, 1), 2, 4 * mHilos + 4);
        mRanuras.resize(mEnVuelo);
        mDirecto[0] = Directo(mCob);
        mDirecto[1] = Directo(mSue);
    }

    // Runs the workers and writes every block in order from this thread.
    std::expected<Recuento, ErrorMapa> Ejecutar(Salidas& salidas) {
        std::vector<std::jthread> trabajadores;
        for (unsigned i = 0; i < mHilos; ++i) trabajadores.emplace_back([this] { Trabajar(); });
        auto resultado = Escribir(salidas);
        {
            std::lock_guard bloqueo(mM);
            mParar = true;
        }
        mHayTrabajo.notify_all();
        trabajadores.clear();
        return resultado;
    }

private:
    bool Detener() const { return mP.seguimiento && mP.seguimiento->Cancelado(); }

    // A whole block whose values are held as they are read goes straight from
    // the file into the buffer, past GDAL's block cache.
    bool Directo(const Entrada& e) const {
        int bx = 0, by = 0;
        e.banda->GetBlockSize(&bx, &by);
        return mD.porBloques && bx == mD.teselaX && by == mD.teselaY && TipoLectura(e) == e.tipo;
    }

    std::expected<Recuento, ErrorMapa> Escribir(Salidas& salidas) {
        Recuento recuento;
        const std::size_t total = mD.ventanas.size();
        for (std::size_t i = 0; i < total; ++i) {
            Resultado& r = mRanuras[i % mEnVuelo];
            {
                std::unique_lock bloqueo(mM);
                while (!r.listo && !Detener()) mHayResultado.wait_for(bloqueo, std::chrono::milliseconds(50));
            }
            if (Detener()) {
                return std::unexpected(Falla(FalloMapa::Interrumpido, mP.numeroCurva, recuento));
            }
            if (r.error) return std::unexpected(*r.error);
            if (auto escrito = salidas.Escribir(mD.ventanas[i], r.cn.data(), r.umbral.data(), r.q.data());
                !escrito) {
                return std::unexpected(escrito.error());
            }
            Sumar(r, recuento);
            {
                std::lock_guard bloqueo(mM);
                r.listo = false;
                ++mEscrito;
            }
            mHayTrabajo.notify_all();
            if (mP.estricto && recuento.Vacias() > 0) {
                return std::unexpected(Falla(FalloMapa::Estricto, mP.numeroCurva, recuento));
            }
            if (mP.seguimiento) mP.seguimiento->Avance(static_cast<double>(i + 1) / static_cast<double>(total));
        }
        return recuento;
    }

    void Sumar(Resultado& r, Recuento& recuento) const {
        for (std::size_t c = 0; c < r.histograma.size(); ++c) {
            const std::uint64_t celdas = r.histograma[c];
            if (celdas == 0) continue;
            const std::size_t k = c / kClases;
            const auto s = static_cast<unsigned>(c % kClases);
            const std::int32_t entrada = mT.entrada[k];
            recuento.celdas += celdas;
            if (mT.conValor[c]) {
                recuento.conNumero += celdas;
            } else if (entrada == kKSinDato) {
                recuento.sinDatoCobertura += celdas;
            } else if (s == kSueloSinDato) {
                recuento.sinDatoSuelo += celdas;
            } else if (s == kSueloOtro) {
                // counted one by one
            } else if (entrada == kKDesconocido) {
                if (mT.codigoPorK) recuento.codigosDesconocidos[mT.codigo[k]] += celdas;
            } else {
                recuento.sinValor[{mT.codigo[k], static_cast<int>(s) + 1}] += celdas;
            }
        }
        for (const auto& [v, celdas] : r.valoresSuelo) recuento.valoresSuelo[v] += celdas;
        for (const auto& [v, celdas] : r.codigos) recuento.codigosDesconocidos[v] += celdas;
    }

    void Trabajar() {
        SilencioGdal silencio;
        // GDAL datasets are not shared between threads: each worker reads through its own.
        auto cob = AbrirCobertura(mP);
        auto sue = cob ? AbrirSuelo(mP) : std::expected<Entrada, ErrorMapa>(std::unexpected(cob.error()));
        std::vector<std::byte> bufferCob, bufferSue;
        Anotaciones anotSuelo, anotCodigos;
        for (;;) {
            std::size_t i = 0;
            {
                std::unique_lock bloqueo(mM);
                mHayTrabajo.wait(bloqueo, [this] {
                    return mParar || mSiguiente >= mD.ventanas.size() || mSiguiente < mEscrito + mEnVuelo;
                });
                if (mParar || mSiguiente >= mD.ventanas.size()) return;
                i = mSiguiente++;
            }
            Resultado& r = mRanuras[i % mEnVuelo];
            r.error.reset();
            if (!cob || !sue) {
                r.error = !cob ? cob.error() : sue.error();
            } else if (!Detener()) {
                Procesar(mD.ventanas[i], *cob, *sue, bufferCob, bufferSue, anotSuelo, anotCodigos, r);
            }
            {
                std::lock_guard bloqueo(mM);
                r.listo = true;
            }
            mHayResultado.notify_one();
        }
    }

    void Procesar(const Ventana& v, Entrada& cob, Entrada& sue, std::vector<std::byte>& bufferCob,
                  std::vector<std::byte>& bufferSue, Anotaciones& anotSuelo, Anotaciones& anotCodigos,
                  Resultado& r) const {
        const auto celdas = static_cast<std::size_t>(v.w) * static_cast<std::size_t>(v.h);
        for (auto [entrada, buffer, archivo, directo] : {std::tuple{&cob, &bufferCob, &mP.cobertura, mDirecto[0]},
                                                         std::tuple{&sue, &bufferSue, &mP.suelo, mDirecto[1]}}) {
            buffer->resize(celdas * BytesValor(entrada->ancho));
            CPLErrorReset();
            const CPLErr leido = directo && mD.Entera(v)
                                     ? entrada->banda->ReadBlock(v.x / mD.teselaX, v.y / mD.teselaY, buffer->data())
                                     : entrada->banda->RasterIO(GF_Read, v.x, v.y, v.w, v.h, buffer->data(), v.w, v.h,
                                                                TipoLectura(*entrada), 0, 0, nullptr);
            if (leido != CE_None) {
                r.error = Falla(FalloMapa::Leer, *archivo, UltimoErrorGdal());
                r.error->columna = v.x;
                r.error->fila = v.y;
                r.error->ancho = v.w;
                r.error->alto = v.h;
                return;
            }
        }
        r.cn.resize(celdas);
        r.umbral.resize(mP.umbral.empty() ? 0 : celdas);
        r.q.resize(mP.escorrentia.empty() ? 0 : celdas);
        r.histograma.assign(mT.cn.size(), 0);
        ConTipo(mCob.ancho, [&](auto tc) {
            ConTipo(mSue.ancho, [&](auto ts) {
                Combinar(reinterpret_cast<const decltype(tc)*>(bufferCob.data()),
                         reinterpret_cast<const decltype(ts)*>(bufferSue.data()), celdas, anotSuelo, anotCodigos, r);
            });
        });
        r.valoresSuelo.clear();
        r.codigos.clear();
        anotSuelo.Sumar(r.valoresSuelo);
        anotCodigos.Sumar(r.codigos);
    }

    template <class T>
    static void Llenar(T* __restrict salida, const T* __restrict tabla, const std::uint32_t* __restrict clases,
                       std::size_t celdas) {
        for (std::size_t i = 0; i < celdas; ++i) salida[i] = tabla[clases[i]];
    }

    // Every cell's class first, then each output and the counts by table.
    template <class TC, class TS>
    void Combinar(const TC* cob, const TS* sue, std::size_t celdas, Anotaciones& anotSuelo, Anotaciones& anotCodigos,
                  Resultado& r) const {
        r.clases.resize(celdas);
        std::uint32_t* clases = r.clases.data();
        for (std::size_t i = 0; i < celdas; ++i) clases[i] = mIndice(cob[i]) * kClases + mClase(sue[i]);
        // Plain pointers: a byte written could otherwise stand for any of the vectors' own.
        Llenar(r.cn.data(), mT.cn.data(), clases, celdas);
        if (!r.umbral.empty()) Llenar(r.umbral.data(), mT.umbral.data(), clases, celdas);
        if (!r.q.empty()) Llenar(r.q.data(), mT.q.data(), clases, celdas);
        // Neighbouring cells mostly share a class: four partial counts keep
        // each increment from waiting for the one before.
        const std::size_t n = mT.cn.size();
        r.cuentas.assign(4 * n, 0);
        std::uint32_t* cuentas = r.cuentas.data();
        std::size_t i = 0;
        for (; i + 4 <= celdas; i += 4) {
            ++cuentas[clases[i]];
            ++cuentas[n + clases[i + 1]];
            ++cuentas[2 * n + clases[i + 2]];
            ++cuentas[3 * n + clases[i + 3]];
        }
        for (; i < celdas; ++i) ++cuentas[clases[i]];
        bool anotar = false;
        for (std::size_t c = 0; c < n; ++c) {
            r.histograma[c] = std::uint64_t{cuentas[c]} + cuentas[n + c] + cuentas[2 * n + c] + cuentas[3 * n + c];
            anotar = anotar || (r.histograma[c] > 0 && mT.especial[c] != kNada);
        }
        if (!anotar) return;
        for (std::size_t j = 0; j < celdas; ++j) {
            const std::uint8_t especial = mT.especial[clases[j]];
            if (especial == kAnotarSuelo) {
                anotSuelo.Anotar(mClase.Valor(sue[j]));
            } else if (especial == kAnotarCodigo) {
                anotCodigos.Anotar(mIndice.Valor(cob[j]));
            }
        }
    }

    const PeticionMapa& mP;
    const Entrada& mCob;
    const Entrada& mSue;
    const Tablas& mT;
    const Disposicion& mD;
    const unsigned mHilos;
    const IndiceCobertura mIndice;
    const ClaseSuelo mClase;
    std::array<bool, 2> mDirecto{};
    std::size_t mEnVuelo = 2;
    std::vector<Resultado> mRanuras;

    std::mutex mM;
    std::condition_variable mHayTrabajo, mHayResultado;
    std::size_t mSiguiente = 0, mEscrito = 0;
    bool mParar = false;
};

}  // namespace

std::expected<Recuento, ErrorMapa> ProcesarBloques(const PeticionMapa& p, const Entradas& e, const Tablas& t,
                                                   Salidas& salidas) {
    Proceso proceso(p, e, t);
    return proceso.Ejecutar(salidas);
}

}  // namespace tarvel::raster
