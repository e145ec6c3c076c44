#pragma once
// Plausible Brazilian personal and company data for generated databases: names
// combined from short built-in lists, CPF and CNPJ numbers with valid check
// digits, cities with their state, area code and postal-code range. Everything
// comes from Rng, so a fixed seed gives the same data on every machine (no
// std distributions: their results differ between standard libraries).
#include <QDate>
#include <cstdint>
#include <string>
#include <vector>

namespace vorna::bench {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    int below(int n);                   // 0 .. n-1
    int between(int low, int high);     // low .. high, both included
    double real(double low, double high);
    bool chance(double p);
    template <class T>
    const T& pick(const std::vector<T>& v) { return v[size_t(below(int(v.size())))]; }

private:
    std::uint64_t state_;
};

struct City {
    const char* name;   // at most 20 characters: the narrowest city column
    const char* state;
    int areaCode;
    int cepLow;         // first five digits of the city's postal codes
    int cepHigh;
    int weight;
};

// The digits with their two check digits appended.
std::string checkedCpf(const std::string& nineDigits);
std::string checkedCnpj(const std::string& twelveDigits);
// Distinct serials below SerialLimit give distinct numbers, none with all digits
// equal; other serials raise std::out_of_range.
inline constexpr std::int64_t SerialLimit = 6000000;
std::string cpfFor(std::int64_t serial);
std::string cnpjFor(std::int64_t serial);   // head office: branch part 0001
std::string formattedCpf(const std::string& digits);   // 000.000.000-00

std::string padded(std::int64_t value, int width);   // leading zeros
std::string storedDate(const QDate& d);      // as the engine stores dates
std::string asciiLower(const std::string& utf8);   // for e-mail addresses

class People {
public:
    explicit People(Rng& rng) : rng_(rng) {}
    struct Person {
        std::string first;      // given name
        std::string surnames;   // family part, shared by a family
        char sex;               // 'F' or 'M'
        std::string full() const { return first + ' ' + surnames; }
    };
    Person person();
    Person relative(const Person& of);   // same surnames
    std::string company();
    const City& city();
    std::string cep(const City& c);       // 8 digits
    std::string street();
    std::string district();
    std::string landline(const City& c);
    std::string mobile(const City& c);
    std::string email(const std::string& name, int serial);
    QDate dateBetween(const QDate& from, const QDate& to);

private:
    Rng& rng_;
};

}  // namespace vorna::bench
