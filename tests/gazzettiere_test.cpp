// The built-in tables, their field readings and the question pool's draw.
#include <gtest/gtest.h>

#include <map>

#include "procedure.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

class Gazzettiere : public ::testing::Test {
protected:
    ServiziFinti casuale;
    Procedure modulo{casuale};

    void SetUp() override { modulo.CaricaTabelle(); }

    struct Lettura {
        std::string sigla;
        int comuni;
        bool capoluogo;
        int regione;
        std::string nome;
    };
    Lettura Leggi(int c) const {
        const std::string& r = modulo.Citta.at(static_cast<std::size_t>(c));
        return {SiglaDi(r), ComuniDi(r), CapoluogoDiRegione(r), RegioneDi(r),
                std::string(NomeDi(r))};
    }
};

TEST_F(Gazzettiere, CittaParticolariSiLeggonoCampoPerCampo) {
    const auto sanMarino = Leggi(43);
    EXPECT_EQ(modulo.Citta[43], "RSM000S00San Marino");
    EXPECT_EQ(sanMarino.sigla, "RSM");
    EXPECT_EQ(sanMarino.comuni, 0);
    EXPECT_TRUE(sanMarino.capoluogo);
    EXPECT_EQ(modulo.Regioni.at(static_cast<std::size_t>(sanMarino.regione)),
              "Repubblica di San Marino");

    const auto cesena = Leggi(41);
    EXPECT_EQ(cesena.sigla, "FC");
    EXPECT_EQ(cesena.comuni, 0);
    EXPECT_FALSE(cesena.capoluogo);
    EXPECT_EQ(modulo.Regioni.at(static_cast<std::size_t>(cesena.regione)), "Emilia Romagna");
    EXPECT_EQ(cesena.nome, "Cesena");
    EXPECT_EQ(Leggi(35).sigla, "FC");
    EXPECT_EQ(Leggi(35).nome, "Forli'");

    EXPECT_EQ(Leggi(70).nome, "L'Aquila");
    EXPECT_EQ(Leggi(91).nome, "Reggio Calabria");
    EXPECT_EQ(Leggi(8).nome, "Verbano-Cusio-Ossola");
    EXPECT_EQ(Leggi(72).comuni, 46);
    EXPECT_EQ(Leggi(1).comuni, 315);
    EXPECT_EQ(Leggi(106).regione, 1);
    EXPECT_EQ(Leggi(107).regione, 11);
    EXPECT_EQ(Leggi(59).regione, 11);  // Terni sits among the cities of Toscana
}

TEST_F(Gazzettiere, OgniRegioneHaIlSuoCapoluogoEIlNumeroGiustoDiCitta) {
    const std::map<int, int> attese{{0, 1},  {1, 1},  {2, 8},  {3, 11}, {4, 2},  {5, 4},  {6, 7},
                                    {7, 10}, {8, 4},  {9, 11}, {10, 5}, {11, 2}, {12, 5}, {13, 4},
                                    {14, 2}, {15, 5}, {16, 5}, {17, 5}, {18, 2}, {19, 9}, {20, 4}};
    std::map<int, int> contate;
    std::map<int, int> capoluoghi;
    for (int c = 1; c <= kNumCitta; ++c) {
        const auto lettura = Leggi(c);
        ASSERT_GE(lettura.regione, 0);
        ASSERT_LE(lettura.regione, 20);
        ++contate[lettura.regione];
        if (lettura.capoluogo) {
            ++capoluoghi[lettura.regione];
        }
        EXPECT_TRUE(lettura.sigla.size() == 2 || lettura.sigla == "RSM") << c;
    }
    EXPECT_EQ(contate, attese);
    for (int r = 0; r < kNumRegioni; ++r) {
        EXPECT_EQ(capoluoghi[r], 1) << r;
        const int capoluogo = modulo.Capoluoghi.at(static_cast<std::size_t>(r));
        EXPECT_EQ(Leggi(capoluogo).regione, r);
        EXPECT_TRUE(Leggi(capoluogo).capoluogo);
    }
    EXPECT_EQ(modulo.Capoluoghi[11], 107);
    EXPECT_EQ(modulo.Capoluoghi[1], 106);
    EXPECT_EQ(modulo.Regioni[15], "Puglia");
}

TEST_F(Gazzettiere, UnaSecondaCaricaNonCambiaNullaELaVoceZeroRestaVuota) {
    const auto regioni = modulo.Regioni;
    const auto citta = modulo.Citta;
    const auto capoluoghi = modulo.Capoluoghi;
    modulo.Citta[5] = "rovinata";
    modulo.CaricaTabelle();
    EXPECT_EQ(modulo.Regioni, regioni);
    EXPECT_EQ(modulo.Citta, citta);
    EXPECT_EQ(modulo.Capoluoghi, capoluoghi);
    EXPECT_TRUE(modulo.Citta[0].empty());
}

TEST_F(Gazzettiere, LeAzzeratePulisconoSoloIlLoroInsiemeERiseminano) {
    modulo.Chiesta.fill(-1);
    modulo.AzzeraCitta();
    EXPECT_EQ(modulo.Minimo, 1);
    EXPECT_EQ(modulo.Massimo, 107);
    EXPECT_EQ(modulo.Chiesta[0], -1);
    for (std::size_t i = 1; i <= 107; ++i) {
        EXPECT_EQ(modulo.Chiesta[i], 0);
    }
    modulo.Chiesta.fill(-1);
    modulo.AzzeraRegioni();
    EXPECT_EQ(modulo.Minimo, 0);
    EXPECT_EQ(modulo.Massimo, 20);
    EXPECT_EQ(modulo.Chiesta[20], 0);
    EXPECT_EQ(modulo.Chiesta[21], -1);
    modulo.Chiesta.fill(-1);
    modulo.AzzeraCapoluoghi();
    EXPECT_EQ(modulo.Chiesta[0], 0);
    EXPECT_EQ(modulo.Chiesta[21], -1);
    EXPECT_EQ(casuale.semine, 3);
}

TEST_F(Gazzettiere, LEstrazioneRestringeIlimitiSoloQuandoLiColpisce) {
    modulo.AzzeraCitta();
    casuale.casuali = {ServiziFinti::Scegli(1, 1, 107)};
    EXPECT_EQ(modulo.Estrai(), 1);
    EXPECT_EQ(modulo.Minimo, 2);
    casuale.casuali = {ServiziFinti::Scegli(107, 2, 107)};
    EXPECT_EQ(modulo.Estrai(), 107);
    EXPECT_EQ(modulo.Massimo, 106);
    casuale.casuali = {ServiziFinti::Scegli(50, 2, 106)};
    EXPECT_EQ(modulo.Estrai(), 50);
    EXPECT_EQ(modulo.Minimo, 2);
    EXPECT_EQ(modulo.Massimo, 106);
    EXPECT_EQ(modulo.Chiesta[50], -1);
    // An asked index inside the range is not skipped: the draw misses and tries again.
    casuale.casuali = {ServiziFinti::Scegli(50, 2, 106), ServiziFinti::Scegli(51, 2, 106)};
    EXPECT_EQ(modulo.Estrai(), 51);
    EXPECT_TRUE(casuale.casuali.empty());
}

TEST_F(Gazzettiere, VentunoEstrazioniSenzaRipetizioniSegnanoTutteLeRegioni) {
    modulo.AzzeraRegioni();
    for (int volta = 0; volta < 21; ++volta) {
        casuale.casuali = {ServiziFinti::Scegli(modulo.Massimo, modulo.Minimo, modulo.Massimo)};
        modulo.Estrai();
    }
    for (std::size_t i = 0; i <= 20; ++i) {
        EXPECT_EQ(modulo.Chiesta[i], -1) << i;
    }
    // The last draw takes the element on which both bounds meet.
    EXPECT_EQ(modulo.Minimo, 1);
    EXPECT_EQ(modulo.Massimo, -1);
}

TEST_F(Gazzettiere, DopoCinquantunoMancatiTornaLUltimoCandidatoSenzaCambiareNulla) {
    modulo.AzzeraCitta();
    modulo.Chiesta.fill(-1);
    modulo.Chiesta[60] = 0;
    modulo.Minimo = 2;
    modulo.Massimo = 106;
    for (int i = 0; i < 50; ++i) {
        casuale.casuali.push_back(ServiziFinti::Scegli(10, 2, 106));
    }
    casuale.casuali.push_back(ServiziFinti::Scegli(77, 2, 106));
    casuale.casuali.push_back(ServiziFinti::Scegli(60, 2, 106));  // a 52nd try is never made
    EXPECT_EQ(modulo.Estrai(), 77);
    EXPECT_EQ(casuale.casuali.size(), 1U);
    EXPECT_EQ(modulo.Chiesta[60], 0);
    EXPECT_EQ(modulo.Chiesta[77], -1);
    EXPECT_EQ(modulo.Minimo, 2);
    EXPECT_EQ(modulo.Massimo, 106);
    // One hit among the tries finds the free element.
    casuale.casuali = {ServiziFinti::Scegli(10, 2, 106), ServiziFinti::Scegli(60, 2, 106)};
    EXPECT_EQ(modulo.Estrai(), 60);
    EXPECT_EQ(modulo.Chiesta[60], -1);
}

TEST_F(Gazzettiere, LUltimoElementoLasciaIlMinimoDueSopraIlMassimo) {
    modulo.AzzeraCitta();
    modulo.Minimo = 5;
    modulo.Massimo = 5;
    casuale.casuali = {0.999999};
    EXPECT_EQ(modulo.Estrai(), 5);
    EXPECT_EQ(modulo.Chiesta[5], -1);
    EXPECT_EQ(modulo.Minimo, 6);
    EXPECT_EQ(modulo.Massimo, 4);
}

}  // namespace
}  // namespace mappix
