CREATE TABLE CIAS (
    CODIGO    INTEGER PRIMARY KEY,
    NOME      TEXT(40),
    META      DOUBLE,
    CHEIA     DOUBLE,
    CONTATO   TEXT(50),
    ENDE      TEXT(100),
    TELEFONES TEXT(50),
    SITES     TEXT(100),
    EMAIL     TEXT(50),
    E2        TEXT(50),
    E3        TEXT(50),
    ASS24     TEXT(50),
    CENTRAL   TEXT(50),
    NORMAS    LONGTEXT,
    SINISTRO  LONGTEXT,
    JUR4      DOUBLE,
    JUR5      DOUBLE,
    JUR7      DOUBLE,
    JUR10     DOUBLE,
    JUR12     DOUBLE
);

CREATE TABLE RAMOS (
    CODIGO LONG,
    NOME   TEXT(40),
    COM1   DOUBLE,
    COM2   DOUBLE,
    COM3   DOUBLE,
    COM4   DOUBLE,
    COM5   DOUBLE,
    COM6   DOUBLE,
    COM7   DOUBLE,
    COM8   DOUBLE,
    COM9   DOUBLE,
    COM10  DOUBLE,
    COM11  DOUBLE,
    COM12  DOUBLE,
    UNIQUE (CODIGO)
);

CREATE TABLE ATENDE (
    XCONPG INTEGER PRIMARY KEY AUTOINCREMENT,
    XCONTA TEXT(15),
    XMETA  DOUBLE
);

CREATE TABLE GRUPO (
    CODIGO INTEGER PRIMARY KEY AUTOINCREMENT,
    NOME   TEXT(50)
);

-- Codes are counted per branch, so two workstations adding a producer of one branch at
-- once must not both store the same code. CODIGO leads the key because the client and
-- document windows find a producer by its code alone. Rows stay in insertion order:
-- a branch's last row gives its highest code.
CREATE TABLE PRODUTOR (
    CODIGO        LONG,
    FILIAL        LONG,
    NOME          TEXT(40),
    SENHA         TEXT(30),
    TELEFONE      TEXT(30),
    BANCO         TEXT(14),
    AGENCIA       TEXT(14),
    CONTA         TEXT(14),
    COMISSAO      DOUBLE,
    COMISSAONOVOS DOUBLE,
    FIXO          DOUBLE,
    META          DOUBLE,
    POSICAO       TEXT(1),
    JUROS         TEXT(1),
    UNIQUE (CODIGO, FILIAL)
);

-- DATALOGUI and HORALOGUI are texts "dd/mm/yyyy" and "hh:nn".
CREATE TABLE LOGUI (
    INDICE    INTEGER PRIMARY KEY AUTOINCREMENT,
    CLIENTE   LONG,
    NOME      TEXT(50),
    DOCUMENTO LONG,
    APOLICE   TEXT(50),
    REMARKS   LONGTEXT,
    USUARIO   LONG,
    DATALOGUI TEXT(10),
    HORALOGUI TEXT(5),
    LIQUI     TEXT(1)
);

CREATE INDEX LOGUI_CLIENTE ON LOGUI (CLIENTE);
