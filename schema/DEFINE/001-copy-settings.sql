-- The daily copy's settings as delivered: SALVA.MDB is made from this file each
-- time the settings are loaded, and only the first row of each table is read.
CREATE TABLE ORIENTE (
    LER     TEXT(255),   -- folder of the main database file that is copied
    GRAVAR  TEXT(255),   -- folder the copy is written into
    PERMITE TEXT(1)      -- "S" the copy and the restore may run, "N" not
);

CREATE TABLE TEMPO (
    QUANDO  DATETIME     -- when the last copy was made
);

INSERT INTO ORIENTE (LER, GRAVAR, PERMITE) VALUES (NULL, NULL, 'N');
INSERT INTO TEMPO (QUANDO) VALUES (NULL);
