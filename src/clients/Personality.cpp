#include "clients/Personality.h"

#include <algorithm>
#include <array>

namespace vorna::clients {

namespace {

const QString LineBreak = QStringLiteral("\r\n");

struct SunSign {
    const char* name;
    int lastDay;  // of the month the sign ends in, the month after the one it starts in
    const char* mark;
    const char* motto;
    bool trailingBreak;  // the profile of this sign ends in a line break
};

// In calendar order of the first day: the n-th sign ends in month n + 1 and the
// next one takes the rest of that month.
const std::array<SunSign, 12> SunSigns = {{
    {"CAPRICÓRNIO", 19, "Ô", "EU REALIZO", true},  // 22 December to 19 January
    {"AQUÁRIO", 19, "Ó", "EU SEI", true},          // 20 January to 19 February
    {"PEIXES", 20, "Ô", "EU ACREDITO", true},      // 20 February to 20 March
    {"ÁRIES", 20, "Ó", "EU QUERO", true},          // 21 March to 20 April
    {"TOURO", 21, "Ô", "EU TENHO", true},          // 21 April to 21 May
    {"GÊMEOS", 21, "Ó", "EU PENSO", true},         // 22 May to 21 June
    {"CÂNCER", 23, "Ô", "EU SINTO", true},         // 22 June to 23 July
    {"LEÃO", 23, "Ó", "EU SOU", false},            // 24 July to 23 August
    {"VIRGEM", 23, "Ô", "EU ANALISO", false},      // 24 August to 23 September
    {"LIBRA", 23, "Ó", "EU AMO", false},           // 24 September to 23 October
    {"ESCORPIÃO", 22, "Ô", "EU CONTROLO", false},  // 24 October to 22 November
    {"SAGITÁRIO", 21, "Ó", "EU OBSERVO", false},   // 23 November to 21 December
}};

// Southern hemisphere: each month's season, and where a season changes inside
// the month the last day of the earlier one.
struct MonthSeason {
    const char* season;
    int lastDay;  // 31 when the month does not change season
    const char* next;
};
const std::array<MonthSeason, 12> Seasons = {{
    {"VERÃO", 31, nullptr},
    {"VERÃO", 31, nullptr},
    {"VERÃO", 20, "OUTONO"},
    {"OUTONO", 31, nullptr},
    {"OUTONO", 31, nullptr},
    {"OUTONO", 20, "INVERNO"},
    {"INVERNO", 31, nullptr},
    {"INVERNO", 31, nullptr},
    {"INVERNO", 21, "PRIMAVERA"},
    {"PRIMAVERA", 31, nullptr},
    {"PRIMAVERA", 31, nullptr},
    {"PRIMAVERA", 20, "VERÃO"},
}};

struct Day {
    int year, month, day;
    QDate date() const { return QDate(year, month, day); }
};

// One Chinese year, first and last day included.
struct ChineseYear {
    Day first, last;
    const char* sign;
};

const std::array<ChineseYear, 87> ChineseYears = {{
    {{1919, 2, 1}, {1920, 2, 19}, "CABRA DE TERRA"},
    {{1920, 2, 20}, {1921, 2, 7}, "MACACO DE METAL"},
    {{1921, 2, 8}, {1922, 1, 27}, "GALO DE METAL"},
    {{1922, 1, 28}, {1923, 2, 15}, "CÃO DE ÁGUA"},
    {{1923, 2, 16}, {1924, 2, 4}, "PORCO DE ÁGUA"},
    {{1924, 2, 5}, {1925, 1, 24}, "RATO DE MADEIRA"},
    {{1925, 1, 25}, {1926, 2, 12}, "BOI DE MADEIRA"},
    {{1926, 2, 13}, {1927, 2, 1}, "TIGRE DE FOGO"},
    {{1927, 2, 2}, {1928, 1, 22}, "COELHO DE FOGO"},
    {{1928, 1, 23}, {1929, 2, 9}, "DRAGÃO DE TERRA"},
    {{1929, 2, 10}, {1930, 1, 29}, "SERPENTE DE TERRA"},
    {{1930, 1, 30}, {1931, 2, 16}, "CAVALO DE METAL"},
    {{1931, 2, 17}, {1932, 2, 5}, "CABRA DE METAL"},
    {{1932, 2, 6}, {1933, 1, 25}, "MACACO DE ÁGUA"},
    {{1933, 1, 26}, {1934, 2, 13}, "GALO DE ÁGUA"},
    {{1934, 2, 14}, {1935, 2, 3}, "CÃO DE MADEIRA"},
    {{1935, 2, 4}, {1936, 1, 23}, "PORCO DE MADEIRA"},
    {{1936, 1, 24}, {1937, 2, 10}, "RATO DE FOGO"},
    {{1937, 2, 11}, {1938, 1, 30}, "BOI DE FOGO"},
    {{1938, 1, 31}, {1939, 2, 18}, "TIGRE DE TERRA"},
    {{1939, 2, 19}, {1940, 2, 7}, "COELHO DE TERRA"},
    {{1940, 2, 8}, {1941, 1, 26}, "DRAGÃO DE METAL"},
    {{1941, 1, 27}, {1942, 2, 14}, "SERPENTE DE METAL"},
    {{1942, 2, 15}, {1943, 2, 4}, "CAVALO DE ÁGUA"},
    {{1943, 2, 5}, {1944, 1, 24}, "CABRA DE ÁGUA"},
    {{1944, 1, 25}, {1945, 2, 12}, "MACACO DE MADEIRA"},
    {{1945, 2, 13}, {1946, 2, 1}, "GALO DE MADEIRA"},
    {{1946, 2, 2}, {1947, 1, 21}, "CÃO DE FOGO"},
    {{1947, 1, 22}, {1948, 2, 9}, "PORCO DE FOGO"},
    {{1948, 2, 10}, {1949, 1, 28}, "RATO DE TERRA"},
    {{1949, 1, 29}, {1950, 2, 16}, "BOI DE TERRA"},
    {{1950, 2, 17}, {1951, 2, 5}, "TIGRE DE METAL"},
    {{1951, 2, 6}, {1952, 1, 26}, "COELHO DE METAL"},
    {{1952, 1, 27}, {1953, 2, 13}, "DRAGÃO DE ÁGUA"},
    {{1953, 2, 14}, {1954, 2, 2}, "SERPENTE DE ÁGUA"},
    {{1954, 2, 3}, {1955, 1, 23}, "CAVALO DE MADEIRA"},
    {{1955, 1, 24}, {1956, 2, 11}, "CABRA DE MADEIRA"},
    {{1956, 2, 12}, {1957, 1, 30}, "MACACO DE FOGO"},
    {{1957, 1, 31}, {1958, 2, 17}, "GALO DE FOGO"},
    {{1958, 2, 18}, {1959, 2, 7}, "CÃO DE TERRA"},
    {{1959, 2, 8}, {1960, 1, 27}, "PORCO DE TERRA"},
    {{1960, 1, 28}, {1961, 2, 14}, "RATO DE METAL"},
    {{1961, 2, 15}, {1962, 2, 4}, "BOI DE METAL"},
    {{1962, 2, 5}, {1963, 1, 24}, "TIGRE DE ÁGUA"},
    {{1963, 1, 25}, {1964, 2, 12}, "COELHO DE ÁGUA"},
    {{1964, 2, 13}, {1965, 2, 1}, "DRAGÃO DE MADEIRA"},
    {{1965, 2, 2}, {1966, 1, 20}, "SERPENTE DE MADEIRA"},
    {{1966, 1, 21}, {1967, 2, 8}, "CAVALO DE FOGO"},
    {{1967, 2, 9}, {1968, 1, 29}, "CABRA DE FOGO"},
    {{1968, 1, 30}, {1969, 2, 16}, "MACACO DE TERRA"},
    {{1969, 2, 17}, {1970, 2, 5}, "GALO DE TERRA"},
    {{1970, 2, 6}, {1971, 1, 26}, "CÃO DE METAL"},
    {{1971, 1, 27}, {1972, 1, 15}, "PORCO DE METAL"},
    {{1972, 1, 16}, {1973, 2, 2}, "RATO DE ÁGUA"},
    {{1973, 2, 3}, {1974, 1, 22}, "BOI DE ÁGUA"},
    {{1974, 1, 23}, {1975, 2, 10}, "TIGRE DE MADEIRA"},
    {{1975, 2, 11}, {1976, 1, 30}, "COELHO DE MADEIRA"},
    {{1976, 1, 31}, {1977, 2, 17}, "DRAGÃO DE FOGO"},
    {{1977, 2, 18}, {1978, 2, 6}, "SERPENTE DE FOGO"},
    {{1978, 2, 7}, {1979, 1, 27}, "CAVALO DE TERRA"},
    {{1979, 1, 28}, {1980, 2, 15}, "CABRA DE TERRA"},
    {{1980, 2, 16}, {1981, 2, 4}, "MACACO DE METAL"},
    {{1981, 2, 5}, {1982, 1, 24}, "GALO DE METAL"},
    {{1982, 1, 25}, {1983, 2, 12}, "CÃO DE ÁGUA"},
    {{1983, 2, 13}, {1984, 2, 1}, "PORCO DE ÁGUA"},
    {{1984, 2, 2}, {1985, 2, 19}, "RATO DE MADEIRA"},
    {{1985, 2, 20}, {1986, 2, 8}, "BOI DE MADEIRA"},
    {{1986, 2, 9}, {1987, 1, 28}, "TIGRE DE FOGO"},
    {{1987, 1, 29}, {1988, 2, 16}, "COELHO DE FOGO"},
    {{1988, 2, 17}, {1989, 2, 5}, "DRAGÃO DE TERRA"},
    {{1989, 2, 6}, {1990, 1, 26}, "SERPENTE DE TERRA"},
    {{1990, 1, 27}, {1991, 2, 14}, "CAVALO DE METAL"},
    {{1991, 2, 15}, {1992, 2, 3}, "CABRA DE METAL"},
    {{1992, 2, 4}, {1993, 1, 22}, "MACACO DE ÁGUA"},
    {{1993, 1, 23}, {1994, 2, 9}, "GALO DE ÁGUA"},
    {{1994, 2, 10}, {1995, 1, 30}, "CÃO DE MADEIRA"},
    {{1995, 1, 31}, {1996, 2, 18}, "PORCO DE MADEIRA"},
    {{1996, 2, 19}, {1997, 2, 7}, "RATO DE FOGO"},
    {{1997, 2, 8}, {1998, 1, 27}, "BOI DE FOGO"},
    {{1998, 1, 28}, {1999, 2, 5}, "TIGRE DE TERRA"},
    {{1999, 2, 6}, {2000, 1, 27}, "COELHO DE TERRA"},
    {{2000, 1, 28}, {2001, 2, 4}, "DRAGÃO DE METAL"},
    {{2001, 2, 5}, {2002, 2, 11}, "SERPENTE DE METAL"},
    {{2002, 2, 12}, {2003, 1, 31}, "CAVALO DE ÁGUA"},
    {{2003, 2, 1}, {2004, 1, 21}, "CABRA DE ÁGUA"},
    {{2004, 1, 22}, {2005, 2, 8}, "MACACO DE MADEIRA"},
    {{2005, 2, 9}, {2006, 1, 28}, "GALO DE MADEIRA"},
}};

// General traits of each animal and the specific ones of each element, in the
// order of Elements.
struct AnimalTraits {
    const char* animal;
    const char* general;
    std::array<const char*, 5> specific;
};
const std::array<const char*, 5> Elements = {"METAL", "ÁGUA", "FOGO", "MADEIRA", "TERRA"};
const std::array<AnimalTraits, 12> Traits = {{
    {"RATO",
     "Características básicas: Econômico, Trabalhador e muito Prático, busca acumular bens, esconde as emoções. ",
     {"Dominador e Sentimental.", "Intelectual.", "Independência e Entusiasmo.", "Não Convencional.", "Estabilidade."}},
    {"BOI",
     "Características básicas: Muito trabalhador, Teimoso, Inteligente, Introvertido, não se apaixona facilmente. ",
     {"Questionador e Artístico.", "Intensamente Racional.", "Rudeza.", "Compartilha o sentimento alheio.", "Impassível e Teimoso."}},
    {"TIGRE",
     "Características básicas: Imprevisível, Sensual, Arrisca-se frequentemente, difícil convívio.",
     {"Extrovertido.", "Explosivo.", "Dominador.", "Preguiçoso.", "Prático."}},
    {"COELHO",
     "Características básicas: Generoso, Atencioso, Inteligente, muda rápido de humor, Aproveitador.",
     {"Sentimental e Insincero.", "Introversão.", "Dominador.", "Excessivamente generoso.", "Seriedade."}},
    {"DRAGÃO",
     "Características básicas: Enérgico, Belicoso, e com muita força de vontade.",
     {"Valentão.", "Faz concessões.", "Excessivamente ativo.", "Criativos.", "Estabilidade."}},
    {"SERPENTE",
     "Características básicas: Dissimulado, Autoconfiante, Enérgica e Sensual.",
     {"Lógica.", "Artístico e Prático.", "Preocupado com dinheiro e poder.", "Bondade.", "Lento e amável."}},
    {"CAVALO",
     "Características básicas: Liberdade, Generoso, Alegre, Imprevisível.",
     {"Aventureiro e egoísta.", "Espirituosidade.", "Mal-Humorado e Apaixonado.", "Auto-controle.", "Pouco temperamental."}},
    {"CABRA",
     "Características básicas: Gentil, Atenciosa, Crédula, Depressiva, magoa-se facilmente.",
     {"Rispidez.", "Gentileza ao extremo.", "Combatividade.", "Sociabilidade.", "Fanático por Trabalho."}},
    {"MACACO",
     "Características básicas: Arrogante, Desembaraçado e Fingido.",
     {"Impetuoso.", "Sensível.", "Assume riscos desnecessários.", "Extrovertido.", "Calmo."}},
    {"GALO",
     "Características básicas: Espirituoso, Perspicaz, Pouco Tato, Disciplinado, Fofoqueiro.",
     {"Não dá concessões.", "Intelectual.", "Exibicionista.", "Gentil.", "Prático e pouco exibicionista."}},
    {"CÃO",
     "Características básicas: Honesto, Afetuoso, Objetivo.",
     {"Inflexível.", "Contemplativo e lerdo.", "Liderança.", "Flexibilidade.", "Prático."}},
    {"PORCO",
     "Características básicas: Confiável, Amistoso, Pouco Tato. Generoso.",
     {"Sociável.", "Descontrolado.", "Imprudente.", "Sutil.", "Preguiçoso."}},
}};

const QString SpecificHeading = QStringLiteral("Características específicas: ");
// The two signs whose specific line starts with a blank.
bool specificLineIndented(const QString& sign)
{
    return sign == QStringLiteral("RATO DE ÁGUA") || sign == QStringLiteral("BOI DE METAL");
}

const char* const SignJoint = " DE ";

}  // namespace

SunSignReading computeSunSign(int day, int month)
{
    const int m = std::clamp(month, 1, 12);
    const size_t ending = size_t(m - 1);
    const SunSign& sign = day <= SunSigns[ending].lastDay ? SunSigns[ending] : SunSigns[(ending + 1) % 12];
    const MonthSeason& season = Seasons[ending];
    return {QString::fromUtf8(sign.name), QString::fromUtf8(sign.mark),
            QString::fromUtf8(season.next && day > season.lastDay ? season.next : season.season)};
}

QString findChineseYearSign(const QDate& date)
{
    if (!date.isValid())
        return {};
    for (const ChineseYear& year : ChineseYears) {
        if (year.first.date().daysTo(date) >= 0 && year.last.date().daysTo(date) <= 0)
            return QString::fromUtf8(year.sign);
    }
    return {};
}

QString appendPersonalityTexts(const QString& text, const QString& chineseSign, const QString& sunSign)
{
    QString result = text;
    for (const AnimalTraits& traits : Traits) {
        for (size_t e = 0; e < Elements.size(); ++e) {
            const QString sign =
                QString::fromUtf8(traits.animal) + QLatin1String(SignJoint) + QString::fromUtf8(Elements[e]);
            if (sign != chineseSign)
                continue;
            const QString specific = SpecificHeading + QString::fromUtf8(traits.specific[e]);
            result += LineBreak + QString::fromUtf8(traits.general) + LineBreak +
                      (specificLineIndented(sign) ? u' ' + specific : specific);
        }
    }
    for (const SunSign& sign : SunSigns) {
        if (QString::fromUtf8(sign.name) != sunSign)
            continue;
        result = QStringLiteral("FRASE PADRÃO: ") + QString::fromUtf8(sign.motto) + LineBreak + result;
        if (sign.trailingBreak)
            result += LineBreak;
    }
    return result;
}

}  // namespace vorna::clients
