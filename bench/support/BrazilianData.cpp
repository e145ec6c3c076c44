#include "support/BrazilianData.h"

#include <cstdio>
#include <stdexcept>

namespace vorna::bench {

namespace {

const std::vector<std::string> WomenNames = {
    "MARIA", "ANA", "FRANCISCA", "ANTÔNIA", "ADRIANA", "JULIANA", "MÁRCIA", "FERNANDA",
    "PATRÍCIA", "ALINE", "SANDRA", "CAMILA", "AMANDA", "BRUNA", "JÉSSICA", "LETÍCIA",
    "JÚLIA", "LUCIANA", "VANESSA", "MARIANA", "GABRIELA", "VERA", "VITÓRIA", "LARISSA",
    "CLÁUDIA", "BEATRIZ", "RITA", "LUANA", "SÔNIA", "RENATA", "ELIANE", "JOSEFA",
    "SIMONE", "NATÁLIA", "CRISTIANE", "CAROLINA", "ANDREIA", "ROSÂNGELA", "DÉBORA", "HELENA"};

const std::vector<std::string> MenNames = {
    "JOSÉ", "JOÃO", "ANTÔNIO", "FRANCISCO", "CARLOS", "PAULO", "PEDRO", "LUCAS",
    "LUIZ", "MARCOS", "LUÍS", "GABRIEL", "RAFAEL", "DANIEL", "MARCELO", "BRUNO",
    "EDUARDO", "FELIPE", "RAIMUNDO", "RODRIGO", "MANOEL", "MATEUS", "ANDRÉ", "FERNANDO",
    "FÁBIO", "LEONARDO", "GUSTAVO", "GUILHERME", "LEANDRO", "TIAGO", "ANDERSON", "RICARDO",
    "MÁRCIO", "JORGE", "SEBASTIÃO", "ALEXANDRE", "ROBERTO", "EDSON", "DIEGO", "VÍTOR"};

const std::vector<std::string> MiddleNames = {
    "APARECIDA", "CRISTINA", "FÁTIMA", "HELENA", "LÚCIA", "CARLOS", "HENRIQUE",
    "AUGUSTO", "EDUARDO", "PAULO", "LUIZ", "VICTOR"};

const std::vector<std::string> Surnames = {
    "SILVA", "SANTOS", "OLIVEIRA", "SOUZA", "RODRIGUES", "FERREIRA", "ALVES", "PEREIRA",
    "LIMA", "GOMES", "COSTA", "RIBEIRO", "MARTINS", "CARVALHO", "ALMEIDA", "LOPES",
    "SOARES", "FERNANDES", "VIEIRA", "BARBOSA", "ROCHA", "DIAS", "NASCIMENTO", "ANDRADE",
    "MOREIRA", "NUNES", "MARQUES", "MACHADO", "MENDES", "FREITAS", "CARDOSO", "RAMOS",
    "GONÇALVES", "SANTANA", "TEIXEIRA", "ARAÚJO", "PINTO", "CAVALCANTI", "MONTEIRO", "MOURA",
    "CORREIA", "CAMPOS", "BATISTA", "REIS", "MIRANDA", "FONSECA", "AZEVEDO", "BRAGA",
    "TAVARES", "FARIAS", "MEDEIROS", "BEZERRA", "PEIXOTO", "CASTRO", "QUEIROZ", "SIQUEIRA"};

const std::vector<std::string> Particles = {"DA ", "DOS ", "DE ", "", "", "", "", ""};

const std::vector<std::string> Activities = {
    "COMÉRCIO DE ALIMENTOS", "TRANSPORTES", "CONSTRUTORA", "METALÚRGICA", "SERVIÇOS MÉDICOS",
    "TECNOLOGIA", "DISTRIBUIDORA", "AUTO PEÇAS", "CONFECÇÕES", "IMOBILIÁRIA", "LOGÍSTICA",
    "FARMÁCIA", "PANIFICADORA", "HOTELARIA", "COLÉGIO", "CLÍNICA", "ENGENHARIA",
    "CONTABILIDADE", "ADVOCACIA", "AGROPECUÁRIA", "MATERIAIS ELÉTRICOS", "INFORMÁTICA",
    "TÊXTIL", "PLÁSTICOS", "MÓVEIS", "SUPERMERCADO", "CALÇADOS", "GRÁFICA"};

const std::vector<std::string> CompanyEnds = {"LTDA", "LTDA", "LTDA", "S/A", "EIRELI", "ME", "LTDA - EPP"};

const std::vector<std::string> FancyWords = {
    "AURORA", "HORIZONTE", "PLANALTO", "PIONEIRA", "PROGRESSO", "ESTRELA", "UNIÃO",
    "NACIONAL", "PAULISTA", "CENTRAL", "MODELO", "NOVA ERA", "BANDEIRANTE", "CONTINENTAL"};

const std::vector<City> Cities = {
    {"SÃO PAULO", "SP", 11, 1000, 5999, 30},     {"RIO DE JANEIRO", "RJ", 21, 20000, 23799, 14},
    {"BELO HORIZONTE", "MG", 31, 30000, 31999, 7}, {"CURITIBA", "PR", 41, 80000, 82999, 5},
    {"PORTO ALEGRE", "RS", 51, 90000, 91999, 5},   {"SALVADOR", "BA", 71, 40000, 42499, 4},
    {"RECIFE", "PE", 81, 50000, 52999, 4},         {"FORTALEZA", "CE", 85, 60000, 61599, 4},
    {"BRASÍLIA", "DF", 61, 70000, 72799, 4},       {"GOIÂNIA", "GO", 62, 74000, 74899, 3},
    {"CAMPINAS", "SP", 19, 13000, 13139, 4},       {"SANTOS", "SP", 13, 11000, 11099, 3},
    {"RIBEIRÃO PRETO", "SP", 16, 14000, 14114, 2}, {"SÃO JOSÉ DOS CAMPOS", "SP", 12, 12200, 12248, 2},
    {"GUARULHOS", "SP", 11, 7000, 7399, 3},        {"OSASCO", "SP", 11, 6000, 6299, 2},
    {"SANTO ANDRÉ", "SP", 11, 9000, 9299, 2},      {"SOROCABA", "SP", 15, 18000, 18109, 2},
    {"NITERÓI", "RJ", 21, 24000, 24399, 2},        {"JUIZ DE FORA", "MG", 32, 36000, 36099, 1},
    {"UBERLÂNDIA", "MG", 34, 38400, 38415, 1},     {"LONDRINA", "PR", 43, 86000, 86099, 1},
    {"JOINVILLE", "SC", 47, 89200, 89239, 1},      {"FLORIANÓPOLIS", "SC", 48, 88000, 88099, 2},
    {"VITÓRIA", "ES", 27, 29000, 29099, 2},        {"MANAUS", "AM", 92, 69000, 69099, 2},
    {"BELÉM", "PA", 91, 66000, 66999, 2},          {"NATAL", "RN", 84, 59000, 59099, 1},
    {"JOÃO PESSOA", "PB", 83, 58000, 58099, 1},    {"MACEIÓ", "AL", 82, 57000, 57099, 1},
    {"ARACAJU", "SE", 79, 49000, 49099, 1},        {"TERESINA", "PI", 86, 64000, 64099, 1},
    {"SÃO LUÍS", "MA", 98, 65000, 65099, 1},       {"CUIABÁ", "MT", 65, 78000, 78099, 1},
    {"CAMPO GRANDE", "MS", 67, 79000, 79124, 1},   {"PALMAS", "TO", 63, 77000, 77270, 1},
    {"PORTO VELHO", "RO", 69, 76800, 76834, 1},    {"RIO BRANCO", "AC", 68, 69900, 69923, 1},
    {"MACAPÁ", "AP", 96, 68900, 68914, 1},         {"BOA VISTA", "RR", 95, 69300, 69339, 1}};

const std::vector<std::string> StreetKinds = {"RUA", "RUA", "RUA", "AVENIDA", "AVENIDA", "ALAMEDA", "TRAVESSA", "PRAÇA"};

const std::vector<std::string> StreetNames = {
    "DAS FLORES", "SETE DE SETEMBRO", "XV DE NOVEMBRO", "BRASIL", "DOM PEDRO II", "TIRADENTES",
    "SANTOS DUMONT", "RIO BRANCO", "GETÚLIO VARGAS", "DUQUE DE CAXIAS", "SÃO JOÃO",
    "DAS PALMEIRAS", "DOS ANDRADAS", "PRESIDENTE VARGAS", "BARÃO DO RIO BRANCO", "AMAZONAS",
    "DAS ACÁCIAS", "MARECHAL DEODORO", "VINTE E QUATRO DE MAIO", "JOSÉ BONIFÁCIO",
    "INDEPENDÊNCIA", "DOS EXPEDICIONÁRIOS", "ANITA GARIBALDI", "CASTRO ALVES", "RUI BARBOSA"};

const std::vector<std::string> Districts = {
    "CENTRO", "CENTRO", "JARDIM AMÉRICA", "VILA NOVA", "BELA VISTA", "SANTA CECÍLIA",
    "BOA VISTA", "JARDIM PAULISTA", "VILA MARIANA", "CAMPO BELO", "SÃO FRANCISCO", "MOOCA",
    "TIJUCA", "COPACABANA", "SAVASSI", "BATEL", "MOINHOS DE VENTO", "PITUBA", "BOA VIAGEM",
    "ALDEOTA", "ASA SUL", "SETOR BUENO", "CAMBUÍ", "GONZAGA", "JARDIM EUROPA", "VILA SÃO JOSÉ",
    "PARQUE INDUSTRIAL", "SANTA TEREZINHA", "JARDIM DAS ROSAS", "CIDADE NOVA"};

const std::vector<std::string> MailDomains = {
    "correio.com.br", "mail.com.br", "provedor.net.br", "exemplo.com.br", "webmail.com"};

int checkDigit(const std::string& digits, const int* weights) {
    int sum = 0;
    for (size_t i = 0; i < digits.size(); ++i) sum += (digits[i] - '0') * weights[i];
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

}  // namespace

std::string padded(std::int64_t value, int width) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%0*lld", width, static_cast<long long>(value));
    return buf;
}

std::uint64_t Rng::next() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int Rng::below(int n) { return n <= 1 ? 0 : int(next() % std::uint64_t(n)); }

int Rng::between(int low, int high) { return low + below(high - low + 1); }

double Rng::real(double low, double high) {
    return low + (high - low) * (double(next() >> 11) / double(1ull << 53));
}

bool Rng::chance(double p) { return real(0.0, 1.0) < p; }

std::string checkedCpf(const std::string& nineDigits) {
    static const int w1[] = {10, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int w2[] = {11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
    std::string s = nineDigits;
    s += char('0' + checkDigit(s, w1));
    s += char('0' + checkDigit(s, w2));
    return s;
}

std::string checkedCnpj(const std::string& twelveDigits) {
    static const int w1[] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static const int w2[] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    std::string s = twelveDigits;
    s += char('0' + checkDigit(s, w1));
    s += char('0' + checkDigit(s, w2));
    return s;
}

std::string cpfFor(std::int64_t serial) {
    // Multiplying by a number prime to 10 permutes the nine-digit bases, so the
    // numbers look scattered and never repeat. The first serial whose base has
    // all digits equal (which validators refuse) is 13,972,890.
    if (serial < 0 || serial >= SerialLimit) throw std::out_of_range("CPF serial");
    return checkedCpf(padded((serial * 387420489 + 123456789) % 1000000000, 9));
}

std::string cnpjFor(std::int64_t serial) {
    // As for the CPF; here the first base with all digits equal comes at 6,298,814.
    if (serial < 0 || serial >= SerialLimit) throw std::out_of_range("CNPJ serial");
    return checkedCnpj(padded((serial * 4782969 + 1234567) % 100000000, 8) + "0001");
}

std::string formattedCpf(const std::string& d) {
    return d.substr(0, 3) + '.' + d.substr(3, 3) + '.' + d.substr(6, 3) + '-' + d.substr(9, 2);
}

std::string storedDate(const QDate& d) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d 00:00:00", d.year(), d.month(), d.day());
    return buf;
}

std::string asciiLower(const std::string& utf8) {
    static const char* from[] = {"Á", "À", "Â", "Ã", "É", "Ê", "Í", "Ó", "Ô", "Õ", "Ú", "Ü", "Ç"};
    static const char to[] = {'a', 'a', 'a', 'a', 'e', 'e', 'i', 'o', 'o', 'o', 'u', 'u', 'c'};
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        bool mapped = false;
        for (size_t k = 0; k < sizeof to; ++k) {
            if (utf8.compare(i, 2, from[k]) == 0) {
                out += to[k];
                i += 2;
                mapped = true;
                break;
            }
        }
        if (mapped) continue;
        const char c = utf8[i++];
        if (c >= 'A' && c <= 'Z') out += char(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) out += c;
        else if (c == ' ' && !out.empty() && out.back() != '.') out += '.';
    }
    return out;
}

People::Person People::person() {
    Person p;
    p.sex = rng_.chance(0.5) ? 'F' : 'M';
    p.first = rng_.pick(p.sex == 'F' ? WomenNames : MenNames);
    if (rng_.chance(0.25)) p.first += ' ' + rng_.pick(MiddleNames);
    p.surnames = rng_.pick(Particles);
    p.surnames += rng_.pick(Surnames);
    if (rng_.chance(0.7)) {
        p.surnames += ' ' + rng_.pick(Particles);
        p.surnames += rng_.pick(Surnames);
    }
    // NOME holds 40 characters; dropping the middle name is enough, as the
    // longest first name and two particles with surnames stay below that.
    if (p.full().size() > 40) p.first = p.first.substr(0, p.first.find(' '));
    return p;
}

People::Person People::relative(const Person& of) {
    Person p = of;
    p.sex = rng_.chance(0.5) ? 'F' : 'M';
    p.first = rng_.pick(p.sex == 'F' ? WomenNames : MenNames);
    return p;
}

std::string People::company() {
    std::string name;
    // One draw per statement: the order of evaluation inside an expression is
    // the compiler's, and the data must not depend on it.
    const int form = rng_.below(4);
    const std::string& a = rng_.pick(form == 0 || form == 3 ? Surnames : form == 1 ? Activities : FancyWords);
    const std::string& b = rng_.pick(form == 0 || form == 1 ? Surnames : Activities);
    const std::string& end = rng_.pick(CompanyEnds);
    name = a + (form == 0 ? " & " : " ") + b + ' ' + end;
    // Bytes overcount accented letters, so this keeps well within 40 characters.
    if (name.size() > 40) name = name.substr(0, name.rfind(' ', 40));
    return name;
}

const City& People::city() {
    static const int total = [] {
        int t = 0;
        for (const City& c : Cities) t += c.weight;
        return t;
    }();
    int n = rng_.below(total);
    for (const City& c : Cities) {
        if (n < c.weight) return c;
        n -= c.weight;
    }
    return Cities.front();
}

std::string People::cep(const City& c) {
    const int suffix = rng_.chance(0.3) ? 0 : rng_.below(1000);
    const int prefix = rng_.between(c.cepLow, c.cepHigh);
    return padded(prefix, 5) + padded(suffix, 3);
}

std::string People::street() {
    std::string s = rng_.pick(StreetKinds);
    s += ' ' + rng_.pick(StreetNames);
    s += ", " + std::to_string(rng_.between(1, 3999));
    if (rng_.chance(0.3)) {
        const int floor = rng_.between(1, 30);
        s += " APTO " + std::to_string(floor * 10 + rng_.between(1, 4));
    }
    return s;
}

std::string People::district() { return rng_.pick(Districts); }

std::string People::landline(const City& c) {
    const int exchange = rng_.between(2000, 5999);
    return '(' + std::to_string(c.areaCode) + ") " + std::to_string(exchange) + '-' + padded(rng_.below(10000), 4);
}

std::string People::mobile(const City& c) {
    const int exchange = rng_.between(6000, 9999);
    return '(' + std::to_string(c.areaCode) + ") 9" + std::to_string(exchange) + '-' + padded(rng_.below(10000), 4);
}

std::string People::email(const std::string& name, int serial) {
    std::string local = asciiLower(name);
    if (local.size() > 24) local = local.substr(0, 24);
    while (!local.empty() && local.back() == '.') local.pop_back();
    return local + std::to_string(serial % 1000) + '@' + rng_.pick(MailDomains);
}

QDate People::dateBetween(const QDate& from, const QDate& to) {
    return from.addDays(rng_.below(int(from.daysTo(to)) + 1));
}

}  // namespace vorna::bench
