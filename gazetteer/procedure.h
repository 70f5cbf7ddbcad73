// The module of the quiz: the built-in region and city tables and the question
// pool from which every exercise draws its questions.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace mappix {

// A source of uniform numbers in [0, 1) that can be reseeded from the clock.
class Casuale {
public:
    virtual ~Casuale() = default;
    virtual double Rnd() = 0;
    virtual void Randomize() = 0;

protected:
    Casuale() = default;
    Casuale(const Casuale&) = default;
    Casuale& operator=(const Casuale&) = default;
};

inline constexpr int16_t kNumRegioni = 21;
inline constexpr int16_t kNumCitta = 107;

// Readings of a fixed-layout city record such as " CH104N13Chieti":
// Sigla 1-3, Comuni 4-6, Capoluogo 7, Regione 8-9, Nome 10 to the end.
std::string_view NomeDi(std::string_view record);
int16_t RegioneDi(std::string_view record);
std::string SiglaDi(std::string_view record);
bool CapoluogoDiRegione(std::string_view record);
int16_t ComuniDi(std::string_view record);

class Procedure {
public:
    explicit Procedure(Casuale& casuale) : casuale_(casuale) {}

    std::array<std::string, kNumRegioni> Regioni{};
    std::array<std::string, kNumCitta + 1> Citta{};
    std::array<int16_t, kNumRegioni> Capoluoghi{};

    std::array<int16_t, kNumCitta + 1> Chiesta{};
    int16_t Minimo = 0;
    int16_t Massimo = 0;

    void CaricaTabelle();

    void AzzeraRegioni();
    void AzzeraCapoluoghi();
    void AzzeraCitta();
    int16_t Estrai();

    // Readings of city c (1..107). Citta holds 108 entries; cppcheck takes
    // the array's size for 107.
    // cppcheck-suppress containerOutOfBounds
    std::string_view NomeCitta(int16_t c) const { return NomeDi(Citta.at(c)); }
    // cppcheck-suppress containerOutOfBounds
    int16_t RegioneCitta(int16_t c) const { return RegioneDi(Citta.at(c)); }

private:
    void Azzera(int16_t minimo, int16_t massimo);

    Casuale& casuale_;
};

}  // namespace mappix
