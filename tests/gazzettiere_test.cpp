// The built-in tables, their field readings and the question pool's draw.
#include <gtest/gtest.h>

#include "dati/citta.h"
#include "dati/regioni.h"
#include "procedure.h"
#include "servizi_finti.h"

namespace mappix {
namespace {

class Gazzettiere : public ::testing::Test {
protected:
    ServiziFinti casuale;
    Procedure modulo{casuale};

    void SetUp() override { modulo.CaricaTabelle(); }
};

// Every record as stored and every field as the callers read it.
TEST_F(Gazzettiere, OgniCittaSiLeggeComeScritta) {
    EXPECT_TRUE(modulo.Citta[0].empty());
    for (int c = 1; c <= kNumCitta; ++c) {
        SCOPED_TRACE(c);
        const dati::Citta& attesa = dati::kCitta[static_cast<std::size_t>(c)];
        const std::string& r = modulo.Citta.at(static_cast<std::size_t>(c));
        EXPECT_EQ(r, attesa.record);
        EXPECT_EQ(SiglaDi(r), attesa.sigla);
        EXPECT_EQ(ComuniDi(r), attesa.comuni);
        EXPECT_EQ(CapoluogoDiRegione(r), attesa.capoluogo);
        EXPECT_EQ(RegioneDi(r), attesa.regione);
        EXPECT_EQ(NomeDi(r), attesa.nome);
        EXPECT_EQ(modulo.NomeCitta(static_cast<int16_t>(c)), attesa.nome);
        EXPECT_EQ(modulo.RegioneCitta(static_cast<int16_t>(c)), attesa.regione);
    }
}

TEST_F(Gazzettiere, OgniRegioneHaIlSuoNomeEIlSuoCapoluogo) {
    for (int r = 0; r < kNumRegioni; ++r) {
        SCOPED_TRACE(r);
        const auto i = static_cast<std::size_t>(r);
        EXPECT_EQ(modulo.Regioni.at(i), dati::kRegioni.at(i).nome);
        EXPECT_EQ(modulo.Capoluoghi.at(i), dati::kRegioni.at(i).capoluogo);
    }
}

TEST_F(Gazzettiere, UnaSecondaCaricaNonCambiaNullaELaVoceZeroRestaVuota) {
    const auto regioni = modulo.Regioni;
    const auto citta = modulo.Citta;
    const auto capoluoghi = modulo.Capoluoghi;
    modulo.Citta[5] = "rovinata";
    modulo.Regioni[3] = "rovinata";
    modulo.Capoluoghi[4] = 0;
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
