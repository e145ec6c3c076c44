-- Postal codes of the state SP; CEP is searched as an unquoted number.
CREATE TABLE SP (
    CEP        LONG,
    "ENDEREÇO" TEXT(50),
    Localidade TEXT(50),
    BAI_INI    TEXT(50)
);

CREATE INDEX SP_CEP ON SP (CEP);
