// Batch work of tarvel-cli: CSV in, CSV out, one record for each record, in
// order, whatever the records hold and whichever of the two forms they take.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "app/Csv.h"
#include "app/Idioma.h"
#include "app/TablaTextos.h"
#include "cli/batch/Evaluacion.h"
#include "cli/batch/EvaluacionCaudal.h"
#include "cli/batch/Lote.h"

namespace tarvel::cli {
namespace {

struct Salida {
    FinLote fin;
    std::string csv;
    std::string errores;
};

Salida Ejecutar(const DefinicionLote& definicion, std::string_view entrada) {
    Salida salida;
    salida.fin = EjecutarLote(definicion, entrada, salida.csv, salida.errores);
    return salida;
}

// The message of an empty row, quoted for its comma.
const std::string kVacio = "\"Error in input data. clay = “”: it must be a percentage, a number of 0 or more.\"";

class Lote : public ::testing::Test {
protected:
    void SetUp() override { FijarIdioma(kIdiomaIngles); }
    void TearDown() override { FijarIdioma(kIdiomaEspanol); }
};

// What a hydrologist's export looks like at its worst: a byte-order mark,
// CR LF, an ID first, quoted fields with commas, quotes and outer blanks, blanks, empty
// lines, a short and a long row, and every check failing somewhere.
TEST_F(Lote, EveryRowComesOutInOrderWithItsResultOrMessage) {
    const std::string entrada =
        "\xEF\xBB\xBF"
        "sample,Clay, silt ,sand,note\r\n"
        "S1,20,40,40,loam\r\n"
        "\"S2, north plot\",\"33.3\",33.3,33.4,\"said \"\"sandy\"\"\"\r\n"
        "\r\n"
        "S3,33.33,33.33,33.33,\" padded \"\r\n"
        "S4,-5,40,65,negative\r\n"
        "   \r\n"
        "S6,  10 , 5 ,85,\r\n"
        "S7,10,10\r\n"
        "S8,10,10,80,x,extra\r\n"
        "S9,50,25,25,\"two\r\nlines\"\r\n"
        "S10,4e38,0,0,too large\r\n"
        "\" S12\",20,40,40,\"tab\t\"\r\n"
        "S11,1e1,30,60,exponent";
    const Salida salida = Ejecutar(LoteTextura(), entrada);
    EXPECT_EQ(salida.fin, FinLote::Hecho);
    EXPECT_EQ(salida.errores, "");
    EXPECT_EQ(salida.csv,
              "\xEF\xBB\xBF"
              "sample,Clay,silt,sand,note,group,error\n"
              "S1,20,40,40,loam,C,\n"
              "\"S2, north plot\",33.3,33.3,33.4,\"said \"\"sandy\"\"\",C,\n"
              ",,,,,," + kVacio + "\n"
              "S3,33.33,33.33,33.33,\" padded \",,The sum of the three percentages must be 100%.\n"
              "S4,-5,40,65,negative,,\"Error in input data. clay = “-5”: it must be a percentage, a number of 0 or "
              "more.\"\n"
              ",,,,,," + kVacio + "\n"
              "S6,10,5,85,,A,\n"
              "S7,10,10,,,,\"Error in input data. sand = “”: it must be a percentage, a number of 0 or more.\"\n"
              "S8,10,10,80,x,,Error in input data. The row has 6 fields and the header 5.\n"
              "S9,50,25,25,\"two\r\nlines\",D,\n"
              "S10,4e38,0,0,too large,,\"Error in input data. clay = “4e38”: it must be a percentage, a number of 0 or "
              "more.\"\n"
              "\" S12\",20,40,40,\"tab\t\",C,\n"
              "S11,1e1,30,60,exponent,B,\n");
}

TEST_F(Lote, OneRecordForEachLineWhateverItsLineEnds) {
    const char* const casos[] = {
        "clay,silt,sand\n20,40,40\n\n70,10,20\n",
        "clay,silt,sand\r\n20,40,40\r\n\r\n70,10,20\r\n",
        "clay,silt,sand\r20,40,40\r\r70,10,20\r",
        "clay,silt,sand\n20,40,40\n\n70,10,20",
        "clay,silt,sand\r\n20,40,40\n\r\n70,10,20\r\n",
        "clay,silt,sand\r20,40,40\r  \n70,10,20\n",  // blanks between a CR and an LF are a line
        "clay,silt,sand\r\n20,40,40\r\r\n70,10,20",
        "clay,silt,sand\n20,40,40\n \t \n70,10,20\n",
    };
    for (const char* entrada : casos) {
        EXPECT_EQ(Ejecutar(LoteTextura(), entrada).csv,
                  "clay,silt,sand,group,error\n20,40,40,C,\n,,,," + kVacio + "\n70,10,20,D,\n")
            << entrada;
    }
    // A last line of blanks with no line end after it is a line too.
    for (const std::string cola : {"   ", "\t", " \t "}) {
        EXPECT_EQ(Ejecutar(LoteTextura(), "clay,silt,sand\n20,40,40\n" + cola).csv,
                  "clay,silt,sand,group,error\n20,40,40,C,\n,,,," + kVacio + "\n")
            << '"' << cola << '"';
    }
}

TEST_F(Lote, TheHeaderDecidesOrNothingIsWritten) {
    const struct {
        const char* entrada;
        FinLote fin;
        const char* salida;
        const char* errores;
    } casos[] = {
        {"", FinLote::Rechazado, "", "The input has no header row naming its columns.\n"},
        {"\xEF\xBB\xBF", FinLote::Rechazado, "", "The input has no header row naming its columns.\n"},
        {"clay,silt\n20,40\n", FinLote::Rechazado, "",
         "The header has no column “sand”; the columns read are: clay, silt, sand.\n"},
        {"\nclay,silt,sand\n", FinLote::Rechazado, "",
         "The header has no column “clay”; the columns read are: clay, silt, sand.\n"},
        {"clay,silt,sand,CLAY\n1,2,3,4\n", FinLote::Rechazado, "", "The header names the column “clay” twice.\n"},
        {"sand,silt,clay\r\n", FinLote::Hecho, "sand,silt,clay,group,error\n", ""},
        {"sand,id,silt,clay\n40,7,40,20\n", FinLote::Hecho, "sand,id,silt,clay,group,error\n40,7,40,20,C,\n", ""},
    };
    for (const auto& caso : casos) {
        const Salida salida = Ejecutar(LoteTextura(), caso.entrada);
        EXPECT_EQ(salida.fin, caso.fin) << caso.entrada;
        EXPECT_EQ(salida.csv, caso.salida) << caso.entrada;
        EXPECT_EQ(salida.errores, caso.errores) << caso.entrada;
    }
    const Salida bosque = Ejecutar(LoteBosque(false), "litter,humus\n");
    EXPECT_EQ(bosque.errores, "The header has no column “compactness”; the columns read are: litter, humus, "
                              "compactness, after_compaction (optional).\n");
}

// Blocks of the reader end anywhere: inside a CR LF pair, inside a quoted field.
TEST_F(Lote, ManyRowsAcrossReadingBlocksAllComeOut) {
    std::string entrada = "\xEF\xBB\xBFid,clay,silt,sand\r\n";
    std::string esperada = "\xEF\xBB\xBFid,clay,silt,sand,group,error\n";
    for (int i = 0; i < 20000; ++i) {
        const std::string id = std::to_string(i);
        if (i % 7 == 0) {
            entrada += "\"" + id + ",\r\nq\",20,40,40\r\n";
            esperada += "\"" + id + ",\r\nq\",20,40,40,C,\n";
        } else if (i % 11 == 0) {
            entrada += "\r\n";
            esperada += ",,,,," + kVacio + "\n";
        } else {
            entrada += id + ",70,10,20\r\n";
            esperada += id + ",70,10,20,D,\n";
        }
    }
    ASSERT_GT(entrada.size(), 4u << 16);
    const Salida salida = Ejecutar(LoteTextura(), entrada);
    EXPECT_EQ(salida.fin, FinLote::Hecho);
    EXPECT_TRUE(salida.csv == esperada);
}

// A quote left open would take every line after it into one field: the batch
// ends after the rows before it, naming where the quote opened; so does a
// record too long to hold.
TEST_F(Lote, ARecordThatNeverEndsEndsTheBatchAfterTheRowsBeforeIt) {
    const std::string antes = "id,clay,silt,sand\n\"1\n\",20,40,40\n";
    std::string filas;
    for (int i = 0; i < 20000; ++i) filas += "3,20,40,40\n";
    const struct {
        std::string entrada;
        const char* errores;
    } casos[] = {
        {antes + "\"B,20,40,40\n" + filas,
         "The quote opened in record 3 (line 4) is never closed: no row from that record on was answered.\n"},
        {antes + "2,\"20" + std::string(kMaximoRegistro + 8192, 'x'),
         "Record 3 (line 4) is too long (over 1 MiB or 65536 fields); is a quote left open?\n"},
        {antes + std::string(kMaximoRegistro + 10, ','),
         "Record 3 (line 4) is too long (over 1 MiB or 65536 fields); is a quote left open?\n"},
    };
    for (const auto& caso : casos) {
        const Salida salida = Ejecutar(LoteTextura(), caso.entrada);
        EXPECT_EQ(salida.fin, FinLote::Rechazado);
        EXPECT_EQ(salida.csv, "id,clay,silt,sand,group,error\n\"1\n\",20,40,40,C,\n");
        EXPECT_EQ(salida.errores, caso.errores);
    }
}

// Spreadsheets in Spanish locales separate with ";" and write "2,5": read so
// and answered so, numbers of the results included.
TEST_F(Lote, TheSemicolonFormWithTheDecimalComma) {
    FijarIdioma(kIdiomaEspanol);
    const Salida salida = Ejecutar(LoteBosque(false),
                                   "\xEF\xBB\xBFid;litter;humus;compactness\r\n"
                                   "\"a;b\";5;5;2\r\n"
                                   "c,d; 4,5 ;3,0;3\r\n"
                                   "e;4.5;3;3\r\n");
    EXPECT_EQ(salida.fin, FinLote::Hecho);
    EXPECT_EQ(salida.csv,
              "\xEF\xBB\xBFid;litter;humus;compactness;class;R;error\n"
              "\"a;b\";5;5;2;IV;3,5649999999999995;\n"
              "c,d;4,5;3,0;3;IV;4,2;\n"
              "e;4.5;3;3;;;\"Error en los datos introducidos. litter = «4.5»: la marca decimal de este archivo es "
              "la coma «,»; el punto no se admite.\"\n");
    // The header decides, quoted separators aside.
    EXPECT_EQ(SeparadorCsv("clay;silt;sand\r\n1,2;3;4"), ';');
    EXPECT_EQ(SeparadorCsv("\"a;b\",clay,silt,sand\n"), ',');
    EXPECT_EQ(SeparadorCsv("\"a,b\";clay;silt;sand\n"), ';');
    EXPECT_EQ(SeparadorCsv("a,b;c\n"), ',');
}

// A spreadsheet on Spanish Windows saves Windows-1252: each field that is not
// UTF-8 is read so, and everything goes out in UTF-8, the messages included.
TEST_F(Lote, TextThatIsNotUtf8IsReadAsWindows1252) {
    const Salida salida = Ejecutar(LoteTextura(),
                                   "parcela,clay,silt,sand\n"
                                   "Pe\xF1" "as,20,40,40\n"
                                   "\x93" "A\x94,2\xBA,40,58\n"
                                   "Ñu,70,10,20\n");
    EXPECT_EQ(salida.csv,
              "parcela,clay,silt,sand,group,error\n"
              "Peñas,20,40,40,C,\n"
              "“A”,2º,40,58,,\"Error in input data. clay = “2º”: it must be a percentage, a number of 0 or more.\"\n"
              "Ñu,70,10,20,D,\n");
}

// Every command's output: the input's columns in their order, wherever the
// columns it reads stand among them, then its result columns in the order the
// README documents, then "error"; each value under its own name (figures
// worked apart, in Python). The same in the ";" form of spreadsheets in
// Spanish locales, where "85,0" is 85 and every number comes out with ",".
TEST_F(Lote, ColumnsInTheDocumentedOrderEachValueUnderItsNameInBothForms) {
    // NAME_i, NAME_ii, NAME_iii, each followed by `sufijo`.
    const auto j = [](const std::string& nombre, const std::string& sufijo = "") {
        return nombre + "_i" + sufijo + ',' + nombre + "_ii" + sufijo + ',' + nombre + "_iii" + sufijo;
    };
    const std::string tormenta = [&] {
        std::string columnas;
        for (const std::string r : {"02", "005"}) {
            columnas += ',' + j("q" + r + "_nac", "_mm") + ',' + j("q" + r + "_nob", "_mm") + ',' +
                        j("saving" + r, "_mm") + ',' + j("saving" + r, "_pct");
        }
        return columnas;
    }();
    const std::string serie = "nac_1,pac_1,nob_1,pob_1,nac_2,pac_2,nob_2,pob_2,nac_3,pac_3,nob_3,pob_3,annual";
    const struct Caso {
        DefinicionLote definicion;
        std::string entrada;  // "." as the decimal mark
        std::string cabecera;
        std::vector<std::pair<std::string, std::string>> valores;  // of the first row out
    } casos[] = {
        {LoteTextura(), "note,sand,id,silt,clay\nx,40.0,7,40.0,20.0", "note,sand,id,silt,clay,group,error",
         {{"id", "7"}, {"clay", "20.0"}, {"group", "C"}, {"error", ""}}},
        {LoteBosque(false), "compactness,humus,id,litter\n2,5.0,b,5.0", "compactness,humus,id,litter,class,R,error",
         {{"id", "b"}, {"class", "IV"}, {"R", "3.565"}, {"error", ""}}},
        {LoteCn(TARVEL_DATOS_DAT), "group,id,condition,treatment,vegetation\nC,z,1,4,1",
         "group,id,condition,treatment,vegetation,row,text,missing,error",
         {{"id", "z"}, {"row", "9"}, {"text", "82"}, {"missing", "false"}, {"error", ""}}},
        {LoteSerie(std::nullopt), "nob,x,nac,years\n70.0,q,85.0,10", "nob,x,nac,years," + serie + ",error",
         {{"nob", "70.0"}, {"nac_1", "70.4"}, {"pac_2", "9.0"}, {"nob_3", "84.3"}, {"pob_1", "51.8"},
          {"annual", "1.50"}}},
        {LoteSerie(std::nullopt, 50.0, EleccionLambda::Ambas), "nac,nob\n85.0,70.0",
         "nac,nob," + serie + tormenta + ",error",
         {{"q02_nob_ii_mm", "5.812802953611627"}, {"saving02_ii_mm", "13.799571105356993"},
          {"q005_nac_ii_mm", "19.574887487059826"}, {"saving005_ii_mm", "11.973640013329025"}}},
        {LoteEscorrentia(EleccionLambda::Clasica), "p,id,cn,lambda\n50.0,r,85.0,both",
         "p,id,cn,lambda," + j("cn") + ',' + j("s02", "_mm") + ',' + j("ia02", "_mm") + ',' + j("q02", "_mm") + ',' +
             j("cn005") + ',' + j("s005", "_mm") + ',' + j("ia005", "_mm") + ',' + j("q005", "_mm") + ",error",
         {{"id", "r"}, {"cn_i", "70.41420118343196"}, {"s02_ii_mm", "44.823529411764696"},
          {"ia02_ii_mm", "8.96470588235294"}, {"q02_ii_mm", "19.61237405896862"}, {"cn005_ii", "79.64454330696881"},
          {"ia005_ii_mm", "3.2458507421546905"}, {"q005_ii_mm", "19.574887487059826"}}},
        {LoteTrayectoria(std::nullopt, 50.0, EleccionLambda::Clasica), "years,nob,nac\n2,70.0,85.0",
         "years,nob,nac,year," + j("cn") + ',' + j("threshold", "_mm") + ',' + j("q02", "_mm") + ',' +
             j("q005", "_mm") + ',' + j("ia02", "_mm") + ',' + j("ia005", "_mm") + ",error",
         {{"year", "0"}, {"cn_i", "70.41420118343196"}, {"threshold_ii_mm", "8.964705882352941"},
          {"q02_ii_mm", "19.61237405896862"}, {"q005_ii_mm", ""}, {"ia02_ii_mm", "8.96470588235294"},
          {"ia005_ii_mm", ""}}},
    };
    const auto partir = [](const std::string& linea, char separador) {
        std::vector<std::string> campos(1);
        for (const char c : linea) {
            if (c == separador) {
                campos.emplace_back();
            } else {
                campos.back() += c;
            }
        }
        return campos;
    };
    for (const auto& caso : casos) {
        for (const char separador : {',', ';'}) {
            std::string entrada = caso.entrada;
            std::string cabecera = caso.cabecera;
            if (separador == ';') {
                std::ranges::replace(entrada, ',', ';');
                std::ranges::replace(entrada, '.', ',');
                std::ranges::replace(cabecera, ',', ';');
            }
            const Salida salida = Ejecutar(caso.definicion, entrada);
            const auto fin = salida.csv.find('\n');
            ASSERT_EQ(salida.csv.substr(0, fin), cabecera) << separador;
            const auto nombres = partir(salida.csv.substr(0, fin), separador);
            const auto fila = salida.csv.substr(fin + 1, salida.csv.find('\n', fin + 1) - fin - 1);
            const auto valores = partir(fila, separador);
            ASSERT_EQ(valores.size(), nombres.size()) << salida.csv;
            for (const auto& [nombre, esperado] : caso.valores) {
                const auto donde = std::ranges::find(nombres, nombre) - nombres.begin();
                std::string valor = valores[static_cast<std::size_t>(donde)];
                if (separador == ';') std::ranges::replace(valor, ',', '.');
                char* fin = nullptr;
                const double numero = std::strtod(esperado.c_str(), &fin);
                if (!esperado.empty() && *fin == '\0' && esperado.find('.') != std::string::npos) {
                    EXPECT_NEAR(std::strtod(valor.c_str(), nullptr), numero, 1e-12 * std::fabs(numero))
                        << nombre << ", separator " << separador;
                } else {
                    EXPECT_EQ(valor, esperado) << nombre << ", separator " << separador;
                }
            }
        }
    }
    // Whole numbers too are read in the form of the file: "1.0" has the other mark there.
    EXPECT_NE(Ejecutar(LoteCn(TARVEL_DATOS_DAT), "vegetation;treatment;condition;group\n1.0;4;1;C\n")
                  .csv.find("vegetation = “1.0”: the decimal mark of this file is the comma"),
              std::string::npos);
}

// What only the batch has: a column that overrides a command-line option for
// its row, and the option for the rows that leave it out.
TEST_F(Lote, ColumnsAndOptionsThatOnlyTheBatchHas) {
    const Salida bosque = Ejecutar(LoteBosque(false),
                                   "litter,humus,compactness,after_compaction\n5,5,2,\n5,5,2,Sí\n5,5,2,maybe\n");
    EXPECT_EQ(bosque.csv,
              "litter,humus,compactness,after_compaction,class,R,error\n"
              "5,5,2,,IV,3.5649999999999995,\n"
              "5,5,2,Sí,V,5.045000000000001,\n"
              "5,5,2,maybe,,,\"Error in input data. after_compaction = “maybe”: it must be yes or no (1/0, yes/no, "
              "true/false).\"\n");
    EXPECT_EQ(Ejecutar(LoteBosque(true), "litter,humus,compactness\n5,5,2\n").csv,
              "litter,humus,compactness,class,R,error\n5,5,2,V,5.045000000000001,\n");
    const std::string sinLapso = "nac,nob\n90,88.5\n";
    EXPECT_TRUE(Ejecutar(LoteSerie(std::string("2")), sinLapso).csv.ends_with(",0.75,\n"));
    EXPECT_TRUE(Ejecutar(LoteSerie(std::string("")), sinLapso).csv.ends_with(",Incorrect time interval. years = “”: it must be a whole number from 2 to 32767.\n"));
}

// Peak discharge: an option's value, read once with ".", stands for the rows
// that leave its column empty; a row's own value is read with the file's
// mark. A row that gives any of a group (tc_h, length_km, slope) takes the
// whole group from itself.
TEST_F(Lote, PeakBatchesTakeOptionsOnlyWhereARowIsSilent) {
    const std::string tr55 = Ejecutar(LotePicoTR55({1.5, DistribucionLluvia::II, std::nullopt}),
                                      "area_km2;cn;storm_mm;tc_h;distribution\n1;80;50;;\n1;80;50;2,5;iii\n1;80;50;0,0;\n")
                                 .csv;
    EXPECT_NE(tr55.find("\n1;80;50;;;"), std::string::npos) << tr55;
    EXPECT_NE(tr55.find(";1,5;;\n1;80;50;2,5;iii;"), std::string::npos) << tr55;
    EXPECT_NE(tr55.find(";2,5;;\n"), std::string::npos) << tr55;
    EXPECT_TRUE(tr55.ends_with(";Error in input data. tc_h = “0,0”: it must be a number above 0 and not above 1000.\n"))
        << tr55;
    const Salida ic = Ejecutar(LotePicoIC({20.0, std::nullopt, std::nullopt, 3.0}),
                               "area_km2,pd_mm,i1id,tc_h,slope\n2,80,10,,\n2,80,10,,0.05\n");
    EXPECT_NE(ic.csv.find(",20,3,,\n"), std::string::npos) << ic.csv;
    EXPECT_TRUE(ic.csv.ends_with(",Error in input data. length_km = “”: it must be a number from 0.001 to 10000.\n")) << ic.csv;
}

// The one reading of numbers of both forms: blanks around them, no comma
// taken for a thousands separator, no hexadecimal.
TEST_F(Lote, NumbersAreReadOneWay) {
    const auto porque = [](const auto& leido) { return leido ? std::string() : leido.error(); };
    EXPECT_EQ(LeerEntero(" +43 ", "row", 1, 72).value_or(0), 43);
    EXPECT_EQ(LeerEntero("-1", "treatment", -1, 7).value_or(0), -1);
    EXPECT_EQ(porque(LeerEntero("0x2B", "row", 1, 72)), "Error in input data. row = “0x2B”: it must be a whole "
                                                         "number from 1 to 72.");
    for (const char* malo : {"", "+-1", "4.0", "73", "99999999999", "1 2"}) {
        EXPECT_FALSE(LeerEntero(malo, "row", 1, 72)) << malo;
    }
    EXPECT_EQ(porque(LeerEntero("4,0", "row", 1, 72)), "Error in input data. row = “4,0”: the decimal mark is the "
                                                        "full stop “.”; a comma is not accepted.");
    EXPECT_EQ(LeerNumero(" 2,5 ", "p", 0, 10, MarcaDecimal::Coma).value_or(0), 2.5);
    EXPECT_EQ(LeerNumero("1e2", "p", 0, INFINITY).value_or(0), 100);
    EXPECT_FALSE(LeerNumero("2.5", "p", 0, 10, MarcaDecimal::Coma));
    EXPECT_EQ(porque(LeerNumero("-0.5", "p", 0, INFINITY)),
              "Error in input data. p = “-0.5”: it must be a number of 0 or more.");
    EXPECT_EQ(porque(LeerNumero("11", "p", 0, 10.5)), "Error in input data. p = “11”: it must be a number from 0 to 10.5.");
}

}  // namespace
}  // namespace tarvel::cli
