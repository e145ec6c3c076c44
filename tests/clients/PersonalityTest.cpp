#include "clients/Personality.h"

#include "support/Printers.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace vorna::clients {
namespace {

struct SunCase {
    int day, month;
    const char* sign;
    const char* mark;
    const char* season;
};

// Both sides of every sign's and every season's boundary, and the leap day.
TEST(SunSign, EachDayOnEitherSideOfABoundary)
{
    const SunCase cases[] = {
        {1, 1, "CAPRICÓRNIO", "Ô", "VERÃO"},   {19, 1, "CAPRICÓRNIO", "Ô", "VERÃO"},
        {20, 1, "AQUÁRIO", "Ó", "VERÃO"},      {31, 1, "AQUÁRIO", "Ó", "VERÃO"},
        {19, 2, "AQUÁRIO", "Ó", "VERÃO"},      {20, 2, "PEIXES", "Ô", "VERÃO"},
        {29, 2, "PEIXES", "Ô", "VERÃO"},       {20, 3, "PEIXES", "Ô", "VERÃO"},
        {21, 3, "ÁRIES", "Ó", "OUTONO"},       {20, 4, "ÁRIES", "Ó", "OUTONO"},
        {21, 4, "TOURO", "Ô", "OUTONO"},       {21, 5, "TOURO", "Ô", "OUTONO"},
        {22, 5, "GÊMEOS", "Ó", "OUTONO"},      {20, 6, "GÊMEOS", "Ó", "OUTONO"},
        {21, 6, "GÊMEOS", "Ó", "INVERNO"},     {22, 6, "CÂNCER", "Ô", "INVERNO"},
        {23, 7, "CÂNCER", "Ô", "INVERNO"},     {24, 7, "LEÃO", "Ó", "INVERNO"},
        {23, 8, "LEÃO", "Ó", "INVERNO"},       {24, 8, "VIRGEM", "Ô", "INVERNO"},
        {21, 9, "VIRGEM", "Ô", "INVERNO"},     {22, 9, "VIRGEM", "Ô", "PRIMAVERA"},
        {23, 9, "VIRGEM", "Ô", "PRIMAVERA"},   {24, 9, "LIBRA", "Ó", "PRIMAVERA"},
        {23, 10, "LIBRA", "Ó", "PRIMAVERA"},   {24, 10, "ESCORPIÃO", "Ô", "PRIMAVERA"},
        {22, 11, "ESCORPIÃO", "Ô", "PRIMAVERA"}, {23, 11, "SAGITÁRIO", "Ó", "PRIMAVERA"},
        {20, 12, "SAGITÁRIO", "Ó", "PRIMAVERA"}, {21, 12, "SAGITÁRIO", "Ó", "VERÃO"},
        {22, 12, "CAPRICÓRNIO", "Ô", "VERÃO"}, {31, 12, "CAPRICÓRNIO", "Ô", "VERÃO"},
    };
    for (const SunCase& c : cases) {
        const SunSignReading r = computeSunSign(c.day, c.month);
        const std::string at = std::to_string(c.day) + "/" + std::to_string(c.month);
        EXPECT_EQ(r.sign, QString::fromUtf8(c.sign)) << at;
        EXPECT_EQ(r.mark, QString::fromUtf8(c.mark)) << at;
        EXPECT_EQ(r.season, QString::fromUtf8(c.season)) << at;
    }
}

// ---- Chinese year ------------------------------------------------------------------

// The first day of each of the 87 Chinese years; each ends the day before the
// next begins, the last on 28/01/2006.
const char* const FirstDays[] = {
    "01/02/1919", "20/02/1920", "08/02/1921", "28/01/1922", "16/02/1923", "05/02/1924", "25/01/1925", "13/02/1926",
    "02/02/1927", "23/01/1928", "10/02/1929", "30/01/1930", "17/02/1931", "06/02/1932", "26/01/1933", "14/02/1934",
    "04/02/1935", "24/01/1936", "11/02/1937", "31/01/1938", "19/02/1939", "08/02/1940", "27/01/1941", "15/02/1942",
    "05/02/1943", "25/01/1944", "13/02/1945", "02/02/1946", "22/01/1947", "10/02/1948", "29/01/1949", "17/02/1950",
    "06/02/1951", "27/01/1952", "14/02/1953", "03/02/1954", "24/01/1955", "12/02/1956", "31/01/1957", "18/02/1958",
    "08/02/1959", "28/01/1960", "15/02/1961", "05/02/1962", "25/01/1963", "13/02/1964", "02/02/1965", "21/01/1966",
    "09/02/1967", "30/01/1968", "17/02/1969", "06/02/1970", "27/01/1971", "16/01/1972", "03/02/1973", "23/01/1974",
    "11/02/1975", "31/01/1976", "18/02/1977", "07/02/1978", "28/01/1979", "16/02/1980", "05/02/1981", "25/01/1982",
    "13/02/1983", "02/02/1984", "20/02/1985", "09/02/1986", "29/01/1987", "17/02/1988", "06/02/1989", "27/01/1990",
    "15/02/1991", "04/02/1992", "23/01/1993", "10/02/1994", "31/01/1995", "19/02/1996", "08/02/1997", "28/01/1998",
    "06/02/1999", "28/01/2000", "05/02/2001", "12/02/2002", "01/02/2003", "22/01/2004", "09/02/2005",
};

QDate day(const char* text) { return QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd/MM/yyyy")); }

const QStringList Animals = {"RATO",   "BOI",    "TIGRE", "COELHO", "DRAGÃO", "SERPENTE",
                             "CAVALO", "CABRA",  "MACACO", "GALO",  "CÃO",    "PORCO"};
const QStringList Elements = {"MADEIRA", "FOGO", "TERRA", "METAL", "ÁGUA"};

// The n-th year of the sixty-year cycle that starts with RATO DE MADEIRA.
QString cycleSign(int n) { return Animals[n % 12] + " DE " + Elements[(n / 2) % 5]; }

// The first year of the table is the 56th of its cycle (CABRA DE TERRA).
constexpr int CycleOfFirstYear = 55;

TEST(ChineseYearSign, FirstAndLastDayOfEveryYearFollowTheCycle)
{
    constexpr int years = int(std::size(FirstDays));
    ASSERT_EQ(years, 87);
    for (int i = 0; i < years; ++i) {
        const QDate first = day(FirstDays[i]);
        const QDate last = i + 1 < years ? day(FirstDays[i + 1]).addDays(-1) : QDate(2006, 1, 28);
        const QString sign = cycleSign((i + CycleOfFirstYear) % 60);
        EXPECT_EQ(findChineseYearSign(first), sign) << FirstDays[i];
        EXPECT_EQ(findChineseYearSign(last), sign) << FirstDays[i];
        EXPECT_NE(findChineseYearSign(first.addDays(-1)), sign) << FirstDays[i];
    }
}

TEST(ChineseYearSign, NamedDaysAndDaysOutsideTheTable)
{
    const std::pair<QDate, QString> cases[] = {
        {QDate(1919, 1, 31), ""},
        {QDate(1919, 2, 1), "CABRA DE TERRA"},
        {QDate(1920, 2, 19), "CABRA DE TERRA"},
        {QDate(1920, 2, 20), "MACACO DE METAL"},
        {QDate(1921, 2, 7), "MACACO DE METAL"},
        {QDate(1921, 2, 8), "GALO DE METAL"},
        {QDate(1945, 2, 13), "GALO DE MADEIRA"},
        {QDate(1946, 2, 1), "GALO DE MADEIRA"},
        {QDate(1946, 2, 2), "CÃO DE FOGO"},
        {QDate(1970, 5, 10), "CÃO DE METAL"},
        {QDate(1972, 1, 15), "PORCO DE METAL"},
        {QDate(1972, 1, 16), "RATO DE ÁGUA"},
        {QDate(1975, 8, 15), "COELHO DE MADEIRA"},
        {QDate(2006, 1, 28), "GALO DE MADEIRA"},
        {QDate(2006, 1, 29), ""},
        {QDate(1915, 5, 10), ""},
        {QDate(), ""},
    };
    for (const auto& [date, sign] : cases)
        EXPECT_EQ(findChineseYearSign(date), sign) << date.toString(Qt::ISODate).toStdString();
}

// ---- the texts ---------------------------------------------------------------------

const QString CRLF = QStringLiteral("\r\n");
const QString Basic = QStringLiteral("Características básicas: ");
const QString Specific = QStringLiteral("Características específicas: ");

QString traitLines(const QString& sign) { return appendPersonalityTexts(QString(), sign, QString()); }

TEST(PersonalityTexts, TraitLinesOfASignWithTheirBlanks)
{
    EXPECT_EQ(traitLines("COELHO DE MADEIRA"),
              CRLF + Basic + "Generoso, Atencioso, Inteligente, muda rápido de humor, Aproveitador." + CRLF + Specific +
                  "Excessivamente generoso.");
    // The two specific lines that start with a blank, and the two general lines that end in one.
    EXPECT_EQ(traitLines("RATO DE ÁGUA"),
              CRLF + Basic + "Econômico, Trabalhador e muito Prático, busca acumular bens, esconde as emoções. " + CRLF +
                  " " + Specific + "Intelectual.");
    EXPECT_EQ(traitLines("BOI DE METAL"),
              CRLF + Basic + "Muito trabalhador, Teimoso, Inteligente, Introvertido, não se apaixona facilmente. " +
                  CRLF + " " + Specific + "Questionador e Artístico.");
    EXPECT_EQ(traitLines("GALO DE ÁGUA").section(CRLF, 2), Specific + "Intelectual.");

    const std::pair<const char*, const char*> shared[] = {
        {"TIGRE DE FOGO", "Dominador."},     {"COELHO DE FOGO", "Dominador."},
        {"TIGRE DE TERRA", "Prático."},      {"CÃO DE TERRA", "Prático."},
        {"TIGRE DE MADEIRA", "Preguiçoso."}, {"PORCO DE TERRA", "Preguiçoso."},
        {"RATO DE TERRA", "Estabilidade."},  {"DRAGÃO DE TERRA", "Estabilidade."},
        {"TIGRE DE METAL", "Extrovertido."}, {"MACACO DE MADEIRA", "Extrovertido."},
    };
    for (const auto& [sign, phrase] : shared)
        EXPECT_EQ(traitLines(QString::fromUtf8(sign)).section(CRLF, 2), Specific + QString::fromUtf8(phrase)) << sign;
}

TEST(PersonalityTexts, EverySignOfTheCycleHasItsTwoLinesAndNothingElseHasAny)
{
    QStringList specificLines;
    for (int n = 0; n < 60; ++n) {
        const QStringList lines = traitLines(cycleSign(n)).split(CRLF);
        ASSERT_EQ(lines.size(), 3) << cycleSign(n).toStdString();
        EXPECT_TRUE(lines[1].startsWith(Basic)) << cycleSign(n).toStdString();
        EXPECT_TRUE(lines[2].trimmed().startsWith(Specific)) << cycleSign(n).toStdString();
        specificLines << lines[2].trimmed();
    }
    specificLines.removeDuplicates();
    EXPECT_EQ(specificLines.size(), 60 - 6);  // six phrases are shared by two signs
    for (const char* none : {"", "rato de metal", "RATO DE  METAL", "RATO", "GATO DE METAL", "RATO DE METAL "})
        EXPECT_EQ(traitLines(QString::fromUtf8(none)), "") << none;
}

TEST(PersonalityTexts, MottoLineInFrontAndTheFirstSevenSignsEndInABreak)
{
    const std::tuple<const char*, const char*, bool> mottos[] = {
        {"CAPRICÓRNIO", "EU REALIZO", true}, {"AQUÁRIO", "EU SEI", true},      {"PEIXES", "EU ACREDITO", true},
        {"ÁRIES", "EU QUERO", true},         {"TOURO", "EU TENHO", true},      {"GÊMEOS", "EU PENSO", true},
        {"CÂNCER", "EU SINTO", true},        {"LEÃO", "EU SOU", false},        {"VIRGEM", "EU ANALISO", false},
        {"LIBRA", "EU AMO", false},          {"ESCORPIÃO", "EU CONTROLO", false}, {"SAGITÁRIO", "EU OBSERVO", false},
    };
    for (const auto& [sign, motto, breakAtEnd] : mottos) {
        const QString expected = "FRASE PADRÃO: " + QString::fromUtf8(motto) + CRLF + "TEXTO" + (breakAtEnd ? CRLF : "");
        EXPECT_EQ(appendPersonalityTexts("TEXTO", "", QString::fromUtf8(sign)), expected) << sign;
    }
    EXPECT_EQ(appendPersonalityTexts("TEXTO", "", "LEAO"), "TEXTO");
    EXPECT_EQ(appendPersonalityTexts("TEXTO", "", "leão"), "TEXTO");
    // Both steps: the trait lines go before the final break.
    EXPECT_EQ(appendPersonalityTexts("X", "CÃO DE FOGO", "CÂNCER"),
              "FRASE PADRÃO: EU SINTO" + CRLF + "X" + CRLF + Basic + "Honesto, Afetuoso, Objetivo." + CRLF + Specific +
                  "Liderança." + CRLF);
}

}  // namespace
}  // namespace vorna::clients
