#pragma once
// The tables of TR-55, "Urban Hydrology for Small Watersheds" (USDA-SCS,
// second edition, June 1986), as the time of concentration and the graphical
// peak discharge use them. Where each was read: docs/peak-discharge-sources.md.
#include <array>
#include <span>
#include <string_view>

namespace tarvel {

// Table 3-1: Manning's n for sheet flow. The key is what files and the
// companion store; the window shows the surface's description from the string
// table, found by the key.
struct RugosidadLaminar {
    std::string_view clave;
    double n = 0;
};

inline constexpr std::array<RugosidadLaminar, 10> kTabla31{{
    {"smooth", 0.011},                   // smooth surfaces: concrete, asphalt, gravel or bare soil
    {"fallow", 0.05},                    // fallow (no residue)
    {"cultivated-residue-le20", 0.06},   // cultivated soils, residue cover ≤ 20 %
    {"cultivated-residue-gt20", 0.17},   // cultivated soils, residue cover > 20 %
    {"grass-short-prairie", 0.15},       // grass: short-grass prairie
    {"grass-dense", 0.24},               // grass: dense grasses (lovegrass, bluegrass, buffalo grass, grama, mixtures)
    {"grass-bermuda", 0.41},             // grass: bermudagrass
    {"range-natural", 0.13},             // range (natural)
    {"woods-light-underbrush", 0.40},    // woods: light underbrush
    {"woods-dense-underbrush", 0.80},    // woods: dense underbrush
}};

// The 24-hour rainfall distributions of TR-55.
enum class DistribucionLluvia { I, IA, II, III };

// Appendix F, table F-1: log qu = C0 + C1 log Tc + C2 (log Tc)², qu in csm/in,
// Tc in h, one row per Ia/P, rows in increasing Ia/P.
struct FilaF1 {
    double iaP = 0;
    double c0 = 0;
    double c1 = 0;
    double c2 = 0;
};

inline constexpr std::array<FilaF1, 8> kF1TipoI{{
    {0.10, 2.30550, -0.51429, -0.11750},
    {0.20, 2.23537, -0.50387, -0.08929},
    {0.25, 2.18219, -0.48488, -0.06589},
    {0.30, 2.10624, -0.45695, -0.02835},
    {0.35, 2.00303, -0.40769, 0.01983},
    {0.40, 1.87733, -0.32274, 0.05754},
    {0.45, 1.76312, -0.15644, 0.00453},
    {0.50, 1.67889, -0.06930, 0.0},
}};
inline constexpr std::array<FilaF1, 5> kF1TipoIA{{
    {0.10, 2.03250, -0.31583, -0.13748},
    {0.20, 1.91978, -0.28215, -0.07020},
    {0.25, 1.83842, -0.25543, -0.02597},
    {0.30, 1.72657, -0.19826, 0.02633},
    {0.50, 1.63417, -0.09100, 0.0},
}};
inline constexpr std::array<FilaF1, 6> kF1TipoII{{
    {0.10, 2.55323, -0.61512, -0.16403},
    {0.30, 2.46532, -0.62257, -0.11657},
    {0.35, 2.41896, -0.61594, -0.08820},
    {0.40, 2.36409, -0.59857, -0.05621},
    {0.45, 2.29238, -0.57005, -0.02281},
    {0.50, 2.20282, -0.51599, -0.01259},
}};
inline constexpr std::array<FilaF1, 6> kF1TipoIII{{
    {0.10, 2.47317, -0.51848, -0.17083},
    {0.30, 2.39628, -0.51202, -0.13245},
    {0.35, 2.35477, -0.49735, -0.11985},
    {0.40, 2.30726, -0.46541, -0.11094},
    {0.45, 2.24876, -0.41314, -0.11508},
    {0.50, 2.17772, -0.36803, -0.09525},
}};

constexpr std::span<const FilaF1> TablaF1(DistribucionLluvia distribucion) {
    switch (distribucion) {
        case DistribucionLluvia::I: return kF1TipoI;
        case DistribucionLluvia::IA: return kF1TipoIA;
        case DistribucionLluvia::II: return kF1TipoII;
        case DistribucionLluvia::III: break;
    }
    return kF1TipoIII;
}

// Table 4-2: Fp for pond and swamp areas spread throughout the watershed, by
// their share of it in per cent.
struct FilaFp {
    double porcentaje = 0;
    double fp = 0;
};

inline constexpr std::array<FilaFp, 5> kTabla42{{
    {0.0, 1.00},
    {0.2, 0.97},
    {1.0, 0.87},
    {3.0, 0.75},
    {5.0, 0.72},
}};

}  // namespace tarvel
