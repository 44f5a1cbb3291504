#include "catchment/CompuestoPorPasadas.h"

#include "hydrology/Conversion.h"

namespace tarvel {

CompuestoPorPasadas::CompuestoPorPasadas(std::optional<double> lluvia, std::span<const Lambda> lambdas)
    : mLluvia(lluvia), mLambdas(lambdas.begin(), lambdas.begin() + std::min<std::size_t>(lambdas.size(), 2)),
      mEscorrentia(mLambdas.size()) {}

std::optional<RechazoCuenca> CompuestoPorPasadas::Contar(const Subarea& subarea) {
    if (auto rechazo = ComprobarSubarea(subarea, static_cast<int>(mContadas))) return rechazo;
    mAreaTotal += subarea.area;
    ++mContadas;
    return std::nullopt;
}

std::optional<RechazoCuenca> CompuestoPorPasadas::CerrarPrimera() {
    if (mContadas == 0) return RechazoCuenca{FalloCuenca::SinFilas};
    if (!std::isfinite(mAreaTotal)) return RechazoCuenca{FalloCuenca::AreaTotal};
    if (const auto error = mLluvia ? ComprobarLluvia(*mLluvia) : std::nullopt) {
        return RechazoCuenca{*error == ErrorEscorrentia::Lluvia ? FalloCuenca::Lluvia : FalloCuenca::LluviaExcesiva};
    }
    return std::nullopt;
}

CompuestoPorPasadas::Fila CompuestoPorPasadas::Valores(const Subarea& subarea) const {
    Fila fila;
    fila.cuota = subarea.area / mAreaTotal;
    const auto lambdas = Lambdas();
    for (std::size_t l = 0; l < lambdas.size(); ++l) {
        const auto e = CalcularEscorrentia(subarea.cn, *mLluvia, lambdas[l]);
        mFallo = mFallo || !e;
        fila.escorrentia[l] = e.value_or(Escorrentia{});
    }
    return fila;
}

CompuestoPorPasadas::Fila CompuestoPorPasadas::Sumar(const Subarea& subarea) {
    const Fila fila = Valores(subarea);
    mCurva.Sumar(fila.cuota, subarea.cn);
    for (std::size_t l = 0; l < Lambdas().size(); ++l) mEscorrentia[l].Sumar(fila.cuota, fila.escorrentia[l].Q);
    return fila;
}

std::expected<CompuestoPorPasadas::Resultado, RechazoCuenca> CompuestoPorPasadas::Terminar() const {
    const auto fallo = [] { return std::unexpected(RechazoCuenca{FalloCuenca::LluviaExcesiva}); };
    if (mFallo) return fallo();
    Resultado r;
    r.compuesto.areaTotal = mAreaTotal;
    // A mean of calculable curve numbers is calculable.
    const auto condiciones = ConvertirCondiciones(mCurva.Media());
    r.compuesto.CN = condiciones->CN;
    r.compuesto.umbral = condiciones->P0;
    if (!mLluvia) return r;
    for (std::size_t l = 0; l < mLambdas.size(); ++l) {
        EscorrentiaCompuesta e;
        e.lambda = mLambdas[l];
        e.P = *mLluvia;
        e.Q = mEscorrentia[l].Media();
        const auto delCompuesto = CalcularEscorrentia(r.compuesto.CN[1], e.P, e.lambda);
        const auto equivalente = NumeroCurvaDeEscorrentia(e.P, e.Q, e.lambda);
        if (!delCompuesto || !equivalente) return fallo();
        e.delCompuesto = *delCompuesto;
        e.equivalente = *equivalente;
        r.escorrentias.push_back(std::move(e));
    }
    return r;
}

}  // namespace tarvel
