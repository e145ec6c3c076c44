-- Label and summary rows of the batch routines, shared by every workstation;
-- no key, rows are looked up by client code.
CREATE TABLE TMPETI (
    CODIGO   LONG,
    NOME     TEXT(40),
    CONTATO  TEXT(30),
    ENDERECO TEXT(50),
    BAIRRO   TEXT(20),
    CIDADE   TEXT(30),
    UF       TEXT(2),
    CEP      TEXT(9),
    PROD1    LONG,
    OK       TEXT(1),
    PREMIO   DOUBLE,
    COMITOT  DOUBLE,
    COMIREC  DOUBLE,
    PARCELAS LONG,
    CIA      INTEGER
);

CREATE INDEX TMPETI_CODIGO ON TMPETI (CODIGO);
